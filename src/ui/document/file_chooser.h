#pragma once
// The open and save file dialogs of documents. With the real prompter they are
// file dialogs with a "Favorites:" list of up to 10 folders added during this
// run; with a test prompter installed they go through it.
#include <QString>
#include <QStringList>

class QWidget;

namespace markloom {

// The favourite folders of this run, newest last; not stored between runs.
QStringList& favoriteFolders();
// Adds folder (at most 10 are kept; the oldest leaves first).
void addFavoriteFolder(const QString& folder);

// "Open File": the file must exist; an empty result means Cancel.
QString chooseOpenFile(QWidget* parent, const QString& initial);
// "Save": proposes proposed (a bare name lands in the current folder).
QString chooseSaveFile(QWidget* parent, const QString& proposed);

}  // namespace markloom
