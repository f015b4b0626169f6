// The compressor against its literal reference procedure: the first byte
// chooses the eight switches, the rest is the page. Both must give the same
// bytes; on pages without '?' or '%' the server-block protection must change
// nothing either.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/compress/compress_oracle.h"
#include "core/compress/html_compress.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0 || size > 1 << 14) return 0;  // the reference procedure is quadratic
  const unsigned bits = data[0];
  markloom::CompressOptions o;
  o.shortTags = bits & 1;
  o.center = bits & 2;
  o.quotesInTags = bits & 4;
  o.spaces = bits & 8;
  o.extraLineBreaks = bits & 16;
  o.allLineBreaks = bits & 32;
  o.webBots = bits & 64;
  o.blockquoteToList = bits & 128;
  const std::string page(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string fast = markloom::compressHtml(page, o);
  const std::string literal = markloom::oracle::compress(page, o);
  if (fast != literal) std::abort();
  if (page.find_first_of("?%") == std::string::npos && markloom::oracle::compress(page, o, false) != literal)
    std::abort();
  return 0;
}
