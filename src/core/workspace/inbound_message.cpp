#include "core/workspace/inbound_message.h"

#include <charconv>

namespace markloom {

namespace {
constexpr std::string_view kMagic = "MARKLOOM 1 ";
constexpr std::size_t kLongestLine = 32;  // header and size lines are short
constexpr std::size_t kLongestSize = 16;  // hex digits of a chunk size

struct KindName {
  InboundKind kind;
  std::string_view name;
};
constexpr KindName kKinds[] = {{InboundKind::Lines, "LINES"}, {InboundKind::Open, "OPEN"}};
}  // namespace

std::string inboundHeader(InboundKind kind) {
  for (const KindName& k : kKinds)
    if (k.kind == kind) return std::string(kMagic) + std::string(k.name) + "\n";
  return {};
}

std::string inboundChunk(std::string_view bytes) {
  char size[kLongestSize + 1];
  const auto end = std::to_chars(size, size + kLongestSize, bytes.size(), 16).ptr;
  std::string chunk(size, end);
  chunk += '\n';
  chunk.append(bytes);
  return chunk;
}

std::string inboundReplyOk() { return "OK\n"; }

std::string inboundReplyError(std::string_view reason) {
  std::string reply = "ERROR ";
  for (const char c : reason) reply += (c == '\n' || c == '\r') ? ' ' : c;
  return reply + "\n";
}

std::optional<std::string> inboundReplyProblem(std::string_view reply) {
  if (reply == "OK\n") return std::nullopt;
  if (reply.rfind("ERROR ", 0) == 0 && !reply.empty() && reply.back() == '\n')
    return std::string(reply.substr(6, reply.size() - 7));
  if (reply.empty()) return std::string("the editor closed the connection without an answer");
  return std::string("the editor gave an answer that is not understood");
}

InboundMessageReader::InboundMessageReader(std::size_t limit) : limit_(limit) {}

InboundMessageReader::State InboundMessageReader::fail(std::string reason) {
  error_ = std::move(reason);
  payload_.clear();
  payload_.shrink_to_fit();
  return state_ = State::Failed;
}

void InboundMessageReader::feedPlain(std::string_view bytes) {
  if (payload_.size() + bytes.size() > limit_) {
    fail("the text is larger than " + std::to_string(limit_ >> 20) + " MiB");
    return;
  }
  payload_.append(bytes);
}

InboundMessageReader::State InboundMessageReader::feed(std::string_view bytes) {
  while (!bytes.empty()) {
    switch (state_) {
      case State::Header: {
        const std::size_t newline = bytes.find('\n');
        const std::string_view part = bytes.substr(0, newline);
        line_.append(part);
        // Not our header: everything so far is plain text.
        const std::size_t compared = std::min(line_.size(), kMagic.size());
        const bool lineEndsEarly = newline != std::string_view::npos && line_.size() < kMagic.size();
        if (lineEndsEarly || line_.compare(0, compared, kMagic.substr(0, compared)) != 0) {
          state_ = State::Plain;
          std::string held = std::move(line_);
          line_.clear();
          if (newline != std::string_view::npos) held += '\n';
          feedPlain(held);
          bytes.remove_prefix(newline == std::string_view::npos ? bytes.size() : newline + 1);
          break;
        }
        if (line_.size() > kLongestLine) return fail("the message header is too long");
        if (newline == std::string_view::npos) return state_;
        bytes.remove_prefix(newline + 1);
        const std::string_view name = std::string_view(line_).substr(kMagic.size());
        bool known = false;
        for (const KindName& k : kKinds)
          if (k.name == name) {
            kind_ = k.kind;
            known = true;
          }
        if (!known) return fail("the message kind '" + std::string(name) + "' is not known");
        line_.clear();
        state_ = State::Size;
        break;
      }
      case State::Size: {
        const std::size_t newline = bytes.find('\n');
        line_.append(bytes.substr(0, newline));
        if (line_.size() > kLongestSize) return fail("a chunk size is too long");
        if (newline == std::string_view::npos) return state_;
        bytes.remove_prefix(newline + 1);
        std::size_t size = 0;
        const auto [end, error] = std::from_chars(line_.data(), line_.data() + line_.size(), size, 16);
        if (line_.empty() || error != std::errc() || end != line_.data() + line_.size())
          return fail("a chunk size is not a hex number");
        line_.clear();
        if (size == 0) {
          state_ = State::Complete;
          if (!bytes.empty()) return fail("bytes follow the end of the message");
          return state_;
        }
        if (size > limit_ || payload_.size() > limit_ - size)
          return fail("the text is larger than " + std::to_string(limit_ >> 20) + " MiB");
        remaining_ = size;
        state_ = State::Data;
        break;
      }
      case State::Data: {
        const std::size_t take = std::min(remaining_, bytes.size());
        payload_.append(bytes.substr(0, take));
        remaining_ -= take;
        bytes.remove_prefix(take);
        if (remaining_ == 0) state_ = State::Size;
        break;
      }
      case State::Plain: feedPlain(bytes); return state_;
      case State::Complete: return fail("bytes follow the end of the message");
      case State::Failed: return state_;
    }
  }
  return state_;
}

InboundMessageReader::State InboundMessageReader::finish() {
  switch (state_) {
    case State::Plain:
    case State::Complete:
    case State::Failed: return state_;
    case State::Header:
      // A short message that never reached a line end is plain text too,
      // unless it is a piece of our header.
      if (!line_.empty() && std::string_view(kMagic).substr(0, line_.size()) != line_) {
        state_ = State::Plain;
        std::string held = std::move(line_);
        line_.clear();
        feedPlain(held);
        return state_;
      }
      if (line_.empty()) {
        state_ = State::Plain;  // an empty message
        return state_;
      }
      return fail("the message ended early");
    default: return fail("the message ended early");
  }
}

std::string encodeOpenRequest(const OpenRequest& request) {
  std::string out = request.line > 0 ? std::to_string(request.line) : std::string();
  for (const std::string& file : request.files) {
    out += '\0';
    out += file;
  }
  return out;
}

std::optional<OpenRequest> decodeOpenRequest(std::string_view payload) {
  OpenRequest request;
  const std::size_t first = payload.find('\0');
  const std::string_view line = payload.substr(0, first);
  if (!line.empty()) {
    if (line[0] == '0') return std::nullopt;  // one spelling per number
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), request.line);
    if (error != std::errc() || end != line.data() + line.size() || request.line < 1) return std::nullopt;
  }
  if (first == std::string_view::npos) return request;
  std::string_view rest = payload.substr(first + 1);
  while (true) {
    const std::size_t next = rest.find('\0');
    const std::string_view file = rest.substr(0, next);
    if (file.empty()) return std::nullopt;
    request.files.emplace_back(file);
    if (next == std::string_view::npos) break;
    rest.remove_prefix(next + 1);
  }
  return request;
}

}  // namespace markloom
