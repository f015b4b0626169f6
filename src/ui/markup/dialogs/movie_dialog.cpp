#include "ui/markup/dialogs/movie_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace dialogkit;

MovieDialog::MovieDialog(QWidget* parent, const char* objectName, const QString& title, QSize size, Chooser chooser)
    : QDialog(parent), chooser_(chooser) {
  setObjectName(objectName);
  setWindowTitle(title);
  setWindowFlag(Qt::WindowStaysOnTopHint);
  resize(size);
  layout_ = new QVBoxLayout(this);
  form_ = new QFormLayout;
  layout_->addLayout(form_);
  movieEdit_ = namedEdit(this, "Edit971");
  heightEdit_ = namedEdit(this, "Edit972");
  widthEdit_ = namedEdit(this, "Edit973");
}

void MovieDialog::addMovieRows(std::initializer_list<std::pair<const char*, QWidget*>> moreRows) {
  auto* browseMovie = browseButton(this, "Button3");
  form_->addRow("Movie:", fieldWithButton(movieEdit_, browseMovie));
  form_->addRow("Height:", heightEdit_);
  form_->addRow("Width:", widthEdit_);
  for (const auto& [caption, field] : moreRows) form_->addRow(caption, field);
  connect(browseMovie, &QPushButton::clicked, this, &MovieDialog::browse);
}

void MovieDialog::browse() {
  const QString path = chooser_();
  if (!path.isEmpty()) movieEdit_->setText("file://" + path);
}

}  // namespace markloom
