#include "ui/markup/dialogs/layer_dialog.h"

#include "ui/common/dialog_buttons.h"
#include "ui/common/dialog_layout.h"
#include "ui/common/dialog_text.h"

namespace markloom {

using dialogtext::bytes;
using dialogtext::qs;

LayerDialog::LayerDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("LayerForm");
  setWindowTitle("Insert Layer...");
  resize(312, 112);

  EditTag = namedCombo(this, "EditTag", {"div", "span", "layer", "ilayer"});
  EditName = namedEdit(this, "EditName");
  EditTop = namedEdit(this, "EditTop");
  EditLeft = namedEdit(this, "EditLeft");
  EditHeight = namedEdit(this, "EditHeight");
  EditWidth = namedEdit(this, "EditWidth");
  EditColor = namedCombo(this, "EditColor", {});

  // Two columns of fields.
  auto* grid = new QGridLayout;
  const std::pair<const char*, QWidget*> left[] = {{"Layer Tag:", EditTag}, {"Top:", EditTop}, {"Height:", EditHeight},
                                                   {"Background Color:", EditColor}};
  const std::pair<const char*, QWidget*> right[] = {{"Name:", EditName}, {"Left:", EditLeft}, {"Width:", EditWidth}};
  for (int r = 0; r < 4; ++r) addLabelled(grid, r, left[r].first, left[r].second);
  for (int r = 0; r < 3; ++r) {
    auto* label = new QLabel(tr(right[r].first), this);
    label->setBuddy(right[r].second);
    grid->addWidget(label, r, 2);
    grid->addWidget(right[r].second, r, 3);
  }

  layOutFieldsAndButtons(this, grid, /*okIsDefault=*/false);

  setFields(LayerFields{});
}

LayerFields LayerDialog::fields() const {
  LayerFields f;
  f.tag = bytes(EditTag->currentText());
  f.name = bytes(EditName->text());
  f.top = bytes(EditTop->text());
  f.left = bytes(EditLeft->text());
  f.height = bytes(EditHeight->text());
  f.width = bytes(EditWidth->text());
  f.color = bytes(EditColor->currentText());
  return f;
}

void LayerDialog::setFields(const LayerFields& f) {
  EditTag->setEditText(qs(f.tag));
  EditName->setText(qs(f.name));
  EditTop->setText(qs(f.top));
  EditLeft->setText(qs(f.left));
  EditHeight->setText(qs(f.height));
  EditWidth->setText(qs(f.width));
  EditColor->setEditText(qs(f.color));
}

}  // namespace markloom
