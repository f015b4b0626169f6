#pragma once
// Search > Bookmarks: Set 0-9 marks the caret's line of the active document
// with that number in the gutter (setting a number again moves it), Go To 0-9
// puts the caret at the start of the marked line. A number not set changes
// nothing and says so in the status bar.
#include <QObject>

namespace markloom {

class Workbench;

class BookmarkCommands : public QObject {
  Q_OBJECT
 public:
  explicit BookmarkCommands(Workbench& workbench);

  void setBookmark(int number);
  void goToBookmark(int number);

 private:
  Workbench& workbench_;
};

}  // namespace markloom
