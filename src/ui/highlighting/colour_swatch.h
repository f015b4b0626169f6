#pragma once
// Scheme colours (0xRRGGBB) as Qt colours and back, and a button painted as a
// swatch of one: its face in the colour, its caption the colour's "#RRGGBB".
#include <QColor>
#include <QPushButton>
#include <cstdint>

namespace markloom {

inline QColor schemeColour(std::uint32_t c) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

inline std::uint32_t schemeRgb(const QColor& c) {
  return (static_cast<std::uint32_t>(c.red()) << 16) | (static_cast<std::uint32_t>(c.green()) << 8) |
         static_cast<std::uint32_t>(c.blue());
}

inline void paintSwatch(QPushButton* button, const QColor& c) {
  button->setText(c.name().toUpper());
  button->setStyleSheet(
      QStringLiteral("background-color: %1; color: %2").arg(c.name(), c.lightness() < 128 ? "white" : "black"));
}

}  // namespace markloom
