#pragma once
// The start-up check of the settings file. A file the store cannot read as it
// was written (not INI text, a folder, a broken section line, NUL bytes, no
// permission to read it) is moved aside as NAME.damaged-YYYYMMDD-HHMMSS, so
// the program starts with the default settings and never writes over it; the
// user is told what was wrong, where, and where the file went. When it cannot
// be moved (a folder the user cannot write), it stays, and the run keeps its
// settings in a temporary folder instead (QSettings' path is changed).
#include <QDateTime>
#include <QString>

namespace markloom {

// The settings file's path (the same file IniSettingsStore uses).
QString settingsFilePath();

// Checks the settings file and moves it aside when it is damaged. Returns the
// report for the user; empty when the file is sound or absent.
QString setAsideDamagedSettings(const QDateTime& now = QDateTime::currentDateTime());

}  // namespace markloom
