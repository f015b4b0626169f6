#pragma once
// Where the FTPS certificates the user trusted are kept: one file where the
// program writes (the per-user data folder unless the program folder is the
// user's own copy), shared by the Hostdeck window and markloom-cli publish.
#include <QString>

#include "platform/files/program_folder.h"

namespace markloom {

inline QString trustedCertificatesFile() { return workFolder() + "trusted-certificates"; }

}  // namespace markloom
