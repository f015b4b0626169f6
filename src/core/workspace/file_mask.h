#pragma once
// File masks of the Files panel: "*.htm;*.html;*.shtml", with '*' and '?'
// wildcards, letters compared without regard to case, ';' between patterns.
#include <string>
#include <vector>

namespace markloom {

class FileMask {
 public:
  explicit FileMask(const std::string& mask);
  bool matches(const std::string& fileName) const;
  const std::vector<std::string>& patterns() const { return patterns_; }

 private:
  std::vector<std::string> patterns_;
};

}  // namespace markloom
