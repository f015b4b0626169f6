#pragma once
// Where the pictures of a card come from. The layout only needs each
// picture's size; the viewer shows what the source found.
#include <optional>
#include <string>
#include <string_view>

#include "core/wml/font_metrics.h"

namespace markloom {

struct PictureFacts {
  std::string path;       // the file the source value led to
  PixelSize size;         // the picture's own size
  bool readable = false;  // the toolkit can draw it; otherwise a grey box of that size stands in
};

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // The picture a source value (UTF-8) names; nullopt when it is missing or
  // not a picture at all.
  virtual std::optional<PictureFacts> find(std::string_view source) = 0;
};

// A source that finds nothing: every picture is shown as missing.
class NoPictures : public PictureSource {
 public:
  std::optional<PictureFacts> find(std::string_view) override { return std::nullopt; }
};

}  // namespace markloom
