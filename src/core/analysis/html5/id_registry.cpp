#include "core/analysis/html5/id_registry.h"

#include "core/analysis/html5/microsyntax.h"
#include "core/analysis/html5/rows.h"

namespace markloom::html5 {

void IdRegistry::define(std::string_view id, int line) {
  if (id.empty()) return;
  if (ids_.size() >= kMaxIds) {
    overflow_ = true;
    if (ids_.count(std::string(id))) rows_.push_back(duplicateIdRow(id, line));
    return;
  }
  if (!ids_.emplace(id).second) rows_.push_back(duplicateIdRow(id, line));
}

void IdRegistry::refer(std::string_view value, bool several, std::string_view attribute, std::string_view element,
                       int line) {
  auto one = [&](std::string_view id) {
    if (id.empty()) return;
    if (references_.size() >= kMaxReferences) {
      overflow_ = true;
      return;
    }
    references_.push_back({std::string(id), std::string(attribute), std::string(element), line});
  };
  if (several)
    forEachToken(value, one);
  else
    one(value);
}

void IdRegistry::finish() {
  if (!overflow_) {
    for (const auto& r : references_)
      if (!ids_.count(r.id)) rows_.push_back(missingIdRow(r.id, r.attribute, r.element, r.line));
  }
  ids_.clear();
  references_.clear();
  overflow_ = false;
}

}  // namespace markloom::html5
