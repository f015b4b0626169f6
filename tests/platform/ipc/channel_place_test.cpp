// Where the editor's channel may live: only in a folder no other user can
// enter or replace, else nowhere, and then the sender sends nothing.
#include "platform/ipc/channel_place.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <cstring>
#include <functional>

#include "platform/ipc/inbound_channel.h"

namespace markloom {
namespace {

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)) {
    if (value.isNull())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  ~ScopedEnv() {
    if (old_.isNull())
      qunsetenv(name_);
    else
      qputenv(name_, old_);
  }

 private:
  const char* name_;
  QByteArray old_;
};

void makeFolder(const QString& path, mode_t mode) {
  ASSERT_EQ(::mkdir(QFile::encodeName(path).constData(), mode), 0) << path.toStdString();
  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

TEST(ChannelPlace, OnlyAnOwnerOnlyFolderOfThisUserCanHoldTheChannel) {
  QTemporaryDir root;
  const QString r = root.path() + "/";
  makeFolder(r + "private", 0700);
  makeFolder(r + "shared", 0755);
  makeFolder(r + "group", 0770);
  ASSERT_TRUE(QFile::link(r + "private", r + "link"));
  QFile(r + "file").open(QIODevice::WriteOnly);
  struct Case {
    const char* folder;
    const char* problem;  // empty: fit
  };
  const Case cases[] = {
      {"private", ""},
      {"shared", "is open to other users"},
      {"group", "is open to other users"},
      {"link", "is a symbolic link"},
      {"file", "is not a folder"},
      {"missing", "cannot be used"},
  };
  for (const Case& c : cases) {
    const QString problem = channelFolderProblem(r + c.folder);
    if (*c.problem == '\0')
      EXPECT_TRUE(problem.isEmpty()) << c.folder << ": " << problem.toStdString();
    else
      EXPECT_TRUE(problem.contains(c.problem)) << c.folder << ": " << problem.toStdString();
  }
}

TEST(ChannelPlace, TheRuntimeFolderWhenFitOtherwiseAnOwnerOnlyFolderUnderTemp) {
  QTemporaryDir root;
  const QString r = root.path() + "/";
  makeFolder(r + "run", 0700);
  makeFolder(r + "openrun", 0755);
  makeFolder(r + "tmp", 01777);
  const ScopedEnv tmp("TMPDIR", (r + "tmp").toLocal8Bit());
  const ScopedEnv name("MARKLOOM_PLUG_NAME", "plug");
  const QString fallback = r + "tmp/markloom-" + QString::number(::geteuid());
  struct Case {
    const char* what;
    QByteArray runtime;
    QString expected;
  };
  const Case cases[] = {
      {"runtime folder", (r + "run").toLocal8Bit(), r + "run/plug"},
      {"runtime folder open to others", (r + "openrun").toLocal8Bit(), fallback + "/plug"},
      {"relative runtime folder", "run", fallback + "/plug"},
      {"no runtime folder", QByteArray(), fallback + "/plug"},
  };
  for (const Case& c : cases) {
    const ScopedEnv runtime("XDG_RUNTIME_DIR", c.runtime);
    const ChannelPlace place = inboundChannelPlace();
    EXPECT_EQ(place.path, c.expected) << c.what << ": " << place.error.toStdString();
  }
  // The folder it made is this user's alone.
  struct stat st {};
  ASSERT_EQ(::lstat(QFile::encodeName(fallback).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(st.st_uid, ::geteuid());
}

// Someone made the folder's name first (or made it a link to their own
// folder): there is no channel, and a sender neither connects nor writes.
TEST(ChannelPlace, AFolderMadeByAnyoneElseOrOpenedUpGivesNoChannel) {
  QTemporaryDir root;
  const QString r = root.path() + "/";
  makeFolder(r + "tmp", 01777);
  makeFolder(r + "elsewhere", 0700);
  const ScopedEnv runtime("XDG_RUNTIME_DIR", QByteArray());
  const ScopedEnv tmp("TMPDIR", (r + "tmp").toLocal8Bit());
  const QString folder = r + "tmp/markloom-" + QString::number(::geteuid());
  struct Case {
    const char* what;
    std::function<void()> plant;
    const char* problem;
  };
  const Case cases[] = {
      {"opened up", [&] { makeFolder(folder, 0777); }, "is open to other users"},
      {"a link", [&] { ASSERT_TRUE(QFile::link(r + "elsewhere", folder)); }, "is a symbolic link"},
      {"a file", [&] { QFile(folder).open(QIODevice::WriteOnly); }, "is not a folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QDir(folder).removeRecursively();
    QFile::remove(folder);
    c.plant();
    const ChannelPlace place = inboundChannelPlace();
    EXPECT_TRUE(place.path.isEmpty());
    EXPECT_TRUE(place.error.contains(c.problem)) << place.error.toStdString();
    InboundSender sender;
    QString error;
    EXPECT_FALSE(sender.connect(&error, 200));
    EXPECT_EQ(error, place.error);
    InboundChannel channel;
    EXPECT_FALSE(channel.listen());
    EXPECT_EQ(channel.errorString(), place.error);
  }
  QFile::remove(folder);
}

// A socket left by a crashed editor of this user's is replaced; anything else
// at the channel's path stays as it is and there is no channel.
TEST(ChannelPlace, AStaleSocketIsReplacedAndAnythingElseIsLeftAlone) {
  QTemporaryDir root;
  const QString path = root.path() + "/plug";
  {
    // A socket whose listener is gone.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
  }
  {
    InboundChannel channel;
    EXPECT_TRUE(channel.listen(path)) << channel.errorString().toStdString();
    InboundChannel second;
    EXPECT_FALSE(second.listen(path));
    EXPECT_TRUE(second.errorString().contains("another editor holds the channel")) << second.errorString().toStdString();
  }
  QFile::remove(path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("keep");
  file.close();
  InboundChannel channel;
  EXPECT_FALSE(channel.listen(path));
  EXPECT_TRUE(channel.errorString().contains("not this user's channel")) << channel.errorString().toStdString();
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "keep");
}

}  // namespace
}  // namespace markloom
