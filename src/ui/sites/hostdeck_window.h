#pragma once
// "Tarnwell Hostdeck 5.0": a two-pane window for moving files between a local
// folder and a site over FTP, FTPS or SFTP, with named site profiles and a log.
// The network work runs on a TransferWorker's thread; the window stays live,
// shows the progress and can cancel.
#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

#include "core/sites/site_profile.h"
#include "platform/net/transfer_client.h"

class QAction;
class QComboBox;
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

 public slots:
  void connectToSite();           // the Connect command: the profile panel hides
  void connectFromServerField();  // Enter in the server field: the panel stays
  void disconnectFromSite();
  void getFile();
  void putFile();
  void refreshLocal();
  void refreshRemote();
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
  // A transfer's first steps: the selected file's name ("" when there is none
  // or the window cannot start one), the status text and log line.
  QString startTransfer(const FilePane* pane, const char* verb);
  void logTransferFailure(const TransferOutcome& outcome);
  void changeLocalFolder(const QString& folder);

  TransferWorker* worker_;
  std::function<void(const TransferOutcome&)> whenDone_;
  bool connected_ = false;
  QString host_;  // the host of the session, for the log lines
  TransferMode mode_ = TransferMode::Ascii;
  QString currentProfile_;

  QAction* connect_ = nullptr;
  QAction* disconnect_ = nullptr;
  QAction* get_ = nullptr;
  QAction* put_ = nullptr;
  QAction* refreshLocal_ = nullptr;
  QAction* refreshRemote_ = nullptr;
  QAction* makeFolder_ = nullptr;
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
