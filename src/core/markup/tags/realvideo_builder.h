#pragma once
// The RealVideo clip as an object element (with an embed inside for browsers
// without the control), written as one text.
#include <string>
#include <string_view>

#include "core/document/editor_ops.h"

namespace markloom::markup {

struct RealVideoFields {
  std::string movie;
  std::string height = "0";
  std::string width = "0";
  bool autoPlay = true;
  friend bool operator==(const RealVideoFields&, const RealVideoFields&) = default;
};

inline constexpr std::string_view kRealVideoMissingMessage = "Please specify a RealMovie clip.";

std::string buildRealVideo(const RealVideoFields& fields);
void insertRealVideo(EditorOps& ops, const RealVideoFields& fields);

}  // namespace markloom::markup
