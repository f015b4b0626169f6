#include "core/analysis/html5/content_models.h"

#include <array>

#include "core/analysis/name_table.h"

namespace markloom::html5 {

namespace {

constexpr std::uint16_t F = kFlow, P = kPhrasing, I = kInteractive, H = kHeading, S = kSectioning, M = kMetadata,
                        SS = kScriptSupporting;
constexpr std::uint8_t OPT = kOptionalEnd, CP = kClosesP, V = kVoid, ONE = kOnce, PS = kPScope, ROOT = kRoot;

constexpr std::uint16_t kHeaderExcludes = kNoHeaderFooter | kNoMain;
constexpr std::uint16_t kTermExcludes = kNoHeaderFooter | kNoHeadingSectioning;

// name, categories, model, excludes, violates, flags
constexpr ElementShape kShapes[] = {
    // The document and its metadata.
    {"HTML", 0, Model::Html, 0, 0, OPT | ONE | PS | ROOT},
    {"HEAD", 0, Model::Head, 0, 0, OPT | ONE},
    {"TITLE", M, Model::Nothing, 0, 0, ONE},
    {"BASE", M, Model::Nothing, 0, 0, V | ONE},
    {"LINK", M, Model::Nothing, 0, 0, V},  // phrasing in body when body-ok or with itemprop
    {"META", M, Model::Nothing, 0, 0, V},  // phrasing in body with itemprop
    {"STYLE", M, Model::Nothing, 0, 0, 0},
    {"BODY", 0, Model::Flow, 0, 0, OPT | ONE},
    // Sections.
    {"ARTICLE", F | S, Model::Flow, kNoMain, 0, CP},
    {"SECTION", F | S, Model::Flow, 0, 0, CP},
    {"NAV", F | S, Model::Flow, kNoMain, 0, CP},
    {"ASIDE", F | S, Model::Flow, kNoMain, 0, CP},
    {"H1", F | H, Model::Phrasing, 0, 0, CP},
    {"H2", F | H, Model::Phrasing, 0, 0, CP},
    {"H3", F | H, Model::Phrasing, 0, 0, CP},
    {"H4", F | H, Model::Phrasing, 0, 0, CP},
    {"H5", F | H, Model::Phrasing, 0, 0, CP},
    {"H6", F | H, Model::Phrasing, 0, 0, CP},
    {"HGROUP", F | H, Model::Hgroup, 0, 0, CP},
    {"HEADER", F, Model::Flow, kHeaderExcludes, kNoHeaderFooter, CP},
    {"FOOTER", F, Model::Flow, kHeaderExcludes, kNoHeaderFooter, CP},
    {"ADDRESS", F, Model::Flow, kNoHeadingSectioning | kNoHeaderFooter | kNoAddress, kNoAddress, CP},
    // Grouping content.
    {"P", F, Model::Phrasing, 0, 0, OPT | CP},
    {"HR", F, Model::Nothing, 0, 0, V | CP},
    {"PRE", F, Model::Phrasing, 0, 0, CP},
    {"BLOCKQUOTE", F, Model::Flow, 0, 0, CP},
    {"OL", F, Model::List, 0, 0, CP},
    {"UL", F, Model::List, 0, 0, CP},
    {"MENU", F, Model::List, 0, 0, CP},
    {"LI", 0, Model::Flow, 0, 0, OPT | CP},
    {"DL", F, Model::Dl, 0, 0, CP},
    {"DT", 0, Model::Flow, kTermExcludes, 0, OPT | CP},
    {"DD", 0, Model::Flow, 0, 0, OPT | CP},
    {"FIGURE", F, Model::Figure, 0, 0, CP},
    {"FIGCAPTION", 0, Model::Flow, 0, 0, CP},
    {"MAIN", F, Model::Flow, 0, kNoHeaderFooter | kNoMain, CP | ONE},  // once unless hidden
    {"SEARCH", F, Model::Flow, 0, 0, CP},
    {"DIV", F, Model::Flow, 0, 0, CP},
    // Text-level semantics.
    {"A", F | P, Model::Transparent, kNoInteractive | kNoAnchor, kNoAnchor, 0},
    {"EM", F | P, Model::Phrasing, 0, 0, 0},
    {"STRONG", F | P, Model::Phrasing, 0, 0, 0},
    {"SMALL", F | P, Model::Phrasing, 0, 0, 0},
    {"S", F | P, Model::Phrasing, 0, 0, 0},
    {"CITE", F | P, Model::Phrasing, 0, 0, 0},
    {"Q", F | P, Model::Phrasing, 0, 0, 0},
    {"DFN", F | P, Model::Phrasing, kNoDfn, kNoDfn, 0},
    {"ABBR", F | P, Model::Phrasing, 0, 0, 0},
    {"RUBY", F | P, Model::Ruby, 0, 0, 0},
    {"RT", 0, Model::Phrasing, 0, 0, OPT},
    {"RP", 0, Model::Phrasing, 0, 0, OPT},
    {"DATA", F | P, Model::Phrasing, 0, 0, 0},
    {"TIME", F | P, Model::Phrasing, 0, 0, 0},
    {"CODE", F | P, Model::Phrasing, 0, 0, 0},
    {"VAR", F | P, Model::Phrasing, 0, 0, 0},
    {"SAMP", F | P, Model::Phrasing, 0, 0, 0},
    {"KBD", F | P, Model::Phrasing, 0, 0, 0},
    {"SUB", F | P, Model::Phrasing, 0, 0, 0},
    {"SUP", F | P, Model::Phrasing, 0, 0, 0},
    {"I", F | P, Model::Phrasing, 0, 0, 0},
    {"B", F | P, Model::Phrasing, 0, 0, 0},
    {"U", F | P, Model::Phrasing, 0, 0, 0},
    {"MARK", F | P, Model::Phrasing, 0, 0, 0},
    {"BDI", F | P, Model::Phrasing, 0, 0, 0},
    {"BDO", F | P, Model::Phrasing, 0, 0, 0},
    {"SPAN", F | P, Model::Phrasing, 0, 0, 0},
    {"BR", F | P, Model::Nothing, 0, 0, V},
    {"WBR", F | P, Model::Nothing, 0, 0, V},
    // Edits.
    {"INS", F | P, Model::Transparent, 0, 0, 0},
    {"DEL", F | P, Model::Transparent, 0, 0, 0},
    // Embedded content.
    {"PICTURE", F | P, Model::Picture, 0, 0, 0},
    {"SOURCE", 0, Model::Nothing, 0, 0, V},
    {"IMG", F | P, Model::Nothing, 0, 0, V},
    {"IFRAME", F | P | I, Model::Nothing, 0, 0, 0},
    {"EMBED", F | P | I, Model::Nothing, 0, 0, V},
    {"OBJECT", F | P, Model::Object, 0, 0, PS},
    {"VIDEO", F | P, Model::Media, kNoMedia, kNoMedia, 0},
    {"AUDIO", F | P, Model::Media, kNoMedia, kNoMedia, 0},
    {"TRACK", 0, Model::Nothing, 0, 0, V},
    {"MAP", F | P, Model::Map, 0, 0, 0},
    {"AREA", 0, Model::Nothing, 0, 0, V},  // flow and phrasing inside a map
    {"CANVAS", F | P, Model::Transparent, 0, 0, 0},
    {"SVG", F | P, Model::Nothing, 0, 0, 0},
    {"MATH", F | P, Model::Nothing, 0, 0, 0},
    // Tabular data.
    {"TABLE", F, Model::Table, 0, kNoTable, CP | PS},
    {"CAPTION", 0, Model::Flow, kNoTable, 0, OPT | PS},
    {"COLGROUP", 0, Model::Colgroup, 0, 0, OPT},
    {"COL", 0, Model::Nothing, 0, 0, V},
    {"TBODY", 0, Model::TableSection, 0, 0, OPT},
    {"THEAD", 0, Model::TableSection, 0, 0, OPT},
    {"TFOOT", 0, Model::TableSection, 0, 0, OPT},
    {"TR", 0, Model::Row, 0, 0, OPT},
    {"TD", 0, Model::Flow, 0, 0, OPT | PS},
    {"TH", 0, Model::Flow, kTermExcludes, 0, OPT | PS},
    // Forms.
    {"FORM", F, Model::Flow, kNoForm, kNoForm, CP},
    {"LABEL", F | P | I, Model::Phrasing, kNoLabel, kNoLabel, 0},
    {"INPUT", F | P | I, Model::Nothing, 0, 0, V},
    {"BUTTON", F | P | I, Model::Phrasing, kNoInteractive, 0, PS},
    {"SELECT", F | P | I, Model::Select, 0, 0, 0},
    {"DATALIST", F | P, Model::Datalist, 0, 0, 0},
    {"OPTGROUP", 0, Model::Optgroup, 0, 0, OPT},
    {"OPTION", 0, Model::Phrasing, 0, 0, OPT},
    {"SELECTEDCONTENT", P, Model::Any, 0, 0, 0},
    {"TEXTAREA", F | P | I, Model::Nothing, 0, 0, 0},
    {"OUTPUT", F | P, Model::Phrasing, 0, 0, 0},
    {"PROGRESS", F | P, Model::Phrasing, kNoProgress, kNoProgress, 0},
    {"METER", F | P, Model::Phrasing, kNoMeter, kNoMeter, 0},
    {"FIELDSET", F, Model::Fieldset, 0, 0, CP},
    {"LEGEND", 0, Model::PhrasingOrHeading, 0, 0, 0},
    // Interactive elements.
    {"DETAILS", F | I, Model::Details, 0, 0, CP},
    {"SUMMARY", 0, Model::PhrasingOrHeading, 0, 0, CP},
    {"DIALOG", F, Model::Flow, 0, 0, CP},
    // Scripting.
    {"SCRIPT", F | P | M | SS, Model::Nothing, 0, 0, 0},
    {"NOSCRIPT", F | P | M, Model::Transparent, 0, 0, 0},
    {"TEMPLATE", F | P | M | SS, Model::Any, 0, 0, PS | ROOT},
    {"SLOT", F | P, Model::Transparent, 0, 0, 0},
};

struct Index {
  NameTable<const ElementShape*, 512> byName;
};

const Index& index() {
  static const Index ix = [] {
    Index built;
    for (const auto& shape : kShapes) built.byName.insert(shape.name) = &shape;
    return built;
  }();
  return ix;
}

}  // namespace

const ElementShape* findShape(std::string_view upperName) {
  const auto* found = index().byName.find(upperName);
  return found ? *found : nullptr;
}

std::uint16_t violationsOf(const ElementShape& shape, std::uint16_t cats) {
  std::uint16_t v = shape.violates;
  if (cats & kInteractive) v |= kNoInteractive;
  if (cats & (kHeading | kSectioning)) v |= kNoHeadingSectioning;
  return v;
}

}  // namespace markloom::html5
