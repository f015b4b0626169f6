#pragma once
// One page of the Preferences dialog: a bold caption bar above its fields. A
// page shows and reads only its own part of the dialog's fields; the simple
// widgets it binds to settings are copied by its bindings, anything else by
// the page's own setFields() and fields().
#include <QWidget>

#include "ui/preferences/preferences_fields.h"
#include "ui/preferences/setting_bindings.h"

class QLayout;
class QLineEdit;

namespace markloom {

class PreferencesPage : public QWidget {
  Q_OBJECT
 public:
  virtual void setFields(const PreferencesFields& fields);
  virtual void fields(PreferencesFields& fields) const;

 protected:
  explicit PreferencesPage(QWidget* parent = nullptr) : QWidget(parent) {}
  // Lays content out below the page's caption bar.
  void setContent(const QString& caption, QLayout* content);
  // A text box wide enough for a path or an address.
  QLineEdit* wideEdit(const char* name);

  SettingBindings bindings_;
};

}  // namespace markloom
