// markloom-cli compress IN -o OUT into every kind of file the writer handles.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QFile>

#include "support/cli_run.h"
#include "support/file_scenes.h"
#include "support/scratch_folder.h"

namespace markloom::test {
namespace {

class CompressOutputScenes : public ::testing::TestWithParam<FileScene> {
 protected:
  ScratchFolder folder{"compress-out"};
};

TEST_P(CompressOutputScenes, WritesOrFailsWithTheReason) {
  const FileScene& scene = GetParam();
  // A separate process cannot be told to judge access by permission bits.
  if (scene.ordinaryUserOnly && ::geteuid() == 0) GTEST_SKIP() << "root writes read-only files and folders";
  folder.write("in.htm", "<p>a   b</p>\r\n");
  const QString in = QFile::decodeName(folder.file("in.htm").c_str());
  const CliRun plain = runCli({"compress", in});
  ASSERT_EQ(plain.exitCode, 0);
  const PreparedScene prepared = scene.build(folder.path());
  const QString out = QFile::decodeName(folder.file(prepared.name).c_str());
  const CliRun r = runCli({"compress", in, "-o", out});
  if (scene.refusal.empty()) {
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  } else {
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, ("Cannot create file " + out + ": " + QString::fromStdString(scene.refusal) + "\n").toLocal8Bit());
  }
  prepared.check(plain.out.toStdString());
  EXPECT_EQ(stagingLeftovers(folder.path()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Scenes, CompressOutputScenes, ::testing::ValuesIn(callerScenes()),
                         [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace markloom::test
