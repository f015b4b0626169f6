#pragma once
// Test doubles for the card layout: font metrics that need no installed font
// (every character is half the font's pixel height wide, one more when bold;
// a line is the pixel height plus 2), and pictures from a table.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/wml/font_metrics.h"
#include "core/wml/picture_source.h"

namespace markloom::test {

class FixedMetrics : public FontMetrics {
 public:
  int pixelsPerInch() const override { return 96; }
  WmlFont defaultFont() const override { return {"System", 8}; }
  int optionButtonHeight() const override { return 17; }

  int charWidth(const WmlFont& f) const { return fontPixelHeight(f.points, 96) / 2 + (f.bold ? 1 : 0); }
  int lineHeight(const WmlFont& f) const { return fontPixelHeight(f.points, 96) + 2; }

  // Words break at blanks (the blank at a break is dropped); blanks elsewhere
  // count like any character.
  PixelSize labelSize(std::string_view text, const WmlFont& font, int wrapWidth) const override {
    const int cw = charWidth(font);
    int lines = 0, widest = 0;
    std::size_t start = 0;
    while (true) {
      const std::size_t end = text.find('\n', start);
      const std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
      for (int w : wrapped(line, cw, wrapWidth)) {
        ++lines;
        if (w > widest) widest = w;
      }
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
    if (wrapWidth > 0 && widest > wrapWidth) widest = wrapWidth;
    return {widest, lines * lineHeight(font)};
  }

 private:
  static std::vector<int> wrapped(std::string_view line, int cw, int wrapWidth) {
    if (wrapWidth <= 0) return {static_cast<int>(line.size()) * cw};
    std::vector<int> widths;
    int current = -1;  // characters on the current line; -1 before its first word
    std::size_t start = 0;
    while (true) {
      const std::size_t blank = line.find(' ', start);
      const int word = static_cast<int>((blank == std::string_view::npos ? line.size() : blank) - start);
      if (current < 0) {
        current = word;
      } else if ((current + 1 + word) * cw <= wrapWidth) {
        current += 1 + word;
      } else {
        widths.push_back(current * cw);
        current = word;
      }
      if (blank == std::string_view::npos) break;
      start = blank + 1;
    }
    widths.push_back(current * cw);
    return widths;
  }
};

class TablePictures : public PictureSource {
 public:
  explicit TablePictures(std::map<std::string, PictureFacts> table) : table_(std::move(table)) {}
  std::optional<PictureFacts> find(std::string_view source) override {
    asked.emplace_back(source);
    const auto it = table_.find(std::string(source));
    if (it == table_.end()) return std::nullopt;
    return it->second;
  }
  std::vector<std::string> asked;

 private:
  std::map<std::string, PictureFacts> table_;
};

}  // namespace markloom::test
