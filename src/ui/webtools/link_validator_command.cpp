#include "ui/webtools/link_validator_command.h"

#include <QAction>
#include <QTreeWidget>
#include <QWidget>

#include "core/common/command_ids.h"
#include "core/common/error.h"
#include "platform/net/proxy_settings.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/webtools/link_navigation.h"
#include "ui/webtools/link_validator_dialog.h"
#include "ui/workbench/workbench.h"

namespace markloom {

LinkValidatorCommand::LinkValidatorCommand(Workbench& workbench)
    : QObject(workbench.mainWidget()), workbench_(workbench) {
  setObjectName("LinkValidatorCommand");
  if (QAction* command = workbench.action(ids::kLinkValidator))
    connect(command, &QAction::triggered, this, &LinkValidatorCommand::validateLinks);
  if (ResultsPanel* panel = workbench.resultsPanel())
    connect(panel->links(), &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
      if (!published_) return;
      workbench_.activateDocument(published_);
      goToRememberedLink(published_, item);
    });
}

void LinkValidatorCommand::validateLinks() {
  DocumentWindow* active = workbench_.activeDocument();
  if (!active) return;
  if (active->document().isUntitled()) {
    Prompter::instance().showError("Please save your file first.");
    return;
  }
  // A proxy only when Preferences names a server; loopback and no_proxy hosts
  // are fetched directly all the same.
  std::optional<HttpProxy> proxy;
  try {
    proxy = proxyFromSettings(workbench_.settings());
  } catch (const Error& e) {
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
    return;
  }
  LinkValidatorDialog dialog(active, proxy, workbench_.mainWidget());
  connect(&dialog, &LinkValidatorDialog::checkFinished, this,
          [this, &dialog, document = QPointer<DocumentWindow>(active)] { publish(dialog, document); });
  dialog.exec();
}

void LinkValidatorCommand::publish(const LinkValidatorDialog& dialog, DocumentWindow* document) {
  ResultsPanel* panel = workbench_.resultsPanel();
  if (!panel || !document) return;
  published_ = document;
  QTreeWidget* links = panel->links();
  links->clear();
  const QTreeWidget* table = dialog.results();
  for (int i = 0; i < table->topLevelItemCount(); ++i) links->addTopLevelItem(table->topLevelItem(i)->clone());
  workbench_.showResults(ResultsTab::Links);
  workbench_.setStatusText(dialog.summary());
}

}  // namespace markloom
