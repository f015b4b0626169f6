#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <cstdio>

#include "core/common/command_ids.h"
#include "ui/app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName("Tarnwell");
  QApplication::setApplicationName("Markloom 5.0");
  QApplication::setApplicationDisplayName("Tarnwell Markloom 5.0");

  markloom::MainWindow window;
  // Restored, the window sits in the middle of the screen; it starts maximised.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
  window.showMaximized();

  // Files named on the command line open in document windows once the window is up.
  const QStringList files = QApplication::arguments().mid(1);
  QTimer::singleShot(0, &window, [&window, files] {
    for (const QString& file : files) window.openFromCommandLine(file);
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
