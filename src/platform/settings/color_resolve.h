#pragma once
// Turns a stored colour value into the colour the desktop shows: system colours
// come from the application palette.
#include <QColor>
#include <cstdint>

namespace markloom {

// clNone and clDefault give an invalid QColor.
QColor resolveColor(std::uint32_t color);

}  // namespace markloom
