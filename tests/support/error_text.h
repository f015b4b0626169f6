#pragma once
// The message of the program's Error that run raises, or "(no error)".
#include <functional>
#include <string>

#include "core/common/error.h"

namespace markloom::test {

inline std::string errorText(const std::function<void()>& run) {
  try {
    run();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace markloom::test
