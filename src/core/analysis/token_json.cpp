#include "core/analysis/token_json.h"

#include "core/analysis/json_text.h"

namespace markloom {

std::string tokenJson(const HtmlToken& token) {
  std::string out;
  if (const auto* tag = std::get_if<TagToken>(&token)) {
    out += "{\"tag\":";
    appendJsonString(tag->name, out);
    out += ",\"raw\":";
    appendJsonString(tag->raw, out);
    out += ",\"params\":[";
    bool first = true;
    for (const auto& p : tag->attributes) {
      if (!first) out += ',';
      first = false;
      out += "{\"name\":";
      appendJsonString(p.name, out);
      out += ",\"value\":";
      appendJsonString(p.value, out);
      out += ",\"raw\":";
      appendJsonString(p.raw, out);
      out += '}';
    }
    out += "]}";
  } else {
    const auto& text = std::get<TextToken>(token);
    out += "{\"text\":";
    appendJsonString(text.text, out);
    out += ",\"raw\":";
    appendJsonString(text.raw, out);
    out += '}';
  }
  return out;
}

}  // namespace markloom
