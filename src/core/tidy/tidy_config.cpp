#include "core/tidy/tidy_config.h"

#include <string_view>

namespace markloom {

namespace {
// The check-list lines in file order: key and the item that sets it.
struct CheckLine {
  const char* key;
  std::size_t item;
};
constexpr CheckLine kCheckLines[] = {
    {"markup", 0},           {"wrap-asp", 1},        {"wrap-jste", 1},
    {"wrap-php", 1},         {"wrap-attributes", 2}, {"indent", 3},
    {"fix-backslash", 5},    {"uppercase-tags", 10}, {"uppercase-attributes", 11},
    {"word-2000", 8},        {"clean", 9},           {"drop-font-tags", 12},
    {"drop-empty-paras", 7}, {"break-before-br", 4}, {"fix-bad-comments", 6},
    {"hide-endtags", 13},    {"input-xml", 14},      {"add-xml-pi", 15},
    {"add-xml-decl", 16},
};
}  // namespace

const char* tidyEncodingName(TidyEncoding encoding) {
  switch (encoding) {
    case TidyEncoding::Ascii: return "ascii";
    case TidyEncoding::Raw: return "raw";
    case TidyEncoding::Latin1: return "latin1";
    case TidyEncoding::Utf8: return "utf8";
    case TidyEncoding::Iso2022: return "iso2022";
  }
  return "ascii";
}

std::string generateConfig(const TidyOptions& o, const TidyTagSettings& tags) {
  std::string out;
  auto line = [&out](std::string_view key, std::string_view value) {
    out.append(key).append(": ").append(value).append("\r\n");
  };
  line("write-back", "yes");
  line("tidy-mark", "no");
  if (o.output == "XHTML") line("output-xhtml", "yes");
  if (o.output == "XML") line("output-xml", "yes");
  line("indent-spaces", o.indent);
  line("doctype", o.doctype);
  for (const CheckLine& c : kCheckLines) line(c.key, o.checks[c.item] ? "yes" : "no");
  if (o.encoding) line("char-encoding", tidyEncodingName(*o.encoding));
  line("wrap", o.wrap);
  line("quiet", "yes");
  line("alt-text", o.altText);
  line("error-file", "error.log");
  if (!tags.inlineTags.empty()) line("new-inline-tags", tags.inlineTags);
  if (!tags.emptyTags.empty()) line("new-empty-tags", tags.emptyTags);
  if (!tags.blockTags.empty()) line("new-blocklevel-tags", tags.blockTags);
  if (!tags.preTags.empty()) line("new-pre-tags", tags.preTags);
  return out;
}

}  // namespace markloom
