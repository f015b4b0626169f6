#include "core/sites/site_profile.h"

#include <fstream>
#include <iterator>

#include "core/common/error.h"
#include "core/text/file_writer.h"
#include "core/workspace/favorites.h"

namespace markloom {

namespace {
constexpr const char* kSection = "Project";

struct Key {
  const char* name;
  std::string SiteProfile::*field;
  const char* fallback;
};
// In the order the file holds them.
const Key kKeys[] = {
    {"USER", &SiteProfile::user, "anonymous"},   {"PASS", &SiteProfile::password, kPlaceholderPassword},
    {"HOST", &SiteProfile::host, "ERROR"},       {"PORT", &SiteProfile::port, "21"},
    {"TIME", &SiteProfile::timeout, "30000"},    {"TYPE", &SiteProfile::serverType, "Other"},
    {"PROTOCOL", &SiteProfile::protocol, "FTP"},
};
}  // namespace

SiteProfile parseSiteProfile(const std::string& text) {
  SiteProfile profile;
  for (const Key& key : kKeys) profile.*key.field = iniEntry(text, kSection, key.name).value_or(key.fallback);
  return profile;
}

std::string formatSiteProfile(const SiteProfile& profile) {
  std::string text = std::string("[") + kSection + "]\r\n";
  for (const Key& key : kKeys) text += std::string(key.name) + "=" + profile.*key.field + "\r\n";
  return text;
}

SiteProfile readSiteProfile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw cannotOpenFile(path);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return parseSiteProfile(text);
}

void writeSiteProfile(const std::string& path, const SiteProfile& profile) {
  writeFile(path, formatSiteProfile(profile), WriteOptions{.ownerOnly = true});
}

}  // namespace markloom
