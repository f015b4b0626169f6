#include "ui/markup/markup_icons.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "core/common/command_ids.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

namespace {

constexpr int kSize = 24;

QString name(std::string_view id) { return dialogkit::fromUtf8(id); }

using Drawing = std::function<void(QPainter&)>;

// Glyph styles.
enum Style { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

Drawing glyph(const QString& text, int style = Bold, QColor colour = QColor(0x20, 0x20, 0x20)) {
  return [=](QPainter& p) {
    QFont f("Liberation Sans");
    f.setPixelSize(text.size() <= 1 ? 17 : 13);
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    f.setUnderline(style & Underline);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(QRect(1, 1, kSize - 2, kSize - 2), Qt::AlignCenter, text);
  };
}

// Three text lines aligned left, centred or right.
Drawing alignment(Qt::Alignment how) {
  return [=](QPainter& p) {
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
    const int widths[] = {14, 9, 14, 9};
    for (int i = 0; i < 4; ++i) {
      const int w = widths[i];
      const int x = how == Qt::AlignLeft ? 5 : how == Qt::AlignRight ? kSize - 5 - w : (kSize - w) / 2;
      p.drawLine(x, 6 + i * 4, x + w, 6 + i * 4);
    }
  };
}

Drawing picture(bool withArrow = false) {
  return [=](QPainter& p) {
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setBrush(QColor(0xd8, 0xec, 0xff));
    p.drawRect(4, 5, 15, 12);
    p.setBrush(QColor(0xf0, 0xc0, 0x20));
    p.drawEllipse(QPoint(15, 9), 2, 2);
    QPainterPath hill;
    hill.moveTo(5, 16);
    hill.lineTo(9, 10);
    hill.lineTo(13, 16);
    p.setBrush(QColor(0x40, 0x90, 0x40));
    p.drawPath(hill);
    if (withArrow) {
      p.setPen(QPen(QColor(0xc0, 0x20, 0x20), 2));
      p.drawLine(12, 21, 20, 21);
      p.drawLine(17, 18, 20, 21);
    }
  };
}

Drawing frameOf(const QString& inner, bool dashed = false) {
  return [=](QPainter& p) {
    QPen pen(QColor(0x30, 0x30, 0x30));
    if (dashed) pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::white);
    p.drawRect(3, 7, 17, 10);
    QFont f("Liberation Sans");
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(3, 7, 17, 10), Qt::AlignCenter, inner);
  };
}

Drawing checkBox() {
  return [](QPainter& p) {
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setBrush(Qt::white);
    p.drawRect(6, 6, 11, 11);
    p.setPen(QPen(QColor(0x10, 0x60, 0x10), 2));
    p.drawLine(8, 11, 11, 14);
    p.drawLine(11, 14, 16, 8);
  };
}

Drawing radio() {
  return [](QPainter& p) {
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint(12, 12), 6, 6);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawEllipse(QPoint(12, 12), 2, 2);
  };
}

Drawing memo() {
  return [](QPainter& p) {
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setBrush(Qt::white);
    p.drawRect(4, 4, 15, 15);
    for (int y = 8; y <= 16; y += 4) p.drawLine(7, y, 16, y);
  };
}

Drawing combo() {
  return [](QPainter& p) {
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setBrush(Qt::white);
    p.drawRect(3, 7, 17, 10);
    p.setBrush(QColor(0xd0, 0xd0, 0xd0));
    p.drawRect(14, 7, 6, 10);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    const QPoint tri[] = {QPoint(15, 11), QPoint(19, 11), QPoint(17, 14)};
    p.drawPolygon(tri, 3);
  };
}

Drawing layers() {
  return [](QPainter& p) {
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setBrush(QColor(0xb0, 0xd0, 0xf0));
    p.drawRect(3, 3, 12, 10);
    p.setBrush(QColor(0xf0, 0xd0, 0x90));
    p.drawRect(8, 9, 12, 10);
  };
}

Drawing clock() {
  return [](QPainter& p) {
    p.setPen(QColor(0x30, 0x30, 0x30));
    p.setBrush(Qt::white);
    p.drawEllipse(QPoint(12, 12), 8, 8);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
    p.drawLine(12, 12, 12, 6);
    p.drawLine(12, 12, 16, 14);
  };
}

Drawing menuBars() {
  return [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x50, 0x90));
    for (int i = 0; i < 3; ++i) p.drawRect(5, 6 + i * 5, 14, 3);
  };
}

Drawing lineBreak() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2));
    p.drawLine(17, 6, 17, 14);
    p.drawLine(17, 14, 7, 14);
    p.drawLine(7, 14, 10, 11);
    p.drawLine(7, 14, 10, 17);
  };
}

Drawing cup() {
  return [](QPainter& p) {
    p.setPen(QPen(QColor(0x50, 0x30, 0x10), 1.5));
    p.setBrush(QColor(0xe0, 0xc0, 0x90));
    p.drawRect(6, 10, 9, 9);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(14, 12, 5, 5));
    p.drawLine(8, 4, 9, 8);
    p.drawLine(12, 4, 13, 8);
  };
}

Drawing film() {
  return [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawRect(4, 5, 16, 14);
    p.setBrush(Qt::white);
    for (int x = 5; x < 20; x += 4) {
      p.drawRect(x, 6, 2, 2);
      p.drawRect(x, 16, 2, 2);
    }
    p.setBrush(QColor(0x80, 0xb0, 0xe0));
    p.drawRect(6, 9, 12, 6);
  };
}

Drawing speaker() {
  return [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    const QPointF cone[] = {QPointF(4, 9),   QPointF(8, 9),  QPointF(13, 4),
                            QPointF(13, 20), QPointF(8, 15), QPointF(4, 15)};
    p.drawPolygon(cone, 6);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(11, 8, 6, 8), -60 * 16, 120 * 16);
    p.drawArc(QRectF(11, 5, 10, 14), -60 * 16, 120 * 16);
  };
}

// Keyed by button name. The tile colour tells the family: formatting, common,
// forms, WML, JSP.
struct IconSpec {
  QColor tile;
  Drawing draw;
};

const QHash<QString, IconSpec>& specs() {
  static const QHash<QString, IconSpec> table = [] {
    const QColor formatting(0xf4, 0xf4, 0xf4), common(0xfff4e0), forms(0xe8f4e8), wml(0xf0e8f8), jsp(0xe8f0f8);
    const QColor link(0x10, 0x30, 0xc0);
    QHash<QString, IconSpec> t;
    // Formatting toolbar.
    t[name(ids::kBold)] = {formatting, glyph("B", Bold)};
    t[name(ids::kItalic)] = {formatting, glyph("I", Italic | Bold)};
    t[name(ids::kUnderline)] = {formatting, glyph("U", Underline | Bold)};
    t[name(ids::kAlignLeft)] = {formatting, alignment(Qt::AlignLeft)};
    t[name(ids::kAlignCenter)] = {formatting, alignment(Qt::AlignHCenter)};
    t[name(ids::kAlignRight)] = {formatting, alignment(Qt::AlignRight)};
    // Common tab.
    t[name(ids::kInsertImageButton)] = {common, picture()};
    t[name(ids::kInsertRolloverButton)] = {common, picture(true)};
    t[name(ids::kInsertHyperlinkButton)] = {common, glyph("a", Bold | Underline, link)};
    t[name(ids::kInsertAnchorButton)] = {common, glyph("#", Bold, link)};
    t[name(ids::kInsertScriptButton)] = {common, glyph("JS")};
    t[name(ids::kInsertAppletButton)] = {common, cup()};
    t[name(ids::kInsertShockwaveButton)] = {common, glyph("SW", Bold, QColor(0xb0, 0x20, 0x20))};
    t[name(ids::kInsertVideoButton)] = {common, film()};
    t[name(ids::kInsertSoundButton)] = {common, speaker()};
    t[name(ids::kInsertQuickTimeButton)] = {common, glyph("QT", Bold, QColor(0x20, 0x50, 0xa0))};
    t[name(ids::kInsertRealVideoButton)] = {common, glyph("RV", Bold, QColor(0x20, 0x50, 0xa0))};
    t[name(ids::kInsertNavigationMenuButton)] = {common, menuBars()};
    t[name(ids::kInsertActiveXButton)] = {common, glyph("AX")};
    t[name(ids::kInsertPluginButton)] = {common, glyph("P+")};
    t[name(ids::kInsertLineBreakButton)] = {common, lineBreak()};
    t[name(ids::kInsertLayerButton)] = {common, layers()};
    t[name(ids::kInsertTimestampButton)] = {common, clock()};
    // Forms tab.
    t[name(ids::kInsertForm)] = {forms, frameOf("F")};
    t[name(ids::kInsertInputField)] = {forms, frameOf("ab")};
    t[name(ids::kInsertCheckBox)] = {forms, checkBox()};
    t[name(ids::kInsertRadioButton)] = {forms, radio()};
    t[name(ids::kInsertTextField)] = {forms, frameOf("T|")};
    t[name(ids::kInsertTextArea)] = {forms, memo()};
    t[name(ids::kInsertDropDownList)] = {forms, combo()};
    t[name(ids::kInsertFileField)] = {forms, frameOf("..")};
    t[name(ids::kInsertImageInput)] = {forms, picture()};
    t[name(ids::kInsertHiddenField)] = {forms, frameOf("", true)};
    // WML tab.
    t[name(ids::kStrong)] = {wml, glyph("S", Bold)};
    t[name(ids::kEmphasis)] = {wml, glyph("e", Italic)};
    t[name(ids::kWmlUnderline)] = {wml, glyph("u", Underline)};
    // JSP tab.
    t[name(ids::kJspInfo)] = {jsp, glyph("J", Bold, QColor(0x20, 0x50, 0xa0))};
    t[name(ids::kJspInclude)] = {jsp, glyph("in")};
    t[name(ids::kJspComment)] = {jsp, glyph("--")};
    return t;
  }();
  return table;
}

}  // namespace

QIcon markupIcon(const QString& buttonName) {
  const auto it = specs().constFind(buttonName);
  if (it == specs().constEnd()) return {};
  // Drawn on a 24-unit grid, rendered at the sizes toolbars use.
  QIcon icon;
  for (const int size : {16, 20, 24, 32}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / double(kSize), size / double(kSize));
    p.setPen(QColor(0xa0, 0xa0, 0xa0));
    p.setBrush(it->tile);
    p.drawRoundedRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1), 3, 3);
    it->draw(p);
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace markloom
