#include "ui/preferences/tidy_page.h"

#include <QGridLayout>
#include <QLineEdit>

#include "core/settings/settings_table.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

TidyPage::TidyPage(QWidget* parent) : PreferencesPage(parent) {
  auto* grid = new QGridLayout;
  struct Field {
    const char* name;
    const char* caption;
    const TextSetting& setting;
  };
  const Field fields[] = {
      {"InlineTags", "New In-Line Tags:", kTidyInlineTags},
      {"BlockTags", "New Block-Level Tags:", kTidyBlockTags},
      {"PreformattedTags", "New Preformatted Tags:", kTidyPreformattedTags},
      {"EmptyTags", "New Empty Tags:", kTidyEmptyTags},
  };
  int row = 0;
  for (const Field& f : fields) {
    QLineEdit* edit = wideEdit(f.name);
    dialogkit::addLabelled(grid, row++, f.caption, edit);
    bindings_.bind(edit, f.setting.row);
  }
  setContent("HTML Tidy", grid);
}

}  // namespace markloom
