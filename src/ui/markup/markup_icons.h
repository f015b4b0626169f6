#pragma once
// Images of the image-only buttons of the Formatting toolbar and the tag bar,
// painted at run time: a framed tile with a short glyph or a small drawing.
#include <QIcon>
#include <QString>

namespace markloom {

// The image of the button with this object name; a null icon for buttons that
// show a caption instead.
QIcon markupIcon(const QString& buttonName);

}  // namespace markloom
