#pragma once
// What travels over the editor's inbound channel, and the reader the editor
// runs on each connection.
//
// A message is a header line, "MARKLOOM 1 LINES\n" (text to insert at the
// caret) or "MARKLOOM 1 OPEN\n" (files to open), then the payload in chunks,
// each a line with its size in hex followed by that many bytes, ended by the
// chunk "0\n". The editor answers "OK\n" or "ERROR <reason>\n" once it has
// taken the message or refused it. A connection that does not start with the
// header carries plain text up to the sender's close, with no answer: the
// form the channel had before messages were framed.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace markloom {

enum class InboundKind { Lines, Open };

std::string inboundHeader(InboundKind kind);
std::string inboundChunk(std::string_view bytes);
inline constexpr std::string_view kInboundEnd = "0\n";

// The answer lines, and the reason of an ERROR answer (nullopt for OK, an
// explanation for a reply that is neither).
std::string inboundReplyOk();
std::string inboundReplyError(std::string_view reason);
std::optional<std::string> inboundReplyProblem(std::string_view reply);

class InboundMessageReader {
 public:
  enum class State { Header, Size, Data, Complete, Plain, Failed };

  // A payload beyond limit bytes fails the message.
  explicit InboundMessageReader(std::size_t limit);

  // Takes the next bytes of the connection, in any split.
  State feed(std::string_view bytes);
  // The sender closed the connection: a plain message is then complete; a
  // framed one not yet complete fails.
  State finish();

  State state() const { return state_; }
  InboundKind kind() const { return kind_; }
  const std::string& payload() const { return payload_; }
  const std::string& error() const { return error_; }

 private:
  State fail(std::string reason);
  void feedPlain(std::string_view bytes);

  std::size_t limit_;
  State state_ = State::Header;
  InboundKind kind_ = InboundKind::Lines;
  std::string line_;  // header or size line read so far
  std::size_t remaining_ = 0;
  std::string payload_;
  std::string error_;
};

// The payload of an Open message: the caret line (0 for none) and absolute
// file names, separated by NUL bytes.
struct OpenRequest {
  std::vector<std::string> files;
  int line = 0;  // 1-based; 0 leaves the caret where opening puts it
  bool operator==(const OpenRequest&) const = default;
};
std::string encodeOpenRequest(const OpenRequest& request);
std::optional<OpenRequest> decodeOpenRequest(std::string_view payload);

}  // namespace markloom
