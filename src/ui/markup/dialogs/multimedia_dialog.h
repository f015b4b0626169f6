#pragma once
// "Insert Multimedia File...": one long-lived, modeless dialog for Shockwave,
// plug-ins, video and sound. The showing command says which kind it is for;
// OK asks the command to insert the markup into the document active at that
// moment, which then hides the dialog.
#include <QDialog>

#include "core/markup/tags/multimedia_builder.h"

class QLineEdit;

namespace markloom {

class MultimediaDialog : public QDialog {
  Q_OBJECT
 public:
  explicit MultimediaDialog(QWidget* parent);

  tags::MediaFields fields() const;
  void setFields(const tags::MediaFields& fields);
  tags::MediaKind kind() const { return kind_; }

  // Takes the kind and shows the dialog without blocking. The source field
  // is emptied only when the dialog was hidden.
  void showFor(tags::MediaKind kind);

  // The chooser of a file for an empty source; the chosen path, empty when cancelled.
  static QString chooseFile();

 signals:
  void insertRequested();

 public slots:
  void browseSource();  // "file://" and the chosen path into the source
  // OK: the command inserts and hides the dialog.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  tags::MediaKind kind_ = tags::MediaKind::Shockwave;
  QLineEdit* sourceEdit_;
};

}  // namespace markloom
