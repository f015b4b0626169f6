#pragma once
// A laid-out card: the viewer's caption and every item placed on the page,
// in the order they were placed, with their positions and sizes in pixels
// from the top left of the client area.
#include <optional>
#include <string>
#include <vector>

#include "core/wml/wml_font.h"

namespace markloom {

struct Rgb {
  int red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kViewerBackground{0, 193, 97};
inline constexpr Rgb kLinkText{170, 208, 153};
inline constexpr Rgb kLinkBackground{0, 0, 0};
inline constexpr Rgb kRuleOutline{128, 128, 128};
inline constexpr Rgb kRuleFill{255, 255, 255};
inline constexpr Rgb kMissingPictureBox{192, 192, 192};

inline constexpr const char* kViewerCaption = "WAP Viewer";
inline constexpr int kViewerWidth = 199;
inline constexpr int kViewerHeight = 303;

enum class WmlItemKind {
  Label,           // text, in font, wrapping within wrapWidth when that is not 0
  Rule,            // a grey-outlined white bar
  TextField,       // an empty one-line input field
  OptionButton,    // a radio button labelled text; all of a page form one group
  Picture,         // the picture in the file at path; text is the source value as written
  PictureBox,      // a picture the toolkit cannot draw: a grey box of its size (path and text as Picture)
  MissingPicture,  // a source value (text) that named no picture: a small marker
};

struct WmlItem {
  WmlItemKind kind = WmlItemKind::Label;
  int x = 0, y = 0, width = 0, height = 0;
  std::string text;                 // UTF-8: label and button text, or a picture's source value (decoded)
  std::string path;                 // pictures found: the file (as the picture source gave it)
  WmlFont font;                     // labels and option buttons
  int wrapWidth = 0;                // labels: words wrap within this width; 0 keeps lines as they are
  std::optional<std::string> link;  // labels in a link: the target (possibly empty)
  std::optional<Rgb> textColor;     // unset: the window's text colour
  std::optional<Rgb> background;    // unset: the page shows through
  friend bool operator==(const WmlItem&, const WmlItem&) = default;
};

struct WmlPage {
  std::string caption = kViewerCaption;
  int clientWidth = 0;  // the client area it was laid out for
  int clientHeight = 0;
  std::vector<WmlItem> items;
};

}  // namespace markloom
