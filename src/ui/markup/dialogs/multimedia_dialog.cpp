#include "ui/markup/dialogs/multimedia_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "core/markup/tags/media_builder.h"
#include "core/markup/insertion_primitives.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"

namespace markloom {

using namespace builders;

namespace {
const QString kCaption = QStringLiteral("Insert Multimedia File...");
}

MultimediaDialog::MultimediaDialog(QWidget* parent, DocumentSource source) : QDialog(parent), source_(std::move(source)) {
  setObjectName("TMediaForm");
  setWindowTitle(kCaption);
  setModal(false);
  resize(360, 61);
  auto* layout = new QHBoxLayout(this);
  EditSource = new QLineEdit(this);
  EditSource->setObjectName("EditSource");
  auto* browse = new QPushButton("&Browse", this);
  browse->setObjectName("Button1");
  auto* ok = new QPushButton("&OK", this);
  ok->setObjectName("Button2");
  ok->setDefault(true);
  auto* cancel = new QPushButton("&Cancel", this);
  cancel->setObjectName("Button3");
  layout->addWidget(EditSource, 1);
  layout->addWidget(browse);
  layout->addWidget(ok);
  layout->addWidget(cancel);
  connect(browse, &QPushButton::clicked, this, &MultimediaDialog::Button1Click);
  connect(ok, &QPushButton::clicked, this, &MultimediaDialog::Button2Click);
  connect(cancel, &QPushButton::clicked, this, &MultimediaDialog::Button3Click);
}

void MultimediaDialog::showFor(const QString& mode) {
  MediaMode = mode;
  show();
  raise();
  activateWindow();
}

void MultimediaDialog::showEvent(QShowEvent* event) {
  // Only a real change from hidden to shown starts with an empty source.
  if (!event->spontaneous()) EditSource->clear();
  QDialog::showEvent(event);
}

void MultimediaDialog::Button1Click() {
  const QString path = Prompter::instance().openFileName(kCaption, QString(), kAllFilesFilter);
  if (!path.isEmpty()) EditSource->setText("file://" + path);
}

void MultimediaDialog::Button2Click() {
  guarded([&] {
    if (EditSource->text().isEmpty()) {
      Prompter& p = Prompter::instance();
      p.beep();
      p.showError(qs(markup::kMediaMissingMessage));
      const QString path = p.openFileName(kCaption, QString(), kAllFilesFilter);
      if (!path.isEmpty()) EditSource->setText(path);
    }
    const std::optional<std::string> markup = markup::buildMedia(bytes(MediaMode), bytes(EditSource->text()));
    if (!markup) return;  // an unknown mode: the dialog stays
    if (EditorOps* ops = source_ ? source_() : nullptr) InsertSnippet(*ops, *markup);
    hide();
  });
}

void MultimediaDialog::Button3Click() { hide(); }

}  // namespace markloom
