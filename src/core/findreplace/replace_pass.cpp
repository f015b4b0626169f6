#include "core/findreplace/replace_pass.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/common/error.h"
#include "core/findreplace/staged_file.h"

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

// The file itself when path is a symbolic link, so that replacing it keeps the link.
std::string resolved(const std::string& path) {
  char* real = ::realpath(path.c_str(), nullptr);
  if (!real) return {};
  std::string r(real);
  std::free(real);
  return r;
}

}  // namespace

std::string promptText(const ReplaceOptions& options, const std::string& path, const std::string& contextLine) {
  return "Replace \"" + options.find + "\" with \"" + options.replace + "\" in file\n" + path +
         "\nFor the following line:\n\n" + contextLine;
}

ReplacePass::ReplacePass(ReplaceOptions options, PassCallbacks callbacks, std::size_t blockSize)
    : options_(std::move(options)), callbacks_(std::move(callbacks)), blockSize_(blockSize) {}

std::vector<FileOutcome> ReplacePass::run(const std::vector<std::string>& paths) {
  counters_ = {};
  cancelled_ = false;
  for (const auto& path : paths) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) counters_.totalSize += st.st_size;
  }
  std::vector<FileOutcome> outcomes;
  outcomes.reserve(paths.size());
  for (const auto& path : paths) {
    if (cancelled_) {
      outcomes.push_back(FileOutcome::NotReached);
      continue;
    }
    outcomes.push_back(replaceFile(path));
    if (!cancelled_ && callbacks_.progress && !callbacks_.progress(counters_)) cancelled_ = true;
  }
  return outcomes;
}

FileOutcome ReplacePass::replaceFile(const std::string& path) {
  const auto refuse = [&] {
    if (callbacks_.warn) callbacks_.warn("Error accessing file " + path);
    return FileOutcome::AccessFailed;
  };
  const std::string target = resolved(path);
  if (target.empty()) return refuse();
  const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return refuse();
  FileInput input(fd, target);
  struct stat st {};
  // Only regular files the user may write are replaced: a read-only file stays
  // protected even though its folder would let us rename over it.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::access(target.c_str(), W_OK) != 0) return refuse();
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
    return callbacks_.prompt ? callbacks_.prompt(promptText(options_, path, context)) : PromptAnswer::Yes;
  };
  const BlockProgress progress = [&] {
    if (callbacks_.progress && !callbacks_.progress(counters_)) cancelled_ = true;
    return !cancelled_;
  };

  StreamReplacer engine(options_, counters_, blockSize_);
  switch (engine.run(input, open, ask, progress)) {
    case StreamResult::Unchanged:
      return FileOutcome::Unchanged;
    case StreamResult::OutputFailed:
      if (callbacks_.warn) callbacks_.warn("Error creating file " + staged->tempPattern());
      return FileOutcome::CreateFailed;
    case StreamResult::Cancelled:
      return FileOutcome::NotReached;  // the staged file is dropped with `staged`
    case StreamResult::Changed:
      break;
  }
  staged->commit(options_.backup);
  return FileOutcome::Changed;
}

}  // namespace markloom
