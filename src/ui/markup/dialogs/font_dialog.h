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
  tags::FontFields fields() const;
  void setFields(const tags::FontFields& fields);

  // The colour box's current colour, 0x00BBGGRR.
  std::uint32_t colour() const;
  // Selects a colour: one of the named entries, or a custom entry for any other value.
  void setColour(std::uint32_t bgr);

  QLabel* preview() const { return preview_; }

 public slots:
  // Redraws the preview in the chosen face and colour.
  void updatePreview();

 private:
  // "Custom..." asks for any colour; Cancel goes back to the colour shown before.
  void colourChosen(int index);
  int customIndex() const;

  QFontComboBox* faceBox_;
  QSpinBox* sizeBox_;
  QComboBox* colourBox_;
  std::array<QCheckBox*, tags::kFontStyleCount> styleBoxes_{};
  QLabel* preview_;
  int lastColourIndex_ = 0;
};

}  // namespace markloom
