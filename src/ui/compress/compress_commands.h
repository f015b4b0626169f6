#pragma once
// "&Compress Document" (Tidy menu): asks for the compressor's switches, runs it
// over the active document's text through the work file "Compr.tmp" and puts
// the result into the editor as one undoable change, then reports both sizes.
#include <QObject>
#include <functional>
#include <optional>

#include "core/compress/compress_options.h"

namespace markloom {

class Workbench;

class CompressCommands : public QObject {
  Q_OBJECT
 public:
  // Asks for the switches; nullopt means Cancel.
  using OptionsChooser = std::function<std::optional<CompressOptions>()>;

  explicit CompressCommands(Workbench& workbench);

  // The chooser asks with CompressOptionsDialog unless another is set here
  // (tests answer for the user this way); an empty one restores the dialog.
  void setOptionsChooser(OptionsChooser chooser);

 public slots:
  void compressDocument();

 private:
  std::optional<CompressOptions> askOptions();

  Workbench& workbench_;
  OptionsChooser chooser_;
};

}  // namespace markloom
