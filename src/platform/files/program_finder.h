#pragma once
// Finding the programs installed on this desktop: browsers, an image editor
// and a visual HTML editor, each looked up by its desktop entry (the .desktop
// files in the XDG data folders' "applications") and then on the PATH.
#include <QString>
#include <optional>
#include <vector>

namespace markloom {

struct FoundProgram {
  QString title;  // "Firefox", "GIMP", ...
  QString path;   // the program file
};

// The browsers found, in this fixed order: Firefox, Chromium, Google Chrome,
// Epiphany (GNOME Web), Falkon, Konqueror, Opera, Vivaldi, Brave, Microsoft
// Edge, LibreWolf, SeaMonkey.
std::vector<FoundProgram> findBrowsers();
// The first found of GIMP, Krita, Pinta, Inkscape.
std::optional<FoundProgram> findImageEditor();
// The first found of BlueGriffon, SeaMonkey (its Composer), KompoZer.
std::optional<FoundProgram> findVisualEditor();

}  // namespace markloom
