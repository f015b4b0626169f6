#include "core/compress/html_compressor.h"

#include "core/common/error.h"
#include "core/compress/html_compress.h"
#include "core/text/file_io.h"

#include <new>

namespace markloom {

bool HtmlCompressor::loadSource(const std::string& path) {
  try {
    loadBytes(readFile(path));
    return true;
  } catch (const Error&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void HtmlCompressor::loadBytes(std::string bytes) {
  buffer_ = std::move(bytes);
  sizeBefore_ = buffer_.size();
  sizeAfter_ = 0;
  compressed_ = false;
}

void HtmlCompressor::compress() {
  if (sizeBefore_ == 0 || compressed_) return;
  compressHtmlInPlace(buffer_, options_);
  sizeAfter_ = buffer_.size();
  compressed_ = true;
}

bool HtmlCompressor::saveResult(const std::string& path) const {
  if (!compressed_) return false;
  try {
    writeFileAtomically(path, buffer_);
    return true;
  } catch (const Error&) {
    return false;
  }
}

}  // namespace markloom
