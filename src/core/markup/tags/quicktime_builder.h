#pragma once
// The QuickTime movie as an embed element; every attribute is written, empty
// or not.
#include <string>
#include <string_view>

#include "core/document/editor_ops.h"

namespace markloom::markup {

struct QuickTimeFields {
  std::string movie;
  std::string height = "0";
  std::string width = "0";
  std::string target;
  std::string linkTo;
  bool autoPlay = true;
  bool loop = true;
  bool controls = true;
  friend bool operator==(const QuickTimeFields&, const QuickTimeFields&) = default;
};

inline constexpr std::string_view kQuickTimeMissingMessage = "Please specify a QuickTime movie.";

std::string buildQuickTime(const QuickTimeFields& fields);
void insertQuickTime(EditorOps& ops, const QuickTimeFields& fields);

}  // namespace markloom::markup
