// Test main for everything that touches Qt: one QApplication for the whole
// program, offscreen unless the caller chose a platform.
#include <gtest/gtest.h>
#include <QApplication>
#include <cstdlib>

#include "platform/files/journal_folder.h"

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  // As in the editor, so that a test with its own data folder has its own journal.
  markloom::useUserJournalFolder();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
