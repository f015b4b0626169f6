#include "core/tidy/tidy_config.h"

#include <algorithm>
#include <iterator>

namespace markloom {

namespace {

// The check-list lines in file order: key and the item that sets it. The keys
// are names tidy 5 knows; where the original writer used a name tidy 5 no
// longer has, its successor stands in the same place: "Convert Document to
// CSS" (once drop-font-tags) writes clean, "Hide End Tags" (hide-endtags)
// omit-optional-tags and "Add XML-pi" (add-xml-pi) add-xml-decl.
struct CheckLine {
  std::string_view key;
  std::size_t item;
};
constexpr CheckLine kCheckLines[] = {
    {"markup", 0},
    {"wrap-asp", 1},
    {"wrap-jste", 1},
    {"wrap-php", 1},
    {"wrap-attributes", 2},
    {"indent", 3},
    {"fix-backslash", 5},
    {"uppercase-tags", 10},
    {"uppercase-attributes", 11},
    {"word-2000", 8},
    {"clean", 9},
    {"clean", 12},
    {"drop-empty-paras", 7},
    {"break-before-br", 4},
    {"fix-bad-comments", 6},
    {"omit-optional-tags", 13},
    {"input-xml", 14},
    {"add-xml-decl", 15},
    {"add-xml-decl", 16},
};

// A key that two items write is "yes" when either is checked: both of its
// lines say the same, so neither item is undone by the other's line (tidy
// keeps the last value it reads).
bool keyChecked(std::string_view key, const std::array<bool, kTidyCheckCount>& checks) {
  return std::any_of(std::begin(kCheckLines), std::end(kCheckLines),
                     [&](const CheckLine& c) { return c.key == key && checks[c.item]; });
}

constexpr std::string_view kOutputXhtml = "output-xhtml", kOutputXml = "output-xml";
constexpr std::string_view kLeadingKeys[] = {"write-back", "tidy-mark"};
constexpr std::string_view kLayoutKeys[] = {"indent-spaces", "doctype"};
constexpr std::string_view kEncodingKey = "char-encoding";
constexpr std::string_view kTrailingKeys[] = {"wrap", "quiet", "alt-text", "error-file"};
constexpr std::string_view kTagKeys[] = {"new-inline-tags", "new-empty-tags", "new-blocklevel-tags", "new-pre-tags"};

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

std::vector<std::string_view> tidyConfigKeys() {
  std::vector<std::string_view> keys(std::begin(kLeadingKeys), std::end(kLeadingKeys));
  keys.push_back(kOutputXhtml);
  keys.push_back(kOutputXml);
  keys.insert(keys.end(), std::begin(kLayoutKeys), std::end(kLayoutKeys));
  for (const CheckLine& c : kCheckLines)
    if (std::find(keys.begin(), keys.end(), c.key) == keys.end()) keys.push_back(c.key);
  keys.push_back(kEncodingKey);
  keys.insert(keys.end(), std::begin(kTrailingKeys), std::end(kTrailingKeys));
  keys.insert(keys.end(), std::begin(kTagKeys), std::end(kTagKeys));
  return keys;
}

std::string generateConfig(const TidyOptions& o, const TidyTagSettings& tags) {
  std::string out;
  auto line = [&out](std::string_view key, std::string_view value) {
    out.append(key).append(": ").append(value).append("\r\n");
  };
  line(kLeadingKeys[0], "yes");
  line(kLeadingKeys[1], "no");
  if (o.output == "XHTML") line(kOutputXhtml, "yes");
  if (o.output == "XML") line(kOutputXml, "yes");
  line(kLayoutKeys[0], o.indent);
  line(kLayoutKeys[1], o.doctype);
  for (const CheckLine& c : kCheckLines) line(c.key, keyChecked(c.key, o.checks) ? "yes" : "no");
  if (o.encoding) line(kEncodingKey, tidyEncodingName(*o.encoding));
  line(kTrailingKeys[0], o.wrap);
  line(kTrailingKeys[1], "yes");
  line(kTrailingKeys[2], o.altText);
  line(kTrailingKeys[3], "error.log");
  const std::string* tagValues[] = {&tags.inlineTags, &tags.emptyTags, &tags.blockTags, &tags.preTags};
  for (std::size_t i = 0; i < std::size(kTagKeys); ++i)
    if (!tagValues[i]->empty()) line(kTagKeys[i], *tagValues[i]);
  return out;
}

}  // namespace markloom
