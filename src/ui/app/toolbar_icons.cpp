#include "ui/app/toolbar_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace markloom {

namespace {
struct StandardIcon {
  const char* command;
  QStyle::StandardPixmap pixmap;
};
constexpr StandardIcon kStandardIcons[] = {
    {"New1", QStyle::SP_FileIcon},
    {"OpenfromLocal1", QStyle::SP_DialogOpenButton},
    {"OpenfromWeb1", QStyle::SP_DriveNetIcon},
    {"Save1", QStyle::SP_DialogSaveButton},
    {"Undo1", QStyle::SP_ArrowBack},
    {"Redo1", QStyle::SP_ArrowForward},
    {"Contents1", QStyle::SP_DialogHelpButton},
};

struct LetterIcon {
  const char* command;
  const char* letters;
  QRgb color;
};
constexpr LetterIcon kLetterIcons[] = {
    {"Print1", "Pr", 0x455a64},
    {"PageSetup1", "Pg", 0x455a64},
    {"Cut1", "Ct", 0x6d4c41},
    {"Copy1", "Cp", 0x6d4c41},
    {"Paste1", "Ps", 0x6d4c41},
    {"Find1", "F", 0x1565c0},
    {"Replace1", "R", 0x1565c0},
    {"ExtendedFindandReplace1", "FR", 0x1565c0},
    {"SpellCheck1", "ab", 0x2e7d32},
    {"LinkValidator1", "LV", 0x2e7d32},
    {"Sheetcraft1", "SC", 0x6a1b9a},
    {"VisualImageMapCreator1", "IM", 0x6a1b9a},
    {"VisualLayerCreator1", "VL", 0x6a1b9a},
    {"FixandFormatHTML1", "Fx", 0xc62828},
};

QIcon lettered(const QString& letters, QRgb color) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(color));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
  QFont font = p.font();
  font.setPixelSize(letters.size() > 1 ? 15 : 20);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(pixmap.rect(), Qt::AlignCenter, letters);
  return QIcon(pixmap);
}
}  // namespace

QIcon toolbarIcon(const QString& commandName) {
  for (const auto& s : kStandardIcons)
    if (commandName == s.command) return QApplication::style()->standardIcon(s.pixmap);
  for (const auto& l : kLetterIcons)
    if (commandName == l.command) return lettered(l.letters, l.color);
  return {};
}

}  // namespace markloom
