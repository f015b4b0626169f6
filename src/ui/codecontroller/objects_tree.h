#pragma once
class QTreeWidget;

namespace markloom {

// Fills tree with the fixed, read-only reference tree of script objects.
void fillObjectsTree(QTreeWidget* tree);

}  // namespace markloom
