#include "ui/preferences/cuecard_page.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/common/dialog_kit.h"
#include "ui/preferences/cuecard_editor.h"

namespace markloom {

CuecardPage::CuecardPage(QWidget* parent) : PreferencesPage(parent) {
  auto* content = new QVBoxLayout;
  // The two switches are not kept in the settings.
  content->addWidget(dialogkit::namedCheck(this, "HtmlCuecard", "Enable HTML Cuecard"));
  content->addWidget(dialogkit::namedCheck(this, "JavaScriptCuecard", "Enable JavaScript Cuecard"));
  editor_ = new CuecardEditor(this);
  content->addWidget(editor_);
  auto* note = new QLabel(
      "This feature is pressed when you press the '<' key in the editing window.  You do not have to start each new "
      "option in the list opposite with a '<' as this is done for you.");
  note->setWordWrap(true);
  content->addWidget(note);
  setContent("Cuecard", content);
}

void CuecardPage::setFields(const PreferencesFields& fields) { editor_->setEntries(fields.cuecard); }

void CuecardPage::fields(PreferencesFields& fields) const { fields.cuecard = editor_->entries(); }

}  // namespace markloom
