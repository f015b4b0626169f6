#pragma once
// LayerDialog, "Insert Layer...": tag, name, position, size and colour of an
// absolutely positioned element.
#include <QDialog>

#include "core/markup/tags/layer_builder.h"

class QComboBox;
class QLineEdit;

namespace markloom {

class LayerDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LayerDialog(QWidget* parent = nullptr);

  LayerFields fields() const;
  void setFields(const LayerFields& fields);

 private:
  QComboBox* EditTag;
  QLineEdit* EditName;
  QLineEdit* EditTop;
  QLineEdit* EditLeft;
  QLineEdit* EditHeight;
  QLineEdit* EditWidth;
  QComboBox* EditColor;
};

}  // namespace markloom
