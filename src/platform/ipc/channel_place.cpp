#include "platform/ipc/channel_place.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace markloom {

namespace {
QString withSlash(const QString& folder) { return folder.endsWith('/') ? folder : folder + '/'; }

QString socketName() {
  const QString overridden = qEnvironmentVariable("MARKLOOM_PLUG_NAME");
  return overridden.isEmpty() || overridden.contains('/') ? QStringLiteral("markloom-plug") : overridden;
}
}  // namespace

QString channelFolderProblem(const QString& folder) {
  struct stat st {};
  if (::lstat(QFile::encodeName(folder).constData(), &st) != 0)
    return folder + " cannot be used: " + QString::fromLocal8Bit(std::strerror(errno));
  if (S_ISLNK(st.st_mode)) return folder + " is a symbolic link";
  if (!S_ISDIR(st.st_mode)) return folder + " is not a folder";
  if (st.st_uid != ::geteuid()) return folder + " belongs to another user (uid " + QString::number(st.st_uid) + ")";
  if ((st.st_mode & 077) != 0) return folder + " is open to other users";
  return {};
}

ChannelPlace inboundChannelPlace() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime) && channelFolderProblem(runtime).isEmpty())
    return {withSlash(runtime) + socketName(), {}};
  const QString own = withSlash(QDir::tempPath()) + "markloom-" + QString::number(::geteuid());
  // Made here owner-only; one that was there already is taken only when it
  // passes the same checks, whoever made it.
  ::mkdir(QFile::encodeName(own).constData(), 0700);
  const QString problem = channelFolderProblem(own);
  if (!problem.isEmpty()) return {{}, "no safe place for the editor's channel: " + problem};
  return {own + '/' + socketName(), {}};
}

std::optional<uid_t> peerUser(qintptr socketDescriptor) {
  struct ucred credentials {};
  socklen_t size = sizeof credentials;
  if (socketDescriptor < 0 ||
      ::getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0)
    return std::nullopt;
  return credentials.uid;
}

}  // namespace markloom
