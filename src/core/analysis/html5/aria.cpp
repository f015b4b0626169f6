#include "core/analysis/html5/aria.h"

#include "core/analysis/attribute_numbers.h"
#include "core/analysis/html5/microsyntax.h"
#include "core/analysis/name_table.h"

namespace markloom::html5 {

namespace {

using V = AriaValue;

struct AttributeText {
  const char* name;
  AriaValue value;
  const char* tokens;
};

constexpr AttributeText kAttributes[] = {
    {"ARIA-ACTIVEDESCENDANT", V::IdRef, ""},
    {"ARIA-ATOMIC", V::TrueFalse, ""},
    {"ARIA-AUTOCOMPLETE", V::Token, "inline list both none"},
    {"ARIA-BRAILLELABEL", V::String, ""},
    {"ARIA-BRAILLEROLEDESCRIPTION", V::String, ""},
    {"ARIA-BUSY", V::TrueFalse, ""},
    {"ARIA-CHECKED", V::Tristate, ""},
    {"ARIA-COLCOUNT", V::Integer, ""},
    {"ARIA-COLINDEX", V::Integer, ""},
    {"ARIA-COLINDEXTEXT", V::String, ""},
    {"ARIA-COLSPAN", V::Integer, ""},
    {"ARIA-CONTROLS", V::IdRefs, ""},
    {"ARIA-CURRENT", V::Token, "page step location date time true false"},
    {"ARIA-DESCRIBEDBY", V::IdRefs, ""},
    {"ARIA-DESCRIPTION", V::String, ""},
    {"ARIA-DETAILS", V::IdRefs, ""},
    {"ARIA-DISABLED", V::TrueFalse, ""},
    {"ARIA-DROPEFFECT", V::Tokens, "copy execute link move none popup"},
    {"ARIA-ERRORMESSAGE", V::IdRefs, ""},
    {"ARIA-EXPANDED", V::TrueFalseUndefined, ""},
    {"ARIA-FLOWTO", V::IdRefs, ""},
    {"ARIA-GRABBED", V::TrueFalseUndefined, ""},
    {"ARIA-HASPOPUP", V::Token, "false true menu listbox tree grid dialog"},
    {"ARIA-HIDDEN", V::TrueFalseUndefined, ""},
    {"ARIA-INVALID", V::Token, "grammar false spelling true"},
    {"ARIA-KEYSHORTCUTS", V::String, ""},
    {"ARIA-LABEL", V::String, ""},
    {"ARIA-LABELLEDBY", V::IdRefs, ""},
    {"ARIA-LEVEL", V::Integer, ""},
    {"ARIA-LIVE", V::Token, "assertive off polite"},
    {"ARIA-MODAL", V::TrueFalse, ""},
    {"ARIA-MULTILINE", V::TrueFalse, ""},
    {"ARIA-MULTISELECTABLE", V::TrueFalse, ""},
    {"ARIA-ORIENTATION", V::Token, "horizontal undefined vertical"},
    {"ARIA-OWNS", V::IdRefs, ""},
    {"ARIA-PLACEHOLDER", V::String, ""},
    {"ARIA-POSINSET", V::Integer, ""},
    {"ARIA-PRESSED", V::Tristate, ""},
    {"ARIA-READONLY", V::TrueFalse, ""},
    {"ARIA-RELEVANT", V::Tokens, "additions all removals text"},
    {"ARIA-REQUIRED", V::TrueFalse, ""},
    {"ARIA-ROLEDESCRIPTION", V::String, ""},
    {"ARIA-ROWCOUNT", V::Integer, ""},
    {"ARIA-ROWINDEX", V::Integer, ""},
    {"ARIA-ROWINDEXTEXT", V::String, ""},
    {"ARIA-ROWSPAN", V::Integer, ""},
    {"ARIA-SELECTED", V::TrueFalseUndefined, ""},
    {"ARIA-SETSIZE", V::Integer, ""},
    {"ARIA-SORT", V::Token, "ascending descending none other"},
    {"ARIA-VALUEMAX", V::Number, ""},
    {"ARIA-VALUEMIN", V::Number, ""},
    {"ARIA-VALUENOW", V::Number, ""},
    {"ARIA-VALUETEXT", V::String, ""},
};

constexpr const char* kRoles =
    "alert alertdialog application article banner blockquote button caption cell checkbox code columnheader "
    "combobox comment complementary contentinfo definition deletion dialog directory document emphasis feed figure "
    "form generic grid gridcell group heading img image insertion link list listbox listitem log main mark marquee "
    "math menu menubar menuitem menuitemcheckbox menuitemradio meter navigation none note option paragraph "
    "presentation progressbar radio radiogroup region row rowgroup rowheader scrollbar search searchbox "
    "sectionfooter sectionheader separator slider spinbutton status strong subscript suggestion superscript switch "
    "tab table tablist tabpanel term textbox time timer toolbar tooltip tree treegrid treeitem "
    // Digital publishing roles.
    "doc-abstract doc-acknowledgments doc-afterword doc-appendix doc-backlink doc-biblioentry doc-bibliography "
    "doc-biblioref doc-chapter doc-colophon doc-conclusion doc-cover doc-credit doc-credits doc-dedication "
    "doc-endnote doc-endnotes doc-epigraph doc-epilogue doc-errata doc-example doc-footnote doc-foreword "
    "doc-glossary doc-glossref doc-index doc-introduction doc-noteref doc-notice doc-pagebreak doc-pagefooter "
    "doc-pageheader doc-pagelist doc-part doc-preface doc-prologue doc-pullquote doc-qna doc-subtitle doc-tip "
    "doc-toc graphics-document graphics-object graphics-symbol";

struct Requirement {
  const char* role;
  const char* attributes;
};

constexpr Requirement kRequired[] = {
    {"checkbox", "ARIA-CHECKED"},
    {"combobox", "ARIA-EXPANDED"},
    {"heading", "ARIA-LEVEL"},
    {"menuitemcheckbox", "ARIA-CHECKED"},
    {"menuitemradio", "ARIA-CHECKED"},
    {"radio", "ARIA-CHECKED"},
    {"scrollbar", "ARIA-CONTROLS ARIA-VALUENOW"},
    {"slider", "ARIA-VALUENOW"},
    {"switch", "ARIA-CHECKED"},
};

// Roles per element. "-": no role at all; "*": any role. The first word is
// the element's own role (or "_" without one); the rest are the roles it may
// take instead.
struct ElementRoles {
  const char* element;
  const char* roles;
};

constexpr ElementRoles kElementRoles[] = {
    {"BASE", "-"},
    {"COL", "-"},
    {"COLGROUP", "-"},
    {"HEAD", "-"},
    {"HTML", "-"},
    {"LINK", "-"},
    {"MAP", "-"},
    {"META", "-"},
    {"NOSCRIPT", "-"},
    {"PICTURE", "-"},
    {"SCRIPT", "-"},
    {"SLOT", "-"},
    {"SOURCE", "-"},
    {"STYLE", "-"},
    {"TEMPLATE", "-"},
    {"TITLE", "-"},
    {"TRACK", "-"},
    {"DATALIST", "-"},
    {"MAIN", "main"},
    {"BODY", "_ generic"},
    {"NAV", "navigation doc-index doc-pagelist doc-toc menu menubar none presentation tablist"},
    {"ASIDE",
     "complementary doc-dedication doc-example doc-footnote doc-glossary doc-pullquote doc-tip feed none "
     "note presentation region search"},
    {"UL", "list directory group listbox menu menubar none presentation radiogroup tablist toolbar tree"},
    {"OL", "list directory group listbox menu menubar none presentation radiogroup tablist toolbar tree"},
    {"BUTTON",
     "button checkbox combobox gridcell link menuitem menuitemcheckbox menuitemradio option radio "
     "separator slider switch tab treeitem"},
    {"H1", "heading none presentation tab doc-subtitle"},
    {"H2", "heading none presentation tab doc-subtitle"},
    {"H3", "heading none presentation tab doc-subtitle"},
    {"H4", "heading none presentation tab doc-subtitle"},
    {"H5", "heading none presentation tab doc-subtitle"},
    {"H6", "heading none presentation tab doc-subtitle"},
    {"TABLE", "table *"},
    {"FORM", "form none presentation search"},
    {"ARTICLE", "article *"},
    {"SECTION", "region *"},
    {"DIALOG", "dialog alertdialog"},
    {"HR", "separator doc-pagebreak none presentation"},
    {"PROGRESS", "progressbar"},
    {"TEXTAREA", "textbox"},
    {"DETAILS", "group"},
    {"SUMMARY", "_"},
    {"OPTION", "option"},
    {"OPTGROUP", "group"},
    {"LEGEND", "_"},
    {"LABEL", "_"},
    {"METER", "meter"},
    {"OUTPUT", "status *"},
    {"SEARCH", "search form group none presentation region"},
    {"LI", "listitem *"},
    {"IMG", "img *"},
    {"P", "paragraph *"},
    {"DIV", "generic *"},
    {"SPAN", "generic *"},
};

struct Index {
  NameTable<const AttributeText*, 128> attributes;
  std::vector<AriaAttribute> parsed;
  NameTable<bool, 256> roles;
  NameTable<std::vector<std::string_view>, 32> required;
  NameTable<std::vector<std::string_view>, 128> elementRoles;
};

const Index& index() {
  static const Index ix = [] {
    Index built;
    built.parsed.reserve(std::size(kAttributes));
    for (const auto& a : kAttributes) built.parsed.push_back({a.name, a.value, splitNames(a.tokens)});
    for (const auto& a : kAttributes) built.attributes.insert(a.name) = &a;
    for (auto role : splitNames(kRoles)) built.roles.insert(role) = true;
    for (const auto& r : kRequired) built.required.insert(r.role) = splitNames(r.attributes);
    for (const auto& e : kElementRoles) built.elementRoles.insert(e.element) = splitNames(e.roles);
    return built;
  }();
  return ix;
}

bool isToken(const std::vector<std::string_view>& tokens, std::string_view value) {
  for (auto t : tokens)
    if (equalsIgnoringCase(t, value)) return true;
  return false;
}

}  // namespace

const AriaAttribute* findAriaAttribute(std::string_view upperName) {
  const Index& ix = index();
  const auto* found = ix.attributes.find(upperName);
  if (!found) return nullptr;
  return &ix.parsed[static_cast<std::size_t>(*found - kAttributes)];
}

bool ariaValueConforms(const AriaAttribute& attribute, std::string_view value) {
  const std::string_view v = trimSpaces(value);
  switch (attribute.value) {
    case V::TrueFalse: return equalsIgnoringCase(v, "true") || equalsIgnoringCase(v, "false");
    case V::TrueFalseUndefined:
      return equalsIgnoringCase(v, "true") || equalsIgnoringCase(v, "false") || equalsIgnoringCase(v, "undefined");
    case V::Tristate:
      return equalsIgnoringCase(v, "true") || equalsIgnoringCase(v, "false") || equalsIgnoringCase(v, "mixed") ||
             equalsIgnoringCase(v, "undefined");
    case V::IdRef: return isValidId(v);
    case V::IdRefs: return !v.empty();
    case V::Integer: return isInteger(v);
    case V::Number: return isFloatingPointNumber(v);
    case V::String: return true;
    case V::Token: return isToken(attribute.tokens, v);
    case V::Tokens: {
      bool ok = !v.empty();
      forEachToken(v, [&](std::string_view t) { ok = ok && isToken(attribute.tokens, t); });
      return ok;
    }
  }
  return true;
}

std::string_view ariaExpected(AriaValue value) {
  switch (value) {
    case V::TrueFalse: return "true or false";
    case V::TrueFalseUndefined: return "true, false or undefined";
    case V::Tristate: return "true, false or mixed";
    case V::IdRef: return "an id";
    case V::IdRefs: return "ids";
    case V::Integer: return "a whole number";
    case V::Number: return "a number";
    case V::String: return "text";
    case V::Token:
    case V::Tokens: return "a keyword of this property";
  }
  return "";
}

bool isAriaRole(std::string_view role) { return index().roles.find(role) != nullptr; }

const std::vector<std::string_view>& requiredAriaAttributes(std::string_view role) {
  static const std::vector<std::string_view> kNone;
  const auto* found = index().required.find(role);
  return found ? *found : kNone;
}

RoleFit roleFit(std::string_view element, std::string_view inputType, bool hasHref, std::string_view role) {
  if (element == "A" || element == "AREA") {
    if (!hasHref) return RoleFit::Allowed;
    if (role == "link") return RoleFit::Redundant;
    static const std::vector<std::string_view> kLink = splitNames(
        "button checkbox menuitem menuitemcheckbox menuitemradio option radio switch tab treeitem doc-backlink "
        "doc-biblioref doc-glossref doc-noteref");
    return element == "A" && isToken(kLink, role) ? RoleFit::Allowed : RoleFit::NotAllowed;
  }
  if (element == "INPUT") {
    if (inputType == "hidden") return RoleFit::NotAllowed;
    if (inputType == "checkbox") {
      if (role == "checkbox") return RoleFit::Redundant;
      return role == "button" || role == "menuitemcheckbox" || role == "option" || role == "switch"
                 ? RoleFit::Allowed
                 : RoleFit::NotAllowed;
    }
    if (inputType == "radio") {
      if (role == "radio") return RoleFit::Redundant;
      return role == "menuitemradio" ? RoleFit::Allowed : RoleFit::NotAllowed;
    }
    return RoleFit::Allowed;
  }
  const auto* roles = index().elementRoles.find(element);
  if (!roles || roles->empty()) return RoleFit::Allowed;
  if ((*roles)[0] == "-") return RoleFit::NotAllowed;
  if ((*roles)[0] == role) return RoleFit::Redundant;
  for (std::size_t i = 1; i < roles->size(); ++i)
    if ((*roles)[i] == "*" || (*roles)[i] == role) return RoleFit::Allowed;
  return RoleFit::NotAllowed;
}

}  // namespace markloom::html5
