#include "core/workspace/inbound_message.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

using State = InboundMessageReader::State;

std::string framed(InboundKind kind, const std::vector<std::string>& chunks) {
  std::string out = inboundHeader(kind);
  for (const std::string& c : chunks) out += inboundChunk(c);
  return out + std::string(kInboundEnd);
}

// Feeds the bytes in pieces of the given size, as the socket may deliver them.
InboundMessageReader readInPieces(const std::string& bytes, std::size_t piece, std::size_t limit = 1 << 20) {
  InboundMessageReader reader(limit);
  for (std::size_t at = 0; at < bytes.size(); at += piece) reader.feed(std::string_view(bytes).substr(at, piece));
  reader.finish();
  return reader;
}

TEST(InboundMessage, FramedMessagesInAnySplit) {
  const std::string lines = framed(InboundKind::Lines, {"alpha\r\n", std::string("b\0c\n", 4), "\xe9\n"});
  for (std::size_t piece : {1u, 2u, 7u, 1000u}) {
    const InboundMessageReader r = readInPieces(lines, piece);
    EXPECT_EQ(r.state(), State::Complete) << piece;
    EXPECT_EQ(r.kind(), InboundKind::Lines);
    EXPECT_EQ(r.payload(), std::string("alpha\r\nb\0c\n\xe9\n", 13)) << piece;
  }
  const InboundMessageReader open = readInPieces(framed(InboundKind::Open, {}), 3);
  EXPECT_EQ(open.state(), State::Complete);
  EXPECT_EQ(open.kind(), InboundKind::Open);
  EXPECT_EQ(open.payload(), "");
}

TEST(InboundMessage, UnframedTextIsPlainUpToTheClose) {
  for (const std::string text : {"hello\nworld\n", "MARK", "MARK\nx", "MARKLOOM 2 LINES\nx", "x", ""}) {
    for (std::size_t piece : {1u, 5u, 100u}) {
      const InboundMessageReader r = readInPieces(text, piece);
      EXPECT_EQ(r.state(), text == "MARK" ? State::Failed : State::Plain) << text << " / " << piece;
      if (text != "MARK") {
        EXPECT_EQ(r.payload(), text) << piece;
      }
    }
  }
}

TEST(InboundMessage, BrokenMessagesFailWithAReason) {
  struct Case {
    std::string bytes;
    std::string error;
  };
  const std::string header = inboundHeader(InboundKind::Lines);
  const Case cases[] = {
      {"MARKLOOM 1 PRINT\n0\n", "the message kind 'PRINT' is not known"},
      {header + "zz\nab", "a chunk size is not a hex number"},
      {header + "\n", "a chunk size is not a hex number"},
      {header + "-1\n", "a chunk size is not a hex number"},
      {header + "10000000000000000000\n", "a chunk size is too long"},
      {header + "5\nabc", "the message ended early"},
      {header + "3\nabc", "the message ended early"},
      {header + "0\nextra", "bytes follow the end of the message"},
      {header + "200001\n", "the text is larger than 2 MiB"},
      {header + "100000\n" + std::string(0x100000, 'x') + "100001\n", "the text is larger than 2 MiB"},
      {std::string(3 << 20, 'p'), "the text is larger than 2 MiB"},
      {"MARKLOOM 1 " + std::string(40, 'L'), "the message header is too long"},
  };
  for (const Case& c : cases) {
    const InboundMessageReader r = readInPieces(c.bytes, 4096, 2 << 20);
    EXPECT_EQ(r.state(), State::Failed) << c.error;
    EXPECT_EQ(r.error(), c.error);
    EXPECT_TRUE(r.payload().empty()) << "a failed message keeps nothing";
  }
}

TEST(InboundMessage, Replies) {
  EXPECT_EQ(inboundReplyProblem(inboundReplyOk()), std::nullopt);
  EXPECT_EQ(inboundReplyProblem(inboundReplyError("no document\nis open")), "no document is open");
  EXPECT_EQ(inboundReplyProblem(""), "the editor closed the connection without an answer");
  EXPECT_EQ(inboundReplyProblem("YES\n"), "the editor gave an answer that is not understood");
}

TEST(InboundMessage, OpenRequestsRoundTripAndDamagedOnesAreRefused) {
  const OpenRequest requests[] = {{{}, 0}, {{"/w/a.html"}, 0}, {{"/w/a b.html", "/w/\xe9.css"}, 12}, {{"/x\ny"}, 1}};
  for (const OpenRequest& r : requests) EXPECT_EQ(decodeOpenRequest(encodeOpenRequest(r)), r);
  for (const std::string& bad :
       {std::string("x"), std::string("0"), std::string("-3"), std::string("\0\0", 2), std::string("\0/a\0", 4)})
    EXPECT_EQ(decodeOpenRequest(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace markloom
