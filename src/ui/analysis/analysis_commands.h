#pragma once
// "&Validate Document" (Tidy menu): writes the active document's text to the
// work file and has the analysis window check it and publish the rows.
#include <QObject>

namespace markloom {

class MainWindow;
class ValidationWindow;

class AnalysisCommands : public QObject {
  Q_OBJECT
 public:
  explicit AnalysisCommands(MainWindow* window);

  // The main window's analysis window, created on first use when the main
  // window has not made one at start.
  ValidationWindow* validationWindow();

 public slots:
  void validateDocument();

 private:
  MainWindow* window_;
};

}  // namespace markloom
