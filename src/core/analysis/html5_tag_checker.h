#pragma once
// The HTML5 check of every tag: each attribute its element does not permit
// (unknown, or obsolete), an element HTML5 does not know, an obsolete element,
// and a trailing "/" on an element that cannot be empty. Tags are read as a
// browser reads them: blanks, tabs and line ends separate, either quote
// character delimits a value, and blanks may surround "=". The content of
// scripts, style sheets and other raw-text elements, comments, and the insides
// of svg and math are not checked. The state is a few flags and names, so the
// check streams over any amount of input in constant memory.
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/tag_checker.h"

namespace markloom {

inline constexpr std::string_view kUnknownTagPrefix = "UNKNOWN TAG: ";

// "UNKNOWN TAG: " + element name, type "Error".
ValidationRow unknownTagRow(std::string_view element, int line);
// The unknown-property message for an attribute HTML5 still recognises but
// has made obsolete; type "Deprecated".
ValidationRow obsoletePropertyRow(std::string_view attribute, std::string_view element, int line);

class Html5TagChecker : public TokenSink {
 public:
  explicit Html5TagChecker(std::vector<ValidationRow>& rows) : rows_(rows) {}
  // tagText may hold line feeds where the tag's lines were joined.
  void tag(std::string_view tagText, int line) override;
  void text(std::string_view, int) override {}
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
};

}  // namespace markloom
