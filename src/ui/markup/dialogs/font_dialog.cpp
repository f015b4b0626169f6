#include "ui/markup/dialogs/font_dialog.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/markup/markup_catalog.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

namespace {

QColor toQColor(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
std::uint32_t toBgr(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}
QIcon swatch(const QColor& c) {
  QPixmap pixmap(12, 12);
  pixmap.fill(c);
  return QIcon(pixmap);
}

const QString kCustomEntry = QStringLiteral("Custom...");
constexpr int kColourRole = Qt::UserRole;

}  // namespace

FontDialog::FontDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm33");
  setWindowTitle("Master Font Options");
  resize(341, 287);
  auto* layout = new QVBoxLayout(this);

  auto* fontGroup = new QGroupBox("Font:", this);
  auto* fontForm = new QFormLayout(fontGroup);
  faceBox_ = new QFontComboBox(fontGroup);
  faceBox_->setObjectName("Fonty");
  faceBox_->setEditable(true);
  faceBox_->setInsertPolicy(QComboBox::NoInsert);
  faceBox_->setCurrentIndex(-1);
  faceBox_->setEditText(QString());
  sizeBox_ = new QSpinBox(fontGroup);
  sizeBox_->setObjectName("Edit1");
  sizeBox_->setRange(1, 6);
  sizeBox_->setValue(2);
  colourBox_ = new QComboBox(fontGroup);
  colourBox_->setObjectName("ColorBox");
  // The sixteen named colours, then an entry that asks for any other colour.
  for (const std::string& name : markup::colourNames()) {
    const QColor c(fromUtf8(name).toLower());
    colourBox_->addItem(swatch(c), fromUtf8(name), toBgr(c));
  }
  colourBox_->addItem(kCustomEntry);
  colourBox_->setCurrentIndex(0);  // Black
  fontForm->addRow("Name:", faceBox_);
  fontForm->addRow("Size:", sizeBox_);
  fontForm->addRow("Color:", colourBox_);
  layout->addWidget(fontGroup);

  auto* styles = new QGroupBox("Styles:", this);
  auto* grid = new QGridLayout(styles);
  for (int i = 0; i < tags::kFontStyleCount; ++i) {
    auto* box = new QCheckBox(fromUtf8(tags::fontStyles()[i].caption), styles);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
    grid->addWidget(box, i % 5, i / 5);
    styleBoxes_[i] = box;
  }
  layout->addWidget(styles);

  auto* previewGroup = new QGroupBox("Preview:", this);
  auto* previewLayout = new QVBoxLayout(previewGroup);
  preview_ = new QLabel(fromUtf8(tags::kFontPreviewText), previewGroup);
  preview_->setObjectName("Panel1");
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumHeight(40);
  preview_->setAutoFillBackground(true);
  previewLayout->addWidget(preview_);
  layout->addWidget(previewGroup);

  addOkCancel(this, layout);

  connect(faceBox_, &QFontComboBox::currentTextChanged, this, &FontDialog::updatePreview);
  connect(colourBox_, &QComboBox::currentIndexChanged, this, &FontDialog::colourChosen);
  updatePreview();
  dialogkit::fitToContent(this);
}

int FontDialog::customIndex() const { return colourBox_->findText(kCustomEntry); }

void FontDialog::colourChosen(int index) {
  if (index == customIndex()) {
    const std::optional<QColor> chosen = Prompter::instance().color(toQColor(colour()));
    QSignalBlocker block(colourBox_);
    if (chosen) {
      setColour(toBgr(*chosen));
    } else {
      colourBox_->setCurrentIndex(lastColourIndex_);
    }
  }
  lastColourIndex_ = colourBox_->currentIndex();
  updatePreview();
}

std::uint32_t FontDialog::colour() const {
  return colourBox_->itemData(lastColourIndex_ == customIndex() ? 0 : lastColourIndex_, kColourRole).toUInt();
}

void FontDialog::setColour(std::uint32_t bgr) {
  int index = colourBox_->findData(bgr, kColourRole);
  if (index < 0) {
    // A colour of its own goes in front of the "Custom..." entry.
    index = customIndex();
    colourBox_->insertItem(index, swatch(toQColor(bgr)), fromUtf8(tags::fontColourText(bgr)), bgr);
  }
  {
    QSignalBlocker block(colourBox_);
    colourBox_->setCurrentIndex(index);
  }
  lastColourIndex_ = index;
  updatePreview();
}

tags::FontFields FontDialog::fields() const {
  tags::FontFields f;
  f.name = toUtf8(faceBox_->currentText());
  f.size = toUtf8(sizeBox_->text());
  f.colour = tags::fontColourText(colour());
  for (int i = 0; i < tags::kFontStyleCount; ++i) f.styles[i] = styleBoxes_[i]->isChecked();
  return f;
}

void FontDialog::setFields(const tags::FontFields& f) {
  faceBox_->setEditText(fromUtf8(f.name));
  sizeBox_->setValue(fromUtf8(f.size).toInt());
  // The colour text back to its value: a standard name, or "$00BBGGRR".
  const QString colourText = fromUtf8(f.colour);
  bool found = false;
  for (int i = 0; i < customIndex(); ++i) {
    if (colourBox_->itemText(i) == colourText) {
      setColour(colourBox_->itemData(i, kColourRole).toUInt());
      found = true;
      break;
    }
  }
  if (!found && colourText.startsWith('$')) {
    bool ok = false;
    const std::uint32_t value = colourText.mid(1).toUInt(&ok, 16);
    if (ok) setColour(value & 0xFFFFFF);
  }
  for (int i = 0; i < tags::kFontStyleCount; ++i) styleBoxes_[i]->setChecked(f.styles[i]);
  updatePreview();
}

void FontDialog::updatePreview() {
  QFont font = preview_->font();
  font.setFamily(faceBox_->currentText());
  preview_->setFont(font);
  QPalette palette = preview_->palette();
  palette.setColor(QPalette::WindowText, toQColor(colour()));
  preview_->setPalette(palette);
  preview_->update();
}

}  // namespace markloom
