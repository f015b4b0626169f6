// markloom-wml-layout, run by "markloom-cli wml-layout": a WML card laid out
// as the WAP Viewer shows it, measured with the installed fonts, as JSON lines.
// It is a program of its own because measuring text needs Qt's GUI libraries,
// which would double the start-up time of every other command of markloom-cli.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "core/analysis/tag_tokenizer.h"
#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/text_codec.h"
#include "core/text/whole_number.h"
#include "core/wml/page_json.h"
#include "core/wml/page_layout.h"
#include "platform/wml/qt_font_metrics.h"
#include "platform/wml/qt_picture_source.h"

namespace {

constexpr const char* kUsage = "wml-layout FILE [--dpi N]";

int usage() {
  std::fprintf(stderr, "usage: markloom-cli %s\n", kUsage);
  return 2;
}

int wmlLayout(const std::vector<std::string>& args) {
  std::string file;
  int dpi = 96;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--dpi") {
      if (i + 1 >= args.size()) return usage();
      try {
        dpi = markloom::wholeNumber(args[++i]);
      } catch (const markloom::Error&) {
        dpi = 0;
      }
      if (dpi < 1 || dpi > 4800) {
        std::fprintf(stderr, "markloom-cli wml-layout: --dpi takes a whole number from 1 to 4800\n");
        return 2;
      }
    } else if ((args[i].size() > 1 && args[i][0] == '-') || !file.empty()) {
      return usage();
    } else {
      file = args[i];
    }
  }
  if (file.empty()) return usage();
  std::string bytes;
  try {
    bytes = markloom::readFile(file);
  } catch (const markloom::Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }

  // The font system needs a platform; offscreen needs no display. Qt's own
  // notes about the session (no runtime folder, ...) would only clutter the output.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  int appArgc = 1;
  char name[] = "markloom-wml-layout";
  char* appArgv[] = {name, nullptr};
  const QGuiApplication app(appArgc, appArgv);

  const markloom::QtFontMetrics metrics(dpi);
  markloom::QtPictureSource pictures(QFileInfo(QFile::decodeName(file.c_str())).absolutePath());
  const markloom::PageSetup setup{metrics, pictures, markloom::TextCodec::detect(bytes), markloom::kViewerWidth,
                                  markloom::kViewerHeight};
  const std::string out = markloom::pageJson(markloom::layOutPage(markloom::tokenizeBytes(bytes), setup));
  std::fwrite(out.data(), 1, out.size(), stdout);
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "markloom-cli wml-layout: cannot write the output\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return wmlLayout(std::vector<std::string>(argv + 1, argv + argc)); }
