#pragma once
// What the tag dialogs share: text between the widgets and the UTF-8 the
// builders take, the file choosers' filters, the OK/Cancel pair, and the
// common layout of labelled fields above a right-aligned OK/Cancel row.
// Fields hold UTF-8; a document's own encoding is applied only when the
// finished markup goes into the document.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;

namespace markloom::dialogkit {

// Text.
QString fromUtf8(std::string_view utf8);
QStringList fromUtf8(const std::vector<std::string>& items);
std::string toUtf8(const QString& text);

// File chooser filters. Qt separates the patterns of one filter by blanks.
inline const QString kPictureFilter = QStringLiteral(
    "All (*.jpg *.jpeg *.gif *.bmp *.ico *.emf *.wmf);;JPEG Image File (*.jpg);;JPEG Image File (*.jpeg);;"
    "GIF Image (*.gif);;Bitmaps (*.bmp);;Icons (*.ico)");
inline const QString kRolloverPictureFilter =
    kPictureFilter + QStringLiteral(";;Enhanced Metafiles (*.emf);;Metafiles (*.wmf)");
// Every file: Linux file names need not have a dot, so "*" rather than "*.*".
inline const QString kAllFilesFilter = QStringLiteral("All Files (*)");

// The OK/Cancel pair: "&OK" accepts the dialog, "&Cancel" rejects it (so does
// Escape). Neither takes Enter just because it has the focus; with
// okIsDefault, Enter presses OK wherever the focus is.
struct OkCancel {
  QPushButton* ok;
  QPushButton* cancel;
};
struct OkCancelNames {
  QString ok = QStringLiteral("OKButton");
  QString cancel = QStringLiteral("CancelButton");
};
OkCancel makeOkCancel(QDialog* dialog, bool okIsDefault = true, const OkCancelNames& names = {});
// The pair as a right-aligned row at the end of layout.
OkCancel addOkCancel(QDialog* dialog, QBoxLayout* layout, bool okIsDefault = true, const OkCancelNames& names = {});
// The common form: the fields above, the OK/Cancel row below.
OkCancel layOutFieldsAndButtons(QDialog* dialog, QLayout* fields, bool okIsDefault = true);

// Fields.
QLineEdit* namedEdit(QWidget* parent, const char* name, const QString& text = {});
QCheckBox* namedCheck(QWidget* parent, const char* name, const QString& caption);
// A file chooser's button; Enter on it still presses the dialog's default button.
QPushButton* browseButton(QWidget* parent, const char* name, const QString& caption = QStringLiteral("&Browse..."));
// A field that takes the row's width, with its button beside it.
QHBoxLayout* fieldWithButton(QLineEdit* field, QPushButton* button);
// An editable drop-down that starts empty; sorted lists are given sorted.
QComboBox* namedCombo(QWidget* parent, const char* name, const QStringList& items);
// A caption and its field on one grid row; the caption's accelerator focuses the field.
QLabel* addLabelled(QGridLayout* grid, int row, const char* caption, QWidget* field, int span = 1);

// Fitting. A text box narrower than this many characters hides what is typed
// in it (paths, addresses, names).
inline constexpr int kFieldChars = 25;
// Width of chars average characters in the widget's own font.
int charsWide(const QWidget* widget, int chars);
// A box that holds a short number or measure: it only has to show maxText
// (and never less than its size hint), not kFieldChars characters.
void markShortField(QLineEdit* field, const QString& maxText);
// The widest value of a short field; empty for every other box.
QString shortFieldText(const QLineEdit* field);
// Lays a built window out so nothing in it is cut at the user's font: every
// text box gets room for kFieldChars characters (short fields for their
// widest value), and the window grows to what its layout asks. A window of
// fixed size stays fixed, at the fitted size. Call at the end of the
// constructor.
void fitToContent(QWidget* window);

}  // namespace markloom::dialogkit
