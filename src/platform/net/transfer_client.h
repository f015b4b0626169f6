#pragma once
// The Hostdeck's transfer client: FTP, FTP with explicit TLS, and SFTP over
// libcurl. One handle is kept for the session, so the control connection and
// its login serve every operation until disconnect. Every operation blocks;
// the window runs them on a worker thread. Failures raise Error with the
// messages the window logs or shows.
//
// Paths: the name-based operations work in the current folder; the "At"
// operations take absolute remote paths. After login the current folder is
// the one the server puts the user in (its answer to PWD), not "/".
#include <curl/curl.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/sites/remote_listing.h"
#include "core/sites/remote_path.h"

namespace markloom {

enum class TransferProtocol { Ftp, Ftps, Sftp };
// Auto: ASCII for names with a text extension (setTextExtensions), Binary otherwise.
enum class TransferMode { Ascii, Binary, Auto };
enum class ServerType { Unix, Unknown };

struct TransferSite {
  std::string host;
  int port = 21;
  std::string user;
  std::string password;
  int timeoutMs = 30000;  // 0 means 300000
  TransferProtocol protocol = TransferProtocol::Ftp;
  // A certificate file to trust in place of the system's store (tests, private servers).
  std::string certificateFile;
  // SFTP: the known-hosts file the server's key is checked against (empty:
  // ~/.ssh/known_hosts), and a private key to log in with (empty: the
  // user's default keys); the password then unlocks the key.
  std::string knownHostsFile;
  // FTPS: where certificates the user trusted are kept (empty: only the
  // system's store is trusted).
  std::string trustedCertificatesFile;
  std::string privateKeyFile;
  // A transfer slower than this many bytes a second over the whole window
  // is given up (a stalled or trickling server).
  long lowSpeedBytes = 100;
  long lowSpeedSeconds = 60;
};

// Where a listing is stopped: a server that sends without end must not fill memory.
struct ListingLimits {
  std::size_t entries = 200000;
  std::size_t bytes = 64u * 1024 * 1024;
};

class TransferClient {
 public:
  // Bytes done and in all (0 when unknown).
  using Progress = std::function<void(std::uint64_t done, std::uint64_t total)>;
  // An SFTP server whose key is not in the known-hosts file: true to trust it
  // and add it to the file. Without an answer the connection is refused.
  using HostKeyQuestion = std::function<bool(const std::string& host, const std::string& keyText)>;

  // An FTPS server whose certificate the system does not trust, or whose
  // certificate changed since the user trusted it: true to trust this one.
  using CertificateQuestion =
      std::function<bool(const std::string& host, const std::string& fingerprint, bool changed)>;

  TransferClient();
  ~TransferClient();
  TransferClient(const TransferClient&) = delete;
  TransferClient& operator=(const TransferClient&) = delete;

  void setHostKeyQuestion(HostKeyQuestion ask) { askHostKey_ = std::move(ask); }
  void setCertificateQuestion(CertificateQuestion ask) { askCertificate_ = std::move(ask); }
  void setProgress(Progress progress) { progress_ = std::move(progress); }
  // Stops the running operation from another thread; it then fails.
  void cancel() { cancelled_ = true; }

  // Closes any open session first; tries again up to 3 times when the server
  // cannot be reached. Changes the folder to the one remembered, if any.
  void connect(const TransferSite& site);
  // True when a session was open (the window logs its own line either way).
  bool disconnect();
  bool connected() const { return connected_; }

  // The remote folder: the server's while connected, otherwise the last one set.
  const std::string& currentFolder() const { return folder_; }
  // Absolute or relative (".."). While not connected the path is remembered.
  void changeFolder(const std::string& path);
  void setServerType(ServerType type);
  void setTransferMode(TransferMode mode) { mode_ = mode; }
  TransferMode transferMode() const { return mode_; }
  // The extensions Auto sends as text (see core/sites/transfer_type.h).
  void setTextExtensions(std::vector<std::string> extensions) { textExtensions_ = std::move(extensions); }
  void setListingLimits(ListingLimits limits) { limits_ = limits; }
  // The folder the server put the session in at login ("/" before any login).
  const std::string& loginFolder() const { return loginFolder_; }
  // Forgets a folder chosen while disconnected: the next connect starts in the login folder.
  void startInLoginFolder();

  // The current folder's entries, in server order. A listing past the
  // limits stops with an error.
  std::vector<RemoteEntry> list();
  std::vector<RemoteEntry> listAt(const std::string& folder);
  // Downloads name from the current folder into localFolder. The file is
  // written by the program's file writer (core/text/file_writer.h) once
  // complete: a failed or cancelled download leaves the old file as it was.
  void get(const std::string& name, const std::string& localFolder);
  void getAt(const std::string& remotePath, const std::string& localPath);
  void put(const std::string& name, const std::string& localFolder);
  void putAt(const std::string& localPath, const std::string& remotePath);
  void makeFolder(const std::string& name);
  void makeFolderAt(const std::string& path);
  void rename(const std::string& from, const std::string& to);
  // Removes one file, or one empty folder.
  void removeFileAt(const std::string& path);
  void removeFolderAt(const std::string& path);

  // The server's last reply, or "No error description available".
  std::string lastResponse() const;

 private:
  std::string url(const std::string& folder, const std::string& name = {}) const;
  CURLcode perform();
  // text: the transfer goes as ASCII.
  void prepare(const std::string& address, bool text = false);
  bool sendsAsText(const std::string& name) const;
  // The reason a transfer failed, for the end of its message.
  std::string reason(CURLcode code) const;
  // Sends one server command (FTP) or quote (SFTP) in the folder.
  CURLcode command(const std::string& ftp, const std::string& sftp);
  std::string connectionError(CURLcode code) const;
  void requireConnection() const;
  // After a refused certificate: reads it, asks, and connects with it pinned.
  CURLcode trustCertificate(bool changed);
  static int debugTrace(CURL*, curl_infotype type, char* data, size_t size, void* self);
  static int transferInfo(void* self, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal, curl_off_t ulNow);
  static int hostKey(CURL*, const struct curl_khkey* known, const struct curl_khkey* found, enum curl_khmatch match,
                     void* self);

  CURL* handle_ = nullptr;
  CURLM* multi_ = nullptr;  // holds the session's connection between operations
  TransferSite site_;
  bool connected_ = false;
  std::string folder_ = "/";
  std::string loginFolder_ = "/";
  bool folderChosen_ = false;  // set while disconnected: entered on connect
  TransferMode mode_ = TransferMode::Auto;
  std::vector<std::string> textExtensions_;
  ListingLimits limits_;
  ServerType serverType_ = ServerType::Unknown;
  std::atomic<bool> cancelled_{false};
  Progress progress_;
  HostKeyQuestion askHostKey_;
  CertificateQuestion askCertificate_;
  std::string pin_;        // the public key of a certificate the user trusted
  std::string reply_;      // the server's last complete reply
  std::string replyPart_;  // lines of a reply still coming
  std::string lastCommand_;
  char errorText_[CURL_ERROR_SIZE] = {};
};

}  // namespace markloom
