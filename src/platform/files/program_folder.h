#pragma once
// The program folder, where the shipped data (Extensions/, Help/) is read:
// MARKLOOM_HOME when set (tests run the program in a fresh folder this way),
// otherwise found from the executable's location, so the build tree and an
// installed prefix, moved anywhere, both work. Data files are addressed as
// program folder + a relative path written with '\', as the program composes them.
//
// Every file the program writes follows one rule: it goes to the program folder
// only when that folder is the user's own writable copy (a build tree or an
// unpacked copy owned by the user), otherwise to the per-user data folder, for
// root as for anyone. An installed prefix is never the user's own copy, so
// nothing one user writes lands where another user reads it. Reading a data
// file takes the per-user copy when there is one, else the shipped one.
#include <QString>

namespace markloom {

// With a trailing '/'.
QString programFolder();
// For an executable in executableFolder: that folder when the data lies beside
// it (the build tree), otherwise <prefix>/share/markloom/ when the executable
// sits in <prefix>/bin with the data installed there, otherwise the folder itself.
QString programFolderFor(const QString& executableFolder);
// Whether folder is the user's own writable copy: a folder (not a link) owned by
// the user the program runs as and writable by them. installed says that the
// folder was found as an installed prefix's share folder, which never counts.
bool isUsersOwnCopy(const QString& folder, bool installed);
// isUsersOwnCopy for programFolder().
bool programFolderIsUsersOwn();
// The per-user data folder, with a trailing '/': ~/.local/share/Tarnwell/Markloom 5.0/
// (XDG_DATA_HOME honoured), created readable by its owner only when missing.
QString userDataFolder();
// The file to read for a shipped data file: the per-user copy when the program
// folder is not the user's own and the user has a copy, otherwise the program
// folder's. A folder (Extensions\\schemes) resolves the same way.
QString programPath(const QString& relative);
// Where the program writes: the program folder when it is the user's own,
// otherwise the per-user data folder. With a trailing '/'.
QString workFolder();
// workFolder() + relative, with '\' turned into '/'; the folders on the way are
// created, so the caller only writes the file.
QString workPath(const QString& relative);

}  // namespace markloom
