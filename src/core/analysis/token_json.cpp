#include "core/analysis/token_json.h"

#include "core/analysis/json_text.h"

namespace markloom {

std::string tokenJson(const THTMLToken& token) {
  std::string out;
  if (const auto* tag = std::get_if<TagToken>(&token)) {
    out += "{\"tag\":";
    appendJsonString(tag->Name, out);
    out += ",\"raw\":";
    appendJsonString(tag->Raw, out);
    out += ",\"params\":[";
    bool first = true;
    for (const auto& p : tag->Params) {
      if (!first) out += ',';
      first = false;
      out += "{\"name\":";
      appendJsonString(p.Name, out);
      out += ",\"value\":";
      appendJsonString(p.Value, out);
      out += ",\"raw\":";
      appendJsonString(p.Raw, out);
      out += '}';
    }
    out += "]}";
  } else {
    const auto& text = std::get<TextToken>(token);
    out += "{\"text\":";
    appendJsonString(text.Text, out);
    out += ",\"raw\":";
    appendJsonString(text.Raw, out);
    out += '}';
  }
  return out;
}

}  // namespace markloom
