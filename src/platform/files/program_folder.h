#pragma once
// The program folder, where the shipped data (Extensions/, Help/) is read:
// MARKLOOM_HOME when set (tests run the program in a fresh folder this way),
// otherwise found from the executable's location, so the build tree and an
// installed prefix, moved anywhere, both work. Data files are addressed as
// program folder + a relative path written with '\', as the program composes them.
#include <QString>

namespace markloom {

// With a trailing '/'.
QString programFolder();
// For an executable in executableFolder: that folder when the data lies beside
// it (the build tree), otherwise <prefix>/share/markloom/ when the executable
// sits in <prefix>/bin with the data installed there, otherwise the folder itself.
QString programFolderFor(const QString& executableFolder);
// programFolder() + relative, with '\' turned into '/'. When the program
// folder is read-only (installed), a copy of the file in the per-user folder
// takes the place of the installed one.
QString programPath(const QString& relative);
// Where work files and files the user edits through the program go: the program
// folder when it is writable, otherwise the per-user data folder.
QString workFolder();
QString workPath(const QString& relative);

}  // namespace markloom
