#include "core/analysis/element_rules.h"

#include <string>

#include "core/analysis/attribute_numbers.h"

namespace markloom {

namespace {

constexpr std::array<std::string_view, 14> kCommon{
    "ID",          "CLASS",       "STYLE",       "TITLE",      "LANG",       "ONCLICK",   "ONDBLCLICK",
    "ONMOUSEDOWN", "ONMOUSEOVER", "ONMOUSEMOVE", "ONMOUSEOUT", "ONKEYPRESS", "ONKEYDOWN", "ONKEYUP"};

constexpr std::array<std::string_view, 10> kSuperseded{"FONT", "CENTER", "BASEFONT", "S",       "STRIKE",
                                                       "U",    "APPLET", "DIR",      "ISINDEX", "MENU"};

struct RuleText {
  const char* element;
  const char* own;  // blank-separated
  bool common;
};

// Attribute lists shared by the form-related rules.
#define FORM_ATTRS "ACTION ONRESET ONSUBMIT TARGET ACCEPT-CHARSET METHOD ENCTYPE"
#define CELL_ALIGN "VALIGN CHAROFF CHAR ALIGN"

constexpr RuleText kRules[] = {
    {"ADDRESS", "", true},
    {"DT", "", true},
    {"DD", "", true},
    {"SPAN", "", true},
    {"SUB", "", true},
    {"SUP", "", true},
    {"ABBR", "", true},
    {"ACRONYM", "", true},
    {"CITE", "", true},
    {"CODE", "", true},
    {"DFN", "", true},
    {"EM", "", true},
    {"KBD", "", true},
    {"SAMP", "", true},
    {"STRONG", "", true},
    {"VAR", "", true},
    {"B", "", true},
    {"BIG", "", true},
    {"I", "", true},
    {"S", "", true},
    {"SMALL", "", true},
    {"STRIKE", "", true},
    {"TT", "", true},
    {"U", "", true},
    {"NOFRAMES", "", true},
    {"BODY", "BGCOLOR STYLE TEXT LINK ALINK VLINK ONUNLOAD ONLOAD CLASS", false},
    {"A", "HREF NAME REV REL TYPE TARGET HREFLANG CHARSET ACCESSKEY TABINDEX SHAPE COORDS ONFOCUS ONBLUR", true},
    {"SCRIPT", "LANGUAGE TYPE SRC CHARSET DEFER", false},
    {"BASE", "HREF TARGET", false},
    {"ISINDEX", "PROMPT", true},
    {"LINK", "REV REL TYPE HREF TARGET MEDIA HREFLANG CHARSET", true},
    {"META", "NAME CONTENT HTTP-EQUIV SCHEME", false},
    {"STYLE", "TYPE MEDIA TITLE", false},
    {"BLOCKQUOTE", "CITE", true},
    {"DEL", "CITE DATETIME", true},
    {"DIV", "ALIGN", true},
    {"H1", "ALIGN", true},
    {"H2", "ALIGN", true},
    {"H3", "ALIGN", true},
    {"H4", "ALIGN", true},
    {"H5", "ALIGN", true},
    {"H6", "ALIGN", true},
    {"HR", "NOSIZE WIDTH HEIGHT ALIGN", true},
    {"INS", "CITE DATETIME", true},
    {"NOSCRIPT", "DATETIME", true},
    {"P", "ALIGN", true},
    {"PRE", "WIDTH", true},
    {"DIR", "COMPACT", true},
    {"DL", "COMPACT", true},
    {"LI", "TYPE VALUE", true},
    {"MENU", "COMPACT", true},
    {"OL", "TYPE COMPACT START", true},
    {"TABLE", "SUMMARY BGCOLOR ALIGN CELLSPACING CELLPADDING RULES BORDER FRAME WIDTH", true},
    {"CAPTION", "ALIGN", true},
    {"COLGROUP", "SPAN " CELL_ALIGN " WIDTH", true},
    {"COL", "SPAN " CELL_ALIGN " WIDTH", true},
    {"THEAD", CELL_ALIGN, true},
    {"TFOOT", CELL_ALIGN, true},
    {"TBODY", CELL_ALIGN, true},
    {"TR", "SPAN " CELL_ALIGN " WIDTH", true},
    {"TD", "ROWSPAN " CELL_ALIGN " COLSPAN AXIS HEADERS ABBR HEIGHT WIDTH", true},
    {"TH", "ROWSPAN " CELL_ALIGN " COLSPAN AXIS HEADERS ABBR HEIGHT WIDTH", true},
    {"FORM", FORM_ATTRS, true},
    {"BUTTON", "ONBLUR ONFOCUS TABINDEX ACCESSKEY DISABLED TYPE VALUE NAME " FORM_ATTRS, true},
    {"FIELDSET", "NAME " FORM_ATTRS, true},
    {"LEGEND", "ACCESSKEY ALIGN NAME " FORM_ATTRS, true},
    {"LABEL", "ACCESSKEY FOR NAME " FORM_ATTRS, true},
    {"OPTGROUP", "LABEL DISABLED NAME " FORM_ATTRS, true},
    {"OPTION", "VALUE SELECTED LABEL DISABLED ONRESET ONSUBMIT TARGET ACCEPT-CHARSET METHOD ENCTYPE", true},
    {"APPLET", "VSPACE HSPACE ALIGN ALT NAME OBJECT ARCHIVE HEIGHT WIDTH CODEBASE CODE", true},
    {"BASEFONT", "ID SIZE COLOR FACE", false},
    {"BDI", "DIR", true},
    {"BR", "CLEAR", true},
    {"FONT", "FACE COLOR SIZE", true},
    {"IFRAME", "SRC NAME LONGDESC WIDTH HEIGHT ALIGN FRAMEBORDER MARGINWIDTH MARGINHEIGHT SCROLLING", true},
    {"IMG", "SRC ALT WIDTH HEIGHT LONGDESC ISMAP USEMAP ALIGN BORDER HSPACE VSPACE", true},
    {"MAP", "NAME", true},
    {"AREA", "SHAPE ONBLUR ONFOCUS TABINDEX TAB ALT NOHREF TARGET HREF COORDS", true},
    {"OBJECT",
     "NAME VSPACE HSPACE BORDER ALIGN DECLARE TABINDEX STANDBY CODETYPE TYPE USEMAP HEIGHT WIDTH CODEBASE ARCHIVE "
     "CLASSID DATA",
     true},
    {"PARAM", "NAME TYPE VALUETYPE VALUE", true},
    {"Q", "CITE", true},
    {"FRAMESET", "ROWS COLS ONLOAD ONUNLOAD", true},
    {"FRAME", "NAME SRC LONGDESC FRAMEBORDER MARGINHEIGHT MARGINWIDTH NORESIZE SCROLLING", true},
};

#undef FORM_ATTRS
#undef CELL_ALIGN

using Attributes = AttributeNumbers<256>;

// Every attribute name of any rule gets a number; a rule is the set of the
// numbers it permits.
struct Index {
  std::vector<ElementRule> rules;
  Attributes attributes;
  std::vector<Attributes::Set> permitted;
  NameTable<ElementInfo> elements;
};

const Index& data() {
  static const Index ix = [] {
    Index built;
    for (const auto& r : kRules) {
      ElementRule rule{r.element, splitNames(r.own), r.common};
      Attributes::Set set;
      built.attributes.add(set, rule.own);
      if (rule.common) built.attributes.add(set, kCommon);
      built.elements.insert(rule.element).rule = static_cast<int>(built.rules.size());
      built.rules.push_back(std::move(rule));
      built.permitted.push_back(set);
    }
    for (auto name : kSuperseded) built.elements.insert(name).superseded = true;
    return built;
  }();
  return ix;
}

}  // namespace

const std::array<std::string_view, 14>& commonAttributes() { return kCommon; }
const std::array<std::string_view, 10>& supersededElements() { return kSuperseded; }
const std::vector<ElementRule>& elementRules() { return data().rules; }

bool ElementInfo::permits(std::string_view attributeName) const {
  const Index& ix = data();
  return ix.attributes.contains(ix.permitted[static_cast<std::size_t>(rule)], attributeName);
}

const ElementTable& ElementTable::instance() {
  static const ElementTable table;
  data();
  return table;
}

const ElementInfo* ElementTable::find(std::string_view elementName) const {
  const Index& ix = data();
  return ix.elements.find(elementName);
}

}  // namespace markloom
