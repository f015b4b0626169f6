#pragma once
// "&Compress Document" (Tidy menu): asks for the compressor's switches, runs it
// over the active document's text through the work file "Compr.tmp" and puts
// the result into the editor as one undoable change, then reports both sizes.
#include <QObject>
#include <functional>
#include <optional>

#include "core/compress/compress_options.h"

namespace markloom {

class MainWindow;

class CompressCommands : public QObject {
  Q_OBJECT
 public:
  explicit CompressCommands(MainWindow* form);

  // Asks for the switches; nullopt means Cancel. Shows CompressOptionsDialog by default;
  // tests put their own answer here.
  std::function<std::optional<CompressOptions>()> chooseOptions;

 public slots:
  void CleanupWord2000HTML1Click();

 private:
  MainWindow* form_;
};

}  // namespace markloom
