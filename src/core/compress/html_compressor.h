#pragma once
// The compressor as a command uses it: loads a file, compresses it with its
// switches and saves the result. Sizes are in bytes.
#include <cstddef>
#include <string>

#include "core/compress/compress_options.h"

namespace markloom {

class HtmlCompressor {
 public:
  // The switches; at creation, those of CompressOptions{}.
  const CompressOptions& options() const { return options_; }
  void setOptions(const CompressOptions& options) { options_ = options; }

  // Reads the whole file; false (nothing raised) when it cannot be read.
  bool loadSource(const std::string& path);
  // Loads bytes directly, as loadSource does from a file.
  void loadBytes(std::string bytes);
  // Does nothing on an empty text or when already compressed since the last load.
  void compress();
  // Replaces path (atomically) with the compressed text. False when nothing has
  // been compressed since the last load (an empty text never is) or the
  // file cannot be written.
  bool saveResult(const std::string& path) const;

  std::size_t sizeBefore() const { return sizeBefore_; }
  std::size_t sizeAfter() const { return sizeAfter_; }
  bool compressed() const { return compressed_; }
  const std::string& buffer() const { return buffer_; }

 private:
  CompressOptions options_;
  std::string buffer_;
  std::size_t sizeBefore_ = 0;
  std::size_t sizeAfter_ = 0;
  bool compressed_ = false;
};

}  // namespace markloom
