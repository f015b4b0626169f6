#include "ui/markup/dialogs/multimedia_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace dialogkit;

namespace {
const QString kCaption = QStringLiteral("Insert Multimedia File...");
}

MultimediaDialog::MultimediaDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TMediaForm");
  setWindowTitle(kCaption);
  setModal(false);
  resize(360, 61);
  auto* layout = new QHBoxLayout(this);
  sourceEdit_ = namedEdit(this, "EditSource");
  auto* browse = browseButton(this, "Button1", "&Browse");
  const OkCancel buttons = makeOkCancel(this, true, {"Button2", "Button3"});
  auto* sourceLabel = new QLabel(tr("Source:"), this);
  sourceLabel->setBuddy(sourceEdit_);
  layout->addWidget(sourceLabel);
  layout->addWidget(sourceEdit_, 1);
  layout->addWidget(browse);
  layout->addWidget(buttons.ok);
  layout->addWidget(buttons.cancel);
  connect(browse, &QPushButton::clicked, this, &MultimediaDialog::browseSource);
  dialogkit::fitToContent(this);
}

tags::MediaFields MultimediaDialog::fields() const { return {kind_, toUtf8(sourceEdit_->text())}; }

void MultimediaDialog::setFields(const tags::MediaFields& f) {
  kind_ = f.kind;
  sourceEdit_->setText(fromUtf8(f.source));
}

void MultimediaDialog::showFor(tags::MediaKind kind) {
  kind_ = kind;
  show();
  raise();
  activateWindow();
}

void MultimediaDialog::showEvent(QShowEvent* event) {
  // Only a real change from hidden to shown starts with an empty source.
  if (!event->spontaneous()) sourceEdit_->clear();
  QDialog::showEvent(event);
}

QString MultimediaDialog::chooseFile() {
  return Prompter::instance().openFileName(kCaption, QString(), kAllFilesFilter);
}

void MultimediaDialog::browseSource() {
  const QString path = chooseFile();
  if (!path.isEmpty()) sourceEdit_->setText("file://" + path);
}

void MultimediaDialog::accept() { emit insertRequested(); }

}  // namespace markloom
