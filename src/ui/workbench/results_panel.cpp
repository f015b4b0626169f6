#include "ui/workbench/results_panel.h"

#include <QHeaderView>
#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>

namespace markloom {

ResultsPanel::ResultsPanel(QWidget* parent) : QDockWidget("Results", parent) {
  setObjectName("Results");
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("ResultsTabs");
  tabs_->setTabPosition(QTabWidget::South);

  validation_ = new QTreeWidget;
  validation_->setObjectName("ValidationList");
  validation_->setRootIsDecorated(false);
  validation_->setHeaderLabels({"Property/Element", "Message", "Type"});
  validation_->setColumnWidth(0, 130);
  validation_->setColumnWidth(1, 200);
  validation_->setColumnWidth(2, 100);
  tabs_->addTab(validation_, "Validation");

  tidy_ = new QListWidget;
  tidy_->setObjectName("TidyList");
  tabs_->addTab(tidy_, "Tidy");

  links_ = new QTreeWidget;
  links_->setObjectName("LinksList");
  links_->setRootIsDecorated(false);
  links_->setHeaderLabels({"Type", "Link", "Status", "Message"});
  links_->setColumnWidth(0, 98);
  links_->setColumnWidth(1, 175);
  links_->setColumnWidth(2, 75);
  links_->header()->setStretchLastSection(true);
  links_->setSelectionBehavior(QAbstractItemView::SelectRows);
  links_->setSortingEnabled(true);
  links_->sortByColumn(0, Qt::AscendingOrder);
  tabs_->addTab(links_, "Links");

  tabs_->setCurrentIndex(0);
  setWidget(tabs_);
}

void ResultsPanel::showTab(ResultsTab tab) {
  tabs_->setCurrentIndex(static_cast<int>(tab));
  show();
}

}  // namespace markloom
