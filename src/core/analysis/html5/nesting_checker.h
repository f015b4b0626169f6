#pragma once
// The nesting check: the open elements as the browser keeps them (with the
// html, head, body, tbody and tr it implies and the end tags it may leave out),
// each start tag checked against its parent's content model and the
// descendants its ancestors forbid, text where it may not stand, order and
// number of children, stray end tags and elements left open. The open
// elements are bounded (kMaxDepth); below that depth nesting is not checked.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/html5/content_models.h"
#include "core/analysis/tag_checker.h"

namespace markloom::html5 {

// What the tag checker knows of a start tag.
struct StartTag {
  std::string_view name;                // upper case
  const ElementShape* shape = nullptr;  // nullptr: a custom, unknown or obsolete element
  std::uint16_t categories = 0;         // settled from the attributes
  bool known = false;                   // custom: checked as flow and phrasing content
  bool hasTabindex = false;
  bool hidden = false;  // main with hidden: not counted
  bool pushes = true;   // false: void, raw text, foreign or self-closed XML
  int line = 0;
};

class NestingChecker {
 public:
  static constexpr std::size_t kMaxDepth = 512;

  explicit NestingChecker(std::vector<ValidationRow>& rows) : rows_(rows) {}

  void start(const StartTag& tag);
  void end(std::string_view upperName, int line);
  // Text that is not all white space.
  void text(int line);
  // Whether text there could give a row (else the caller need not look at it).
  bool textMatters() const;
  void finish();

  // Facts about the open elements that attribute rules depend on.
  bool inside(std::string_view upperName) const;
  std::string_view parentName() const;

 private:
  enum class Phase : std::uint8_t { Start, BeforeHead, InHead, AfterHead, InBody, AfterBody };
  struct Open {
    const ElementShape* shape = nullptr;
    std::string name;  // kept for elements without a shape
    Model model = Model::Any;
    Model inherit = Model::Any;  // what a transparent model stands for here
    std::uint16_t forbid = 0;
    std::uint16_t state = 0;  // children seen, by the parent's model
    int line = 0;
    bool implied = false;
  };

  std::string_view nameOf(const Open& open) const { return open.shape ? open.shape->name : open.name; }
  bool is(const Open& open, std::string_view name) const { return nameOf(open) == name; }
  Model effective(const Open& open) const;
  void push(const StartTag& tag, bool implied);
  void pushImplied(std::string_view name, int line);
  void pop(int line, bool reportUnclosed);
  void popAbove(std::size_t index, int line);
  void closeHead(int line);
  // The index of the nearest open element called name, searching no further
  // than an element with one of the boundaries flags (ShapeFlag); -1 if none.
  int findOpen(std::string_view name, std::uint8_t boundaries) const;
  void impliedEnds(const StartTag& tag);
  bool placeBeforeBody(const StartTag& tag);
  void checkChild(const StartTag& tag);
  void checkOnce(const StartTag& tag);
  void endChecks(const Open& open, int line);

  std::vector<ValidationRow>& rows_;
  std::vector<Open> open_;
  std::size_t overflow_ = 0;  // elements opened beyond kMaxDepth
  Phase phase_ = Phase::Start;
  bool titleSeen_ = false;
  std::vector<const ElementShape*> seenOnce_;  // elements allowed once (kOnce) met so far
};

}  // namespace markloom::html5
