#pragma once
// The value each attribute may take, by the grammar it follows: keywords,
// numbers, URLs, dates, language tags, MIME types, image candidates, id
// references. One table row per attribute (and the elements it is for, when
// it means different things on different elements).
#include <string_view>
#include <vector>

namespace markloom::html5 {

enum class ValueKind {
  Boolean,       // empty or the attribute's own name
  Keyword,       // one of the keywords, any letter case
  KeywordExact,  // one of the keywords, letter case as listed
  KeywordList,   // keywords separated by white space, each from the list
  Integer,
  NonNegative,
  Positive,
  Float,
  Url,
  NonEmptyUrl,
  UrlList,       // URLs separated by white space
  AbsoluteUrls,  // absolute URLs separated by white space
  Id,
  IdRef,   // the id of another element
  IdRefs,  // ids separated by white space
  Language,
  Mime,
  Accept,
  DateOptionalTime,
  TimeValue,
  Srcset,
  NonEmpty,
  Charset,  // utf-8 only
  Target,   // a name, or _blank _self _parent _top
  Step,     // "any" or a number above zero
  Colspan,  // 1 to 1000
  Rowspan,  // 0 to 65534
  CustomElement,
  Autofill,  // on, off, or autofill detail tokens
};

struct ValueRule {
  std::string_view attribute;              // upper case
  std::vector<std::string_view> elements;  // empty: every element
  ValueKind kind;
  std::vector<std::string_view> keywords;  // lower case, "" for the empty value
  std::string_view expected;               // what the row says the value should be
};

// The rule for an attribute on an element (upper case); nullptr when its
// value is not checked.
const ValueRule* findValueRule(std::string_view element, std::string_view attribute);

// Whether value conforms. References (IdRef, IdRefs) are checked for their
// shape only; whether the ids exist is known at the end of the document.
bool valueConforms(const ValueRule& rule, std::string_view value);

// A rel keyword on link, a, area or form (upper-case element): one HTML
// defines for that element, one it defines only for others, or one it does not
// define (a registered extension at best, so only advice).
enum class RelKeyword { Defined, OtherElement, Undefined };
RelKeyword relKeyword(std::string_view element, std::string_view keyword);

}  // namespace markloom::html5
