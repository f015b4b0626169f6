#pragma once
// The value grammars of HTML attributes: numbers, dates and times, language
// tags, MIME types, URLs, image candidate lists and the like. Each returns true
// for a conforming value; none allocates, so a check per attribute costs only
// a pass over its value.
#include <string_view>

namespace markloom::html5 {

bool isHtmlSpace(char c);
std::string_view trimSpaces(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// Steps over c when it stands at v[i]; true when it did.
bool skipChar(std::string_view v, std::size_t& i, char c);

// Calls f(token) for every token of a list separated by white space.
template <class F>
void forEachToken(std::string_view text, F&& f) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && isHtmlSpace(text[i])) ++i;
    const std::size_t start = i;
    while (i < text.size() && !isHtmlSpace(text[i])) ++i;
    if (i > start) f(text.substr(start, i - start));
  }
}

bool isInteger(std::string_view v);              // -?[0-9]+
bool isNonNegativeInteger(std::string_view v);   // [0-9]+
bool isPositiveInteger(std::string_view v);      // a non-negative integer above zero
bool isFloatingPointNumber(std::string_view v);  // -?(D+|D*.D+)([eE][+-]?D+)?
// The number a non-negative integer stands for, capped at cap.
long integerValue(std::string_view v, long cap);

// A URL as HTML attributes carry it: white space around it is allowed, white
// space inside it and a backslash are not.
bool isValidUrl(std::string_view v);
bool isNonEmptyUrl(std::string_view v);
bool isAbsoluteUrl(std::string_view v);  // scheme ":" then the rest of a URL

bool isDateString(std::string_view v);            // YYYY-MM-DD with a real day of that month
bool isDateWithOptionalTime(std::string_view v);  // a date, or a global date and time
bool isTimeElementValue(std::string_view v);      // anything a time element's datetime may hold
bool isLanguageTag(std::string_view v);           // a BCP 47 tag's shape (or empty)
bool isMimeType(std::string_view v);              // type "/" subtype, then parameters
bool isJavaScriptMimeType(std::string_view v);
bool isAcceptList(std::string_view v);                // MIME types, audio/* video/* image/*, .extensions
bool isSrcset(std::string_view v, bool& usesWidths);  // image candidates; usesWidths: a "w" descriptor met
bool isValidId(std::string_view v);                   // at least one character, no white space
bool isCustomElementName(std::string_view lowerOrUpper);
bool isReservedCustomName(std::string_view upperName);

}  // namespace markloom::html5
