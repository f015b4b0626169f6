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
  // The height the user last gave the panel while it was shown, so showing it
  // again brings it back at that height.
  int keptHeight() const { return keptHeight_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTabWidget* tabs_;
  QTreeWidget* validation_;
  QListWidget* tidy_;
  QTreeWidget* links_;
  int keptHeight_ = 93;
};

}  // namespace markloom
