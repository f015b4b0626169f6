#include "ui/compress/compress_options_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace markloom {

namespace {

// The items in list order: caption, mark at start, switch.
struct Item {
  const char* caption;
  bool checked;
  bool CompressOptions::*option;
};

const Item kItems[] = {
    {"Remove Extra Line Breaks", true, &CompressOptions::Returns},
    {"Removal All Returns", true, &CompressOptions::AllReturns},
    {"Remove <center> tags", true, &CompressOptions::Center},
    {"Remove Unnecessary Spaces", true, &CompressOptions::Spaces},
    {"Remove Unnecessary \" in Tags", true, &CompressOptions::InvCommas},
    {"Remove FrontPage Web Bots", true, &CompressOptions::Webbots},
    {"Convert Blockquote to Lists", false, &CompressOptions::BlockquoteToUl},
    {"Change <b> to <strong> etc.", false, &CompressOptions::SimpleTags},
};

}  // namespace

CompressOptionsDialog::CompressOptionsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("ComprForm");
  setWindowTitle("HTML Document Compressor");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  StaticText1 = new QLabel(
      "This tool can be used to remove un-necessary tags, line breaks, characters and special tags.  It can help "
      "to speed up download times, and make the page source more difficult to read.",
      this);
  StaticText1->setObjectName("StaticText1");
  StaticText1->setWordWrap(true);
  StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  StaticText1->setMargin(4);

  CheckList = new QListWidget(this);
  CheckList->setObjectName("CheckList");
  for (const Item& item : kItems) {
    auto* row = new QListWidgetItem(QString::fromUtf8(item.caption), CheckList);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    row->setCheckState(item.checked ? Qt::Checked : Qt::Unchecked);
  }
  CheckList->setCurrentRow(0);
  CheckList->setMinimumHeight(CheckList->sizeHintForRow(0) * (CheckList->count() + 1));

  Button1 = new QPushButton("&OK", this);
  Button1->setObjectName("Button1");
  Button1->setDefault(true);
  Button2 = new QPushButton("&Cancel", this);
  Button2->setObjectName("Button2");
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);  // Escape rejects too

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StaticText1);
  layout->addWidget(CheckList);
  layout->addLayout(buttons);
  setTabOrder(CheckList, Button1);
  setTabOrder(Button1, Button2);

  resize(360, sizeHint().height());
  setFixedSize(size());
}

CompressOptions CompressOptionsDialog::fields() const {
  CompressOptions o;
  for (int i = 0; i < static_cast<int>(std::size(kItems)); ++i)
    o.*kItems[i].option = CheckList->item(i)->checkState() == Qt::Checked;
  return o;
}

void CompressOptionsDialog::setFields(const CompressOptions& options) {
  for (int i = 0; i < static_cast<int>(std::size(kItems)); ++i)
    CheckList->item(i)->setCheckState(options.*kItems[i].option ? Qt::Checked : Qt::Unchecked);
}

void CompressOptionsDialog::SetUpClean() { HTMLCompressor.setOptions(fields()); }

void CompressOptionsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  CheckList->setFocus();
}

}  // namespace markloom
