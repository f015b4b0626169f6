#include <QApplication>

#include "ui/app/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName("Tarnwell Markloom 5.0");
  markloom::TForm1 window;
  window.showMaximized();
  return app.exec();
}
