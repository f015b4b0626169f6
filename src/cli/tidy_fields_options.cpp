#include "cli/tidy_fields_options.h"

#include <algorithm>
#include <cctype>

namespace markloom::cli {

namespace {
std::string lowered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// A radio button by its caption or by tidy's name for it, in any case.
bool encodingNamed(const std::string& name, std::optional<TidyEncoding>& encoding) {
  const std::string n = lowered(name);
  if (n == "none") {
    encoding.reset();
    return true;
  }
  for (std::size_t i = 0; i < kTidyEncodingCaptions.size(); ++i) {
    const auto e = static_cast<TidyEncoding>(i);
    if (n == lowered(kTidyEncodingCaptions[i]) || n == tidyEncodingName(e)) {
      encoding = e;
      return true;
    }
  }
  return false;
}
}  // namespace

bool takeTidyFieldOption(const std::vector<std::string>& args, std::size_t& i, TidyOptions& o, TidyTagSettings& t,
                         std::string& error) {
  const std::string& a = args[i];
  std::string* text = nullptr;
  if (a == "--output")
    text = &o.output;
  else if (a == "--doctype")
    text = &o.doctype;
  else if (a == "--wrap")
    text = &o.wrap;
  else if (a == "--indent")
    text = &o.indent;
  else if (a == "--alt")
    text = &o.altText;
  else if (a == "--inline")
    text = &t.inlineTags;
  else if (a == "--empty")
    text = &t.emptyTags;
  else if (a == "--block")
    text = &t.blockTags;
  else if (a == "--pre")
    text = &t.preTags;
  else if (a != "--encoding" && a != "--check")
    return false;
  if (i + 1 >= args.size()) {
    error = a + " needs a value";
    return true;
  }
  const std::string& value = args[++i];
  if (text) {
    *text = value;
  } else if (a == "--encoding") {
    if (!encodingNamed(value, o.encoding)) error = "unknown encoding '" + value + "'";
  } else {
    // N=0 or N=1, N counted from 0 in the check list's order.
    const std::size_t eq = value.find('=');
    std::size_t item = 0;
    bool ok =
        eq != std::string::npos && eq > 0 && eq + 2 == value.size() && (value[eq + 1] == '0' || value[eq + 1] == '1');
    for (std::size_t k = 0; ok && k < eq; ++k) {
      ok = std::isdigit(static_cast<unsigned char>(value[k])) && item < kTidyCheckCount;
      item = item * 10 + static_cast<std::size_t>(value[k] - '0');
    }
    if (!ok || item >= kTidyCheckCount)
      error = "--check takes N=0 or N=1 with N from 0 to 16, not '" + value + "'";
    else
      o.checks[item] = value[eq + 1] == '1';
  }
  return true;
}

}  // namespace markloom::cli
