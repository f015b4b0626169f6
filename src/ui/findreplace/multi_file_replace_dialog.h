#pragma once
// "Extended Find and Replace": replaces a text in a list of files on disk with
// the engine of core/findreplace, showing its counters and progress. The pass
// runs on the user-interface thread and keeps the window responsive between
// blocks; Close (or Escape) during a pass cancels it, leaving the file being
// processed as it was. Afterwards the list holds only the files that were
// changed, and the dialog closes, not before 2.5 seconds from the start.
#include <QDialog>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace markloom {

struct ReplaceCounters;

struct FindReplaceFields {
  QString find;
  QString replace;
  QStringList files;
  bool caseSensitive = false;
  bool wholeWords = false;
  bool prompt = false;
  bool backup = false;
  bool operator==(const FindReplaceFields&) const = default;
};

class MultiFileReplaceDialog : public QDialog {
  Q_OBJECT
 public:
  explicit MultiFileReplaceDialog(QWidget* parent = nullptr);

  FindReplaceFields fields() const;
  void setFields(const FindReplaceFields& f);
  bool passRunning() const { return running_; }

  // The shortest time from the start of a pass to the dialog closing.
  static constexpr int kMinimumPassMs = 2500;

 public slots:
  void selectFiles();  // the chosen files replace the list
  void clearFiles();
  void replaceInFiles();  // runs a pass over the listed files
  void removeSelectedFiles();
  void reject() override;  // Close, Escape, the title bar: cancels a running pass

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void showCounters(const ReplaceCounters& counters);
  bool pump(const ReplaceCounters& counters);  // after each block: display, events, cancel check
  void setRunning(bool running);
  void closeWhenDue();  // accepts once the minimum time since the pass started is over

  QLineEdit* findEdit_ = nullptr;
  QLineEdit* replaceEdit_ = nullptr;
  QListWidget* fileList_ = nullptr;
  QCheckBox* caseSensitiveBox_ = nullptr;
  QCheckBox* wholeWordsBox_ = nullptr;
  QCheckBox* backupBox_ = nullptr;
  QCheckBox* promptBox_ = nullptr;
  QPushButton* selectButton_ = nullptr;
  QPushButton* clearButton_ = nullptr;
  QPushButton* replaceButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QLineEdit* filesReadBox_ = nullptr;
  QLineEdit* bytesReadBox_ = nullptr;
  QLineEdit* bytesWrittenBox_ = nullptr;
  QLineEdit* occurrencesBox_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QLabel* percentLabel_ = nullptr;

  bool running_ = false;
  bool cancelRequested_ = false;
  bool closing_ = false;
  QElapsedTimer lastPump_;
  QElapsedTimer passStarted_;
};

}  // namespace markloom
