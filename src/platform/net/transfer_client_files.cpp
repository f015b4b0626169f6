// The transfer client's file operations: listing, download, upload, folders,
// renames and removals, each over the session's one connection.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "core/common/error.h"
#include "core/text/file_writer.h"
#include "core/webtools/downloaded_file.h"
#include "platform/files/temporary_folder.h"
#include "platform/net/transfer_client.h"

namespace markloom {

namespace {
// A download as it arrives: an unnamed owner-only file in the temporary
// folder, so that memory stays flat whatever the file's size.
struct DownloadBody {
  int fd = -1;
  std::int64_t size = 0;
  int error = 0;

  DownloadBody() {
    const std::string folder = temporaryFolder();
    fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd < 0) {  // a file system without unnamed files
      std::string name = folder + "/markloom-get-XXXXXX";
      fd = ::mkostemp(name.data(), O_CLOEXEC);
      if (fd >= 0) ::unlink(name.c_str());
    }
    if (fd < 0) error = errno;
  }
  ~DownloadBody() {
    if (fd >= 0) ::close(fd);
  }
  DownloadBody(const DownloadBody&) = delete;
  DownloadBody& operator=(const DownloadBody&) = delete;
};

size_t appendToBody(char* data, size_t size, size_t count, void* out) {
  auto* body = static_cast<DownloadBody*>(out);
  const size_t total = size * count;
  for (size_t done = 0; done < total;) {
    const ssize_t put = ::write(body->fd, data + done, total - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      body->error = put < 0 ? errno : ENOSPC;
      return 0;  // ends the transfer
    }
    done += static_cast<size_t>(put);
  }
  body->size += static_cast<std::int64_t>(total);
  return total;
}

// A listing as it arrives, stopped at the limits.
struct ListingText {
  std::string text;
  std::size_t lines = 0;
  ListingLimits limits;
  bool tooLong = false;
};

size_t appendListing(char* data, size_t size, size_t count, void* out) {
  auto* listing = static_cast<ListingText*>(out);
  const size_t bytes = size * count;
  for (size_t i = 0; i < bytes; ++i) listing->lines += data[i] == '\n' ? 1 : 0;
  if (listing->text.size() + bytes > listing->limits.bytes || listing->lines > listing->limits.entries) {
    listing->tooLong = true;
    return 0;  // curl stops with a write error
  }
  listing->text.append(data, bytes);
  return bytes;
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

std::string inFolder(const std::string& folder, const std::string& name) {
  return folder + (folder.empty() || folder.back() != '/' ? "/" : "") + name;
}

// "/a/b/c.html" into "/a/b" and "c.html".
std::pair<std::string, std::string> splitPath(const std::string& path) {
  const std::string absolute = joinRemotePath("/", path);
  const std::size_t slash = absolute.rfind('/');
  return {slash == 0 ? "/" : absolute.substr(0, slash), absolute.substr(slash + 1)};
}
}  // namespace

std::vector<RemoteEntry> TransferClient::list() { return listAt(folder_); }

std::vector<RemoteEntry> TransferClient::listAt(const std::string& folder) {
  requireConnection();
  ListingText listing;
  listing.limits = limits_;
  const std::string address = url(folder);
  auto run = [&](bool facts) {
    listing.text.clear();
    listing.lines = 0;
    prepare(address);
    curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, &appendListing);
    curl_easy_setopt(handle_, CURLOPT_WRITEDATA, &listing);
    // MLSD gives exact sizes and times in one form; LIST is the fallback.
    if (facts) curl_easy_setopt(handle_, CURLOPT_CUSTOMREQUEST, "MLSD");
    return perform();
  };
  CURLcode code = site_.protocol == TransferProtocol::Sftp ? run(false) : run(true);
  if (code != CURLE_OK && site_.protocol != TransferProtocol::Sftp && !cancelled_ && !listing.tooLong)
    code = run(false);
  if (listing.tooLong) {
    // The connection may still be sending the rest: a fresh one serves what follows.
    const TransferSite site = site_;
    const std::string here = folder_;
    disconnect();
    connect(site);
    folder_ = here;
    throw Error("The listing of " + folder + " was stopped: it holds more than " +
                std::to_string(limits_.entries) + " entries or " + std::to_string(limits_.bytes / (1024 * 1024)) +
                " MB");
  }
  if (code != CURLE_OK) throw Error("Couldn't change to directory " + folder);
  return parseListing(listing.text, currentYear());
}

void TransferClient::get(const std::string& name, const std::string& localFolder) {
  requireConnection();
  if (!isPlainName(name))
    throw Error("Error getting " + joinRemotePath(folder_, name) + " to " + inFolder(localFolder, name) +
                ": not a plain file name");
  getAt(joinRemotePath(folder_, name), inFolder(localFolder, name));
}

void TransferClient::getAt(const std::string& remotePath, const std::string& localPath) {
  requireConnection();
  const std::string failed = "Error getting " + remotePath + " to " + localPath + ": ";
  // A target the file writer would refuse is known before anything is fetched.
  try {
    checkReplaceable(localPath);
  } catch (const Error& e) {
    throw Error(failed + e.what());
  }
  const auto [folder, name] = splitPath(remotePath);
  DownloadBody body;
  if (body.fd < 0) throw Error(failed + "cannot make a temporary file: " + std::strerror(body.error));
  prepare(url(folder, name), sendsAsText(name));
  curl_easy_setopt(handle_, CURLOPT_WRITEFUNCTION, &appendToBody);
  curl_easy_setopt(handle_, CURLOPT_WRITEDATA, &body);
  const CURLcode code = perform();
  if (code == CURLE_WRITE_ERROR && body.error != 0)
    throw Error(failed + "cannot keep the downloaded bytes in the temporary folder: " + std::strerror(body.error));
  if (code != CURLE_OK) throw Error(failed + reason(code));
  try {
    installDownloadedFile(body.fd, body.size, localPath);
  } catch (const Error& e) {
    throw Error(failed + e.what());
  }
}

void TransferClient::put(const std::string& name, const std::string& localFolder) {
  requireConnection();
  putAt(inFolder(localFolder, name), joinRemotePath(folder_, name));
}

void TransferClient::putAt(const std::string& localPath, const std::string& remotePath) {
  requireConnection();
  std::FILE* in = std::fopen(localPath.c_str(), "rb");
  if (!in) throw Error("Error putting " + localPath + " to " + remotePath + ": local file not found");
  struct stat info {};
  ::fstat(::fileno(in), &info);
  const auto [folder, name] = splitPath(remotePath);
  prepare(url(folder, name), sendsAsText(name));
  curl_easy_setopt(handle_, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(handle_, CURLOPT_READDATA, in);
  curl_easy_setopt(handle_, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(info.st_size));
  const CURLcode code = perform();
  std::fclose(in);
  if (code != CURLE_OK) throw Error("Error putting " + localPath + " to " + remotePath + ": " + reason(code));
}

CURLcode TransferClient::command(const std::string& ftp, const std::string& sftp) {
  struct curl_slist* commands =
      curl_slist_append(nullptr, (site_.protocol == TransferProtocol::Sftp ? sftp : ftp).c_str());
  prepare(url(folder_));
  curl_easy_setopt(handle_, CURLOPT_NOBODY, 1L);
  curl_easy_setopt(handle_, CURLOPT_QUOTE, commands);
  const CURLcode code = perform();
  curl_slist_free_all(commands);
  return code;
}

void TransferClient::makeFolder(const std::string& name) {
  requireConnection();
  const std::string path = joinRemotePath(folder_, name);
  if (command("MKD " + path, "mkdir " + quoted(path)) != CURLE_OK) throw Error("Error creating directory " + name);
}

void TransferClient::makeFolderAt(const std::string& path) {
  requireConnection();
  if (command("MKD " + path, "mkdir " + quoted(path)) != CURLE_OK) throw Error("Error creating directory " + path);
}

void TransferClient::removeFileAt(const std::string& path) {
  requireConnection();
  const CURLcode code = command("DELE " + path, "rm " + quoted(path));
  if (code != CURLE_OK) throw Error("Error deleting " + path + ": " + lastResponse());
}

void TransferClient::removeFolderAt(const std::string& path) {
  requireConnection();
  const CURLcode code = command("RMD " + path, "rmdir " + quoted(path));
  if (code != CURLE_OK) throw Error("Error deleting directory " + path + ": " + lastResponse());
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

}  // namespace markloom
