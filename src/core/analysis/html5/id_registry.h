#pragma once
// The ids of a document and the references to them (for, headers, list,
// form, aria-labelledby, ...): a repeated id is reported where it repeats, a
// reference to an id that never appears at the end of the document. At most
// kMaxIds ids and kMaxReferences references are kept, so memory stays bounded;
// past that, references are no longer checked (a missing id could be one not
// kept).
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/analysis/tag_checker.h"

namespace markloom::html5 {

class IdRegistry {
 public:
  static constexpr std::size_t kMaxIds = 1 << 18;
  static constexpr std::size_t kMaxReferences = 1 << 18;

  explicit IdRegistry(std::vector<ValidationRow>& rows) : rows_(rows) {}
  void define(std::string_view id, int line);
  // Every white-space separated id of value when several, else value itself.
  void refer(std::string_view value, bool several, std::string_view attribute, std::string_view element, int line);
  void finish();

 private:
  struct Reference {
    std::string id, attribute, element;
    int line;
  };
  std::vector<ValidationRow>& rows_;
  std::unordered_set<std::string> ids_;
  std::vector<Reference> references_;
  bool overflow_ = false;
};

}  // namespace markloom::html5
