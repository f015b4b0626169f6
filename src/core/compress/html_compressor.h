#pragma once
// HtmlCompressor: loads a file, compresses it with the switches below and
// saves the result. Sizes are in bytes.
#include <cstddef>
#include <string>

#include "core/compress/compress_options.h"

namespace markloom {

class HtmlCompressor {
 public:
  // The switches, with their values at creation.
  bool SimpleTags = true;
  bool Center = true;
  bool InvCommas = true;
  bool Spaces = true;
  bool Returns = true;
  bool AllReturns = true;
  bool Webbots = true;
  bool BlockquoteToUl = false;

  CompressOptions options() const;
  void setOptions(const CompressOptions& o);

  // Reads the whole file; false (nothing raised) when it cannot be read.
  bool LoadSource(const std::string& path);
  // Loads bytes directly, as LoadSource does from a file.
  void loadBytes(std::string bytes);
  // Does nothing on an empty text or when already compressed since the last load.
  void Compress();
  // Replaces path (atomically) with the compressed text. False when nothing has
  // been compressed since the last load (an empty text never is) or the
  // file cannot be written.
  bool SaveResult(const std::string& path) const;

  std::size_t SizeBefore() const { return sizeBefore_; }
  std::size_t SizeAfter() const { return sizeAfter_; }
  bool compressed() const { return compressed_; }
  const std::string& buffer() const { return buffer_; }

 private:
  std::string buffer_;
  std::size_t sizeBefore_ = 0;
  std::size_t sizeAfter_ = 0;
  bool compressed_ = false;
};

}  // namespace markloom
