#pragma once
// "Tarnwell Hostdeck 5.0": a two-pane window for moving files between a local
// folder and a site over FTP, FTPS or SFTP, with named site profiles and a log.
// The network work runs on a TransferWorker's thread; the window stays live,
// shows the progress and can cancel.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/sites/site_profile.h"
#include "platform/net/transfer_client.h"

class QAction;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace markloom {

class FilePane;
struct TransferOutcome;
class TransferWorker;

class HostdeckWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HostdeckWindow(QWidget* parent = nullptr);
  ~HostdeckWindow() override;

  FilePane* localPane() const { return local_; }
  FilePane* remotePane() const { return remote_; }
  QStringList logLines() const;
  bool busy() const;
  bool isConnected() const { return connected_; }
  // Where the profile files live: Projects/ in the work folder.
  static QString profilesFolder();
  // FTPS certificates the user trusted: in the per-user data folder.
  static QString trustedCertificatesFile();
  QWidget* profilePanel() const { return profilePanel_; }

  void setLocalFolder(const QString& folder);
  // The extensions the Auto transfer type sends as text (Preferences).
  void setTextExtensions(const QString& list);
  QComboBox* transferTypeBox() const { return transferType_; }
  QLabel* statusLabel() const { return statusText_; }

 public slots:
  void connectToSite();           // the Connect command: the profile panel hides
  void connectFromServerField();  // Enter in the server field: the panel stays
  void disconnectFromSite();
  // Get and Put move every selected file and folder (folders whole), asking
  // before a file is replaced.
  void getFile();
  void putFile();
  // Removes the selected entries of the pane last used, after a question.
  void deleteSelected();
  void deleteRemote();
  void deleteLocal();
  void refreshLocal();
  void refreshRemote();
  void refreshBoth();
  // Sends the local pane's folder to the remote pane's folder.
  void publishSite();
  void makeRemoteFolder();
  void renameRemoteFile();
  void cancelTransfer();
  void newProfile();
  void saveProfile();
  void deleteProfile();
  void loadProfile(const QString& path);
  void saveLog();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Escape cancels a running transfer; it never closes the window and its session.
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override;

 private:
  void buildMenusAndToolbar();
  QWidget* buildProfilePanel();
  void buildStatusBar(QVBoxLayout* column);
  void addLog(const QString& line);
  void updateCommands();
  void showRemote(const TransferOutcome& outcome);
  void afterDisconnect(bool wasConnected);
  void startConnect(bool hidePanel);
  void refreshProfiles();
  SiteProfile fields() const;
  void setFields(const SiteProfile& profile);
  // Runs job on the worker with the busy cursor; then, on this thread, whenDone.
  void runJob(std::function<void(TransferClient&, TransferOutcome&)> job,
              std::function<void(const TransferOutcome&)> whenDone);
  void changeRemoteFolder(const QString& path);
  // A change on the server, then the remote folder listed again.
  void runRemoteChange(std::function<void(TransferClient&)> change);
  void logTransferFailure(const TransferOutcome& outcome);
  // Moves the selection of one pane to the other (batches of files and folders).
  void startBatch(bool upload);
  // The status line and log after a batch, whatever the outcome.
  void finishBatch(const TransferOutcome& outcome, const char* doneVerb);
  void buildContextMenus();
  void changeLocalFolder(const QString& folder);

  TransferWorker* worker_;
  std::function<void(const TransferOutcome&)> whenDone_;
  bool connected_ = false;
  QString host_;  // the host of the session, for the log lines
  TransferMode mode_ = TransferMode::Auto;
  std::vector<std::string> textExtensions_;
  TransferSite site_;  // the session's site, for publishing
  FilePane* activePane_ = nullptr;
  QString currentProfile_;

  QAction* connect_ = nullptr;
  QAction* disconnect_ = nullptr;
  QAction* get_ = nullptr;
  QAction* put_ = nullptr;
  QAction* refreshLocal_ = nullptr;
  QAction* refreshRemote_ = nullptr;
  QAction* makeFolder_ = nullptr;
  QAction* delete_ = nullptr;
  QAction* publish_ = nullptr;
  QComboBox* transferType_ = nullptr;
  QWidget* profilePanel_ = nullptr;
  QListWidget* profiles_ = nullptr;
  QLineEdit* user_ = nullptr;
  QLineEdit* password_ = nullptr;
  QLineEdit* hostField_ = nullptr;
  QLineEdit* port_ = nullptr;
  QLineEdit* timeout_ = nullptr;
  QComboBox* serverType_ = nullptr;
  QComboBox* protocol_ = nullptr;
  FilePane* local_ = nullptr;
  FilePane* remote_ = nullptr;
  QPlainTextEdit* log_ = nullptr;
  QLabel* statusText_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace markloom
