#include "ui/document/new_page_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

namespace {
QLineEdit* field(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  return e;
}
}  // namespace

NewPageDialog::NewPageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("NewPageDialog");
  setWindowTitle(QStringLiteral("Create New Page"));
  setModal(true);

  auto* general = new QGroupBox(QStringLiteral("General:"), this);
  auto* g = new QFormLayout(general);
  type_ = new QComboBox(this);
  type_->setObjectName("PageType");
  type_->addItem(QStringLiteral("HTML5"), static_cast<int>(PageType::Html5));
  type_->addItem(QStringLiteral("HTML 4.0 Transitional"), static_cast<int>(PageType::Html40Transitional));
  g->addRow(QStringLiteral("&Page:"), type_);
  g->addRow(QStringLiteral("Page &Title:"), field(this, "PageTitle"));

  auto* meta = new QGroupBox(QStringLiteral("Meta Tags:"), this);
  auto* m = new QFormLayout(meta);
  m->addRow(QStringLiteral("&Keywords:"), field(this, "Keywords"));
  m->addRow(QStringLiteral("&Description:"), field(this, "Description"));

  auto* colors = new QGroupBox(QStringLiteral("Colors:"), this);
  auto* c = new QGridLayout(colors);
  c->addWidget(colorButton(QStringLiteral("Background"), "BackgroundColor"), 0, 0);
  c->addWidget(colorButton(QStringLiteral("Hyperlink"), "HyperlinkColor"), 0, 1);
  c->addWidget(colorButton(QStringLiteral("Active Hyperlink"), "ActiveHyperlinkColor"), 1, 0);
  c->addWidget(colorButton(QStringLiteral("Visited Hyperlink"), "VisitedHyperlinkColor"), 1, 1);

  auto* margins = new QGroupBox(QStringLiteral("Margins:"), this);
  auto* mg = new QFormLayout(margins);
  mg->addRow(QStringLiteral("T&op:"), field(this, "TopMargin"));
  mg->addRow(QStringLiteral("&Left:"), field(this, "LeftMargin"));

  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName("OK");
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
  cancel->setObjectName("Cancel");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : {static_cast<QWidget*>(general), static_cast<QWidget*>(meta), static_cast<QWidget*>(colors),
                     static_cast<QWidget*>(margins)})
    layout->addWidget(w);
  layout->addLayout(buttons);
  dialogkit::fitToContent(this);
}

PageType NewPageDialog::pageType() const { return static_cast<PageType>(type_->currentData().toInt()); }
QString NewPageDialog::pageTitle() const { return findChild<QLineEdit*>("PageTitle")->text(); }
QString NewPageDialog::keywords() const { return findChild<QLineEdit*>("Keywords")->text(); }
QString NewPageDialog::description() const { return findChild<QLineEdit*>("Description")->text(); }

QPushButton* NewPageDialog::colorButton(const QString& caption, const char* name) {
  auto* b = new QPushButton(caption, this);
  b->setObjectName(name);
  connect(b, &QPushButton::clicked, this, [b] {
    const QColor current = b->property("color").value<QColor>();
    if (auto chosen = Prompter::instance().color(current.isValid() ? current : QColor(Qt::white))) {
      b->setProperty("color", *chosen);
      b->setStyleSheet(QStringLiteral("background-color: %1").arg(chosen->name()));
    }
  });
  return b;
}

}  // namespace markloom
