// The tag-template reader takes files from outside: any bytes give templates
// or an Error, never a crash; and what it read, written and read again, is
// stable after the first round (code lines are normalised to CR LF once).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/common/error.h"
#include "core/document/tag_template_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<markloom::TagTemplate> first;
  try {
    first = markloom::decodeTagTemplates(bytes);
  } catch (const markloom::Error&) {
    return 0;
  }
  const auto second = markloom::decodeTagTemplates(markloom::encodeTagTemplates(first));
  if (markloom::decodeTagTemplates(markloom::encodeTagTemplates(second)) != second) std::abort();
  if (second.size() != first.size()) std::abort();
  return 0;
}
