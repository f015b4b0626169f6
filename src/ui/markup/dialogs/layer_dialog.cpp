#include "ui/markup/dialogs/layer_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace dialogkit;

LayerDialog::LayerDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("LayerForm");
  setWindowTitle("Insert Layer...");
  resize(312, 112);

  tagBox_ = namedCombo(this, "EditTag", {"div", "span", "layer", "ilayer"});
  nameEdit_ = namedEdit(this, "EditName");
  topEdit_ = namedEdit(this, "EditTop");
  leftEdit_ = namedEdit(this, "EditLeft");
  heightEdit_ = namedEdit(this, "EditHeight");
  widthEdit_ = namedEdit(this, "EditWidth");
  colourBox_ = namedCombo(this, "EditColor", {});

  // Measures are short ("100px;"); names and colours get the full width.
  for (QLineEdit* e : {topEdit_, leftEdit_, heightEdit_, widthEdit_}) markShortField(e, QStringLiteral("00000px;"));

  // Two columns of fields.
  auto* grid = new QGridLayout;
  const std::pair<const char*, QWidget*> left[] = {
      {"Layer Tag:", tagBox_}, {"Top:", topEdit_}, {"Height:", heightEdit_}, {"Background Color:", colourBox_}};
  const std::pair<const char*, QWidget*> right[] = {{"Name:", nameEdit_}, {"Left:", leftEdit_}, {"Width:", widthEdit_}};
  for (int r = 0; r < 4; ++r) addLabelled(grid, r, left[r].first, left[r].second);
  for (int r = 0; r < 3; ++r) {
    auto* label = new QLabel(tr(right[r].first), this);
    label->setBuddy(right[r].second);
    grid->addWidget(label, r, 2);
    grid->addWidget(right[r].second, r, 3);
  }

  layOutFieldsAndButtons(this, grid, /*okIsDefault=*/false);

  setFields(tags::LayerFields{});
  dialogkit::fitToContent(this);
}

tags::LayerFields LayerDialog::fields() const {
  tags::LayerFields f;
  f.tag = toUtf8(tagBox_->currentText());
  f.name = toUtf8(nameEdit_->text());
  f.top = toUtf8(topEdit_->text());
  f.left = toUtf8(leftEdit_->text());
  f.height = toUtf8(heightEdit_->text());
  f.width = toUtf8(widthEdit_->text());
  f.color = toUtf8(colourBox_->currentText());
  return f;
}

void LayerDialog::setFields(const tags::LayerFields& f) {
  tagBox_->setEditText(fromUtf8(f.tag));
  nameEdit_->setText(fromUtf8(f.name));
  topEdit_->setText(fromUtf8(f.top));
  leftEdit_->setText(fromUtf8(f.left));
  heightEdit_->setText(fromUtf8(f.height));
  widthEdit_->setText(fromUtf8(f.width));
  colourBox_->setEditText(fromUtf8(f.color));
}

}  // namespace markloom
