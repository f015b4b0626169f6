#pragma once
// Where the FTPS certificates the user trusted are kept: one file in the
// per-user data folder, shared by the Hostdeck window and markloom-cli publish.
#include <QStandardPaths>
#include <QString>

namespace markloom {

inline QString trustedCertificatesFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         "/Tarnwell/Markloom 5.0/trusted-certificates";
}

}  // namespace markloom
