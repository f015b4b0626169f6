#pragma once
// "Create New Page": the kind of page (HTML5 or HTML 4.0 Transitional), its
// title and meta tags; OK makes a new document of it. The colours and
// margins are collected but not yet written into the page.
#include <QColor>
#include <QDialog>
#include <QString>

#include "core/document/new_page.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace markloom {

class NewPageDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NewPageDialog(QWidget* parent = nullptr);

  PageType pageType() const;
  QString pageTitle() const;
  QString keywords() const;
  QString description() const;

 private:
  QComboBox* type_ = nullptr;
  QPushButton* colorButton(const QString& caption, const char* name);
};

}  // namespace markloom
