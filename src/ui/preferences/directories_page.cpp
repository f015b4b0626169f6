#include "ui/preferences/directories_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/settings/settings_table.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

DirectoriesPage::DirectoriesPage(QWidget* parent) : PreferencesPage(parent) {
  auto* content = new QVBoxLayout;
  QLineEdit* directory = wideEdit("DefaultDirectory");
  bindings_.bind(directory, kDefaultDirectory.row);
  auto* browse = dialogkit::browseButton(this, "DefaultDirectoryBrowse", "...");
  content->addWidget(new QLabel("Default CodeController Directory:"));
  content->addLayout(dialogkit::fieldWithButton(directory, browse));
  connect(browse, &QPushButton::clicked, this, [directory] {
    const QString folder = Prompter::instance().existingFolder("Default CodeController Directory", directory->text());
    if (!folder.isEmpty()) directory->setText(folder);
  });
  setContent("Directories", content);
}

}  // namespace markloom
