#include "core/compress/html_compressor.h"

#include "core/common/error.h"
#include "core/compress/html_compress.h"
#include "core/text/file_io.h"

#include <new>

namespace markloom {

CompressOptions HtmlCompressor::options() const {
  CompressOptions o;
  o.SimpleTags = SimpleTags;
  o.Center = Center;
  o.InvCommas = InvCommas;
  o.Spaces = Spaces;
  o.Returns = Returns;
  o.AllReturns = AllReturns;
  o.Webbots = Webbots;
  o.BlockquoteToUl = BlockquoteToUl;
  return o;
}

void HtmlCompressor::setOptions(const CompressOptions& o) {
  SimpleTags = o.SimpleTags;
  Center = o.Center;
  InvCommas = o.InvCommas;
  Spaces = o.Spaces;
  Returns = o.Returns;
  AllReturns = o.AllReturns;
  Webbots = o.Webbots;
  BlockquoteToUl = o.BlockquoteToUl;
}

bool HtmlCompressor::LoadSource(const std::string& path) {
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

void HtmlCompressor::Compress() {
  if (sizeBefore_ == 0 || compressed_) return;
  buffer_ = compressHtml(buffer_, options());
  sizeAfter_ = buffer_.size();
  compressed_ = true;
}

bool HtmlCompressor::SaveResult(const std::string& path) const {
  if (!compressed_) return false;
  try {
    writeFileAtomically(path, buffer_.substr(0, sizeAfter_));
    return true;
  } catch (const Error&) {
    return false;
  }
}

}  // namespace markloom
