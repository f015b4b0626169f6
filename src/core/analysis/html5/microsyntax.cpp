#include "core/analysis/html5/microsyntax.h"

namespace markloom::html5 {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAlnum(char c) { return isDigit(c) || isAlpha(c); }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool mimeToken(std::string_view v, std::size_t& i) {
  const std::size_t start = i;
  static constexpr std::string_view kSpecials = "()<>@,;:\\\"/[]?= \t";
  while (i < v.size() && static_cast<unsigned char>(v[i]) > 32 && static_cast<unsigned char>(v[i]) < 127 &&
         kSpecials.find(v[i]) == std::string_view::npos)
    ++i;
  return i > start;
}

}  // namespace

bool skipChar(std::string_view v, std::size_t& i, char c) {
  if (i < v.size() && v[i] == c) {
    ++i;
    return true;
  }
  return false;
}

bool isHtmlSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string_view trimSpaces(std::string_view text) {
  while (!text.empty() && isHtmlSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isHtmlSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

bool isNonNegativeInteger(std::string_view v) {
  if (v.empty()) return false;
  for (char c : v)
    if (!isDigit(c)) return false;
  return true;
}

bool isInteger(std::string_view v) {
  if (!v.empty() && v[0] == '-') v.remove_prefix(1);
  return isNonNegativeInteger(v);
}

bool isPositiveInteger(std::string_view v) { return isNonNegativeInteger(v) && integerValue(v, 1) > 0; }

long integerValue(std::string_view v, long cap) {
  long value = 0;
  for (char c : v) {
    value = value * 10 + (c - '0');
    if (value >= cap) return cap;
  }
  return value;
}

bool isFloatingPointNumber(std::string_view v) {
  std::size_t i = 0;
  skipChar(v, i, '-');
  const std::size_t intStart = i;
  while (i < v.size() && isDigit(v[i])) ++i;
  const bool hasInt = i > intStart;
  if (skipChar(v, i, '.')) {
    const std::size_t f = i;
    while (i < v.size() && isDigit(v[i])) ++i;
    if (i == f) return false;
  } else if (!hasInt) {
    return false;
  }
  if (i < v.size() && (v[i] == 'e' || v[i] == 'E')) {
    ++i;
    if (!skipChar(v, i, '+')) skipChar(v, i, '-');
    const std::size_t e = i;
    while (i < v.size() && isDigit(v[i])) ++i;
    if (i == e) return false;
  }
  return i == v.size();
}

bool isValidUrl(std::string_view v) {
  for (char c : trimSpaces(v))
    if (isHtmlSpace(c) || c == '\\') return false;
  return true;
}

bool isNonEmptyUrl(std::string_view v) { return !trimSpaces(v).empty() && isValidUrl(v); }

bool isAbsoluteUrl(std::string_view v) {
  v = trimSpaces(v);
  if (v.empty() || !isAlpha(v[0]) || !isValidUrl(v)) return false;
  for (std::size_t i = 1; i < v.size(); ++i) {
    if (v[i] == ':') return true;
    if (!isAlnum(v[i]) && v[i] != '+' && v[i] != '-' && v[i] != '.') return false;
  }
  return false;
}

bool isLanguageTag(std::string_view v) {
  if (v.empty()) return true;  // lang="" says the language is unknown
  std::size_t i = 0;
  int index = 0;
  bool privateUse = false;
  while (i <= v.size()) {
    const std::size_t start = i;
    while (i < v.size() && v[i] != '-') ++i;
    const std::string_view sub = v.substr(start, i - start);
    if (sub.empty() || sub.size() > 8) return false;
    for (char c : sub)
      if (!isAlnum(c)) return false;
    if (index == 0) {
      bool letters = true;
      for (char c : sub) letters = letters && isAlpha(c);
      if (!letters) return false;
      if (sub.size() == 1) {
        if (lower(sub[0]) != 'x' && lower(sub[0]) != 'i') return false;
        privateUse = true;
      } else if (sub.size() == 4) {
        return false;  // four letters is a script, never a language
      }
    } else if (privateUse || sub.size() > 1) {
      // fine
    } else if (lower(sub[0]) == 'x') {
      privateUse = true;
    }
    ++index;
    if (i == v.size()) break;
    ++i;
    if (i == v.size()) return false;  // a trailing '-'
  }
  return true;
}

bool isMimeType(std::string_view v) {
  std::size_t i = 0;
  if (!mimeToken(v, i) || !skipChar(v, i, '/') || !mimeToken(v, i)) return false;
  while (i < v.size()) {
    while (i < v.size() && isHtmlSpace(v[i])) ++i;
    if (!skipChar(v, i, ';')) return false;
    while (i < v.size() && isHtmlSpace(v[i])) ++i;
    if (!mimeToken(v, i) || !skipChar(v, i, '=')) return false;
    if (skipChar(v, i, '"')) {
      while (i < v.size() && v[i] != '"') ++i;
      if (!skipChar(v, i, '"')) return false;
    } else if (!mimeToken(v, i)) {
      return false;
    }
  }
  return true;
}

bool isJavaScriptMimeType(std::string_view v) {
  static constexpr std::string_view kTypes[] = {"text/javascript",
                                                "application/javascript",
                                                "application/ecmascript",
                                                "application/x-ecmascript",
                                                "application/x-javascript",
                                                "text/ecmascript",
                                                "text/javascript1.0",
                                                "text/javascript1.1",
                                                "text/javascript1.2",
                                                "text/javascript1.3",
                                                "text/javascript1.4",
                                                "text/javascript1.5",
                                                "text/jscript",
                                                "text/livescript",
                                                "text/x-ecmascript",
                                                "text/x-javascript"};
  v = trimSpaces(v);
  for (auto t : kTypes)
    if (equalsIgnoringCase(v, t)) return true;
  return false;
}

bool isAcceptList(std::string_view v) {
  std::size_t i = 0;
  while (i <= v.size()) {
    const std::size_t comma = v.find(',', i);
    const std::string_view item = trimSpaces(v.substr(i, comma == std::string_view::npos ? v.npos : comma - i));
    if (item.empty()) return false;
    if (item[0] == '.') {
      if (item.size() < 2) return false;
    } else if (!equalsIgnoringCase(item, "audio/*") && !equalsIgnoringCase(item, "video/*") &&
               !equalsIgnoringCase(item, "image/*") && !isMimeType(item)) {
      return false;
    }
    if (comma == std::string_view::npos) break;
    i = comma + 1;
  }
  return true;
}

bool isSrcset(std::string_view v, bool& usesWidths) {
  usesWidths = false;
  bool usesDensities = false;
  bool defaultDensity = false;
  std::size_t i = 0;
  bool any = false;
  while (true) {
    while (i < v.size() && (isHtmlSpace(v[i]) || v[i] == ',')) {
      if (v[i] == ',' && any) return false;  // an empty candidate
      ++i;
    }
    if (i == v.size()) return any;
    const std::size_t urlStart = i;
    while (i < v.size() && !isHtmlSpace(v[i])) ++i;
    std::string_view url = v.substr(urlStart, i - urlStart);
    bool endsCandidate = false;
    if (!url.empty() && url.back() == ',') {
      while (!url.empty() && url.back() == ',') url.remove_suffix(1);
      endsCandidate = true;
    }
    if (url.empty() || url.find('\\') != std::string_view::npos) return false;
    std::string_view descriptor;
    if (!endsCandidate) {
      while (i < v.size() && isHtmlSpace(v[i])) ++i;
      const std::size_t d = i;
      while (i < v.size() && v[i] != ',') ++i;
      descriptor = trimSpaces(v.substr(d, i - d));
      if (i < v.size()) ++i;  // the comma
    }
    any = true;
    if (descriptor.empty()) {
      if (defaultDensity) return false;  // two candidates for density 1
      defaultDensity = true;
      usesDensities = true;
    } else {
      const char unit = lower(descriptor.back());
      const std::string_view number = descriptor.substr(0, descriptor.size() - 1);
      if (unit == 'w') {
        if (!isPositiveInteger(number)) return false;
        usesWidths = true;
      } else if (unit == 'x') {
        if (!isFloatingPointNumber(number) || number[0] == '-') return false;
        usesDensities = true;
      } else {
        return false;
      }
    }
    // Widths and densities may not be mixed; a bare candidate counts as 1x.
    if (usesWidths && usesDensities) return false;
    if (i >= v.size()) return true;
  }
}

bool isValidId(std::string_view v) {
  if (v.empty()) return false;
  for (char c : v)
    if (isHtmlSpace(c)) return false;
  return true;
}

bool isCustomElementName(std::string_view name) {
  if (name.empty() || !isAlpha(name[0])) return false;
  bool hyphen = false;
  for (char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '-')
      hyphen = true;
    else if (!(isAlnum(c) || c == '.' || c == '_' || u >= 0x80))
      return false;
  }
  return hyphen;
}

bool isReservedCustomName(std::string_view upperName) {
  static constexpr std::string_view kReserved[] = {"ANNOTATION-XML", "COLOR-PROFILE", "FONT-FACE",
                                                   "FONT-FACE-SRC",  "FONT-FACE-URI", "FONT-FACE-FORMAT",
                                                   "FONT-FACE-NAME", "MISSING-GLYPH"};
  for (auto r : kReserved)
    if (upperName == r) return true;
  return false;
}

}  // namespace markloom::html5
