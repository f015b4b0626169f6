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
#include "core/sites/transfer_type.h"
#include "core/sites/trusted_certificates.h"
#include "platform/net/http_client.h"
#include "platform/net/tls_peer_probe.h"

namespace markloom {

namespace {
constexpr int kConnectRetries = 3;
constexpr int kPollMilliseconds = 5;
constexpr long kBufferBytes = 256L * 1024;

size_t appendTo(char* data, size_t size, size_t count, void* out) {
  static_cast<std::string*>(out)->append(data, size * count);
  return size * count;
}

}  // namespace

TransferClient::TransferClient() : textExtensions_(parseTextExtensions(kDefaultTextExtensions)) {
  initialiseNetwork();
  handle_ = curl_easy_init();
}

TransferClient::~TransferClient() {
  curl_easy_cleanup(handle_);
  if (multi_) curl_multi_cleanup(multi_);
}

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

void TransferClient::prepare(const std::string& address, bool text) {
  curl_easy_reset(handle_);  // options only: the session's connection stays
  curl_easy_setopt(handle_, CURLOPT_URL, address.c_str());
  curl_easy_setopt(handle_, CURLOPT_USERNAME, site_.user.c_str());
  curl_easy_setopt(handle_, CURLOPT_PASSWORD, site_.password.c_str());
  const long timeout = site_.timeoutMs == 0 ? 300000L : site_.timeoutMs;
  curl_easy_setopt(handle_, CURLOPT_CONNECTTIMEOUT_MS, timeout);
  curl_easy_setopt(handle_, CURLOPT_SERVER_RESPONSE_TIMEOUT, std::max(1L, timeout / 1000));
  curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_LIMIT, site_.lowSpeedBytes);
  curl_easy_setopt(handle_, CURLOPT_LOW_SPEED_TIME, site_.lowSpeedSeconds);
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
    curl_easy_setopt(handle_, CURLOPT_TRANSFERTEXT, text ? 1L : 0L);
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
  // Our own loop in place of curl_easy_perform: between a passive-mode reply
  // and the data connection, libcurl can wait on no socket at all, and its
  // own loop then sleeps a whole second per file. Here it waits at most a
  // few milliseconds before looking again. The multi handle keeps the
  // session's connection between operations.
  if (!multi_) multi_ = curl_multi_init();
  if (curl_multi_add_handle(multi_, handle_) != CURLM_OK) return CURLE_FAILED_INIT;
  int running = 1;
  while (running > 0) {
    if (curl_multi_perform(multi_, &running) != CURLM_OK) break;
    if (running > 0 && curl_multi_poll(multi_, nullptr, 0, kPollMilliseconds, nullptr) != CURLM_OK) break;
  }
  CURLcode result = running > 0 ? CURLE_FAILED_INIT : CURLE_OK;
  int left = 0;
  while (CURLMsg* message = curl_multi_info_read(multi_, &left))
    if (message->msg == CURLMSG_DONE && message->easy_handle == handle_) result = message->data.result;
  curl_multi_remove_handle(multi_, handle_);
  return result;
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
  // The server's answer to PWD after login (SFTP: the home folder).
  char* entry = nullptr;
  loginFolder_ = "/";
  if (curl_easy_getinfo(handle_, CURLINFO_FTP_ENTRY_PATH, &entry) == CURLE_OK && entry && entry[0] == '/')
    loginFolder_ = joinRemotePath("/", entry);
  // A folder chosen while disconnected is entered now; otherwise the login folder.
  if (folderChosen_) {
    folderChosen_ = false;
    changeFolder(folder_);
  } else {
    folder_ = loginFolder_;
  }
}

void TransferClient::startInLoginFolder() {
  folderChosen_ = false;
  if (!connected_) folder_ = "/";
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
  curl_easy_cleanup(handle_);
  if (multi_) curl_multi_cleanup(multi_);  // closes the session's connection
  multi_ = nullptr;
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
    folderChosen_ = true;
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

bool TransferClient::sendsAsText(const std::string& name) const {
  if (mode_ == TransferMode::Auto) return isTextName(name, textExtensions_);
  return mode_ == TransferMode::Ascii;
}

std::string TransferClient::reason(CURLcode code) const {
  if (code == CURLE_ABORTED_BY_CALLBACK) return "cancelled";
  if (code == CURLE_REMOTE_FILE_NOT_FOUND) return "remote file not found";
  if (code == CURLE_OPERATION_TIMEDOUT) return "the transfer was too slow or stalled (timed out)";
  if (errorText_[0] != '\0') return errorText_;
  return curl_easy_strerror(code);
}

std::string TransferClient::lastResponse() const { return reply_.empty() ? "No error description available" : reply_; }

}  // namespace markloom
