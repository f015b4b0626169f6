// A helper for the kill tests: saves FILE over and over, its first line
// switching between "<p>first</p>" and "<p>second</p>" above the same 200000
// lines, printing "saving N" before and "saved N" after each save, until it
// is killed (or after 2000 saves). With --once it saves once and exits.
#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "platform/editor/markloom_editor.h"
#include "platform/files/journal_folder.h"
#include "ui/document/document_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  markloom::useUserJournalFolder();
  const QStringList args = QApplication::arguments();
  if (args.size() < 2) return 2;
  markloom::DocumentWindow window(nullptr);
  window.loadFile(args[1]);
  const bool once = args.contains("--once");
  QString body;
  body.reserve(5 << 20);
  for (int i = 0; i < 200000; ++i) body.append(u"<p>line ").append(QString::number(i)).append(u"</p>\r\n");
  markloom::MarkloomEditor* editor = window.editor();
  editor->setText(QStringLiteral("<p>first</p>\r\n") + body);
  for (int n = 1; n <= (once ? 1 : 2000); ++n) {
    // A cheap edit of the first line, so the time goes into the saves.
    editor->setSelection(0, 0, 0, static_cast<int>(editor->text(0).size()) - 2);
    editor->replaceSelectedText(n % 2 ? QStringLiteral("<p>second</p>") : QStringLiteral("<p>first</p>"));
    std::printf("saving %d\n", n);
    std::fflush(stdout);
    window.document().save();
    std::printf("saved %d\n", n);
    std::fflush(stdout);
  }
  return 0;
}
