#include "ui/app/main_window.h"

namespace markloom {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
  setObjectName("Form1");
  setWindowTitle("Tarnwell Markloom 5.0");
}

}  // namespace markloom
