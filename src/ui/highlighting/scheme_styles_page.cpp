#include "ui/highlighting/scheme_styles_page.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"
#include "ui/highlighting/colour_swatch.h"

namespace markloom {

namespace {

const char* const kClassCaptions[kTokenClassCount] = {"Text",    "Comment",    "String",   "Number",
                                                      "Keyword", "Identifier", "Delimiter"};
const char* kSample =
    "<!-- A page -->\r\n<p class=\"note\" id=n1>Text &amp; more</p>\r\n"
    "<script>\r\nfunction add(a, b) { return a + b + 0x1F; } // sum\r\nvar s = 'text';\r\n</script>\r\n"
    "<style>\r\nh1 { color: #FF8800; font-size: 12px } /* heading */\r\n</style>\r\n"
    "<% Dim x ' note\r\nx = \"asp\" %>\r\n<?php if ($a) { echo \"php\"; } # note ?>\r\n";

}  // namespace

SchemeStylesPage::SchemeStylesPage(const SyntaxScheme& scheme, QWidget* parent) : QWidget(parent) {
  classes_ = new QListWidget(this);
  classes_->setObjectName("StyleClasses");
  for (const char* c : kClassCaptions) classes_->addItem(QString::fromUtf8(c));
  classes_->setMaximumWidth(120);
  connect(classes_, &QListWidget::currentRowChanged, this, &SchemeStylesPage::classChanged);
  styleColour_ = new QPushButton(this);
  styleColour_->setObjectName("StyleColour");
  connect(styleColour_, &QPushButton::clicked, this, &SchemeStylesPage::colourClicked);
  bold_ = new QCheckBox(QStringLiteral("Bold"), this);
  bold_->setObjectName("Bold");
  italic_ = new QCheckBox(QStringLiteral("Italic"), this);
  italic_->setObjectName("Italic");
  for (QCheckBox* c : {bold_, italic_})
    connect(c, &QCheckBox::toggled, this, [this] {
      if (!filling_) emit edited();
    });
  auto* controls = new QVBoxLayout;
  controls->addWidget(new QLabel(QStringLiteral("Style of the block selected under Blocks"), this));
  controls->addWidget(classes_);
  controls->addWidget(styleColour_);
  controls->addWidget(bold_);
  controls->addWidget(italic_);
  controls->addStretch();
  preview_ = new MarkloomEditor(this);
  preview_->setObjectName("Preview");
  lexer_ = new SchemeLexer(scheme, this);
  preview_->setLexer(lexer_);
  preview_->loadBytes(kSample);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(controls);
  layout->addWidget(preview_, 1);
}

int SchemeStylesPage::currentClass() const { return std::max(0, classes_->currentRow()); }

void SchemeStylesPage::selectAClass() {
  if (classes_->currentRow() < 0) classes_->setCurrentRow(0);
}

void SchemeStylesPage::showStyle(const TokenStyle& s) {
  filling_ = true;
  paintSwatch(styleColour_, schemeColour(s.color));
  bold_->setChecked(s.bold);
  italic_->setChecked(s.italic);
  filling_ = false;
}

void SchemeStylesPage::readInto(TokenStyle& s) const {
  s.bold = bold_->isChecked();
  s.italic = italic_->isChecked();
}

void SchemeStylesPage::preview(const SyntaxScheme& scheme) { lexer_->setScheme(scheme); }

}  // namespace markloom
