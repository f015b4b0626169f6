#pragma once
// Field texts go into the document as its 8-bit text, unchanged.
#include <QString>
#include <string>

namespace markloom::dialogtext {

inline std::string bytes(const QString& s) { return s.toLatin1().toStdString(); }
inline QString qs(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

// File chooser filters. Qt separates the patterns of one filter by blanks.
inline const QString kPictureFilter = QStringLiteral(
    "All (*.jpg *.jpeg *.gif *.bmp *.ico *.emf *.wmf);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;"
    "GIF Image (*.gif);;Bitmaps (*.bmp);;Icons (*.ico)");
inline const QString kRolloverPictureFilter =
    kPictureFilter + QStringLiteral(";;Enhanced Metafiles (*.emf);;Metafiles (*.wmf)");
// Every file, also those without an extension.
inline const QString kAllFilesFilter = QStringLiteral("All Files (*)");

}  // namespace markloom::dialogtext
