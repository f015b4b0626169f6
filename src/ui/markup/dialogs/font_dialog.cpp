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
#include "ui/common/prompter.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

using namespace builders;

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
  Fonty = new QFontComboBox(fontGroup);
  Fonty->setObjectName("Fonty");
  Fonty->setEditable(true);
  Fonty->setInsertPolicy(QComboBox::NoInsert);
  Fonty->setCurrentIndex(-1);
  Fonty->setEditText(QString());
  Edit1 = new QSpinBox(fontGroup);
  Edit1->setObjectName("Edit1");
  Edit1->setRange(1, 6);
  Edit1->setValue(2);
  ColorBox = new QComboBox(fontGroup);
  ColorBox->setObjectName("ColorBox");
  // The sixteen named colours, then an entry that asks for any other colour.
  for (const std::string& name : markup::colourNames()) {
    const QColor c(qs(name).toLower());
    ColorBox->addItem(swatch(c), qs(name), toBgr(c));
  }
  ColorBox->addItem(kCustomEntry);
  ColorBox->setCurrentIndex(0);  // Black
  fontForm->addRow("Name:", Fonty);
  fontForm->addRow("Size:", Edit1);
  fontForm->addRow("Color:", ColorBox);
  layout->addWidget(fontGroup);

  auto* styles = new QGroupBox("Styles:", this);
  auto* grid = new QGridLayout(styles);
  for (int i = 0; i < markup::kFontStyleCount; ++i) {
    auto* box = new QCheckBox(qs(markup::fontStyles()[i].caption), styles);
    box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
    grid->addWidget(box, i % 5, i / 5);
    boxes_[i] = box;
  }
  layout->addWidget(styles);

  auto* previewGroup = new QGroupBox("Preview:", this);
  auto* previewLayout = new QVBoxLayout(previewGroup);
  Panel1 = new QLabel(qs(markup::kFontPreviewText), previewGroup);
  Panel1->setObjectName("Panel1");
  Panel1->setAlignment(Qt::AlignCenter);
  Panel1->setMinimumHeight(40);
  Panel1->setAutoFillBackground(true);
  previewLayout->addWidget(Panel1);
  layout->addWidget(previewGroup);

  addOkCancel(this, layout);

  connect(Fonty, &QFontComboBox::currentTextChanged, this, &FontDialog::UpdatePreview);
  connect(ColorBox, &QComboBox::currentIndexChanged, this, &FontDialog::ColorBoxChange);
  UpdatePreview();
}

int FontDialog::customIndex() const { return ColorBox->findText(kCustomEntry); }

void FontDialog::ColorBoxChange(int index) {
  if (index == customIndex()) {
    // Ask for any colour; Cancel goes back to the colour shown before.
    const std::optional<QColor> chosen = Prompter::instance().color(toQColor(colour()));
    QSignalBlocker block(ColorBox);
    if (chosen) {
      setColour(toBgr(*chosen));
    } else {
      ColorBox->setCurrentIndex(lastColourIndex_);
    }
  }
  lastColourIndex_ = ColorBox->currentIndex();
  UpdatePreview();
}

std::uint32_t FontDialog::colour() const {
  return ColorBox->itemData(lastColourIndex_ == customIndex() ? 0 : lastColourIndex_, kColourRole).toUInt();
}

void FontDialog::setColour(std::uint32_t bgr) {
  int index = ColorBox->findData(bgr, kColourRole);
  if (index < 0) {
    // A colour of its own goes in front of the "Custom..." entry.
    index = customIndex();
    ColorBox->insertItem(index, swatch(toQColor(bgr)), qs(markup::fontColourText(bgr)), bgr);
  }
  {
    QSignalBlocker block(ColorBox);
    ColorBox->setCurrentIndex(index);
  }
  lastColourIndex_ = index;
  UpdatePreview();
}

markup::FontFields FontDialog::fields() const {
  markup::FontFields f;
  f.name = bytes(Fonty->currentText());
  f.size = bytes(Edit1->text());
  f.colour = markup::fontColourText(colour());
  for (int i = 0; i < markup::kFontStyleCount; ++i) f.styles[i] = boxes_[i]->isChecked();
  return f;
}

void FontDialog::setFields(const markup::FontFields& f) {
  Fonty->setEditText(qs(f.name));
  Edit1->setValue(qs(f.size).toInt());
  // The colour text back to its value: a standard name, or "$00BBGGRR".
  const QString colourText = qs(f.colour);
  bool found = false;
  for (int i = 0; i < customIndex(); ++i) {
    if (ColorBox->itemText(i) == colourText) {
      setColour(ColorBox->itemData(i, kColourRole).toUInt());
      found = true;
      break;
    }
  }
  if (!found && colourText.startsWith('$')) {
    bool ok = false;
    const std::uint32_t value = colourText.mid(1).toUInt(&ok, 16);
    if (ok) setColour(value & 0xFFFFFF);
  }
  for (int i = 0; i < markup::kFontStyleCount; ++i) boxes_[i]->setChecked(f.styles[i]);
  UpdatePreview();
}

void FontDialog::UpdatePreview() {
  QFont font = Panel1->font();
  font.setFamily(Fonty->currentText());
  Panel1->setFont(font);
  QPalette palette = Panel1->palette();
  palette.setColor(QPalette::WindowText, toQColor(colour()));
  Panel1->setPalette(palette);
  Panel1->update();
}

}  // namespace markloom
