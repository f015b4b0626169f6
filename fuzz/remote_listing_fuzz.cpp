// Folder listings come from any server: any bytes give entries or none, never
// a crash, and never an entry that would name "." or "..", or hold a "/", or
// be empty. Names with blanks come through whole.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/sites/remote_listing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const markloom::RemoteEntry& entry : markloom::parseListing(text, 2026)) {
    if (entry.name.empty() || entry.name == "." || entry.name == "..") std::abort();
    if (entry.name.find('/') != std::string::npos || entry.name.find('\0') != std::string::npos) std::abort();
    if (entry.name.find('\n') != std::string::npos) std::abort();
  }
  return 0;
}
