#include "ui/toolbars/toolbar_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include "core/common/command_ids.h"

namespace markloom {

namespace {
struct StandardIcon {
  std::string_view command;
  QStyle::StandardPixmap pixmap;
};
constexpr StandardIcon kStandardIcons[] = {
    {ids::kNewDocument, QStyle::SP_FileIcon},
    {ids::kOpenLocalFile, QStyle::SP_DialogOpenButton},
    {ids::kOpenFromWeb, QStyle::SP_DriveNetIcon},
    {ids::kSave, QStyle::SP_DialogSaveButton},
    {ids::kUndo, QStyle::SP_ArrowBack},
    {ids::kRedo, QStyle::SP_ArrowForward},
    {ids::kContents, QStyle::SP_DialogHelpButton},
};

struct LetterIcon {
  std::string_view command;
  const char* letters;
  QRgb color;
};
constexpr LetterIcon kLetterIcons[] = {
    {ids::kPrint, "Pr", 0x455a64},        {ids::kPageSetup, "Pg", 0x455a64},
    {ids::kCut, "Ct", 0x6d4c41},          {ids::kCopy, "Cp", 0x6d4c41},
    {ids::kPaste, "Ps", 0x6d4c41},        {ids::kFind, "F", 0x1565c0},
    {ids::kReplace, "R", 0x1565c0},       {ids::kMultiFileReplace, "FR", 0x1565c0},
    {ids::kSpellCheck, "ab", 0x2e7d32},   {ids::kLinkValidator, "LV", 0x2e7d32},
    {ids::kSheetcraft, "SC", 0x6a1b9a},   {ids::kImageMapCreator, "IM", 0x6a1b9a},
    {ids::kLayerCreator, "VL", 0x6a1b9a}, {ids::kFixAndFormatHtml, "Fx", 0xc62828},
    {ids::kHostdeck, "HD", 0x00838f},
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

QIcon toolbarIcon(std::string_view id) {
  for (const auto& s : kStandardIcons)
    if (id == s.command) return QApplication::style()->standardIcon(s.pixmap);
  for (const auto& l : kLetterIcons)
    if (id == l.command) return lettered(l.letters, l.color);
  return {};
}

}  // namespace markloom
