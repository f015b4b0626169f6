// The channel between two users: the editor drops another user's connection
// unread, and a sender finding another user's process at the other end sends
// nothing. Acting as a second user needs root; scripts/test runs these as root.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>
#include <functional>

#include "platform/ipc/inbound_channel.h"

namespace markloom {
namespace {

constexpr uid_t kOtherUser = 65534;

sockaddr_un addressOf(const QString& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path - 1);
  return address;
}

// Runs body in a child process, as the other user when asked; the child's
// exit code comes back. The parent keeps serving events meanwhile.
int inChild(bool asOtherUser, const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (asOtherUser && (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0)) ::_exit(100);
    ::_exit(body());
  }
  QElapsedTimer clock;
  clock.start();
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (clock.elapsed() > 20000) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return -1;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class ChannelUsers : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "acting as a second user needs root";
    ASSERT_TRUE(dir.isValid());
    // Both users reach the folder; only the checks at each end keep them apart.
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 01777), 0);
    path = dir.path() + "/plug";
  }
  QTemporaryDir dir;
  QString path;
};

TEST_F(ChannelUsers, TheEditorDropsAnotherUsersConnectionUnread) {
  for (const bool other : {false, true}) {
    SCOPED_TRACE(other ? "another user" : "the same user");
    QFile::remove(path);
    InboundChannel channel;
    ASSERT_TRUE(channel.listen(path)) << channel.errorString().toStdString();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0777), 0);
    QSignalSpy received(&channel, &InboundChannel::received);
    const int code = inChild(other, [this] {
      const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      const sockaddr_un address = addressOf(path);
      if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) return 2;
      const char text[] = "intruder\n";
      if (::write(fd, text, sizeof text - 1) != sizeof text - 1) return 3;
      ::shutdown(fd, SHUT_WR);
      char answer[16];
      while (::read(fd, answer, sizeof answer) > 0) {
      }
      return 0;
    });
    ASSERT_EQ(code, 0);
    for (int i = 0; i < 25 && received.isEmpty(); ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    if (other) {
      EXPECT_TRUE(received.isEmpty());
    } else {
      ASSERT_EQ(received.size(), 1);
      EXPECT_EQ(received[0][0].toByteArray(), "intruder\n");
    }
  }
}

TEST_F(ChannelUsers, ASenderFindingAnotherUsersListenerSendsNothing) {
  for (const bool other : {false, true}) {
    SCOPED_TRACE(other ? "another user" : "the same user");
    QFile::remove(path);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    // The listener: says when it listens, takes one connection and exits with
    // the number of bytes of the first read (0 when the sender closed without
    // writing), 200 when nobody came.
    const pid_t pid = ::fork();
    if (pid == 0) {
      if (other && (::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0)) ::_exit(100);
      const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
      const sockaddr_un address = addressOf(path);
      if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 1) != 0)
        ::_exit(101);
      ::chmod(address.sun_path, 0777);
      if (::write(ready[1], "x", 1) != 1) ::_exit(102);
      alarm(10);
      const int peer = ::accept(fd, nullptr, nullptr);
      if (peer < 0) ::_exit(200);
      char buffer[64];
      const ssize_t n = ::read(peer, buffer, sizeof buffer);
      ::_exit(n < 0 ? 201 : static_cast<int>(n));
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    bool connected = false;
    QString error;
    {
      InboundSender sender(path);
      connected = sender.connect(&error, 2000);
      if (connected) sender.send(InboundKind::Lines, QByteArray("secret\n"), &error);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (other) {
      EXPECT_FALSE(connected);
      EXPECT_TRUE(error.contains("belongs to another user")) << error.toStdString();
      EXPECT_EQ(WEXITSTATUS(status), 0);  // not one byte
    } else {
      EXPECT_TRUE(connected) << error.toStdString();
      EXPECT_GT(WEXITSTATUS(status), 0);
      EXPECT_NE(WEXITSTATUS(status), 200);
    }
  }
}

}  // namespace
}  // namespace markloom
