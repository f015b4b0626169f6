#include "ui/toolbars/command_categories.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/common/command_ids.h"

namespace markloom {

namespace {
bool isFilledAsItRuns(const QMenu* menu) {
  const QString name = menu->objectName();
  return name == QLatin1StringView(ids::kOpenDocumentsMenu.data(),
                                   static_cast<qsizetype>(ids::kOpenDocumentsMenu.size())) ||
         name == QLatin1StringView("RecentFilesList");
}

void collect(const QMenu* menu, const QString& path, QList<CommandEntry>& out) {
  for (QAction* entry : menu->actions()) {
    if (entry->isSeparator()) continue;
    if (const QMenu* sub = entry->menu()) {
      if (isFilledAsItRuns(sub)) continue;
      const QString title = plainCaption(sub->title());
      collect(sub, path.isEmpty() ? title : path + " > " + title, out);
      continue;
    }
    if (entry->objectName().isEmpty()) continue;
    const QString caption = plainCaption(entry->text());
    out.append({entry, path.isEmpty() ? caption : QString("%1 (%2)").arg(caption, path)});
  }
}
}  // namespace

QString plainCaption(const QString& caption) {
  QString out;
  out.reserve(caption.size());
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') out += '&';
      ++i;
      if (i < caption.size() && caption[i] != '&') out += caption[i];
      continue;
    }
    out += caption[i];
  }
  return out;
}

QList<CommandCategory> commandCategories(const QMenuBar* bar) {
  QList<CommandCategory> categories;
  for (QAction* top : bar->actions()) {
    const QMenu* menu = top->menu();
    if (!menu) continue;
    CommandCategory category{plainCaption(menu->title()), {}};
    collect(menu, QString(), category.commands);
    categories.append(std::move(category));
  }
  return categories;
}

QAction* findCommand(const QList<CommandCategory>& categories, const QString& id) {
  for (const CommandCategory& category : categories)
    for (const CommandEntry& entry : category.commands)
      if (entry.action->objectName() == id) return entry.action;
  return nullptr;
}

}  // namespace markloom
