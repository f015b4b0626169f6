#pragma once
// "Insert Layer...": tag, name, position, size and colour of an absolutely
// positioned element.
#include <QDialog>

#include "core/markup/tags/layer_builder.h"

class QComboBox;
class QLineEdit;

namespace markloom {

class LayerDialog : public QDialog {
  Q_OBJECT
 public:
  explicit LayerDialog(QWidget* parent = nullptr);

  tags::LayerFields fields() const;
  void setFields(const tags::LayerFields& fields);

 private:
  QComboBox* tagBox_;
  QLineEdit* nameEdit_;
  QLineEdit* topEdit_;
  QLineEdit* leftEdit_;
  QLineEdit* heightEdit_;
  QLineEdit* widthEdit_;
  QComboBox* colourBox_;
};

}  // namespace markloom
