#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "core/common/command_ids.h"
#include "core/workspace/launch_options.h"
#include "platform/files/journal_folder.h"
#include "platform/ipc/inbound_channel.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace {

// --help and --version answer before any window system is reached.
int answerWithoutWindows(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") break;
    if (a == "-h" || a == "--help") {
      std::fputs(markloom::launchHelpText().c_str(), stdout);
      return 0;
    }
    if (a == "--version") {
      std::printf("markloom %s\n", MARKLOOM_VERSION);
      return 0;
    }
  }
  return -1;
}

// Hands the files to an editor already running for this user. -1 when none
// answers, so this start becomes the editor.
int handOver(const markloom::LaunchOptions& options) {
  markloom::InboundSender sender;
  if (!sender.connect(nullptr, 1000)) return -1;
  markloom::OpenRequest request;
  for (const std::string& file : options.files)
    request.files.push_back(
        QFile::encodeName(QFileInfo(QFile::decodeName(file.c_str())).absoluteFilePath()).toStdString());
  request.line = options.line.value_or(0);
  const std::string payload = markloom::encodeOpenRequest(request);
  QString error;
  if (!sender.send(markloom::InboundKind::Open, QByteArray(payload.data(), static_cast<qsizetype>(payload.size())),
                   &error)) {
    std::fprintf(stderr, "markloom: the running editor did not take the files: %s\n", error.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (const int answered = answerWithoutWindows(argc, argv); answered >= 0) return answered;

  // The command line is read before the toolkit starts, so a wrong one is
  // answered without a display; the toolkit's own options are left to it.
  const markloom::LaunchOptions options =
      markloom::parseLaunchOptions(markloom::withoutToolkitOptions(std::vector<std::string>(argv + 1, argv + argc)));
  if (!options.error.empty()) {
    std::fprintf(stderr, "markloom: %s\nUsage: markloom [OPTION]... [FILE]...\nTry 'markloom --help' for more information.\n",
                 options.error.c_str());
    return 2;
  }

  QApplication app(argc, argv);
  markloom::useUserJournalFolder();
  QApplication::setOrganizationName("Tarnwell");
  QApplication::setApplicationName("Markloom 5.0");
  QApplication::setApplicationDisplayName("Tarnwell Markloom 5.0");
  if (!options.newInstance)
    if (const int handed = handOver(options); handed >= 0) return handed;

  markloom::MainWindow window;
  // Restored, the window sits in the middle of the screen; it starts maximised.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.showMaximized();

  // The last session's documents, then the files named on the command line,
  // open once the window is up.
  QTimer::singleShot(0, &window, [&window, options] {
    window.restoreSession();
    markloom::DocumentWindow* last = nullptr;
    for (const std::string& file : options.files) last = window.openOrActivate(QFile::decodeName(file.c_str()));
    if (last && options.line) markloom::MainWindow::goToLine(last, *options.line);
  });

  // For the start-up benchmark: quit as soon as the first idle moment is reached.
  if (qEnvironmentVariableIsSet("MARKLOOM_QUIT_WHEN_SHOWN")) QTimer::singleShot(0, &app, &QApplication::quit);
  // For the exit benchmark: File > Exit at the first idle moment, or that many
  // milliseconds after it when the value is more than 1.
  if (qEnvironmentVariableIsSet("MARKLOOM_EXIT_WHEN_SHOWN")) {
    const int delay = qEnvironmentVariableIntValue("MARKLOOM_EXIT_WHEN_SHOWN");
    QTimer::singleShot(delay > 1 ? delay : 0, &window, [&window] { window.action(markloom::ids::kExit)->trigger(); });
  }
  return app.exec();
}
