// Save through the document window into every kind of file the writer
// handles: links followed, special files and read-only files refused with the
// reason, hard links, owners and permissions kept.
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "core/text/file_writer.h"
#include "document_fixture.h"
#include "support/file_scenes.h"
#include "support/scratch_folder.h"

namespace markloom::test {
namespace {

class DocumentSaveScenes : public DocumentTest, public ::testing::WithParamInterface<FileScene> {
 protected:
  void SetUp() override {
    DocumentTest::SetUp();
    if (::geteuid() == 0) setWriteAccessProbe(writeAccessByBits);
  }
  void TearDown() override { setWriteAccessProbe({}); }
  ScratchFolder folder{"document-save"};
};

TEST_P(DocumentSaveScenes, SaveWritesOrReportsTheReason) {
  const FileScene& scene = GetParam();
  const PreparedScene prepared = scene.build(folder.path());
  const QString path = QFile::decodeName(folder.file(prepared.name).c_str());
  DocumentWindow* d = w.createDocument();
  type(d, "<p>saved</p>");
  d->document().setFileName(path);
  const std::string bytes = d->editor()->bytes();
  run(&DocumentCommands::saveDocument);
  if (scene.refusal.empty()) {
    EXPECT_EQ(prompter.errors, QStringList());
    EXPECT_FALSE(d->document().isModified());
  } else {
    EXPECT_EQ(prompter.errors,
              QStringList({"Cannot create file " + path + ": " + QString::fromStdString(scene.refusal)}));
    EXPECT_TRUE(d->document().isModified());
  }
  prepared.check(bytes);
  EXPECT_EQ(stagingLeftovers(folder.path()), std::vector<std::string>{});
  d->document().setModified(false);  // no close query when the window goes
}

INSTANTIATE_TEST_SUITE_P(Scenes, DocumentSaveScenes, ::testing::ValuesIn(callerScenes()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace markloom::test
