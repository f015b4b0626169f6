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

#include "core/analysis/tag_scanner.h"
#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/text_codec.h"
#include "core/text/utf8_detector.h"
#include "core/text/whole_number.h"
#include "core/wml/page_json.h"
#include "core/wml/page_layout.h"
#include "platform/wml/qt_font_metrics.h"
#include "platform/wml/qt_picture_source.h"

namespace {

constexpr const char* kUsage = "wml-layout FILE [--dpi N]";
constexpr std::size_t kLaidOutTagBytes = std::size_t{1} << 20;

// The caption comes first in the output but is set by the last title: one
// quick pass over the tags finds it.
class CaptionFinder : public markloom::TokenSink {
 public:
  explicit CaptionFinder(const markloom::TextCodec& codec) : codec_(codec) {}
  void tag(std::string_view tagText, int line) override {
    if (markloom::toUpperAscii(tagText.substr(0, tagText.find(' '))) == "CARD")
      markloom::applyCardTitles(markloom::makeTag(tagText, line), codec_, caption);
  }
  void text(std::string_view, int) override {}
  std::string caption = markloom::kViewerCaption;

 private:
  const markloom::TextCodec& codec_;
};

// Lays out each token as the scanner finishes it and writes each item as it is
// placed, so a long file needs no token or item list.
class ItemWriter : public markloom::TokenSink {
 public:
  explicit ItemWriter(const markloom::PageSetup& setup)
      : layout_(setup, [this](const markloom::WmlItem& item) { add(item); }) {}
  void tag(std::string_view tagText, int line) override { layout_.add(markloom::makeTag(tagText, line)); }
  void text(std::string_view raw, int line) override { layout_.add(markloom::makeText(raw, line)); }
  void write(const std::string& s) {
    out_ += s;
    if (out_.size() > (1u << 20)) flush();
  }
  void finish() { layout_.finish(); }
  void flush() {
    std::fwrite(out_.data(), 1, out_.size(), stdout);
    out_.clear();
  }

 private:
  void add(const markloom::WmlItem& item) { write(markloom::itemJson(item)); }
  markloom::PageLayout layout_;
  std::string out_;
};

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
  // The file is read in pieces, three times (its encoding, its caption, its
  // layout), so memory does not grow with its size.
  markloom::Utf8Detector detector;
  try {
    markloom::readFileInPieces(file, [&](std::string_view piece) { detector.feed(piece); });
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
  const markloom::TextCodec codec = detector.result();
  const markloom::PageSetup setup{metrics, pictures, codec, markloom::kViewerWidth, markloom::kViewerHeight};
  // A tag is laid out from its first megabyte: no card, image or link needs
  // more, and a tag without end cannot take the memory of the whole file.
  markloom::ScanLimits limits;
  limits.tagHead = kLaidOutTagBytes;
  auto scan = [&](markloom::TokenSink& sink) {
    markloom::TagScanner scanner(sink, markloom::TagLines::Joined, limits);
    markloom::readFileInPieces(file, [&](std::string_view piece) { scanner.feed(piece); });
    scanner.finish();
  };
  CaptionFinder captions(codec);
  ItemWriter writer(setup);
  try {
    scan(captions);
    writer.write(markloom::windowJson(captions.caption, setup.clientWidth, setup.clientHeight));
    scan(writer);
  } catch (const markloom::Error& e) {
    writer.flush();
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  writer.finish();
  writer.flush();
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "markloom-cli wml-layout: cannot write the output\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) { return wmlLayout(std::vector<std::string>(argv + 1, argv + argc)); }
