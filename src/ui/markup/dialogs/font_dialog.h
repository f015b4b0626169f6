#pragma once
// "Master Font Options": font name, size and colour, ten style boxes and a
// live preview of the chosen face and colour.
#include <QDialog>
#include <array>
#include <cstdint>

#include "core/markup/tags/font_builder.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QSpinBox;

namespace markloom {

class FontDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FontDialog(QWidget* parent = nullptr);
  markup::FontFields fields() const;
  void setFields(const markup::FontFields& fields);

  // The colour box's current colour, 0x00BBGGRR.
  std::uint32_t colour() const;
  // Selects a colour: one of the named entries, or a custom entry for any other value.
  void setColour(std::uint32_t bgr);

  QLabel* preview() const { return Panel1; }

 public slots:
  // Redraws the preview in the chosen face and colour.
  void UpdatePreview();

 private:
  void ColorBoxChange(int index);
  int customIndex() const;

  QFontComboBox* Fonty;
  QSpinBox* Edit1;
  QComboBox* ColorBox;
  std::array<QCheckBox*, markup::kFontStyleCount> boxes_{};
  QLabel* Panel1;
  int lastColourIndex_ = 0;
};

}  // namespace markloom
