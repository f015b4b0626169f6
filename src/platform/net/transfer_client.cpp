#include "platform/net/transfer_client.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "core/common/error.h"
#include "core/sites/trusted_certificates.h"
#include "core/text/file_writer.h"
#include "platform/net/http_client.h"
#include "platform/net/tls_peer_probe.h"

namespace markloom {

namespace {
constexpr int kConnectRetries = 3;
constexpr long kStallSeconds = 60;
constexpr long kBufferBytes = 256L * 1024;

size_t appendTo(char* data, size_t size, size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

size_t writeTo(char* data, size_t size, size_t count, void* fd) {
  const int file = *static_cast<int*>(fd);
  size_t done = 0;
  const size_t total = size * count;
  while (done < total) {
    const ssize_t n = ::write(file, data + done, total - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return 0;  // curl then stops with a write error
    }
    done += static_cast<size_t>(n);
  }
  return total;
}

int currentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

std::string quoted(const std::string& path) { return "\"" + path + "\""; }

// A file name the server gave us must stay inside the folder it goes to.
bool isPlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}
}  // namespace

TransferClient::TransferClient() {
  initialiseNetwork();
  handle_ = curl_easy_init();
}

TransferClient::~TransferClient() { curl_easy_cleanup(handle_); }

std::string TransferClient::url(const std::string& folder, const std::string& name) const {
  const std::string host = site_.host.find(':') != std::string::npos ? "[" + site_.host + "]" : site_.host;
  std::string address = site_.protocol == TransferProtocol::Sftp ? "sftp://" : "ftp://";
  address += host + ":" + std::to_string(site_.port);
  // FTP paths in a URL are relative to the login folder; "%2F" makes them absolute.
  address += site_.protocol == TransferProtocol::Sftp ? "/" : "/%2F";
  const std::string inner = folder.size() > 1 ? folder.substr(1) + "/" : std::string();
  if (site_.protocol != TransferProtocol::Sftp && !inner.empty()) address += "/";
  address += encodeUrlPath(inner) + encodeUrlPath(name);
  if (site_.protocol != TransferProtocol::Sftp && inner.empty() && name.empty()) address += "/";
  return address;
}

void TransferClient::prepare(const std::string& address) {
  curl_easy_reset(handle_);  // options only: the session's connection stays
  curl_easy_setopt(handle_, CURLOPT_URL, address.c_str());
  curl_easy_setopt(handle_, CURLOPT_USERNAME, site_.user.c_str());
  curl_easy_setopt(handle_, CURLOPT_PASSWORD, site_.password.c_str());
  const long timeout = site_.timeoutMs == 0 ? 300000L : site_.timeoutMs;
  curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT_MS, timeout);
  curl_easy_setopt(handle_, CURLOPT_SERVER_RESPONSE_TIMEOUT, std::max(1L, timeout / 1000));
  curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_TIME, kStallSeconds);
  curl_easy_setopt(handle_, CURLOPT_NOSIGNAL, 1L);
  // Larger reads mean fewer write calls and progress reports on big files.
  curl_easy_setopt(handle_, CURLOPT_BUFFERSIZE, kBufferBytes);
  curl_easy_setopt(handle_, CURLOPT_ERRORBUFFER, errorText_);
  errorText_[0] = '\0';
  curl_easy_setopt(handle_, CURLOPT_VERBOSE, 1L);
  curl_easy_setopt(handle_, CURLOPT_DEBUGFUNCTION, &TransferClient::debugTrace);
  curl_easy_setopt(handle_, CURLOPT_DEBUGDATA, this);
  curl_easy_setopt(handle_, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(handle_, CURLOPT_XFERINFOFUNCTION, &TransferClient::transferInfo);
  curl_easy_setopt(handle_, CURLOPT_XFERINFODATA, this);
  if (site_.protocol == TransferProtocol::Sftp) {
    curl_easy_setopt(handle_, CURLOPT_PROTOCOLS_STR, "sftp");
    const std::string knownHosts =
        site_.knownHostsFile.empty() ? std::string(std::getenv("HOME") ? std::getenv("HOME") : "") + "/.ssh/known_hosts"
                                     : site_.knownHostsFile;
    curl_easy_setopt(handle_, CURLOPT_SSH_KNOWNHOSTS, knownHosts.c_str());
    curl_easy_setopt(handle_, CURLOPT_SSH_KEYFUNCTION, &TransferClient::hostKey);
    curl_easy_setopt(handle_, CURLOPT_SSH_KEYDATA, this);
    curl_easy_setopt(handle_, CURLOPT_SSH_AUTH_TYPES,
                     CURLSSH_AUTH_PUBLICKEY | CURLSSH_AUTH_PASSWORD | CURLSSH_AUTH_KEYBOARD);
    if (!site_.privateKeyFile.empty()) {
      curl_easy_setopt(handle_, CURLOPT_SSH_PRIVATE_KEYFILE, site_.privateKeyFile.c_str());
      curl_easy_setopt(handle_, CURLOPT_KEYPASSWD, site_.password.c_str());
    }
  } else {
    curl_easy_setopt(handle_, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(handle_, CURLOPT_TRANSFERTEXT, mode_ == TransferMode::Ascii ? 1L : 0L);
    if (site_.protocol == TransferProtocol::Ftps) {
      curl_easy_setopt(handle_, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
      // A certificate the user trusted is known by its public key alone.
      curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYPEER, pin_.empty() ? 1L : 0L);
      curl_easy_setopt(handle_, CURLOPT_SSL_VERIFYHOST, pin_.empty() ? 2L : 0L);
      if (!pin_.empty()) curl_easy_setopt(handle_, CURLOPT_PINNEDPUBLICKEY, pin_.c_str());
      if (!site_.certificateFile.empty()) curl_easy_setopt(handle_, CURLOPT_CAINFO, site_.certificateFile.c_str());
    }
  }
}

CURLcode TransferClient::perform() {
  cancelled_ = false;
  return curl_easy_perform(handle_);
}

int TransferClient::debugTrace(CURL*, curl_infotype type, char* data, size_t size, void* self) {
  // Only the commands and replies matter; file data passes by untouched.
  if (type != CURLINFO_HEADER_OUT && type != CURLINFO_HEADER_IN) return 0;
  auto* client = static_cast<TransferClient*>(self);
  const std::string text(data, size);
  if (type == CURLINFO_HEADER_OUT) {
    client->lastCommand_ = text.substr(0, text.find(' '));
  } else if (type == CURLINFO_HEADER_IN) {
    // A reply may run over several lines; "NNN " starts its last one.
    client->replyPart_ += text;
    const bool last = text.size() >= 4 && std::isdigit(static_cast<unsigned char>(text[0])) &&
                      std::isdigit(static_cast<unsigned char>(text[1])) &&
                      std::isdigit(static_cast<unsigned char>(text[2])) && text[3] == ' ';
    if (last) {
      std::string reply = std::move(client->replyPart_);
      client->replyPart_.clear();
      while (!reply.empty() && (reply.back() == '\n' || reply.back() == '\r')) reply.pop_back();
      client->reply_ = std::move(reply);
    }
  }
  return 0;
}

int TransferClient::transferInfo(void* self, curl_off_t dlTotal, curl_off_t dlNow, curl_off_t ulTotal,
                                 curl_off_t ulNow) {
  auto* client = static_cast<TransferClient*>(self);
  if (client->cancelled_) return 1;
  if (client->progress_ && (dlTotal > 0 || ulTotal > 0)) {
    const bool upload = ulTotal > 0;
    client->progress_(static_cast<std::uint64_t>(upload ? ulNow : dlNow),
                      static_cast<std::uint64_t>(upload ? ulTotal : dlTotal));
  }
  return 0;
}

int TransferClient::hostKey(CURL*, const struct curl_khkey*, const struct curl_khkey* found, enum curl_khmatch match,
                            void* self) {
  auto* client = static_cast<TransferClient*>(self);
  if (match == CURLKHMATCH_OK) return CURLKHSTAT_FINE;
  // A key that differs from the one on record may be someone in between: refused.
  if (match != CURLKHMATCH_MISSING || !client->askHostKey_) return CURLKHSTAT_REJECT;
  std::string keyText =
      found && found->key ? std::string(found->key, found->len ? found->len : std::strlen(found->key)) : std::string();
  return client->askHostKey_(client->site_.host, keyText) ? CURLKHSTAT_FINE_ADD_TO_FILE : CURLKHSTAT_REJECT;
}

std::string TransferClient::connectionError(CURLcode code) const {
  const std::string& host = site_.host;
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST: return "Unable to resolve host name '" + host + "'";
    case CURLE_OPERATION_TIMEDOUT: return "Connection to " + host + " timed out";
    case CURLE_LOGIN_DENIED:
      if (site_.protocol != TransferProtocol::Sftp && lastCommand_ == "USER")
        return "Bad user name: '" + site_.user + "' connecting to " + host;
      return "Bad password connecting to " + host;
    case CURLE_COULDNT_CONNECT: return "Unable to connect to " + host;
    case CURLE_OUT_OF_MEMORY:
    case CURLE_FAILED_INIT:
    case CURLE_UNSUPPORTED_PROTOCOL: return "Internal network error";
    default: return "General Connection Error to " + host;
  }
}

void TransferClient::connect(const TransferSite& site) {
  disconnect();
  site_ = site;
  reply_.clear();
  pin_.clear();
  const bool remembers = site_.protocol == TransferProtocol::Ftps && !site_.trustedCertificatesFile.empty();
  if (remembers) {
    if (auto kept = TrustedCertificates(site_.trustedCertificatesFile).find(site_.host, site_.port)) pin_ = kept->pin;
  }
  CURLcode code = CURLE_OK;
  for (int attempt = 0; attempt <= kConnectRetries; ++attempt) {
    prepare(url("/"));
    curl_easy_setopt(handle_, CURLOPT_NOBODY, 1L);
    code = perform();
    if (code != CURLE_COULDNT_CONNECT && code != CURLE_OPERATION_TIMEDOUT) break;
  }
  if (remembers && askCertificate_ &&
      (code == CURLE_PEER_FAILED_VERIFICATION || code == CURLE_SSL_PINNEDPUBKEYNOTMATCH))
    code = trustCertificate(code == CURLE_SSL_PINNEDPUBKEYNOTMATCH);
  if (code != CURLE_OK) {
    if (reply_.empty()) reply_ = errorText_;
    disconnect();
    throw Error(connectionError(code));
  }
  connected_ = true;
  // A folder chosen while disconnected is entered now.
  if (folder_ != "/") changeFolder(folder_);
}

CURLcode TransferClient::trustCertificate(bool changed) {
  const TlsPeer peer = probeFtpsPeer(site_.host, site_.port, site_.timeoutMs > 0 ? site_.timeoutMs : 300000);
  if (!peer.error.empty()) return CURLE_PEER_FAILED_VERIFICATION;
  if (!askCertificate_(site_.host, peer.fingerprint, changed)) {
    disconnect();
    throw Error("The certificate of " + site_.host + " is not trusted");
  }
  TrustedCertificates(site_.trustedCertificatesFile)
      .remember(site_.host, site_.port, {peer.fingerprint, peer.publicKeyPin});
  pin_ = peer.publicKeyPin;
  disconnect();  // a fresh connection, checked against the pin
  prepare(url("/"));
  curl_easy_setopt(handle_, CURLOPT_NOBODY, 1L);
  return perform();
}

bool TransferClient::disconnect() {
  const bool was = connected_;
  connected_ = false;
  curl_easy_cleanup(handle_);  // closes the session's connection
  handle_ = curl_easy_init();
  return was;
}

void TransferClient::requireConnection() const {
  if (!connected_) throw Error("Not connected!");
}

void TransferClient::changeFolder(const std::string& path) {
  const std::string target = joinRemotePath(folder_, path);
  if (!connected_) {
    folder_ = target;
    return;
  }
  prepare(url(target));
  std::string ignored;
  if (site_.protocol == TransferProtocol::Sftp) {
    // SFTP has no folder to change into: reading the folder shows it is there.
    curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, &appendTo);
    curl_easy_setopt(handle_, CURLOPT_WRITEDATA, &ignored);
  } else {
    curl_easy_setopt(handle_, CURLOPT_NOBODY, 1L);
  }
  if (perform() != CURLE_OK) throw Error("Couldn't change to directory " + path);
  folder_ = target;
}

void TransferClient::setServerType(ServerType type) {
  if (connected_) throw Error("Cannot change file system type when connected");
  serverType_ = type;
}

std::vector<RemoteEntry> TransferClient::list() {
  requireConnection();
  std::string text;
  const std::string address = url(folder_);
  auto run = [&](bool facts) {
    text.clear();
    prepare(address);
    curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, &appendTo);
    curl_easy_setopt(handle_, CURLOPT_WRITEDATA, &text);
    // MLSD gives exact sizes and times in one form; LIST is the fallback.
    if (facts) curl_easy_setopt(handle_, CURLOPT_CUSTOMREQUEST, "MLSD");
    return perform();
  };
  CURLcode code = site_.protocol == TransferProtocol::Sftp ? run(false) : run(true);
  if (code != CURLE_OK && site_.protocol != TransferProtocol::Sftp && !cancelled_) code = run(false);
  if (code != CURLE_OK) throw Error("Couldn't change to directory " + folder_);
  return parseListing(text, currentYear());
}

void TransferClient::get(const std::string& name, const std::string& localFolder) {
  requireConnection();
  const std::string remote = joinRemotePath(folder_, name);
  std::string local = localFolder + (localFolder.empty() || localFolder.back() != '/' ? "/" : "") + name;
  const std::string failed = "Error getting " + remote + " from " + local;
  if (!isPlainName(name)) throw Error(failed);
  // The target of a link is written; the link stays.
  std::error_code linkError;
  if (std::filesystem::is_symlink(local, linkError)) {
    const auto target = std::filesystem::canonical(local, linkError);
    if (!linkError) local = target.string();
  }
  std::string staging = (std::filesystem::path(local).parent_path() / stagingName(name)).string();
  int fd = ::mkstemp(staging.data());
  if (fd < 0) throw Error(failed);
  prepare(url(folder_, name));
  curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, &writeTo);
  curl_easy_setopt(handle_, CURLOPT_WRITEDATA, &fd);
  const CURLcode code = perform();
  const bool written = code == CURLE_OK && ::fsync(fd) == 0;
  ::close(fd);
  if (!written) {
    ::unlink(staging.c_str());
    if (code == CURLE_REMOTE_FILE_NOT_FOUND)
      throw Error("Error getting " + remote + " to " + local + ": remote file not found");
    throw Error(failed);
  }
  // A file that was there keeps its permissions; a new one gets the usual ones.
  struct stat existing {};
  mode_t mode = 0666;
  if (::stat(local.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
  }
  ::chmod(staging.c_str(), mode);
  if (::rename(staging.c_str(), local.c_str()) != 0) {
    ::unlink(staging.c_str());
    throw Error(failed);
  }
}

void TransferClient::put(const std::string& name, const std::string& localFolder) {
  requireConnection();
  const std::string local = localFolder + (localFolder.empty() || localFolder.back() != '/' ? "/" : "") + name;
  const std::string remote = joinRemotePath(folder_, name);
  std::FILE* in = std::fopen(local.c_str(), "rb");
  if (!in) throw Error("Error putting " + local + " to " + remote + ": local file not found");
  struct stat info {};
  ::fstat(::fileno(in), &info);
  prepare(url(folder_, name));
  curl_easy_setopt(handle_, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(handle_, CURLOPT_READDATA, in);
  curl_easy_setopt(handle_, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(info.st_size));
  const CURLcode code = perform();
  std::fclose(in);
  if (code != CURLE_OK) throw Error("Error putting " + local + " to " + remote);
}

void TransferClient::makeFolder(const std::string& name) {
  requireConnection();
  const std::string path = joinRemotePath(folder_, name);
  struct curl_slist* commands = curl_slist_append(
      nullptr, (site_.protocol == TransferProtocol::Sftp ? "mkdir " + quoted(path) : "MKD " + path).c_str());
  prepare(url(folder_));
  curl_easy_setopt(handle_, CURLOPT_NOBODY, 1L);
  curl_easy_setopt(handle_, CURLOPT_QUOTE, commands);
  const CURLcode code = perform();
  curl_slist_free_all(commands);
  if (code != CURLE_OK) throw Error("Error creating directory " + name);
}

void TransferClient::rename(const std::string& from, const std::string& to) {
  requireConnection();
  const std::string oldPath = joinRemotePath(folder_, from), newPath = joinRemotePath(folder_, to);
  struct curl_slist* commands = nullptr;
  if (site_.protocol == TransferProtocol::Sftp) {
    commands = curl_slist_append(commands, ("rename " + quoted(oldPath) + " " + quoted(newPath)).c_str());
  } else {
    commands = curl_slist_append(commands, ("RNFR " + oldPath).c_str());
    commands = curl_slist_append(commands, ("RNTO " + newPath).c_str());
  }
  prepare(url(folder_));
  curl_easy_setopt(handle_, CURLOPT_NOBODY, 1L);
  curl_easy_setopt(handle_, CURLOPT_QUOTE, commands);
  const CURLcode code = perform();
  curl_slist_free_all(commands);
  if (code != CURLE_OK) throw Error("Error renaming file from " + from + " to " + to);
}

std::string TransferClient::lastResponse() const { return reply_.empty() ? "No error description available" : reply_; }

}  // namespace markloom
