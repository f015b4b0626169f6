#pragma once
#include <QIcon>
#include <string_view>

namespace markloom {

// The icon of a command of the menus and command toolbars: the desktop style's
// standard icon where one fits, otherwise a small lettered tile drawn here.
QIcon toolbarIcon(std::string_view id);

}  // namespace markloom
