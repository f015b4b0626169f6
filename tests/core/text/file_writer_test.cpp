// The file writer against every situation in the scene table, and the
// owner-only mode of work files.
#include "core/text/file_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/common/error.h"
#include "support/file_scenes.h"
#include "support/scratch_folder.h"

namespace markloom {
namespace {

namespace fs = std::filesystem;
using test::FileScene;
using test::ScratchFolder;

// As root every row still holds: write access is judged by the permission bits.
class WriterTest {
 protected:
  WriterTest() {
    if (::geteuid() == 0) setWriteAccessProbe(test::writeAccessByBits);
  }
  ~WriterTest() { setWriteAccessProbe({}); }
  ScratchFolder folder{"writer"};
};

class FileWriterScenes : public WriterTest, public ::testing::TestWithParam<FileScene> {};

TEST_P(FileWriterScenes, WritesOrRefusesWithTheReason) {
  const FileScene& scene = GetParam();
  const test::PreparedScene prepared = scene.build(folder.path());
  const std::string path = folder.file(prepared.name);
  const std::string bytes = "<p>new</p>\r\n";
  std::string message;
  try {
    writeFile(path, bytes);
  } catch (const Error& e) {
    message = e.what();
  }
  if (scene.refusal.empty()) {
    EXPECT_EQ(message, "");
  } else {
    EXPECT_EQ(message, "Cannot create file " + path + ": " + scene.refusal);
  }
  prepared.check(bytes);
  EXPECT_EQ(test::stagingLeftovers(folder.path()), std::vector<std::string>{});
}

// Asked beforehand, the writer refuses exactly what it would refuse to write.
TEST_P(FileWriterScenes, CheckedBeforehandWithTheSameAnswer) {
  const FileScene& scene = GetParam();
  const test::PreparedScene prepared = scene.build(folder.path());
  const std::string path = folder.file(prepared.name);
  std::string message;
  try {
    checkReplaceable(path);
  } catch (const Error& e) {
    message = e.what();
  }
  EXPECT_EQ(message, scene.refusal.empty() ? "" : "Cannot create file " + path + ": " + scene.refusal);
  EXPECT_EQ(test::stagingLeftovers(folder.path()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Scenes, FileWriterScenes, ::testing::ValuesIn(test::fileScenes()),
                         [](const auto& row) { return row.param.name; });

TEST(StagingName, AlwaysFitsAndNeverCutsACharacter) {
  EXPECT_EQ(stagingName("page.htm"), ".page.htm.mkXXXXXX");
  for (std::size_t length = 240; length <= 255; ++length)
    EXPECT_LE(stagingName(std::string(length, 'x')).size(), std::size_t{NAME_MAX}) << length;
  // 2-byte characters: the cut falls before a whole one.
  std::string wide;
  while (wide.size() < 254) wide += "\xC3\xA9";
  const std::string staged = stagingName(wide);
  const std::string kept = staged.substr(1, staged.size() - 1 - 9);
  EXPECT_EQ(kept.size() % 2, 0u);
  EXPECT_EQ(kept, wide.substr(0, kept.size()));
}

// Work files hold copies of the user's pages: owner-only, whatever was there before.
struct WorkFileCase {
  const char* name;
  std::function<void(const fs::path& dir)> before;
};
std::ostream& operator<<(std::ostream& os, const WorkFileCase& c) { return os << c.name; }

class WorkFiles : public WriterTest, public ::testing::TestWithParam<WorkFileCase> {};

TEST_P(WorkFiles, AreReadableByTheirOwnerOnly) {
  GetParam().before(folder.path());
  writeWorkFile(folder.file("Compr.tmp"), "copy of a page");
  EXPECT_EQ(folder.read("Compr.tmp"), "copy of a page");
  struct stat st {};
  ASSERT_EQ(::stat(folder.file("Compr.tmp").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkFiles,
                         ::testing::Values(WorkFileCase{"New", [](const fs::path&) {}},
                                           WorkFileCase{"LeftReadableByAll",
                                                        [](const fs::path& dir) {
                                                          test::sceneWrite(dir / "Compr.tmp", "old");
                                                          fs::permissions(dir / "Compr.tmp", fs::perms(0644));
                                                        }},
                                           WorkFileCase{"HardLinked",
                                                        [](const fs::path& dir) {
                                                          test::sceneWrite(dir / "Compr.tmp", "old");
                                                          fs::permissions(dir / "Compr.tmp", fs::perms(0644));
                                                          fs::create_hard_link(dir / "Compr.tmp", dir / "other");
                                                        }}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom
