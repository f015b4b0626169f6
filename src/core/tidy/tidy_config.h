#pragma once
// The tidy configuration written for "F&ix and Format HTML": the options
// dialog's fields and the four tag settings in, the configuration file's
// bytes out (one "key: value" line each, CR LF line ends).
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace markloom {

// The dialog's character encodings, in the radio group's order.
enum class TidyEncoding { Ascii, Raw, Latin1, Utf8, Iso2022 };
inline constexpr std::array<const char*, 5> kTidyEncodingCaptions = {"ASCII", "Raw", "Latin-I", "UTF-8", "ISO2202"};

// The check list's items in list order.
inline constexpr std::size_t kTidyCheckCount = 17;
struct TidyCheckItem {
  const char* caption;
  bool checkedAtStart;
};
inline constexpr std::array<TidyCheckItem, kTidyCheckCount> kTidyCheckItems = {{
    {"Generate Pretty HTML", true},
    {"Wrap ASP, PHP and JSP Tags", true},
    {"Wrap HTML Variables", false},
    {"Indent Tags", true},
    {"Break Before <BR>", true},
    {"Fix Slashes", false},
    {"Fix Bad Comments", true},
    {"Drop Empty Paragraphs", true},
    {"Clean-Up Word 2000 HTML", false},
    {"Clean-Up Surplus Tags", false},
    {"Output Uppercase Tags", true},
    {"Output Uppercase Variables", false},
    {"Convert Document to CSS", true},
    {"Hide End Tags", false},
    {"Input is XML", false},
    {"Add XML-pi", false},
    {"Add XML Declaration", false},
}};

// What the options dialog holds. Texts are written as they stand, unchecked.
struct TidyOptions {
  std::string output = "HTML";  // "Output As:"
  std::string doctype = "AUTO";
  std::string wrap = "72";
  std::string indent = "5";
  std::string altText = "Image";
  std::optional<TidyEncoding> encoding = TidyEncoding::Ascii;  // none selected: no line
  std::array<bool, kTidyCheckCount> checks = startChecks();

  static constexpr std::array<bool, kTidyCheckCount> startChecks() {
    std::array<bool, kTidyCheckCount> c{};
    for (std::size_t i = 0; i < kTidyCheckCount; ++i) c[i] = kTidyCheckItems[i].checkedAtStart;
    return c;
  }
  bool operator==(const TidyOptions&) const = default;
};

// The stored "Tidy" settings; an empty one writes no line.
struct TidyTagSettings {
  std::string inlineTags;
  std::string emptyTags;
  std::string blockTags;
  std::string preTags;
};

// Each check-list item writes a key tidy 5 knows. Two pairs of items share a
// key (Clean-Up Surplus Tags and Convert Document to CSS write clean; Add
// XML-pi and Add XML Declaration write add-xml-decl): each item keeps its own
// line in the file, and both lines of a key say "yes" when either item is
// checked.
std::string generateConfig(const TidyOptions& options, const TidyTagSettings& tags);

// Every key generateConfig can write, each once, in file order.
std::vector<std::string_view> tidyConfigKeys();

// The value tidy's char-encoding option takes for each radio button.
const char* tidyEncodingName(TidyEncoding encoding);

}  // namespace markloom
