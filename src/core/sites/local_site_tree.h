#pragma once
// The local side of a publish: every file and folder under a folder, with
// sizes and modification times. Links to files count as the files they point
// to; links to folders are not followed (a link back up would never end), and
// FIFOs, devices and sockets are left out.
#include <string>

#include "core/sites/publish_plan.h"

namespace markloom {

// Raises Error("Cannot open folder FOLDER: reason") when the folder cannot be read.
SiteTree scanLocalSite(const std::string& folder);

}  // namespace markloom
