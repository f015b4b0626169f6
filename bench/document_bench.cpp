// Large documents: the colouring engine over a whole page, and the editor
// opening a large HTML file until it is shown and coloured, then typing at its
// end. A plain Qt text widget loading the same file is the peer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/highlighting/scheme_file.h"
#include "core/highlighting/syntax_scheme.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "core/workspace/recovery_record.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"

namespace {

QApplication& app() {
  static int argc = 1;
  static char name[] = "markloom_bench";
  static char* argv[] = {name, nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Never destroyed: at exit Qt's own statics may already be gone.
  static QApplication* a = new QApplication(argc, argv);
  return *a;
}

// A page of mixed markup, scripts, styles and server code, repeated to size.
std::string makeHtml(std::size_t size) {
  const std::string block =
      "<!-- section -->\r\n<div class=\"item\" id=\"n42\"><a href=\"http://example.com/page.html\">Link</a>\r\n"
      "<p>Some text with <b>bold</b> and <i>italic</i> words, numbers 12345 and colour #FF8800.</p>\r\n"
      "<script language=\"javascript\">\r\nfunction f(x) { var s = 'str'; return x + 0x1F; } // note\r\n</script>\r\n"
      "<style>\r\nh1 { color: red; font-size: 12px; } /* c */\r\n</style>\r\n"
      "<% Dim a : a = \"asp\" ' comment %>\r\n<? if ($x) { echo \"php\"; } ?>\r\n</div>\r\n";
  std::string out = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\r\n<html><body>\r\n";
  out.reserve(size + block.size());
  while (out.size() < size) out += block;
  return out + "</body></html>\r\n";
}

long rssKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

const std::string& largeFile() {
  static const std::string bytes = [] {
    if (const char* path = std::getenv("MARKLOOM_BENCH_HTML")) return markloom::readFile(path);
    return makeHtml(50u << 20);
  }();
  return bytes;
}

void BM_StyleWholePage(benchmark::State& state) {
  const std::string text = makeHtml(static_cast<std::size_t>(state.range(0)) << 20);
  const markloom::SchemeStyler styler(markloom::defaultScheme());
  for (auto _ : state) benchmark::DoNotOptimize(styler.styleText(text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_StyleWholePage)->Arg(5)->Unit(benchmark::kMillisecond);

// Open until shown with the screen coloured, then colour to the end and type there.
void BM_OpenLargeHtmlShownAndColoured(benchmark::State& state) {
  app();
  const std::string& bytes = largeFile();
  double shownMs = 0, typedMs = 0, grownKb = 0;
  for (auto _ : state) {
    const long before = rssKb();
    QElapsedTimer clock;
    clock.start();
    markloom::SchemeLexer lexer(markloom::defaultScheme());  // outlives the editor using it
    markloom::MarkloomEditor editor;
    // As the document window does: large files start without word wrap.
    editor.setWrapMode(bytes.size() > markloom::MarkloomEditor::kWrapLimitBytes ? QsciScintilla::WrapNone
                                                                                : QsciScintilla::WrapWord);
    editor.setLexer(&lexer);
    editor.resize(1000, 700);
    editor.loadBytes(bytes);
    editor.show();
    QApplication::processEvents();
    editor.viewport()->repaint();  // paints, and so colours, the lines on screen
    shownMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    clock.restart();
    editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    editor.SendScintilla(QsciScintillaBase::SCI_REPLACESEL, 0UL, "<b>x</b>");
    editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
    editor.viewport()->repaint();
    typedMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    grownKb = std::max(grownKb, static_cast<double>(rssKb() - before));
    benchmark::DoNotOptimize(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT,
                                                  editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH) - 3));
  }
  state.counters["shown_ms"] = shownMs / static_cast<double>(state.iterations());
  state.counters["typed_at_end_ms"] = typedMs / static_cast<double>(state.iterations());
  state.counters["MB"] = static_cast<double>(bytes.size()) / (1 << 20);
  // Memory the open editor added, as a multiple of the file size.
  state.counters["editor_mem_x_file"] = grownKb * 1024 / static_cast<double>(bytes.size());
}
BENCHMARK(BM_OpenLargeHtmlShownAndColoured)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// Opens bytes in editor as the document window does for a large file, until
// shown with the screen coloured.
void openLarge(markloom::MarkloomEditor& editor, markloom::SchemeLexer& lexer, const std::string& bytes) {
  editor.setWrapMode(QsciScintilla::WrapNone);
  editor.setLexer(&lexer);
  editor.resize(1000, 700);
  editor.loadBytes(bytes);
  editor.show();
  QApplication::processEvents();
  editor.viewport()->repaint();
}

double ctrlEndMs(markloom::MarkloomEditor& editor) {
  QElapsedTimer clock;
  clock.start();
  QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
  QApplication::sendEvent(&editor, &end);
  editor.viewport()->repaint();
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The built-in scheme (0) or the delivered HTML scheme (1): open until the
// screen is coloured; Ctrl+End right after; then 200 keys typed in the middle
// of the text, each timed from the key press to the repaint; then the
// colouring ahead in idle time and Ctrl+End after it.
void BM_LargeHtmlTypingByScheme(benchmark::State& state) {
  app();
  const std::string& bytes = largeFile();
  const markloom::SyntaxScheme scheme =
      state.range(0) == 0
          ? markloom::defaultScheme()
          : markloom::readSchemeFile(
                (QCoreApplication::applicationDirPath() + "/Extensions/schemes/html.sch").toStdString());
  double openMs = 0, endMs = 0, medianMs = 0, worstMs = 0, idleMs = 0, longestPassMs = 0, endAfterIdleMs = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    markloom::SchemeLexer lexer(scheme);
    markloom::MarkloomEditor editor;
    openLarge(editor, lexer, bytes);
    openMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    endMs += ctrlEndMs(editor);
    const long middle = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH) / 2;
    editor.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(middle));
    editor.viewport()->repaint();
    std::vector<double> keys;
    for (int i = 0; i < 200; ++i) {
      clock.restart();
      QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
      QApplication::sendEvent(&editor, &press);
      editor.viewport()->repaint();
      keys.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(keys.begin(), keys.end());
    medianMs += keys[keys.size() / 2];
    worstMs = std::max(worstMs, keys.back());

    // A second window left idle after opening: how long the colouring ahead
    // takes, the longest pass of the event loop meanwhile (a pass may run
    // more than one slice of it), and Ctrl+End once it is done.
    markloom::SchemeLexer idleLexer(scheme);
    markloom::MarkloomEditor idle;
    openLarge(idle, idleLexer, bytes);
    const long length = idle.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    QElapsedTimer tick;
    double longestMs = 0;
    clock.restart();
    tick.start();
    while (idle.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED) < length && clock.elapsed() < 60000) {
      QApplication::processEvents(QEventLoop::AllEvents, 5);
      longestMs = std::max(longestMs, static_cast<double>(tick.nsecsElapsed()) / 1e6);
      tick.restart();
    }
    idleMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
    longestPassMs = std::max(longestPassMs, longestMs);
    endAfterIdleMs += ctrlEndMs(idle);
  }
  const auto n = static_cast<double>(state.iterations());
  state.counters["open_ms"] = openMs / n;
  state.counters["ctrl_end_ms"] = endMs / n;
  state.counters["key_median_ms"] = medianMs / n;
  state.counters["key_worst_ms"] = worstMs;
  state.counters["coloured_ahead_ms"] = idleMs / n;
  state.counters["longest_loop_pass_ms"] = longestPassMs;
  state.counters["ctrl_end_after_idle_ms"] = endAfterIdleMs / n;
}
BENCHMARK(BM_LargeHtmlTypingByScheme)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Peer: Qt's plain text widget with the same file (no colouring at all).
void BM_PeerPlainTextEditOpen(benchmark::State& state) {
  app();
  const QString text = QString::fromUtf8(largeFile().data(), static_cast<qsizetype>(largeFile().size()));
  for (auto _ : state) {
    QPlainTextEdit edit;
    edit.resize(1000, 700);
    edit.setPlainText(text);
    edit.show();
    QApplication::processEvents();
    edit.viewport()->repaint();
  }
}
BENCHMARK(BM_PeerPlainTextEditOpen)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

// Crash recovery of a large document every interval. What the window does
// now: one snapshot of the editor's buffer (the writing is on a worker
// thread). What it did before, all on the window's thread: a copy of the
// text, its hash, the encoded record (a second copy) and the synced write.
void BM_RecoverySnapshotOnTheWindow(benchmark::State& state) {
  app();
  markloom::MarkloomEditor editor;
  editor.loadBytes(makeHtml(static_cast<std::size_t>(state.range(0)) << 20));
  for (auto _ : state) {
    std::string content = markloom::recoveryHeader("/home/user/page.htm");
    content.reserve(content.size() + static_cast<std::size_t>(editor.length()));
    editor.appendBytes(content);
    benchmark::DoNotOptimize(content.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * editor.length());
}
BENCHMARK(BM_RecoverySnapshotOnTheWindow)->Arg(64)->Arg(512)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RecoveryWholeCopyOnTheWindowBefore(benchmark::State& state) {
  app();
  markloom::MarkloomEditor editor;
  editor.loadBytes(makeHtml(static_cast<std::size_t>(state.range(0)) << 20));
  const char* work = std::getenv("WORK");
  const std::string path = std::string(work ? work : "/tmp") + "/recovery-bench.recovery";
  for (auto _ : state) {
    markloom::RecoveryRecord record{"/home/user/page.htm", editor.bytes()};
    benchmark::DoNotOptimize(std::hash<std::string>{}(record.bytes));
    markloom::writeWorkFile(path, markloom::encodeRecovery(record));
  }
  std::remove(path.c_str());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * editor.length());
}
BENCHMARK(BM_RecoveryWholeCopyOnTheWindowBefore)->Arg(64)->Arg(512)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
