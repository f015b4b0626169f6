#include "ui/preferences/cuecard_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/settings/settings_table.h"
#include "ui/common/dialog_kit.h"
#include "ui/preferences/cuecard_editor.h"

namespace markloom {

CuecardPage::CuecardPage(QWidget* parent) : PreferencesPage(parent) {
  auto* content = new QVBoxLayout;
  content->addWidget(bindings_.flagBox(kHtmlCuecard));
  content->addWidget(bindings_.flagBox(kJavaScriptCuecard));
  editor_ = new CuecardEditor(this);
  content->addWidget(editor_);
  auto* note = new QLabel(
      "This feature is pressed when you press the '<' key in the editing window.  You do not have to start each new "
      "option in the list opposite with a '<' as this is done for you.");
  note->setWordWrap(true);
  content->addWidget(note);
  setContent("Cuecard", content);
}

void CuecardPage::setFields(const PreferencesFields& fields) {
  PreferencesPage::setFields(fields);
  editor_->setEntries(fields.cuecard);
}

void CuecardPage::fields(PreferencesFields& fields) const {
  PreferencesPage::fields(fields);
  fields.cuecard = editor_->entries();
}

}  // namespace markloom
