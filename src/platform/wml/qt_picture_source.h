#pragma once
// A card's pictures from files beside the document: whatever the toolkit's
// image readers take, and WBMP pictures by their header when it has no reader
// for them.
#include <QString>

#include "core/wml/picture_source.h"

namespace markloom {

class QtPictureSource : public PictureSource {
 public:
  // folder: where relative source values are looked up; empty for none.
  explicit QtPictureSource(const QString& folder);
  std::optional<PictureFacts> find(std::string_view source) override;

  // The file name of a path found here.
  static QString fileName(const std::string& path);

 private:
  std::string folder_;
};

}  // namespace markloom
