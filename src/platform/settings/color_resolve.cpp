#include "platform/settings/color_resolve.h"

#include <QApplication>
#include <QPalette>

#include "core/settings/color_text.h"

namespace markloom {

namespace {
// System colour index -> palette role and group.
struct SystemRole {
  int index;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};
constexpr SystemRole kSystemRoles[] = {
    {0, QPalette::Active, QPalette::Button},            // scroll bar
    {1, QPalette::Active, QPalette::Dark},              // desktop
    {2, QPalette::Active, QPalette::Highlight},         // active caption
    {3, QPalette::Inactive, QPalette::Highlight},       // inactive caption
    {4, QPalette::Active, QPalette::Window},            // menu
    {5, QPalette::Active, QPalette::Base},              // window
    {6, QPalette::Active, QPalette::Shadow},            // window frame
    {7, QPalette::Active, QPalette::WindowText},        // menu text
    {8, QPalette::Active, QPalette::Text},              // window text
    {9, QPalette::Active, QPalette::HighlightedText},   // caption text
    {10, QPalette::Active, QPalette::Window},           // active border
    {11, QPalette::Inactive, QPalette::Window},         // inactive border
    {12, QPalette::Active, QPalette::Dark},             // workspace
    {13, QPalette::Active, QPalette::Highlight},        // highlight
    {14, QPalette::Active, QPalette::HighlightedText},  // highlight text
    {15, QPalette::Active, QPalette::Button},           // button face
    {16, QPalette::Active, QPalette::Mid},              // button shadow
    {17, QPalette::Disabled, QPalette::Text},           // grey text
    {18, QPalette::Active, QPalette::ButtonText},       // button text
    {19, QPalette::Inactive, QPalette::HighlightedText},
    {20, QPalette::Active, QPalette::Light},        // button highlight
    {21, QPalette::Active, QPalette::Shadow},       // 3D dark shadow
    {22, QPalette::Active, QPalette::Midlight},     // 3D light
    {23, QPalette::Active, QPalette::ToolTipText},  // info text
    {24, QPalette::Active, QPalette::ToolTipBase},  // info background
    {26, QPalette::Active, QPalette::Link},         // hot light
    {27, QPalette::Active, QPalette::Highlight},
    {28, QPalette::Inactive, QPalette::Highlight},
    {29, QPalette::Active, QPalette::Highlight},  // menu highlight
    {30, QPalette::Active, QPalette::Window},     // menu bar
};
}  // namespace

QColor resolveColor(std::uint32_t color) {
  if (color == kColorNone || color == kColorDefault) return {};
  if (auto index = systemColorIndex(color)) {
    const QPalette palette = QApplication::palette();
    for (const auto& r : kSystemRoles)
      if (r.index == *index) return palette.color(r.group, r.role);
    return palette.color(QPalette::Active, QPalette::Window);
  }
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace markloom
