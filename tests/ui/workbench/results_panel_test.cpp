// The Results panel on its own: its three tabs and showing one of them.
#include "ui/workbench/results_panel.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QTabWidget>
#include <QTreeWidget>

namespace markloom {
namespace {

TEST(ResultsPanel, HoldsTheValidationTidyAndLinksListsInThatOrder) {
  ResultsPanel panel;
  EXPECT_EQ(panel.windowTitle(), "Results");
  QTabWidget* tabs = panel.tabs();
  ASSERT_EQ(tabs->count(), 3);
  EXPECT_EQ(tabs->widget(static_cast<int>(ResultsTab::Validation)), panel.validation());
  EXPECT_EQ(tabs->widget(static_cast<int>(ResultsTab::Tidy)), panel.tidy());
  EXPECT_EQ(tabs->widget(static_cast<int>(ResultsTab::Links)), panel.links());
  EXPECT_EQ(tabs->tabText(0), "Validation");
  EXPECT_EQ(tabs->tabText(1), "Tidy");
  EXPECT_EQ(tabs->tabText(2), "Links");
  EXPECT_EQ(panel.validation()->columnCount(), 3);
  EXPECT_EQ(panel.links()->columnCount(), 4);
}

TEST(ResultsPanel, ShowTabShowsThePanelOnThatTab) {
  for (ResultsTab tab : {ResultsTab::Links, ResultsTab::Validation, ResultsTab::Tidy}) {
    ResultsPanel panel;
    panel.hide();
    panel.showTab(tab);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.tabs()->currentIndex(), static_cast<int>(tab));
  }
}

}  // namespace
}  // namespace markloom
