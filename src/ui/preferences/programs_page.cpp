#include "ui/preferences/programs_page.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "core/settings/settings_table.h"
#include "platform/files/program_finder.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

ProgramsPage::ProgramsPage(QWidget* parent) : PreferencesPage(parent) {
  auto* content = new QVBoxLayout;
  auto* grid = new QGridLayout;
  for (int n = 1; n <= 6; ++n) {
    const std::size_t i = static_cast<std::size_t>(n - 1);
    const std::string name = "Browser" + std::to_string(n);
    grid->addWidget(new QLabel(QString("Browser %1:").arg(n)), n - 1, 0);
    grid->addLayout(programRow(name.c_str(), browsers_[i]), n - 1, 1);
    grid->addWidget(new QLabel("Title:"), n - 1, 2);
    browserTitles_[i] = dialogkit::namedEdit(this, (name + "Title").c_str());
    grid->addWidget(browserTitles_[i], n - 1, 3);
    bindings_.bind(browsers_[i], kBrowser[i].row);
    bindings_.bind(browserTitles_[i], kBrowserTitle[i].row);
  }
  grid->addWidget(new QLabel("Image Editor"), 6, 0);
  grid->addLayout(programRow("ImageEditor", imageEditor_), 6, 1, 1, 3);
  grid->addWidget(new QLabel("DreamWeaver:"), 7, 0);
  grid->addLayout(programRow("VisualEditor", visualEditor_), 7, 1, 1, 3);
  bindings_.bind(imageEditor_, kImageEditor.row);
  bindings_.bind(visualEditor_, kVisualEditor.row);
  content->addLayout(grid);
  auto* autoFind = new QPushButton("AutoFind Programs");
  autoFind->setObjectName("AutoFindPrograms");
  connect(autoFind, &QPushButton::clicked, this, &ProgramsPage::autoFindPrograms);
  content->addWidget(autoFind, 0, Qt::AlignLeft);
  setContent("Programs", content);
}

// A program's path with its file chooser. Any executable file will do: Linux
// programs have no ".exe".
QLayout* ProgramsPage::programRow(const char* name, QLineEdit*& field) {
  field = wideEdit(name);
  auto* browse = dialogkit::browseButton(this, (std::string(name) + "Browse").c_str(), "...");
  QLineEdit* target = field;
  connect(browse, &QPushButton::clicked, this, [target] {
    const QString file = Prompter::instance().openFileName("Program", target->text(), dialogkit::kAllFilesFilter);
    if (!file.isEmpty()) target->setText(file);
  });
  return dialogkit::fieldWithButton(field, browse);
}

void ProgramsPage::autoFindPrograms() {
  // The browsers found fill the rows from the first, in the finder's order;
  // rows beyond them, and programs not found, keep what they hold.
  const std::vector<FoundProgram> browsers = findBrowsers();
  for (std::size_t i = 0; i < browsers.size() && i < browsers_.size(); ++i) {
    browsers_[i]->setText(browsers[i].path);
    browserTitles_[i]->setText(browsers[i].title);
  }
  if (const auto editor = findImageEditor()) imageEditor_->setText(editor->path);
  if (const auto editor = findVisualEditor()) visualEditor_->setText(editor->path);
}

}  // namespace markloom
