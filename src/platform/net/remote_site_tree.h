#pragma once
// The remote side of a publish or a folder transfer: every file and folder
// under a remote folder, read folder by folder over the client's session.
#include <string>

#include "core/sites/publish_plan.h"
#include "platform/net/transfer_client.h"

namespace markloom {

// exists is false (and the tree empty) when top itself cannot be entered;
// any other failure raises the client's Error.
SiteTree listRemoteSite(TransferClient& client, const std::string& top, bool& exists);

}  // namespace markloom
