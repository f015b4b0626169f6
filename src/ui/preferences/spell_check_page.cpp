#include "ui/preferences/spell_check_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings/settings_table.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

SpellCheckPage::SpellCheckPage(QWidget* parent) : PreferencesPage(parent) {
  auto* content = new QVBoxLayout;
  auto* spelling = new QGroupBox("Spelling:");
  auto* spellingColumn = new QVBoxLayout(spelling);
  auto* grammar = new QGroupBox("Grammer:");
  auto* grammarColumn = new QVBoxLayout(grammar);
  const auto& flags = spellingFlagFields();
  // The first five are spelling options, the rest grammar ones.
  for (std::size_t i = 0; i < flags.size(); ++i)
    (i < 5 ? spellingColumn : grammarColumn)->addWidget(bindings_.flagBox(*flags[i]));
  QLineEdit* dictionary = wideEdit("CustomDictionary");
  bindings_.bind(dictionary, kCustomDictionary.row);
  auto* browse = dialogkit::browseButton(this, "CustomDictionaryBrowse", "...");
  auto* dictionaryRow = new QGridLayout;
  dictionaryRow->addWidget(new QLabel("Custom Dictionary:"), 0, 0);
  dictionaryRow->addLayout(dialogkit::fieldWithButton(dictionary, browse), 0, 1);
  spellingColumn->addLayout(dictionaryRow);
  connect(browse, &QPushButton::clicked, this, [dictionary] {
    const QString file =
        Prompter::instance().openFileName("Custom Dictionary", dictionary->text(), dialogkit::kAllFilesFilter);
    if (!file.isEmpty()) dictionary->setText(file);
  });
  content->addWidget(spelling);
  content->addWidget(grammar);
  setContent("Spell Check", content);
}

}  // namespace markloom
