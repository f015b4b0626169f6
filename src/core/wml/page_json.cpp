#include "core/wml/page_json.h"

#include <string_view>

#include "core/analysis/json_text.h"
#include "core/text/text_codec.h"
#include "core/text/text_encoding.h"

namespace markloom {

namespace {

void appendString(std::string_view text, std::string& out) {
  // Text comes decoded, but a folder name on disk need not be UTF-8.
  std::string repaired;
  if (!isValidUtf8(text)) {
    repaired = TextCodec(TextEncoding::EightBit).decode(text);
    text = repaired;
  }
  appendJsonUtf8String(text, out);
}

void appendLine(const char* kind, int x, int y, int w, int h, std::string_view text, const WmlFont* font,
                const std::string* link, const std::string* path, std::string& out) {
  out += "{\"kind\":\"";
  out += kind;
  out += "\",\"x\":" + std::to_string(x) + ",\"y\":" + std::to_string(y) + ",\"w\":" + std::to_string(w) +
         ",\"h\":" + std::to_string(h) + ",\"text\":";
  appendString(text, out);
  out += ",\"font\":";
  if (font) {
    out += "{\"family\":";
    appendString(font->family, out);
    out += ",\"points\":" + std::to_string(font->points);
    out += std::string(",\"bold\":") + (font->bold ? "true" : "false");
    out += std::string(",\"italic\":") + (font->italic ? "true" : "false");
    out += std::string(",\"underline\":") + (font->underline ? "true" : "false") + "}";
  } else {
    out += "null";
  }
  out += ",\"link\":";
  if (link)
    appendString(*link, out);
  else
    out += "null";
  out += ",\"path\":";
  if (path)
    appendString(*path, out);
  else
    out += "null";
  out += "}\n";
}

}  // namespace

const char* itemKindName(WmlItemKind kind) {
  switch (kind) {
    case WmlItemKind::Label: return "label";
    case WmlItemKind::Rule: return "rule";
    case WmlItemKind::TextField: return "text-field";
    case WmlItemKind::OptionButton: return "option";
    case WmlItemKind::Picture: return "picture";
    case WmlItemKind::PictureBox: return "picture-box";
    case WmlItemKind::MissingPicture: return "missing-picture";
  }
  return "unknown";
}

std::string itemJson(const WmlItem& item) {
  std::string out;
  const bool hasFont = item.kind == WmlItemKind::Label || item.kind == WmlItemKind::OptionButton;
  const bool hasPath = item.kind == WmlItemKind::Picture || item.kind == WmlItemKind::PictureBox;
  appendLine(itemKindName(item.kind), item.x, item.y, item.width, item.height, item.text,
             hasFont ? &item.font : nullptr, item.link ? &*item.link : nullptr, hasPath ? &item.path : nullptr, out);
  return out;
}

std::string windowJson(const std::string& caption, int clientWidth, int clientHeight) {
  std::string out;
  appendLine("window", 0, 0, clientWidth, clientHeight, caption, nullptr, nullptr, nullptr, out);
  return out;
}

std::string pageJson(const WmlPage& page) {
  std::string out = windowJson(page.caption, page.clientWidth, page.clientHeight);
  for (const WmlItem& item : page.items) out += itemJson(item);
  return out;
}

}  // namespace markloom
