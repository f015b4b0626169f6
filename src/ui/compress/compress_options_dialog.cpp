#include "ui/compress/compress_options_dialog.h"
#include "ui/common/dialog_kit.h"

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
    {"Remove Extra Line Breaks", true, &CompressOptions::extraLineBreaks},
    {"Removal All Returns", true, &CompressOptions::allLineBreaks},
    {"Remove <center> tags", true, &CompressOptions::center},
    {"Remove Unnecessary Spaces", true, &CompressOptions::spaces},
    {"Remove Unnecessary \" in Tags", true, &CompressOptions::quotesInTags},
    {"Remove FrontPage Web Bots", true, &CompressOptions::webBots},
    {"Convert Blockquote to Lists", false, &CompressOptions::blockquoteToList},
    {"Change <b> to <strong> etc.", false, &CompressOptions::shortTags},
};

}  // namespace

CompressOptionsDialog::CompressOptionsDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("ComprForm");
  setWindowTitle("HTML Document Compressor");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  description_ = new QLabel(
      "This tool can be used to remove un-necessary tags, line breaks, characters and special tags.  It can help "
      "to speed up download times, and make the page source more difficult to read.",
      this);
  description_->setObjectName("StaticText1");
  description_->setWordWrap(true);
  description_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  description_->setMargin(4);

  switchList_ = new QListWidget(this);
  switchList_->setObjectName("CheckList");
  for (const Item& item : kItems) {
    auto* row = new QListWidgetItem(QString::fromUtf8(item.caption), switchList_);
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    row->setCheckState(item.checked ? Qt::Checked : Qt::Unchecked);
  }
  switchList_->setCurrentRow(0);
  switchList_->setMinimumHeight(switchList_->sizeHintForRow(0) * (switchList_->count() + 1));

  okButton_ = new QPushButton("&OK", this);
  okButton_->setObjectName("Button1");
  okButton_->setDefault(true);
  cancelButton_ = new QPushButton("&Cancel", this);
  cancelButton_->setObjectName("Button2");
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);  // Escape rejects too

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(description_);
  layout->addWidget(switchList_);
  layout->addLayout(buttons);
  setTabOrder(switchList_, okButton_);
  setTabOrder(okButton_, cancelButton_);

  resize(360, sizeHint().height());
  setFixedSize(size());
  dialogkit::fitToContent(this);
}

CompressOptions CompressOptionsDialog::fields() const {
  CompressOptions o;
  for (int i = 0; i < static_cast<int>(std::size(kItems)); ++i)
    o.*kItems[i].option = switchList_->item(i)->checkState() == Qt::Checked;
  return o;
}

void CompressOptionsDialog::setFields(const CompressOptions& options) {
  for (int i = 0; i < static_cast<int>(std::size(kItems)); ++i)
    switchList_->item(i)->setCheckState(options.*kItems[i].option ? Qt::Checked : Qt::Unchecked);
}

void CompressOptionsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
  switchList_->setFocus();
}

}  // namespace markloom
