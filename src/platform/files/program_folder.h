#pragma once
// The program folder: the folder of the executable, or MARKLOOM_HOME when set
// (tests run the program in a fresh folder this way). Data files are addressed
// as program folder + a relative path written with '\', as the program composes them.
#include <QString>

namespace markloom {

// With a trailing '/'.
QString programFolder();
// programFolder() + relative, with '\' turned into '/'.
QString programPath(const QString& relative);
// Where work files and files the user edits through the program go: the program
// folder when it is writable, otherwise the per-user data folder.
QString workFolder();
QString workPath(const QString& relative);

}  // namespace markloom
