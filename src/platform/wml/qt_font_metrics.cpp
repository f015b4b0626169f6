#include "platform/wml/qt_font_metrics.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cmath>

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

PixelSize QtFontMetrics::labelSize(std::string_view text, const WmlFont& font, int wrapWidth) const {
  const QFontMetrics fm(qtFont(font));
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const bool wrap = wrapWidth > 0;
  const QRect r = fm.boundingRect(QRect(0, 0, wrap ? wrapWidth : kUnbounded, kUnbounded), labelFlags(wrap), s);
  return {wrap ? std::min(r.width(), wrapWidth) : r.width(), r.height()};
}

int QtFontMetrics::optionButtonHeight() const {
  const QFontMetrics fm(qtFont(defaultFont()));
  return std::max(kOptionButtonHeight, fm.height() + 4);
}

}  // namespace markloom
