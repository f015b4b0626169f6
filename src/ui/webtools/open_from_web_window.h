#pragma once
// The "Open from Web..." window: fetches one page from a web address into a
// file the user names and opens it in a new document window. Created once at
// start; shown and hidden, never closed. Modeless and on top.
//
// The page is fetched on a worker thread into a temporary file; only a
// complete, successful download replaces the target (through the file
// writer), so a failed or aborted one leaves an existing file exactly as it
// was. An error status is reported in the window and the status bar, and its
// page is not opened; after an abort or a broken transfer whatever did arrive
// opens as an untitled document.
#include <QWidget>
#include <optional>
#include <string>

#include "ui/webtools/web_download.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace markloom {

class Workbench;

class OpenFromWebWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kRecentFile = "Extensions\\webrecent.qdf";
  static constexpr const char* kUserAgent = "User-Agent: Tarnwell Markloom 5";
  static constexpr const char* kAccept = "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";

  explicit OpenFromWebWindow(Workbench& workbench);

  QString statusText() const;
  // The status line a download ended with ("Received ...", "Failed : ..."),
  // kept after the window hides and clears the line.
  QString lastOutcome() const { return lastOutcome_; }
  bool downloading() const;

 public slots:
  void download();
  void abortDownload();
  void browse();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void finishDownload(const HttpResult& result);
  void openReceivedAsUntitled();
  void setBusy(bool busy);

  Workbench& workbench_;
  QComboBox* address_;
  QLineEdit* target_;
  QCheckBox* useProxy_;
  QPushButton* ok_;
  QPushButton* abort_;
  QLabel* status_;
  WebDownload download_;
  std::optional<HttpProxy> proxy_;  // the proxy settings, taken when the window is shown
  std::optional<std::string> proxySeen_;  // the proxy server when last shown
  QString downloadTarget_;
  QString lastOutcome_;
};

}  // namespace markloom
