#include "core/analysis/html5/attribute_values.h"

#include "core/analysis/attribute_numbers.h"
#include "core/analysis/html5/autofill.h"
#include "core/analysis/html5/dates.h"
#include "core/analysis/html5/microsyntax.h"
#include "core/analysis/name_table.h"

namespace markloom::html5 {

namespace {

struct RuleText {
  const char* attribute;
  const char* elements;  // blank-separated; empty for every element
  ValueKind kind;
  const char* keywords;  // blank-separated; "''" stands for the empty value
  const char* expected;
};

using K = ValueKind;

#define BOOL(name, elements) \
  { name, elements, K::Boolean, "", "empty or the attribute's name" }
#define WHOLE "a whole number"
#define POSITIVE "a whole number above zero"

constexpr RuleText kRules[] = {
    // Global attributes.
    {"ID", "", K::Id, "", "at least one character and no white space"},
    {"LANG", "", K::Language, "", "a language tag"},
    {"XML:LANG", "", K::Language, "", "a language tag"},
    {"DIR", "", K::Keyword, "ltr rtl auto", "ltr, rtl or auto"},
    {"TABINDEX", "", K::Integer, "", "a whole number"},
    {"TRANSLATE", "", K::Keyword, "'' yes no", "yes or no"},
    {"DRAGGABLE", "", K::Keyword, "true false", "true or false"},
    {"SPELLCHECK", "", K::Keyword, "'' true false", "true or false"},
    {"CONTENTEDITABLE", "", K::Keyword, "'' true false plaintext-only", "true, false or plaintext-only"},
    {"HIDDEN", "", K::Keyword, "'' hidden until-found", "empty, hidden or until-found"},
    {"AUTOCAPITALIZE", "", K::Keyword, "'' off none on sentences words characters", "a capitalization keyword"},
    {"AUTOCORRECT", "", K::Keyword, "'' on off", "on or off"},
    {"INPUTMODE", "", K::Keyword, "none text tel url email numeric decimal search", "an input mode"},
    {"ENTERKEYHINT", "", K::Keyword, "enter done go next previous search send", "an enter key hint"},
    {"POPOVER", "", K::Keyword, "'' auto manual hint", "empty, auto, manual or hint"},
    {"WRITINGSUGGESTIONS", "", K::Keyword, "'' true false", "true or false"},
    {"IS", "", K::CustomElement, "", "a custom element name"},
    {"ITEMTYPE", "", K::AbsoluteUrls, "", "absolute URLs"},
    {"ITEMID", "", K::Url, "", "a URL"},
    {"ITEMREF", "", K::IdRefs, "", "ids"},
    {"HEADINGOFFSET", "", K::NonNegative, "", WHOLE},
    BOOL("AUTOFOCUS", ""),
    BOOL("INERT", ""),
    BOOL("ITEMSCOPE", ""),
    BOOL("HEADINGRESET", ""),
    // Links and resources.
    {"HREF", "BASE LINK", K::NonEmptyUrl, "", "a non-empty URL"},
    {"HREF", "A AREA", K::Url, "", "a URL"},
    {"SRC", "", K::NonEmptyUrl, "", "a non-empty URL"},
    {"CITE", "", K::Url, "", "a URL"},
    {"ACTION", "", K::NonEmptyUrl, "", "a non-empty URL"},
    {"FORMACTION", "", K::NonEmptyUrl, "", "a non-empty URL"},
    {"POSTER", "", K::NonEmptyUrl, "", "a non-empty URL"},
    {"DATA", "OBJECT", K::NonEmptyUrl, "", "a non-empty URL"},
    {"PING", "", K::UrlList, "", "URLs separated by blanks"},
    {"MANIFEST", "", K::NonEmptyUrl, "", "a non-empty URL"},
    {"TARGET", "", K::Target, "", "a name or _blank, _self, _parent, _top"},
    {"FORMTARGET", "", K::Target, "", "a name or _blank, _self, _parent, _top"},
    {"HREFLANG", "", K::Language, "", "a language tag"},
    {"SRCLANG", "", K::Language, "", "a language tag"},
    {"TYPE", "A LINK EMBED OBJECT SOURCE", K::Mime, "", "a MIME type"},
    {"CROSSORIGIN", "", K::Keyword, "'' anonymous use-credentials", "anonymous or use-credentials"},
    {"REFERRERPOLICY", "", K::Keyword,
     "'' no-referrer no-referrer-when-downgrade same-origin origin strict-origin origin-when-cross-origin "
     "strict-origin-when-cross-origin unsafe-url",
     "a referrer policy"},
    {"LOADING", "", K::Keyword, "lazy eager", "lazy or eager"},
    {"DECODING", "", K::Keyword, "sync async auto", "sync, async or auto"},
    {"FETCHPRIORITY", "", K::Keyword, "high low auto", "high, low or auto"},
    {"AS", "LINK", K::Keyword,
     "audio audioworklet document embed fetch font frame iframe image json manifest object paintworklet report "
     "script serviceworker sharedworker style track video webidentity worker xslt",
     "a request destination"},
    {"BLOCKING", "", K::KeywordList, "render", "render"},
    {"SRCSET", "", K::Srcset, "", "image candidates"},
    {"IMAGESRCSET", "", K::Srcset, "", "image candidates"},
    {"SIZES", "IMG SOURCE", K::NonEmpty, "", "source sizes"},
    {"USEMAP", "", K::NonEmpty, "", "#name of a map"},
    // Numbers.
    {"WIDTH", "IMG IFRAME EMBED OBJECT VIDEO CANVAS SOURCE INPUT", K::NonNegative, "", WHOLE},
    {"HEIGHT", "IMG IFRAME EMBED OBJECT VIDEO CANVAS SOURCE INPUT", K::NonNegative, "", WHOLE},
    {"COLSPAN", "", K::Colspan, "", "a whole number from 1 to 1000"},
    {"ROWSPAN", "", K::Rowspan, "", "a whole number from 0 to 65534"},
    {"SPAN", "", K::Positive, "", POSITIVE},
    {"MAXLENGTH", "", K::NonNegative, "", WHOLE},
    {"MINLENGTH", "", K::NonNegative, "", WHOLE},
    {"SIZE", "INPUT SELECT", K::Positive, "", POSITIVE},
    {"ROWS", "TEXTAREA", K::Positive, "", POSITIVE},
    {"COLS", "TEXTAREA", K::Positive, "", POSITIVE},
    {"START", "OL", K::Integer, "", "a whole number"},
    {"VALUE", "LI", K::Integer, "", "a whole number"},
    {"VALUE", "PROGRESS METER", K::Float, "", "a number"},
    {"MIN", "METER", K::Float, "", "a number"},
    {"MAX", "METER PROGRESS", K::Float, "", "a number"},
    {"LOW", "", K::Float, "", "a number"},
    {"HIGH", "", K::Float, "", "a number"},
    {"OPTIMUM", "", K::Float, "", "a number"},
    {"STEP", "", K::Step, "", "any or a number above zero"},
    // Dates and times.
    {"DATETIME", "INS DEL", K::DateOptionalTime, "", "a date, or a date and time with a time zone"},
    {"DATETIME", "TIME", K::TimeValue, "", "a date, time, duration or the like"},
    // Keywords of single elements.
    {"TYPE", "INPUT", K::Keyword,
     "hidden text search tel url email password date month week time datetime-local number range color checkbox "
     "radio file submit image reset button",
     "an input type"},
    {"TYPE", "BUTTON", K::Keyword, "submit reset button", "submit, reset or button"},
    {"TYPE", "OL", K::KeywordExact, "1 a A i I", "1, a, A, i or I"},
    {"TYPE", "STYLE", K::Keyword, "'' text/css", "text/css"},
    {"METHOD", "FORM", K::Keyword, "get post dialog", "get, post or dialog"},
    {"FORMMETHOD", "", K::Keyword, "get post dialog", "get, post or dialog"},
    {"ENCTYPE", "", K::Keyword, "application/x-www-form-urlencoded multipart/form-data text/plain", "a form encoding"},
    {"FORMENCTYPE", "", K::Keyword, "application/x-www-form-urlencoded multipart/form-data text/plain",
     "a form encoding"},
    {"PRELOAD", "", K::Keyword, "'' none metadata auto", "none, metadata or auto"},
    {"KIND", "TRACK", K::Keyword, "subtitles captions descriptions chapters metadata", "a kind of text track"},
    {"SHAPE", "AREA", K::Keyword, "rect circle poly default", "rect, circle, poly or default"},
    {"SCOPE", "TH", K::Keyword, "row col rowgroup colgroup", "row, col, rowgroup or colgroup"},
    {"WRAP", "TEXTAREA", K::Keyword, "soft hard", "soft or hard"},
    {"SHADOWROOTMODE", "TEMPLATE", K::Keyword, "open closed", "open or closed"},
    {"POPOVERTARGETACTION", "", K::Keyword, "toggle show hide", "toggle, show or hide"},
    {"CLOSEDBY", "DIALOG", K::Keyword, "any closerequest none", "any, closerequest or none"},
    {"HTTP-EQUIV", "META", K::Keyword,
     "content-type default-style refresh x-ua-compatible content-security-policy origin-trial", "a pragma directive"},
    {"CHARSET", "META", K::Charset, "", "utf-8"},
    {"SANDBOX", "IFRAME", K::KeywordList,
     "allow-downloads allow-forms allow-modals allow-orientation-lock allow-pointer-lock allow-popups "
     "allow-popups-to-escape-sandbox allow-presentation allow-same-origin allow-scripts allow-top-navigation "
     "allow-top-navigation-by-user-activation allow-top-navigation-to-custom-protocols",
     "sandbox keywords"},
    {"ACCEPT", "INPUT", K::Accept, "", "MIME types or file extensions separated by commas"},
    {"AUTOCOMPLETE", "FORM", K::Keyword, "on off", "on or off"},
    {"AUTOCOMPLETE", "INPUT SELECT TEXTAREA", K::Autofill, "", "on, off or autofill field names"},
    // References to other elements.
    {"FOR", "LABEL", K::IdRef, "", "the id of a form control"},
    {"FOR", "OUTPUT", K::IdRefs, "", "ids"},
    {"HEADERS", "", K::IdRefs, "", "ids of header cells"},
    {"LIST", "INPUT", K::IdRef, "", "the id of a datalist"},
    {"FORM", "", K::IdRef, "", "the id of a form"},
    {"POPOVERTARGET", "", K::IdRef, "", "the id of a popover"},
    {"COMMANDFOR", "", K::IdRef, "", "the id of an element"},
    // Boolean attributes.
    BOOL("ALLOWFULLSCREEN", ""),
    BOOL("ASYNC", ""),
    BOOL("AUTOPLAY", ""),
    BOOL("CHECKED", ""),
    BOOL("CONTROLS", ""),
    BOOL("DEFAULT", ""),
    BOOL("DEFER", ""),
    BOOL("DISABLED", ""),
    BOOL("FORMNOVALIDATE", ""),
    BOOL("ISMAP", ""),
    BOOL("LOOP", ""),
    BOOL("MULTIPLE", ""),
    BOOL("MUTED", ""),
    BOOL("NOMODULE", ""),
    BOOL("NOVALIDATE", ""),
    BOOL("OPEN", ""),
    BOOL("PLAYSINLINE", ""),
    BOOL("READONLY", ""),
    BOOL("REQUIRED", ""),
    BOOL("REVERSED", ""),
    BOOL("SELECTED", ""),
    BOOL("SHADOWROOTDELEGATESFOCUS", ""),
    BOOL("SHADOWROOTCLONABLE", ""),
    BOOL("SHADOWROOTSERIALIZABLE", ""),
    BOOL("DISABLEPICTUREINPICTURE", ""),
    BOOL("DISABLEREMOTEPLAYBACK", ""),
    BOOL("ALPHA", ""),
};

#undef BOOL
#undef WHOLE
#undef POSITIVE

struct Index {
  std::vector<ValueRule> rules;
  NameTable<std::vector<std::size_t>, 512> byAttribute;
};

std::vector<std::string_view> keywordsOf(const char* text) {
  std::vector<std::string_view> out = splitNames(text);
  for (auto& k : out)
    if (k == "''") k = std::string_view();
  return out;
}

const Index& index() {
  static const Index ix = [] {
    Index built;
    built.rules.reserve(std::size(kRules));
    for (const auto& r : kRules)
      built.rules.push_back({r.attribute, splitNames(r.elements), r.kind, keywordsOf(r.keywords), r.expected});
    for (std::size_t i = 0; i < built.rules.size(); ++i)
      built.byAttribute.insert(built.rules[i].attribute).push_back(i);
    return built;
  }();
  return ix;
}

bool isKeyword(const ValueRule& rule, std::string_view value, bool exact) {
  for (auto k : rule.keywords)
    if (exact ? value == k : equalsIgnoringCase(value, k)) return true;
  return false;
}

// The link types of HTML, by where they may stand.
constexpr const char* kLinkRel =
    "alternate canonical author compression-dictionary dns-prefetch expect help icon manifest modulepreload license "
    "next pingback preconnect prefetch preload prev privacy-policy search stylesheet terms-of-service";
constexpr const char* kAnchorRel =
    "alternate author bookmark external help license next nofollow noopener noreferrer opener prev privacy-policy "
    "search tag terms-of-service";
constexpr const char* kFormRel = "external help license next nofollow noopener noreferrer opener prev search";
// Extensions in wide use that pages carry without fault: the older link types
// and the icon names of mobile platforms.
constexpr const char* kExtensionRel =
    "shortcut apple-touch-icon apple-touch-icon-precomposed apple-touch-startup-image mask-icon index contents "
    "copyright glossary chapter section subsection appendix start top up first last home me webmention "
    "openid.server openid.delegate openid2.provider openid2.local_id sitemap amphtml shortlink hub edituri "
    "wlwmanifest profile syndication";

bool inList(const std::vector<std::string_view>& list, std::string_view keyword) {
  for (auto k : list)
    if (equalsIgnoringCase(k, keyword)) return true;
  return false;
}

}  // namespace

RelKeyword relKeyword(std::string_view element, std::string_view keyword) {
  static const std::vector<std::string_view> link = splitNames(kLinkRel), anchor = splitNames(kAnchorRel),
                                             form = splitNames(kFormRel), extension = splitNames(kExtensionRel);
  const std::vector<std::string_view>& own = element == "LINK" ? link : element == "FORM" ? form : anchor;
  if (inList(own, keyword) || inList(extension, keyword)) return RelKeyword::Defined;
  if (inList(link, keyword) || inList(anchor, keyword)) return RelKeyword::OtherElement;
  return RelKeyword::Undefined;
}

const ValueRule* findValueRule(std::string_view element, std::string_view attribute) {
  const Index& ix = index();
  const auto* list = ix.byAttribute.find(attribute);
  if (!list) return nullptr;
  for (std::size_t i : *list) {
    const ValueRule& rule = ix.rules[i];
    if (rule.elements.empty()) return &rule;
    for (auto e : rule.elements)
      if (e == element) return &rule;
  }
  return nullptr;
}

bool valueConforms(const ValueRule& rule, std::string_view value) {
  const std::string_view v = trimSpaces(value);
  switch (rule.kind) {
    case K::Boolean: return value.empty() || equalsIgnoringCase(value, rule.attribute);
    case K::Keyword: return isKeyword(rule, value, false);
    case K::KeywordExact: return isKeyword(rule, value, true);
    case K::KeywordList: {
      bool ok = true;
      forEachToken(value, [&](std::string_view t) { ok = ok && isKeyword(rule, t, false); });
      return ok;
    }
    case K::Integer: return isInteger(value);
    case K::NonNegative: return isNonNegativeInteger(value);
    case K::Positive: return isPositiveInteger(value);
    case K::Float: return isFloatingPointNumber(value);
    case K::Url: return isValidUrl(value);
    case K::NonEmptyUrl: return isNonEmptyUrl(value);
    case K::UrlList: {
      bool ok = true;
      forEachToken(value, [&](std::string_view t) { ok = ok && t.find('\\') == std::string_view::npos; });
      return ok;
    }
    case K::AbsoluteUrls: {
      bool ok = !v.empty();
      forEachToken(value, [&](std::string_view t) { ok = ok && isAbsoluteUrl(t); });
      return ok;
    }
    case K::Id: return isValidId(value);
    case K::IdRef: return isValidId(value);
    case K::IdRefs: return !v.empty();
    case K::Language: return isLanguageTag(value);
    case K::Mime: return isMimeType(v);
    case K::Accept: return isAcceptList(value);
    case K::DateOptionalTime: return isDateWithOptionalTime(v);
    case K::TimeValue: return isTimeElementValue(v);
    case K::Srcset: {
      bool widths = false;
      return isSrcset(value, widths);
    }
    case K::NonEmpty: return !v.empty();
    case K::Charset: return equalsIgnoringCase(v, "utf-8");
    case K::Target:
      return !value.empty() &&
             (value[0] != '_' || equalsIgnoringCase(value, "_blank") || equalsIgnoringCase(value, "_self") ||
              equalsIgnoringCase(value, "_parent") || equalsIgnoringCase(value, "_top"));
    case K::Step: return equalsIgnoringCase(v, "any") || (isFloatingPointNumber(v) && v[0] != '-' && v != "0");
    case K::Colspan: return isPositiveInteger(value) && integerValue(value, 1001) <= 1000;
    case K::Rowspan: return isNonNegativeInteger(value) && integerValue(value, 65535) <= 65534;
    case K::CustomElement: return isCustomElementName(value);
    case K::Autofill: return isAutofillDetail(value);
  }
  return true;
}

}  // namespace markloom::html5
