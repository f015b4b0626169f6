// The main window's session: the documents open at a clean exit, reopened at
// the next start.
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "platform/editor/markloom_editor.h"
#include "platform/settings/ini_settings_store.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {

Session MainWindow::currentSession() const {
  Session session;
  const DocumentWindow* active = activeDocument();
  for (DocumentWindow* doc : documents()) {
    if (doc->document().isUntitled()) continue;
    const std::string path = QFile::encodeName(QFileInfo(doc->document().fileName()).absoluteFilePath()).toStdString();
    // A file shown twice is reopened once.
    const auto kept = std::find_if(session.documents.begin(), session.documents.end(),
                                   [&](const auto& d) { return d.path == path; });
    if (kept != session.documents.end()) {
      if (doc == active) session.active = static_cast<int>(kept - session.documents.begin());
      continue;
    }
    int line = 0, index = 0;
    doc->editor()->getCursorPosition(&line, &index);
    if (doc == active) session.active = static_cast<int>(session.documents.size());
    session.documents.push_back({path, line});
  }
  return session;
}

void MainWindow::keepSession(const Session& session) {
  IniSettingsStore store;
  writeSession(store, session);
  store.sync();
}

void MainWindow::restoreSession() {
  IniSettingsStore store;
  if (!sessionRestoreEnabled(store)) return;
  const Session session = readSession(store);
  QStringList missing;
  DocumentWindow* active = nullptr;
  for (std::size_t i = 0; i < session.documents.size(); ++i) {
    const QString path = QFile::decodeName(session.documents[i].path.c_str());
    if (!QFileInfo(path).isFile()) {
      missing << QFileInfo(path).fileName();
      continue;
    }
    DocumentWindow* doc = openOrActivate(path);
    goToLine(doc, session.documents[i].caretLine + 1);
    if (static_cast<int>(i) == session.active) active = doc;
  }
  if (active) openOrActivate(active->document().fileName());
  if (!missing.isEmpty())
    setStatusText(QStringLiteral("Not reopened, no longer there: %1").arg(missing.join(QStringLiteral(", "))));
}

}  // namespace markloom
