#pragma once
// Small helpers the builder dialogs share: 8-bit text to and from the widgets,
// and the OK/Cancel row every dialog ends with.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QBoxLayout;
class QPushButton;

namespace markloom {
class EditorOps;
}

namespace markloom::builders {

// Where a command finds the document it writes into: the active document
// when it is asked, nullptr with none open.
using DocumentSource = std::function<EditorOps*()>;

// Document text is 8-bit; the widgets show each byte as its Latin-1 character.
inline QString qs(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string bytes(const QString& s) { return s.toLatin1().toStdString(); }
QStringList qsList(const std::vector<std::string>& items);

struct OkCancel {
  QPushButton* ok;
  QPushButton* cancel;
};
// Adds a right-aligned "&OK" (default, accepts) and "&Cancel" (rejects) row.
OkCancel addOkCancel(QDialog* dialog, QBoxLayout* layout, const QString& okName = "OKButton",
                     const QString& cancelName = "CancelButton");

// The file choosers' "everything" filter. Linux file names need not have a dot,
// so the pattern is "*" rather than "*.*".
inline const QString kAllFilesFilter = QStringLiteral("All Files (*)");

}  // namespace markloom::builders
