#pragma once
// What every element of today's HTML is (its content categories) and what it
// may hold (its content model), as a table: the nesting check reads it for
// every start tag. Categories that depend on attributes (a with href is
// interactive, input of type hidden is not, ...) are settled by the checker.
#include <cstdint>
#include <string_view>

namespace markloom::html5 {

// Content categories.
enum Category : std::uint16_t {
  kFlow = 1,
  kPhrasing = 2,
  kInteractive = 4,
  kHeading = 8,
  kSectioning = 16,
  kMetadata = 32,
  kScriptSupporting = 64,
};

// What an element may hold.
enum class Model : std::uint8_t {
  Any,  // not checked: template contents, unknown and custom elements
  Flow,
  Phrasing,
  Transparent,        // what its parent may hold
  Nothing,            // void and raw-text elements: nothing reaches the checker
  Html,               // head, then body
  Head,               // metadata content
  List,               // li (ul, ol, menu)
  Dl,                 // dt and dd groups, or div wrapping them
  DlDiv,              // a div inside dl: dt and dd groups
  Table,              // caption, colgroup, thead, tbody or tr, tfoot in that order
  TableSection,       // tr
  Row,                // td and th
  Colgroup,           // col and template
  Select,             // option, optgroup, hr (and a button first)
  Optgroup,           // option and legend
  Datalist,           // phrasing content or option
  Ruby,               // phrasing content with rt and rp
  Picture,            // source, then one img
  Media,              // source and track, then transparent
  Figure,             // flow content with one figcaption
  Details,            // summary first, then flow content
  Fieldset,           // an optional legend first, then flow content
  Hgroup,             // one heading among p elements
  PhrasingOrHeading,  // legend and summary
  Map,                // transparent, and area
  Object,             // transparent
};

// Descendants an element forbids, as flags carried down the open elements.
enum Exclusion : std::uint16_t {
  kNoInteractive = 1,         // a, button: no interactive content, nothing with tabindex
  kNoAnchor = 2,              // a
  kNoForm = 4,                // form
  kNoLabel = 8,               // label
  kNoHeaderFooter = 16,       // header, footer, dt, th
  kNoHeadingSectioning = 32,  // address, dt, th
  kNoAddress = 64,            // address
  kNoDfn = 128,               // dfn
  kNoProgress = 256,          // progress
  kNoMeter = 512,             // meter
  kNoTable = 1024,            // caption
  kNoMain = 2048,             // article, aside, footer, header, nav: main is not theirs
  kNoMedia = 4096,            // audio, video
};

enum ShapeFlag : std::uint8_t {
  kOptionalEnd = 1,  // its end tag may be left out
  kClosesP = 2,      // its start tag ends an open p
  kVoid = 4,         // it has no end tag
  kOnce = 8,         // at most one per document (main: one without hidden)
  kPScope = 16,      // the search for an open p stops here
  kRoot = 32,        // html and template: no search for an open element goes past them
};

struct ElementShape {
  std::string_view name;     // upper case
  std::uint16_t categories;  // Category flags
  Model model;
  std::uint16_t excludes;  // Exclusion flags it sets for its descendants
  std::uint16_t violates;  // Exclusion flags it breaks as a descendant (besides its categories)
  std::uint8_t flags;      // ShapeFlag
};

// nullptr for a name that is no current element.
const ElementShape* findShape(std::string_view upperName);

// The Exclusion flags an element breaks when its categories are cats.
std::uint16_t violationsOf(const ElementShape& shape, std::uint16_t cats);

}  // namespace markloom::html5
