#pragma once
// The "Open from Web..." window: fetches one page from a web address into a
// file the user names and opens it in a new document window. Created once at
// start; shown and hidden, never closed. Modeless and on top.
//
// The page is fetched on a worker thread into a temporary file, within the
// size and time limits of the settings; only a complete, successful download
// replaces the target (through the file writer), so a failed or aborted one
// leaves an existing file exactly as it was. An error status is reported in
// the window and the status bar, and its page is not opened; after an abort,
// a limit or a broken transfer, whatever did arrive is opened as an untitled
// document only when the user asks for it.
#include <QElapsedTimer>
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
  // While the settings give no limit of their own.
  static constexpr int kDefaultSizeLimitMb = 256;
  static constexpr int kDefaultTimeLimitSeconds = 1800;

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
  // Asks whether the bytes that arrived should open as a new document (and
  // opens them); false when nothing arrived.
  bool offerReceived(const QString& why);
  QString failureText(const HttpResult& result) const;
  void setBusy(bool busy);

  Workbench& workbench_;
  QComboBox* address_;
  QLineEdit* target_;
  QCheckBox* useProxy_;
  QPushButton* ok_;
  QPushButton* abort_;
  QLabel* status_;
  WebDownload download_;
  std::optional<std::string> proxySeen_;  // the proxy server when last shown
  QString downloadTarget_;
  int sizeLimitMb_ = kDefaultSizeLimitMb;
  int timeLimitSeconds_ = kDefaultTimeLimitSeconds;
  QElapsedTimer clock_;  // since the download started
  QString lastOutcome_;
};

}  // namespace markloom
