#pragma once
// The "Results" panel: Validation, Tidy and Links tabs, tabs at the bottom.
#include <QDockWidget>

class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace markloom {

// The panel's tabs, in their order.
enum class ResultsTab { Validation = 0, Tidy = 1, Links = 2 };

class ResultsPanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit ResultsPanel(QWidget* parent = nullptr);
  QTabWidget* tabs() const { return tabs_; }
  // "Validation": columns Property/Element, Message, Type.
  QTreeWidget* validation() const { return validation_; }
  // "Tidy": plain lines.
  QListWidget* tidy() const { return tidy_; }
  // "Links": columns Type, Link, Status, Message.
  QTreeWidget* links() const { return links_; }
  // Shows the panel with tab active.
  void showTab(ResultsTab tab);

 private:
  QTabWidget* tabs_;
  QTreeWidget* validation_;
  QListWidget* tidy_;
  QTreeWidget* links_;
};

}  // namespace markloom
