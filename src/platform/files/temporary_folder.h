#pragma once
// The folder for temporary files: $TMPDIR when set, otherwise /tmp.
#include <cstdlib>
#include <string>

namespace markloom {

inline std::string temporaryFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return tmp && *tmp ? tmp : "/tmp";
}

}  // namespace markloom
