#pragma once
// The checks of one start tag's attributes beyond their names: each value by
// its grammar, ARIA roles and properties, ids and references, the attributes
// an element requires, and those its other attributes rule out (input types,
// microdata).
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/html5/id_registry.h"
#include "core/analysis/html5/nesting_checker.h"
#include "core/analysis/tag_checker.h"

namespace markloom::html5 {

struct TagAttribute {
  std::string name;        // upper case
  std::string_view value;  // as written, without quotes
  bool cut = false;        // the tag was too long to keep and its value may be cut
};

class AttributeChecker {
 public:
  AttributeChecker(std::vector<ValidationRow>& rows, IdRegistry& ids) : rows_(rows), ids_(ids) {}
  // element: upper case, an element of today's HTML.
  void check(std::string_view element, const std::vector<TagAttribute>& attributes, const NestingChecker& nesting,
             int line);

 private:
  void checkValue(std::string_view element, const TagAttribute& a, int line);
  void checkRole(std::string_view element, const std::vector<TagAttribute>& attributes, std::string_view value,
                 int line);
  void checkRequired(std::string_view element, const std::vector<TagAttribute>& attributes,
                     const NestingChecker& nesting, int line);
  void checkInputType(const std::vector<TagAttribute>& attributes, int line);

  std::vector<ValidationRow>& rows_;
  IdRegistry& ids_;
  std::string where_;
  bool microdata_ = false;  // the tag has an item* attribute
};

const TagAttribute* findAttribute(const std::vector<TagAttribute>& attributes, std::string_view upperName);

}  // namespace markloom::html5
