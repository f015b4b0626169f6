#pragma once
// Starting outside programs and opening documents with the desktop's default
// handler. Arguments go as a list, never through a shell, so a path with blanks
// arrives as one argument. The started program runs on its own: nothing waits
// for it.
#include <QString>
#include <QStringList>

namespace markloom {

// Starts program with arguments in workingFolder. False when the program is
// missing, is not an executable file, or cannot be started.
bool startProgram(const QString& program, const QStringList& arguments, const QString& workingFolder);

// Opens a local file or a web address with the desktop's default handler
// (xdg-open). False when the file does not exist or no handler can be started.
bool openWithDefaultHandler(const QString& fileOrAddress);

}  // namespace markloom
