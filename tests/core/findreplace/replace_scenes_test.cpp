// A replace pass over every kind of file the file writer handles: the pass
// writes by the writer's rules (links followed, non-regular and read-only
// files refused, hard links, owners and unwritable folders kept), and a
// replace with backups keeps the original beside each file.
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/findreplace/replace_pass.h"
#include "core/text/file_writer.h"
#include "support/file_scenes.h"
#include "support/scratch_folder.h"

namespace markloom::test {
namespace {

std::string oldToNew(std::string bytes) {
  for (std::size_t at = bytes.find("old"); at != std::string::npos; at = bytes.find("old", at + 3))
    bytes.replace(at, 3, "new");
  return bytes;
}

class ReplaceScenes : public ::testing::TestWithParam<std::tuple<FileScene, bool>> {
 protected:
  void SetUp() override {
    // As root, write access is judged by the permission bits, as for a user.
    if (::geteuid() == 0) setWriteAccessProbe(writeAccessByBits);
  }
  void TearDown() override { setWriteAccessProbe({}); }
  ScratchFolder folder{"replace-scenes"};
};

TEST_P(ReplaceScenes, ReplacesOrRefusesLikeTheWriter) {
  const auto& [scene, backup] = GetParam();
  if (backup && scene.name == "WritableFileInUnwritableFolder") GTEST_SKIP() << "no backup can be made there";
  if (backup && scene.name == "NameOf255Bytes") GTEST_SKIP() << "NAME.bak cannot exist";
  const PreparedScene prepared = scene.build(folder.path());
  const std::string path = folder.file(prepared.name);
  std::error_code ec;
  const std::string before = std::filesystem::is_regular_file(path, ec) ? sceneRead(path) : std::string();
  std::vector<std::string> warnings;
  PassCallbacks callbacks;
  callbacks.warn = [&](const std::string& w) { warnings.push_back(w); };
  ReplaceOptions options;
  options.find = "old";
  options.replace = "new";
  options.backup = backup;
  ReplacePass pass(options, callbacks);
  const auto outcomes = pass.run({path});
  if (scene.refusal.empty()) {
    EXPECT_EQ(outcomes, std::vector{FileOutcome::Changed});
    EXPECT_EQ(warnings, std::vector<std::string>{});
    prepared.check(oldToNew(before));
    if (backup) {
      EXPECT_EQ(sceneRead(std::filesystem::canonical(path).string() + ".bak"), before);
    }
  } else {
    EXPECT_EQ(outcomes, std::vector{FileOutcome::AccessFailed});
    EXPECT_EQ(warnings, std::vector<std::string>{"Error accessing file " + path});
    prepared.check(kOldBytes);
  }
  EXPECT_EQ(stagingLeftovers(folder.path()), std::vector<std::string>{});
}

// The scenes with a file to replace (a replace never creates one).
std::vector<FileScene> existingFileScenes() {
  std::vector<FileScene> rows;
  for (FileScene& s : callerScenes())
    if (s.name != "DanglingSymbolicLink") rows.push_back(std::move(s));
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Scenes, ReplaceScenes,
                         ::testing::Combine(::testing::ValuesIn(existingFileScenes()), ::testing::Bool()),
                         [](const auto& row) {
                           return std::get<0>(row.param).name + (std::get<1>(row.param) ? "WithBackup" : "");
                         });

}  // namespace
}  // namespace markloom::test
