// The editor reads inbound messages from any process of the user: any bytes,
// in any split, end in a complete, plain or failed message, never a crash;
// the payload never passes the limit; a failed message keeps nothing; and an
// Open payload that decodes encodes back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/workspace/inbound_message.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  using markloom::InboundMessageReader;
  const std::size_t piece = 1 + data[0] % 16;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  constexpr std::size_t kLimit = 256;
  InboundMessageReader reader(kLimit);
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    reader.feed(bytes.substr(at, piece));
    if (reader.payload().size() > kLimit) std::abort();
  }
  const auto state = reader.finish();
  if (state != InboundMessageReader::State::Complete && state != InboundMessageReader::State::Plain &&
      state != InboundMessageReader::State::Failed)
    std::abort();
  if (state == InboundMessageReader::State::Failed && (!reader.payload().empty() || reader.error().empty()))
    std::abort();
  if (state == InboundMessageReader::State::Complete && reader.kind() == markloom::InboundKind::Open)
    if (const auto request = markloom::decodeOpenRequest(reader.payload()))
      if (markloom::encodeOpenRequest(*request) != reader.payload()) std::abort();
  return 0;
}
