#include "platform/files/program_finder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

#include "core/common/error.h"
#include "core/text/file_io.h"

namespace markloom {

namespace {

struct KnownProgram {
  const char* title;
  std::vector<const char*> desktopIds;  // without ".desktop"
  std::vector<const char*> executables;
};

const std::vector<KnownProgram>& knownBrowsers() {
  static const std::vector<KnownProgram> browsers{
      {"Firefox", {"firefox", "firefox-esr", "org.mozilla.firefox"}, {"firefox", "firefox-esr"}},
      {"Chromium", {"chromium", "chromium-browser", "org.chromium.Chromium"}, {"chromium", "chromium-browser"}},
      {"Google Chrome", {"google-chrome", "com.google.Chrome"}, {"google-chrome", "google-chrome-stable"}},
      {"Epiphany", {"org.gnome.Epiphany", "epiphany"}, {"epiphany", "epiphany-browser"}},
      {"Falkon", {"org.kde.falkon", "falkon"}, {"falkon"}},
      {"Konqueror", {"org.kde.konqueror", "konqueror", "kfmclient_html"}, {"konqueror"}},
      {"Opera", {"opera", "com.opera.Opera"}, {"opera"}},
      {"Vivaldi", {"vivaldi-stable", "vivaldi", "com.vivaldi.Vivaldi"}, {"vivaldi", "vivaldi-stable"}},
      {"Brave", {"brave-browser", "com.brave.Browser"}, {"brave-browser", "brave"}},
      {"Microsoft Edge", {"microsoft-edge", "com.microsoft.Edge"}, {"microsoft-edge", "microsoft-edge-stable"}},
      {"LibreWolf", {"librewolf", "io.gitlab.librewolf-community"}, {"librewolf"}},
      {"SeaMonkey", {"seamonkey"}, {"seamonkey"}},
  };
  return browsers;
}

const std::vector<KnownProgram>& knownImageEditors() {
  static const std::vector<KnownProgram> editors{
      {"GIMP", {"gimp", "org.gimp.GIMP"}, {"gimp"}},
      {"Krita", {"org.kde.krita", "krita"}, {"krita"}},
      {"Pinta", {"pinta", "com.github.PintaProject.Pinta"}, {"pinta"}},
      {"Inkscape", {"org.inkscape.Inkscape", "inkscape"}, {"inkscape"}},
  };
  return editors;
}

const std::vector<KnownProgram>& knownVisualEditors() {
  static const std::vector<KnownProgram> editors{
      {"BlueGriffon", {"bluegriffon"}, {"bluegriffon"}},
      {"SeaMonkey", {"seamonkey"}, {"seamonkey"}},
      {"KompoZer", {"kompozer"}, {"kompozer"}},
  };
  return editors;
}

bool isProgram(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.isExecutable();
}

// The program of an Exec= line: its first word, quotes removed, looked up on
// the PATH when it has no folder.
QString programOfExec(const QString& exec) {
  QString first;
  if (exec.startsWith('"')) {
    first = exec.mid(1, exec.indexOf('"', 1) - 1);
  } else {
    first = exec.section(' ', 0, 0, QString::SectionSkipEmpty);
  }
  if (first.isEmpty()) return {};
  if (!first.contains('/')) return QStandardPaths::findExecutable(first);
  return isProgram(first) ? first : QString();
}

// The program a desktop entry starts; empty when the entry is missing, hidden
// or names no program that exists.
QString programOfDesktopEntry(const QString& id) {
  const QString file = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id + ".desktop");
  if (file.isEmpty()) return {};
  // Read without waiting on whatever the name holds (a FIFO would block).
  QByteArray text;
  try {
    text = QByteArray::fromStdString(readFile(QFile::encodeName(file).toStdString()));
  } catch (const Error&) {
    return {};
  }
  QTextStream in(text);
  bool inMainGroup = false;
  QString exec;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.startsWith('[')) {
      inMainGroup = line == "[Desktop Entry]";
      continue;
    }
    if (!inMainGroup) continue;
    if (line == "Hidden=true" || line == "NoDisplay=true") return {};
    if (line.startsWith("Exec=") && exec.isEmpty()) exec = line.mid(5).trimmed();
  }
  return programOfExec(exec);
}

std::optional<FoundProgram> find(const KnownProgram& program) {
  for (const char* id : program.desktopIds) {
    const QString path = programOfDesktopEntry(id);
    if (!path.isEmpty()) return FoundProgram{program.title, path};
  }
  for (const char* name : program.executables) {
    const QString path = QStandardPaths::findExecutable(name);
    if (!path.isEmpty()) return FoundProgram{program.title, path};
  }
  return std::nullopt;
}

std::optional<FoundProgram> findFirst(const std::vector<KnownProgram>& programs) {
  for (const KnownProgram& p : programs)
    if (auto found = find(p)) return found;
  return std::nullopt;
}

}  // namespace

std::vector<FoundProgram> findBrowsers() {
  std::vector<FoundProgram> found;
  for (const KnownProgram& browser : knownBrowsers())
    if (auto program = find(browser)) found.push_back(*program);
  return found;
}

std::optional<FoundProgram> findImageEditor() { return findFirst(knownImageEditors()); }
std::optional<FoundProgram> findVisualEditor() { return findFirst(knownVisualEditors()); }

}  // namespace markloom
