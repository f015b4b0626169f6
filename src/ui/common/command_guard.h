#pragma once
// The command boundary: runs a handler, and shows any error it raises in the
// standard error box instead of letting it unwind through Qt's event loop.
#include <exception>
#include <utility>

#include <QString>

#include "core/common/error.h"
#include "ui/common/prompter.h"

namespace markloom {

template <class Handler>
void guarded(Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const Error& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
  } catch (const std::exception& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
  }
}

}  // namespace markloom
