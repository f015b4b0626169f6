#include "platform/wml/qt_font_metrics.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace markloom {

namespace {
// Tall enough for any label the page can hold; the height is what we measure.
constexpr int kUnbounded = 1 << 20;
// The classic height of an option button, kept when the font allows it.
constexpr int kOptionButtonHeight = 17;
}  // namespace

QtFontMetrics::QtFontMetrics(int pixelsPerInch) : pixelsPerInch_(pixelsPerInch) {}

WmlFont QtFontMetrics::defaultFont() const {
  const QFont f = QGuiApplication::font();
  WmlFont out;
  out.family = f.family().toStdString();
  if (f.pointSize() > 0)
    out.points = f.pointSize();
  else
    out.points = static_cast<int>(std::lround(f.pixelSize() * 72.0 / pixelsPerInch_));
  out.bold = f.bold();
  out.italic = f.italic();
  out.underline = f.underline();
  return out;
}

QFont QtFontMetrics::qtFont(const WmlFont& font) const {
  QFont f(QString::fromStdString(font.family));
  f.setPixelSize(std::max(1, fontPixelHeight(font.points, pixelsPerInch_)));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

int QtFontMetrics::labelFlags(bool wrap) {
  return static_cast<int>(Qt::AlignLeft | Qt::AlignTop) | (wrap ? static_cast<int>(Qt::TextWordWrap) : 0);
}

namespace {

// The widest of the lines text wraps into within width, each measured as a
// label of that line alone would be (the blank a line was broken at left out).
int widestLineAlone(const QFontMetrics& fm, const QFont& font, QString text, int width) {
  text.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  std::vector<std::pair<int, int>> lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    lines.emplace_back(line.textStart(), line.textLength());
  }
  layout.endLayout();
  int widest = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    QString line = text.mid(lines[i].first, lines[i].second);
    while (line.endsWith(QChar::LineSeparator) || (i + 1 < lines.size() && line.endsWith(QLatin1Char(' '))))
      line.chop(1);
    if (line.isEmpty()) continue;
    widest = std::max(widest, fm.boundingRect(QRect(0, 0, kUnbounded, kUnbounded), QtFontMetrics::labelFlags(false),
                                              line.replace(QChar::LineSeparator, QLatin1Char('\n')))
                                  .width());
  }
  return widest;
}

}  // namespace

// A wrapping label is as wide as its widest line shown alone, and at least as
// wide as it takes for the label to break its text into the same lines: the
// toolkit breaks a line when its last glyph's overhang would not fit, so the
// lines' own width can be a pixel short of that.
PixelSize QtFontMetrics::labelSize(std::string_view text, const WmlFont& font, int wrapWidth) const {
  const QFont qfont = qtFont(font);
  const QFontMetrics fm(qfont);
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const bool wrap = wrapWidth > 0;
  const QRect r = fm.boundingRect(QRect(0, 0, wrap ? wrapWidth : kUnbounded, kUnbounded), labelFlags(wrap), s);
  if (!wrap) return {r.width(), r.height()};
  int width = std::min(std::max(r.width(), widestLineAlone(fm, qfont, s, wrapWidth)), wrapWidth);
  while (width < wrapWidth && fm.boundingRect(QRect(0, 0, width, kUnbounded), labelFlags(true), s) != r) ++width;
  return {width, r.height()};
}

int QtFontMetrics::optionButtonHeight() const {
  const QFontMetrics fm(qtFont(defaultFont()));
  return std::max(kOptionButtonHeight, fm.height() + 4);
}

}  // namespace markloom
