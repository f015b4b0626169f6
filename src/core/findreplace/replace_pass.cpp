#include "core/findreplace/replace_pass.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>

#include "core/common/error.h"
#include "core/findreplace/staged_file.h"
#include "core/text/file_writer.h"
#include "core/text/staging_files.h"
#include "core/text/write_journal.h"

namespace markloom {

namespace {

class FileInput : public ReplaceInput {
 public:
  FileInput(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  ~FileInput() override { ::close(fd_); }
  FileInput(const FileInput&) = delete;
  FileInput& operator=(const FileInput&) = delete;

  std::size_t read(char* into, std::size_t max) override {
    for (;;) {
      const ssize_t got = ::read(fd_, into, max);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) throw Error(std::string("Cannot read file ") + path_ + ": " + std::strerror(errno));
    }
  }
  int fd() const { return fd_; }

 private:
  int fd_;
  std::string path_;
};

// The file itself when path is a symbolic link, so that replacing it keeps the
// link; empty for a link refused by the writer's rule for shared folders.
std::string resolved(const std::string& path, std::string* refusal = nullptr) {
  std::string followed;
  try {
    followed = linkTarget(path);
  } catch (const Error& e) {
    if (refusal) *refusal = e.what();
    return {};
  }
  char* real = ::realpath(followed.c_str(), nullptr);
  if (!real) return {};
  std::string r(real);
  std::free(real);
  return r;
}

}  // namespace

std::string ReplaceQuestion::text() const {
  return "Replace \"" + find + "\" with \"" + replace + "\" in file\n" + path + "\nFor the following line:\n\n" +
         contextLine;
}

namespace {
// A batch is handed to the installer once it holds this many files or bytes:
// small enough for writing and syncing to overlap, large enough to need few
// syncs.
constexpr std::size_t kBatchFiles = 64;
constexpr std::int64_t kBatchBytes = 32 << 20;
}  // namespace

ReplacePass::ReplacePass(ReplaceOptions options, PassCallbacks callbacks, std::size_t blockSize)
    : options_(std::move(options)),
      callbacks_(std::move(callbacks)),
      blockSize_(blockSize),
      engine_(options_, counters_, blockSize_) {}

// The installer finishes what it was given; anything still pending is deleted,
// its original untouched.
ReplacePass::~ReplacePass() = default;

void ReplacePass::handOff() {
  if (pending_.empty()) return;
  installer_->submit(std::move(pending_));
  pending_.clear();
  pendingBytes_ = 0;
}

void ReplacePass::settle() {
  handOff();
  auto [failed, failure] = installer_->wait();
  replacing_.clear();
  for (std::size_t index : failed) outcomes_[index] = FileOutcome::Unchanged;
  if (failure) std::rethrow_exception(failure);
}

std::vector<FileOutcome> ReplacePass::run(const std::vector<std::string>& paths) {
  counters_ = {};
  cancelled_ = false;
  std::set<std::string> folders;
  for (const auto& path : paths) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) counters_.totalSize += st.st_size;
    const std::string target = resolved(path);
    if (!target.empty()) folders.insert(target.substr(0, std::max<std::size_t>(target.rfind('/'), 1)));
  }
  // New contents a killed run left beside the files (those no live process holds).
  for (const auto& folder : folders) staging::removeLeftovers(folder);
  outcomes_.clear();
  outcomes_.reserve(paths.size());
  pending_.clear();
  replacing_.clear();
  installer_ = std::make_unique<BatchInstaller>(options_.backup);
  try {
    for (const auto& path : paths) {
      if (cancelled_) {
        outcomes_.push_back(FileOutcome::NotReached);
        continue;
      }
      outcomes_.push_back(replaceFile(path));
      if (pending_.size() >= kBatchFiles || pendingBytes_ >= kBatchBytes) handOff();
      if (!cancelled_ && callbacks_.progress && !callbacks_.progress(counters_)) cancelled_ = true;
    }
  } catch (...) {
    // The files finished before the failure are complete: install them, but
    // report the failure that ended the pass.
    try {
      settle();
    } catch (...) {
    }
    throw;
  }
  settle();
  return outcomes_;
}

FileOutcome ReplacePass::replaceFile(const std::string& path) {
  const auto refuse = [&] {
    if (callbacks_.warn) callbacks_.warn("Error accessing file " + path);
    return FileOutcome::AccessFailed;
  };
  std::string refusal;
  const std::string target = resolved(path, &refusal);
  if (target.empty() && !refusal.empty()) {
    if (callbacks_.warn) callbacks_.warn(refusal);
    return FileOutcome::AccessFailed;
  }
  if (target.empty()) return refuse();
  // A file listed again (or under another name) is read as the earlier
  // entry left it.
  struct stat before {};
  if (::stat(target.c_str(), &before) == 0) {
    if (replacing_.count({before.st_dev, before.st_ino}) > 0) settle();
    // An in-place write a killed run left unfinished is finished before reading.
    else if (S_ISREG(before.st_mode))
      journal::settle(target, before);
  }
  const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return refuse();
  FileInput input(fd, target);
  struct stat st {};
  // Only regular files the user may write are replaced: a read-only file stays
  // protected even though its folder would let us rename over it.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || writeAccess(target) != 0) return refuse();
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

  ++counters_.filesRead;
  std::unique_ptr<StagedFile> staged;
  const OutputOpener open = [&](std::int64_t prefix) -> ReplaceOutput* {
    staged = std::make_unique<StagedFile>(target, st);
    if (!staged->create()) return nullptr;
    staged->copyFrom(input.fd(), prefix);
    return staged.get();
  };
  const ContextPrompt ask = [&](const std::string& context) {
    return callbacks_.prompt ? callbacks_.prompt({options_.find, options_.replace, path, context}) : PromptAnswer::Yes;
  };
  const BlockProgress progress = [&] {
    if (callbacks_.progress && !callbacks_.progress(counters_)) cancelled_ = true;
    return !cancelled_;
  };

  switch (engine_.run(input, open, ask, progress)) {
    case StreamResult::Unchanged: return FileOutcome::Unchanged;
    case StreamResult::OutputFailed:
      if (callbacks_.warn) callbacks_.warn("Error creating file " + staged->tempPattern());
      return FileOutcome::CreateFailed;
    case StreamResult::Cancelled: return FileOutcome::NotReached;  // the staged file is dropped with `staged`
    case StreamResult::Changed: break;
  }
  staged->finish(false);
  pendingBytes_ += static_cast<std::int64_t>(st.st_size);
  replacing_.emplace(st.st_dev, st.st_ino);
  pending_.push_back({outcomes_.size(), std::move(staged)});  // run() appends this file's outcome next
  return FileOutcome::Changed;
}

}  // namespace markloom
