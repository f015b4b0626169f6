#include "core/analysis/html5/attribute_checker.h"

#include "core/analysis/attribute_numbers.h"
#include "core/analysis/html5/aria.h"
#include "core/analysis/html5/attribute_values.h"
#include "core/analysis/html5/microsyntax.h"
#include "core/analysis/html5/rows.h"
#include "core/analysis/name_table.h"

namespace markloom::html5 {

namespace {

// The input types each type-specific attribute applies to.
struct InputAttribute {
  const char* attribute;
  const char* types;
};

#define TEXTUAL "text search url tel email password"
#define DATES "date month week time datetime-local"

constexpr InputAttribute kInputAttributes[] = {
    {"ACCEPT", "file"},
    {"ALT", "image"},
    {"CHECKED", "checkbox radio"},
    {"DIRNAME", TEXTUAL " hidden submit reset button"},
    {"FORMACTION", "submit image"},
    {"FORMENCTYPE", "submit image"},
    {"FORMMETHOD", "submit image"},
    {"FORMNOVALIDATE", "submit image"},
    {"FORMTARGET", "submit image"},
    {"HEIGHT", "image"},
    {"WIDTH", "image"},
    {"SRC", "image"},
    {"LIST", TEXTUAL " " DATES " number range color"},
    {"MAX", DATES " number range"},
    {"MIN", DATES " number range"},
    {"STEP", DATES " number range"},
    {"MAXLENGTH", TEXTUAL},
    {"MINLENGTH", TEXTUAL},
    {"PATTERN", TEXTUAL},
    {"SIZE", TEXTUAL},
    {"MULTIPLE", "email file"},
    {"PLACEHOLDER", TEXTUAL " number"},
    {"READONLY", TEXTUAL " " DATES " number"},
    {"REQUIRED", TEXTUAL " " DATES " number checkbox radio file"},
    {"POPOVERTARGET", "submit image reset button"},
    {"POPOVERTARGETACTION", "submit image reset button"},
    {"ALPHA", "color"},
    {"COLORSPACE", "color"},
};

#undef TEXTUAL
#undef DATES

const NameTable<std::vector<std::string_view>, 64>& inputAttributes() {
  static const auto table = [] {
    NameTable<std::vector<std::string_view>, 64> t;
    for (const auto& a : kInputAttributes) t.insert(a.attribute) = splitNames(a.types);
    return t;
  }();
  return table;
}

constexpr std::size_t kRepeatWindow = 64;

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::string lowerCopy(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

}  // namespace

const TagAttribute* findAttribute(const std::vector<TagAttribute>& attributes, std::string_view upperName) {
  for (const auto& a : attributes)
    if (a.name == upperName) return &a;
  return nullptr;
}

void AttributeChecker::check(std::string_view element, const std::vector<TagAttribute>& attributes,
                             const NestingChecker& nesting, int line) {
  for (std::size_t i = 0; i < attributes.size(); ++i) {
    const TagAttribute& a = attributes[i];
    // Repeats are looked for among the first names only, so a tag with
    // thousands of attributes costs no more than a pass over them.
    bool repeated = false;
    for (std::size_t j = 0; j < i && j < kRepeatWindow && !repeated; ++j) repeated = attributes[j].name == a.name;
    if (repeated) {
      rows_.push_back(
          makeRow(a.name, "DUPLICATE PROPERTY: " + a.name + " IN <" + std::string(element) + ">", kError, line));
      continue;
    }
    if (a.name.size() > 4 && a.name.compare(0, 4, "ITEM") == 0) microdata_ = true;
    if (a.cut) continue;
    checkValue(element, a, line);
  }
  checkRequired(element, attributes, nesting, line);
  microdata_ = false;
  if (element == "INPUT") checkInputType(attributes, line);
}

void AttributeChecker::checkValue(std::string_view element, const TagAttribute& a, int line) {
  if (a.name == "ROLE") return;  // with the other attributes, in checkRequired
  if (a.name.size() > 5 && startsWith(a.name, "ARIA-")) {
    const AriaAttribute* aria = findAriaAttribute(a.name);
    if (!aria) {
      rows_.push_back(unknownPropertyRow(a.name, element, line));
      return;
    }
    if (!ariaValueConforms(*aria, a.value))
      rows_.push_back(badValueRow(a.name, a.value, element, ariaExpected(aria->value), line));
    else if (aria->value == AriaValue::IdRef || aria->value == AriaValue::IdRefs)
      ids_.refer(a.value, aria->value == AriaValue::IdRefs, a.name, element, line);
    return;
  }
  if (a.name == "REL" && (element == "LINK" || element == "A" || element == "AREA" || element == "FORM")) {
    forEachToken(a.value, [&](std::string_view keyword) {
      switch (relKeyword(element, keyword)) {
        case RelKeyword::Defined: break;
        case RelKeyword::OtherElement:
          rows_.push_back(badValueRow("REL", keyword, element, "a link type of this element", line));
          break;
        case RelKeyword::Undefined:
          rows_.push_back(badValueRow("REL", keyword, element, "not a link type HTML defines", line, kWarning));
          break;
      }
    });
    return;
  }
  const ValueRule* rule = findValueRule(element, a.name);
  if (!rule) return;
  if (!valueConforms(*rule, a.value)) {
    rows_.push_back(badValueRow(a.name, a.value, element, rule->expected, line));
    return;
  }
  if (rule->kind == ValueKind::Id) ids_.define(a.value, line);
  if (rule->kind == ValueKind::IdRef || rule->kind == ValueKind::IdRefs)
    ids_.refer(a.value, rule->kind == ValueKind::IdRefs, a.name, element, line);
}

void AttributeChecker::checkRole(std::string_view element, const std::vector<TagAttribute>& attributes,
                                 std::string_view value, int line) {
  std::string first;
  bool bad = false;
  forEachToken(value, [&](std::string_view token) {
    const std::string role = lowerCopy(token);
    if (!isAriaRole(role)) bad = true;
    if (first.empty()) first = role;
  });
  if (bad || first.empty()) {
    rows_.push_back(badValueRow("ROLE", value, element, "ARIA roles", line));
    return;
  }
  const TagAttribute* type = findAttribute(attributes, "TYPE");
  const std::string inputType = type ? lowerCopy(trimSpaces(type->value)) : std::string("text");
  switch (roleFit(element, inputType, findAttribute(attributes, "HREF") != nullptr, first)) {
    case RoleFit::Allowed: break;
    case RoleFit::Redundant:
      rows_.push_back(
          makeRow("ROLE", "UNNECESSARY ROLE: " + first + " IN <" + std::string(element) + ">", kWarning, line));
      return;
    case RoleFit::NotAllowed:
      rows_.push_back(badValueRow("ROLE", value, element, "a role this element may take", line));
      return;
  }
  if (element == "INPUT") return;  // native controls carry their state themselves
  for (auto needed : requiredAriaAttributes(first))
    if (!findAttribute(attributes, needed)) rows_.push_back(missingAttributeRow(needed, element, line));
}

void AttributeChecker::checkRequired(std::string_view element, const std::vector<TagAttribute>& attributes,
                                     const NestingChecker& nesting, int line) {
  auto has = [&](std::string_view name) { return findAttribute(attributes, name) != nullptr; };
  auto require = [&](std::string_view name) {
    if (!has(name)) rows_.push_back(missingAttributeRow(name, element, line));
  };
  if (attributes.empty()) {
    // Only the elements' own requirements below can apply.
  } else if (const TagAttribute* role = findAttribute(attributes, "ROLE")) {
    checkRole(element, attributes, role->value, line);
  }
  // Microdata.
  if (!microdata_) {
    // No item* attribute at all.
  } else if (!has("ITEMSCOPE")) {
    for (const char* name : {"ITEMTYPE", "ITEMREF", "ITEMID"})
      if (has(name)) rows_.push_back(attributeNotAllowedRow(name, std::string(element) + " WITHOUT ITEMSCOPE", line));
  } else if (has("ITEMID") && !has("ITEMTYPE")) {
    rows_.push_back(missingAttributeRow("ITEMTYPE", element, line));
  }
  // Image candidates described by width need sizes.
  if (element == "IMG" || element == "SOURCE") {
    bool widths = false;
    const TagAttribute* srcset = findAttribute(attributes, "SRCSET");
    if (srcset && isSrcset(srcset->value, widths) && widths && !has("SIZES")) require("SIZES");
  }
  if (element == "IMG") {
    require("SRC");
    if (!has("ALT") && !has("TITLE") && !nesting.inside("FIGURE")) require("ALT");
  } else if (element == "AREA") {
    if (has("HREF")) require("ALT");
  } else if (element == "OPTGROUP") {
    require("LABEL");
  } else if (element == "MAP") {
    require("NAME");
  } else if (element == "BDO") {
    require("DIR");
  } else if (element == "DATA") {
    require("VALUE");
  } else if (element == "TRACK") {
    require("SRC");
  } else if (element == "LINK") {
    if (!has("HREF") && !has("IMAGESRCSET")) require("HREF");
    if (!has("REL") && !has("ITEMPROP") && !has("PROPERTY")) require("REL");
  } else if (element == "META") {
    const bool named = has("NAME") || has("HTTP-EQUIV") || has("ITEMPROP") || has("PROPERTY");
    if (named)
      require("CONTENT");
    else if (!has("CHARSET"))
      require("NAME");
  } else if (element == "BASE") {
    if (!has("HREF") && !has("TARGET")) require("HREF");
  } else if (element == "OBJECT") {
    if (!has("DATA") && !has("TYPE")) require("DATA");
  } else if (element == "SOURCE") {
    const std::string_view parent = nesting.parentName();
    if (parent == "PICTURE") require("SRCSET");
    if (parent == "VIDEO" || parent == "AUDIO") require("SRC");
  } else if (element == "SCRIPT") {
    if (const TagAttribute* type = findAttribute(attributes, "TYPE")) {
      const std::string_view v = trimSpaces(type->value);
      if (isJavaScriptMimeType(v))
        rows_.push_back(makeRow("TYPE", "UNNECESSARY TYPE: " + std::string(v) + " IN <SCRIPT>", kWarning, line));
      else if (!v.empty() && !equalsIgnoringCase(v, "module") && !equalsIgnoringCase(v, "importmap") &&
               !equalsIgnoringCase(v, "speculationrules") && !isMimeType(v))
        rows_.push_back(badValueRow("TYPE", type->value, element, "a MIME type or module", line));
    }
  } else if (element == "HTML") {
    if (!has("LANG"))
      rows_.push_back(makeRow("LANG", "MISSING PROPERTY: LANG IN <HTML> (says the page's language)", kWarning, line));
  }
}

void AttributeChecker::checkInputType(const std::vector<TagAttribute>& attributes, int line) {
  const TagAttribute* typeAttribute = findAttribute(attributes, "TYPE");
  std::string type = typeAttribute ? lowerCopy(trimSpaces(typeAttribute->value)) : std::string("text");
  const ValueRule* rule = findValueRule("INPUT", "TYPE");
  if (rule && !valueConforms(*rule, type)) return;  // a bad type is reported already
  where_ = "INPUT TYPE=" + type;
  for (const auto& a : attributes) {
    const auto* types = inputAttributes().find(a.name);
    if (!types) continue;
    bool applies = false;
    for (auto t : *types) applies = applies || t == type;
    if (!applies) rows_.push_back(attributeNotAllowedRow(a.name, where_, line));
  }
  if (type == "image") {
    if (!findAttribute(attributes, "ALT")) rows_.push_back(missingAttributeRow("ALT", where_, line));
    if (!findAttribute(attributes, "SRC")) rows_.push_back(missingAttributeRow("SRC", where_, line));
  }
}

}  // namespace markloom::html5
