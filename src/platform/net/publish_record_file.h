#pragma once
// Where the record of what was published to one site folder is kept: a small
// file in the work folder's Publish/, named by a hash of the site's address,
// shared by the Hostdeck window and markloom-cli publish.
#include <string>

namespace markloom {

// Creates Publish/ when it is missing.
std::string publishRecordFile(const std::string& siteKey);

}  // namespace markloom
