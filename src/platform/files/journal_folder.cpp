#include "platform/files/journal_folder.h"

#include <QFile>

#include "core/text/write_journal.h"
#include "platform/files/program_folder.h"

namespace markloom {

void useUserJournalFolder() {
  journal::setFolderSource([] { return QFile::encodeName(userDataFolder() + "journal").toStdString(); });
}

}  // namespace markloom
