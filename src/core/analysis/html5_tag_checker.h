#pragma once
// The HTML5 check of every tag: each attribute its element does not permit
// (unknown, or obsolete), an element HTML5 does not know, an obsolete element,
// a trailing "/" on an element that cannot be empty (in XHTML any element may
// close itself), then attribute values, nesting, ids and ARIA (core/analysis/
// html5/). Under these rules every conformance error is an "Error" row, advice
// a "Warning" row. Tags are read as a
// browser reads them: blanks, tabs and line ends separate, either quote
// character delimits a value, and blanks may surround "=". The content of
// scripts, style sheets and other raw-text elements, comments, and the insides
// of svg and math are not checked. The state is a few flags and names, so the
// check streams: besides a few flags and names it keeps the open elements
// (bounded in depth) and the document's ids (bounded in number).
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/html5/attribute_checker.h"
#include "core/analysis/html5/id_registry.h"
#include "core/analysis/html5/nesting_checker.h"
#include "core/analysis/tag_checker.h"

namespace markloom {

struct Html5Element;

inline constexpr std::string_view kUnknownTagPrefix = "UNKNOWN TAG: ";

// "UNKNOWN TAG: " + element name, type "Error".
ValidationRow unknownTagRow(std::string_view element, int line);
// The unknown-property message for an attribute HTML5 still recognises but
// has made obsolete; an error like any other.
ValidationRow obsoletePropertyRow(std::string_view attribute, std::string_view element, int line);
// The superseded-element message for an element HTML5 has made obsolete; an error.
ValidationRow obsoleteElementRow(std::string_view element, int line);

class Html5TagChecker : public TokenSink {
 public:
  explicit Html5TagChecker(std::vector<ValidationRow>& rows)
      : rows_(rows), nesting_(rows), ids_(rows), attributeChecker_(rows, ids_) {}
  // tagText may hold line feeds where the tag's lines were joined.
  void tag(std::string_view tagText, int line) override;
  // Text between tags, in pieces of any size.
  void text(std::string_view raw, int line) override;
  // The end of the document: elements left open, references to missing ids.
  void finish();
  // A tag too long to keep whole: its start gives the name and the attributes
  // named there, its end says whether it closes a comment, raw text or itself.
  void longTag(std::string_view head, std::string_view tail, int line) override;

 private:
  // A tag's text as far as it was kept: head and tail are the whole text for
  // an ordinary tag.
  struct Kept {
    std::string_view head;
    std::string_view tail;
    bool cut = false;
  };
  void check(const Kept& tag, int line);
  void startTag(const Kept& tag, int line);
  void endTag(std::string_view name, int line);
  // The nesting check's view of a start tag of a current element.
  html5::StartTag describe(std::string_view name, const Html5Element* element, bool pushes, int line) const;
  // Leaves a comment, raw text or foreign content when the tag ends it; true
  // when the tag belongs to one of them.
  bool insideSkippedContent(const Kept& tag);

  std::vector<ValidationRow>& rows_;
  std::string name_;
  std::string attribute_;
  bool inComment_ = false;
  std::string rawTextEnd_;   // "/SCRIPT" and the like while inside such an element
  std::string foreignRoot_;  // "SVG" or "MATH" while inside one
  int foreignDepth_ = 0;
  bool xhtml_ = false;       // an XML declaration or xmlns on html: any element may close itself
  bool seenMarkup_ = false;  // anything but white space so far
  bool started_ = false;     // a DOCTYPE or start tag came: text before it is not looked at
  html5::NestingChecker nesting_;
  html5::IdRegistry ids_;
  html5::AttributeChecker attributeChecker_;
  std::vector<html5::TagAttribute> attributes_;
};

}  // namespace markloom
