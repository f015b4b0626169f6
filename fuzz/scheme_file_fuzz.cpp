// The scheme reader takes files from outside: any bytes give a scheme or an
// Error, never a crash; what it read is written and read back equal; and the
// styler takes every scheme the reader accepts.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/common/error.h"
#include "core/highlighting/scheme_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  markloom::SyntaxScheme scheme;
  try {
    scheme = markloom::parseSchemeText(bytes);
  } catch (const markloom::Error&) {
    return 0;
  }
  if (markloom::parseSchemeText(markloom::writeSchemeText(scheme)) != scheme) std::abort();
  const markloom::SchemeStyler styler(scheme);
  const std::string_view sample = "<a href='x'>/* c */ \"s\" 0x1F <script>if</script><% rem %>{ #1 }\r\n<!-- -->";
  if (styler.styleText(sample).size() != sample.size()) std::abort();
  if (styler.styleText(bytes).size() != bytes.size()) std::abort();
  return 0;
}
