#pragma once
// The "Results" panel: Validation, Tidy and Links tabs, tabs at the bottom.
#include <QDockWidget>

class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace markloom {

class ResultsPanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit ResultsPanel(QWidget* parent = nullptr);
  QTabWidget* tabs() const { return tabs_; }
  QTreeWidget* validation() const { return validation_; }
  QListWidget* tidy() const { return tidy_; }
  QTreeWidget* links() const { return links_; }

 private:
  QTabWidget* tabs_;
  QTreeWidget* validation_;
  QListWidget* tidy_;
  QTreeWidget* links_;
};

}  // namespace markloom
