// The line-list reader takes files from outside; it must accept any bytes, and
// formatting what it read and reading that again must give the same entries.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/text/line_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto lines = markloom::parseLineList(bytes);
  for (const auto& line : lines) {
    if (line.find('\r') != std::string::npos || line.find('\n') != std::string::npos) std::abort();
  }
  if (markloom::parseLineList(markloom::formatLineList(lines)) != lines) std::abort();
  return 0;
}
