#include "core/analysis/token_json_stream.h"

#include <algorithm>

#include "core/analysis/character_references.h"
#include "core/analysis/html_tokens.h"
#include "core/analysis/json_text.h"

namespace markloom {

namespace {

constexpr std::size_t kSliceBytes = 1 << 16;

// No reference the decoder replaces is longer than this (named ones are at
// most "&thetasym;"-like lengths, numeric ones "&#xFF;").
constexpr std::size_t kLongestReference = 16;

// Where a slice of collapsed text may end so that decoding it alone gives what
// decoding the whole gives: not inside a reference that could still be replaced.
std::size_t safeEnd(std::string_view collapsed) {
  const std::size_t amp = collapsed.rfind('&');
  if (amp == std::string_view::npos) return collapsed.size();
  const std::string_view after = collapsed.substr(amp + 1);
  if (after.find_first_of("; ") != std::string_view::npos) return collapsed.size();
  // An open reference: keep it for the next slice unless it is already too long to be replaced.
  if (collapsed.size() - amp > kLongestReference) return collapsed.size();
  return amp;
}

}  // namespace

void normalizeTextInSlices(std::string_view raw, std::size_t sliceBytes,
                           const std::function<void(std::string_view)>& onSlice) {
  std::string collapsed;
  bool lastBlank = false;
  std::size_t pos = 0;
  sliceBytes = std::max<std::size_t>(sliceBytes, 1);
  while (pos < raw.size()) {
    const std::size_t end = std::min(raw.size(), pos + sliceBytes);
    for (; pos < end; ++pos) appendCollapsed(raw[pos], lastBlank, collapsed);
    const std::size_t cut = pos == raw.size() ? collapsed.size() : safeEnd(collapsed);
    if (cut == 0) continue;
    std::string ready = collapsed.substr(0, cut);
    collapsed.erase(0, cut);
    decodeReferencesInPlace(ready);
    onSlice(ready);
  }
  if (!collapsed.empty()) {
    decodeReferencesInPlace(collapsed);
    onSlice(collapsed);
  }
}

TokenJsonStream::TokenJsonStream(Output output, std::size_t blockBytes)
    : output_(std::move(output)), blockBytes_(std::max<std::size_t>(blockBytes, 1)) {}

TokenJsonStream::~TokenJsonStream() { flush(); }

void TokenJsonStream::flush() {
  if (out_.empty()) return;
  output_(out_);
  out_.clear();
}

void TokenJsonStream::spill() {
  if (out_.size() >= blockBytes_) flush();
}

void TokenJsonStream::literal(std::string_view text) {
  out_.append(text);
  spill();
}

void TokenJsonStream::string(std::string_view bytes, bool upper) {
  out_.push_back('"');
  for (std::size_t pos = 0; pos < bytes.size(); pos += kSliceBytes) {
    std::string_view part = bytes.substr(pos, kSliceBytes);
    if (upper) {
      slice_.clear();
      appendUpper(part, slice_);
      part = slice_;
    }
    appendJsonStringBody(part, out_);
    spill();
  }
  out_.push_back('"');
  spill();
}

void TokenJsonStream::normalizedString(std::string_view raw) {
  out_.push_back('"');
  normalizeTextInSlices(raw, kSliceBytes, [&](std::string_view slice) {
    appendJsonStringBody(slice, out_);
    spill();
  });
  out_.push_back('"');
  spill();
}

void TokenJsonStream::attribute(std::string_view piece) {
  const std::size_t eq = piece.find('=');
  std::string_view value;
  if (eq != std::string_view::npos) {
    value = piece.substr(eq + 1);
    if (value.size() > 1 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  }
  literal("{\"name\":");
  string(piece.substr(0, eq), true);
  literal(",\"value\":");
  string(value);
  literal(",\"raw\":");
  string(piece);
  literal("}");
}

void TokenJsonStream::tag(std::string_view tagText, int) {
  literal("{\"tag\":");
  string(tagNamePart(tagText), true);
  literal(",\"raw\":");
  string(tagText);
  literal(",\"params\":[");
  bool first = true;
  forEachAttributePiece(tagText, [&](std::string_view piece) {
    if (!first) literal(",");
    first = false;
    attribute(piece);
  });
  literal("]}\n");
}

void TokenJsonStream::text(std::string_view raw, int) {
  literal("{\"text\":");
  normalizedString(raw);
  literal(",\"raw\":");
  string(raw);
  literal("}\n");
}

}  // namespace markloom
