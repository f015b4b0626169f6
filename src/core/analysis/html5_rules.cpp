#include "core/analysis/html5_rules.h"

#include "core/analysis/attribute_numbers.h"
#include "core/analysis/html5/content_models.h"

namespace markloom {

namespace {

// Global attributes, including the microdata ones, role and xmlns (which an
// HTML page may carry on any element with the HTML namespace as its value).
constexpr const char* kGlobal =
    "ACCESSKEY AUTOCAPITALIZE AUTOCORRECT AUTOFOCUS CLASS CONTENTEDITABLE DIR DRAGGABLE ENTERKEYHINT HIDDEN ID INERT "
    "INPUTMODE IS ITEMID ITEMPROP ITEMREF ITEMSCOPE ITEMTYPE LANG NONCE PART POPOVER ROLE SLOT SPELLCHECK STYLE "
    "TABINDEX TITLE TRANSLATE WRITINGSUGGESTIONS XML:LANG XMLNS "
    // Heading levels of a subtree, and the RDFa attributes.
    "HEADINGOFFSET HEADINGRESET ABOUT DATATYPE INLIST PREFIX PROPERTY RESOURCE TYPEOF VOCAB";

// Obsolete elements. BLINK, MULTICOL and SPACER were never part of a standard
// and are simply unknown.
constexpr const char* kSuperseded =
    "ACRONYM APPLET BASEFONT BGSOUND BIG CENTER DIR FONT FRAME FRAMESET IMAGE ISINDEX KEYGEN LISTING MARQUEE "
    "MENUITEM NEXTID NOBR NOEMBED NOFRAMES PARAM PLAINTEXT RB RTC STRIKE TT XMP";

// Elements without an end tag, the obsolete ones among them included (the
// browser still reads those as empty).
constexpr const char* kVoid =
    "AREA BASE BR COL EMBED HR IMG INPUT LINK META SOURCE TRACK WBR BASEFONT BGSOUND FRAME IMAGE ISINDEX KEYGEN "
    "NEXTID PARAM";

// Elements whose content the browser reads as text up to the end tag, so
// markup-like text inside them (comparisons in scripts, say) is not checked.
constexpr const char* kRawText = "SCRIPT STYLE TEXTAREA TITLE IFRAME XMP NOEMBED NOFRAMES PLAINTEXT";

constexpr const char* kForeignRoots = "SVG MATH";

struct RuleText {
  const char* element;
  const char* own;       // blank-separated
  const char* obsolete;  // blank-separated
  bool anyAttribute;
};

// Attribute lists shared by several rules.
#define HEADING_OLD "ALIGN"
#define CELL_OLD "ALIGN BACKGROUND CHAR CHAROFF VALIGN"
#define COLUMN_OLD "ALIGN CHAR CHAROFF VALIGN WIDTH"
#define TABLE_CELL_OLD "ALIGN AXIS BACKGROUND BGCOLOR CHAR CHAROFF HEIGHT NOWRAP VALIGN WIDTH"
#define FORM_SUBMIT "FORMACTION FORMENCTYPE FORMMETHOD FORMNOVALIDATE FORMTARGET"
#define MEDIA_ATTRS "SRC CROSSORIGIN PRELOAD AUTOPLAY LOOP MUTED CONTROLS DISABLEREMOTEPLAYBACK LOADING"

constexpr RuleText kRules[] = {
    // The document and its metadata.
    {"HTML", "", "MANIFEST VERSION", false},
    {"HEAD", "", "PROFILE", false},
    {"TITLE", "", "", false},
    {"BASE", "HREF TARGET", "", false},
    {"LINK",
     "HREF CROSSORIGIN REL AS MEDIA HREFLANG TYPE SIZES IMAGESRCSET IMAGESIZES REFERRERPOLICY INTEGRITY BLOCKING "
     "COLOR DISABLED FETCHPRIORITY",
     "CHARSET METHODS REV TARGET URN", false},
    {"META", "NAME HTTP-EQUIV CONTENT CHARSET MEDIA", "SCHEME", false},
    // TYPE on STYLE is needless but still conforming.
    {"STYLE", "MEDIA BLOCKING TYPE", "", false},
    // Sections.
    {"BODY", "",
     "ALINK BACKGROUND BGCOLOR BOTTOMMARGIN LEFTMARGIN LINK MARGINBOTTOM MARGINHEIGHT MARGINLEFT MARGINRIGHT "
     "MARGINTOP MARGINWIDTH RIGHTMARGIN TEXT TOPMARGIN VLINK",
     false},
    {"ARTICLE", "", "", false},
    {"SECTION", "", "", false},
    {"NAV", "", "", false},
    {"ASIDE", "", "", false},
    {"H1", "", HEADING_OLD, false},
    {"H2", "", HEADING_OLD, false},
    {"H3", "", HEADING_OLD, false},
    {"H4", "", HEADING_OLD, false},
    {"H5", "", HEADING_OLD, false},
    {"H6", "", HEADING_OLD, false},
    {"HGROUP", "", "", false},
    {"HEADER", "", "", false},
    {"FOOTER", "", "", false},
    {"ADDRESS", "", "", false},
    // Grouping content.
    {"P", "", "ALIGN", false},
    {"HR", "", "ALIGN COLOR NOSHADE SIZE WIDTH", false},
    {"PRE", "", "WIDTH", false},
    {"BLOCKQUOTE", "CITE", "", false},
    {"OL", "REVERSED START TYPE", "COMPACT", false},
    {"UL", "", "COMPACT TYPE", false},
    {"MENU", "", "COMPACT LABEL TYPE", false},
    {"LI", "VALUE", "TYPE", false},
    {"DL", "", "COMPACT", false},
    {"DT", "", "", false},
    {"DD", "", "", false},
    {"FIGURE", "", "", false},
    {"FIGCAPTION", "", "", false},
    {"MAIN", "", "", false},
    {"SEARCH", "", "", false},
    {"DIV", "", "ALIGN", false},
    // Text-level semantics.
    {"A", "HREF TARGET DOWNLOAD PING REL HREFLANG TYPE REFERRERPOLICY",
     "CHARSET COORDS DATAFLD DATASRC METHODS NAME REV SHAPE URN", false},
    {"EM", "", "", false},
    {"STRONG", "", "", false},
    {"SMALL", "", "", false},
    {"S", "", "", false},
    {"CITE", "", "", false},
    {"Q", "CITE", "", false},
    {"DFN", "", "", false},
    {"ABBR", "", "", false},
    {"RUBY", "", "", false},
    {"RT", "", "", false},
    {"RP", "", "", false},
    {"DATA", "VALUE", "", false},
    {"TIME", "DATETIME", "", false},
    {"CODE", "", "", false},
    {"VAR", "", "", false},
    {"SAMP", "", "", false},
    {"KBD", "", "", false},
    {"SUB", "", "", false},
    {"SUP", "", "", false},
    {"I", "", "", false},
    {"B", "", "", false},
    {"U", "", "", false},
    {"MARK", "", "", false},
    {"BDI", "", "", false},
    {"BDO", "", "", false},
    {"SPAN", "", "", false},
    {"BR", "", "CLEAR", false},
    {"WBR", "", "", false},
    // Edits.
    {"INS", "CITE DATETIME", "", false},
    {"DEL", "CITE DATETIME", "", false},
    // Embedded content.
    {"PICTURE", "", "", false},
    {"SOURCE", "TYPE MEDIA SRC SRCSET SIZES WIDTH HEIGHT", "", false},
    {"IMG", "ALT SRC SRCSET SIZES CROSSORIGIN USEMAP ISMAP WIDTH HEIGHT REFERRERPOLICY DECODING LOADING FETCHPRIORITY",
     "ALIGN BORDER DATASRC HSPACE LONGDESC LOWSRC NAME VSPACE", false},
    {"IFRAME", "SRC SRCDOC NAME SANDBOX ALLOW ALLOWFULLSCREEN WIDTH HEIGHT REFERRERPOLICY LOADING",
     "ALIGN ALLOWTRANSPARENCY DATASRC FRAMEBORDER FRAMESPACING HSPACE LONGDESC MARGINHEIGHT MARGINWIDTH SCROLLING "
     "VSPACE",
     false},
    // EMBED passes any other attribute on to its plug-in.
    {"EMBED", "SRC TYPE WIDTH HEIGHT", "ALIGN HSPACE NAME VSPACE", true},
    {"OBJECT", "DATA TYPE NAME FORM WIDTH HEIGHT",
     "ALIGN ARCHIVE BORDER CLASSID CODE CODEBASE CODETYPE DATAFLD DATASRC DECLARE HSPACE STANDBY TYPEMUSTMATCH "
     "USEMAP VSPACE",
     false},
    {"VIDEO", MEDIA_ATTRS " POSTER PLAYSINLINE WIDTH HEIGHT DISABLEPICTUREINPICTURE", "", false},
    {"AUDIO", MEDIA_ATTRS, "", false},
    {"TRACK", "KIND SRC SRCLANG LABEL DEFAULT", "", false},
    {"MAP", "NAME", "", false},
    {"AREA", "ALT COORDS SHAPE HREF TARGET DOWNLOAD PING REL REFERRERPOLICY", "HREFLANG NOHREF TYPE", false},
    {"CANVAS", "WIDTH HEIGHT", "", false},
    // Elements of other vocabularies that HTML embeds; their insides are not checked.
    {"SVG", "", "", true},
    {"MATH", "", "", true},
    // Tabular data.
    {"TABLE", "", "ALIGN BACKGROUND BGCOLOR BORDER CELLPADDING CELLSPACING DATAPAGESIZE FRAME RULES SUMMARY WIDTH",
     false},
    {"CAPTION", "", "ALIGN", false},
    {"COLGROUP", "SPAN", COLUMN_OLD, false},
    {"COL", "SPAN", COLUMN_OLD, false},
    {"TBODY", "", CELL_OLD, false},
    {"THEAD", "", CELL_OLD, false},
    {"TFOOT", "", CELL_OLD, false},
    {"TR", "", CELL_OLD " BGCOLOR HEIGHT", false},
    {"TD", "COLSPAN ROWSPAN HEADERS", TABLE_CELL_OLD " ABBR SCOPE", false},
    {"TH", "COLSPAN ROWSPAN HEADERS SCOPE ABBR", TABLE_CELL_OLD, false},
    // Forms.
    {"FORM", "ACCEPT-CHARSET ACTION AUTOCOMPLETE ENCTYPE METHOD NAME NOVALIDATE REL TARGET", "ACCEPT", false},
    {"LABEL", "FOR", "", false},
    {"INPUT",
     "ACCEPT ALPHA ALT AUTOCOMPLETE CHECKED COLORSPACE DIRNAME DISABLED FORM " FORM_SUBMIT
     " HEIGHT LIST MAX MAXLENGTH MIN MINLENGTH MULTIPLE NAME PATTERN PLACEHOLDER POPOVERTARGET POPOVERTARGETACTION "
     "READONLY REQUIRED SIZE SRC STEP TYPE VALUE WIDTH",
     "ALIGN HSPACE ISMAP USEMAP VSPACE", false},
    {"BUTTON", "COMMAND COMMANDFOR DISABLED FORM " FORM_SUBMIT " NAME POPOVERTARGET POPOVERTARGETACTION TYPE VALUE", "",
     false},
    {"SELECT", "AUTOCOMPLETE DISABLED FORM MULTIPLE NAME REQUIRED SIZE", "", false},
    {"DATALIST", "", "", false},
    {"OPTGROUP", "DISABLED LABEL", "", false},
    {"OPTION", "DISABLED LABEL SELECTED VALUE", "NAME", false},
    {"SELECTEDCONTENT", "", "", false},
    {"TEXTAREA",
     "AUTOCOMPLETE COLS DIRNAME DISABLED FORM MAXLENGTH MINLENGTH NAME PLACEHOLDER READONLY REQUIRED ROWS WRAP", "",
     false},
    {"OUTPUT", "FOR FORM NAME", "", false},
    {"PROGRESS", "VALUE MAX", "", false},
    {"METER", "VALUE MIN MAX LOW HIGH OPTIMUM", "", false},
    {"FIELDSET", "DISABLED FORM NAME", "", false},
    {"LEGEND", "", "ALIGN", false},
    // Interactive elements.
    {"DETAILS", "NAME OPEN", "", false},
    {"SUMMARY", "", "", false},
    {"DIALOG", "OPEN CLOSEDBY", "", false},
    // Scripting.
    {"SCRIPT", "SRC TYPE NOMODULE ASYNC DEFER CROSSORIGIN INTEGRITY REFERRERPOLICY BLOCKING FETCHPRIORITY",
     "CHARSET EVENT FOR LANGUAGE", false},
    {"NOSCRIPT", "", "", false},
    {"TEMPLATE", "SHADOWROOTMODE SHADOWROOTDELEGATESFOCUS SHADOWROOTCLONABLE SHADOWROOTSERIALIZABLE", "", false},
    {"SLOT", "NAME", "", false},
};

#undef HEADING_OLD
#undef CELL_OLD
#undef COLUMN_OLD
#undef TABLE_CELL_OLD
#undef FORM_SUBMIT
#undef MEDIA_ATTRS

using Attributes = AttributeNumbers<512, 1024>;

// Every attribute name of any rule gets a number; a rule is the set of numbers
// it permits and the set it knows as obsolete.
struct Index {
  std::vector<std::string_view> global;
  std::vector<std::string_view> superseded;
  std::vector<Html5Rule> rules;
  Attributes attributes;
  std::vector<Attributes::Set> permitted;
  std::vector<Attributes::Set> obsolete;
  NameTable<Html5Element> elements;
};

const Index& data() {
  static const Index ix = [] {
    Index built;
    built.global = splitNames(kGlobal);
    built.superseded = splitNames(kSuperseded);
    Attributes::Set global;
    built.attributes.add(global, built.global);
    for (const auto& r : kRules) {
      Html5Rule rule{r.element, splitNames(r.own), splitNames(r.obsolete), r.anyAttribute};
      Attributes::Set own = global;
      Attributes::Set old;
      built.attributes.add(own, rule.own);
      built.attributes.add(old, rule.obsolete);
      Html5Element& element = built.elements.insert(rule.element);
      element.rule = static_cast<int>(built.rules.size());
      element.shape = html5::findShape(rule.element);
      built.rules.push_back(std::move(rule));
      built.permitted.push_back(own);
      built.obsolete.push_back(old);
    }
    for (auto name : built.superseded) built.elements.insert(name).superseded = true;
    for (auto name : splitNames(kVoid)) built.elements.insert(name).isVoid = true;
    for (auto name : splitNames(kRawText)) built.elements.insert(name).rawText = true;
    for (auto name : splitNames(kForeignRoots)) built.elements.insert(name).foreignRoot = true;
    return built;
  }();
  return ix;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

}  // namespace

const std::vector<std::string_view>& html5GlobalAttributes() { return data().global; }
const std::vector<std::string_view>& html5SupersededElements() { return data().superseded; }
const std::vector<Html5Rule>& html5Rules() { return data().rules; }

bool isPatternAttribute(std::string_view upperName) {
  if (upperName.size() > 5 && (startsWith(upperName, "DATA-") || startsWith(upperName, "ARIA-"))) return true;
  // Event handlers: ON and a name of letters (onclick, onpointerdown, ...).
  if (upperName.size() < 3 || !startsWith(upperName, "ON")) return false;
  for (std::size_t i = 2; i < upperName.size(); ++i) {
    if (upperName[i] < 'A' || upperName[i] > 'Z') return false;
  }
  return true;
}

AttributeStatus Html5Element::attribute(std::string_view upperName) const {
  if (rule < 0) return AttributeStatus::Permitted;  // obsolete elements are reported whole
  const Index& ix = data();
  const auto r = static_cast<std::size_t>(rule);
  if (ix.attributes.contains(ix.permitted[r], upperName)) return AttributeStatus::Permitted;
  if (ix.attributes.contains(ix.obsolete[r], upperName)) return AttributeStatus::Obsolete;
  if (isPatternAttribute(upperName) || ix.rules[r].anyAttribute) return AttributeStatus::Permitted;
  return AttributeStatus::Unknown;
}

const Html5Table& Html5Table::instance() {
  static const Html5Table table;
  data();
  return table;
}

const Html5Element* Html5Table::find(std::string_view upperName) const { return data().elements.find(upperName); }

}  // namespace markloom
