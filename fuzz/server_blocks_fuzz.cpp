// Server-side block protection over any page: a refused page raises Error and
// nothing else; an accepted one comes back byte for byte from its placeholders,
// and no placeholder text occurs in the page itself.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/common/error.h"
#include "core/tidy/server_blocks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1 << 16) return 0;
  const std::string page(reinterpret_cast<const char*>(data), size);
  markloom::ProtectedPage protectedPage;
  try {
    protectedPage = markloom::protectServerBlocks(page);
  } catch (const markloom::Error&) {
    return 0;
  }
  if (markloom::restoreServerBlocks(protectedPage.text, protectedPage) != page) std::abort();
  if (protectedPage.blocks.empty() && protectedPage.text != page) std::abort();
  return 0;
}
