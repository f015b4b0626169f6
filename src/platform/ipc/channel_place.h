#pragma once
// Where the editor's channel lives and whom it may talk to. The socket sits in
// a folder only its user can enter: $XDG_RUNTIME_DIR when that is such a
// folder, otherwise <temp>/markloom-<uid>/, which is made owner-only and then
// checked (a real folder, owned by this user, closed to everyone else), since
// anyone can make that name first. A folder that fails the checks gives no
// channel at all: nothing is sent there and nothing listens there. Each end
// also checks the user of the process at the other end of a connection.
#include <QString>
#include <optional>
#include <sys/types.h>

namespace markloom {

struct ChannelPlace {
  QString path;   // the socket's full path; empty when there is no safe place
  QString error;  // why there is none
};

// The channel's place for this user. The socket's name is "markloom-plug",
// or MARKLOOM_PLUG_NAME when set (tests give each run a name of its own).
ChannelPlace inboundChannelPlace();

// Why folder cannot hold the channel ("... is a symbolic link"); empty when it can.
QString channelFolderProblem(const QString& folder);

// The user of the process at the other end of a connected local socket.
std::optional<uid_t> peerUser(qintptr socketDescriptor);

}  // namespace markloom
