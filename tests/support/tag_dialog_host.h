#pragma once
// A stand-in main window for the markup command tests: the menus and tag bar
// tabs the markup commands fill, the Tools menu's tag tools, two documents of
// which one (or none) is active, and the markup and tag dialog commands.
#include <QMainWindow>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QAction;

namespace markloom {

class Document;
class EditorOps;
class MarkloomEditor;
class MarkupCommands;
class TagDialogCommands;

namespace test {

// A document over an editor of its own, as a document window holds one.
class StandaloneDocument {
 public:
  explicit StandaloneDocument(const std::vector<std::string>& lines = {});
  ~StandaloneDocument();

  Document& document() { return *document_; }
  EditorOps& ops();
  // Replaces the text by these bytes: text that is not UTF-8 makes the
  // document an 8-bit one, as loading such a file does.
  void loadBytes(const std::string& bytes);
  std::string bytes() const;

 private:
  std::unique_ptr<MarkloomEditor> editor_;
  std::unique_ptr<Document> document_;
};

class TagDialogHost : public QMainWindow {
 public:
  TagDialogHost();
  ~TagDialogHost() override;

  StandaloneDocument first{{"ab"}};
  StandaloneDocument second{{"xy"}};
  Document* active;  // the first document unless a test says otherwise

  MarkupCommands* markup = nullptr;
  TagDialogCommands* commands = nullptr;

  QAction* action(std::string_view id) const;
};

}  // namespace test
}  // namespace markloom
