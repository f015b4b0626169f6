#pragma once
// A site profile of the Hostdeck window: one small INI file per site, section
// "Project", keys USER, PASS, HOST, PORT, TIME, TYPE and PROTOCOL in that order.
// PROTOCOL came later; a profile without it is plain FTP.
#include <string>

namespace markloom {

struct SiteProfile {
  std::string user;
  std::string password;
  std::string host;
  std::string port;
  std::string timeout;     // milliseconds, as typed
  std::string serverType;  // "Unix", "Other", or as typed
  std::string protocol;    // "FTP", "FTPS" or "SFTP"

  bool operator==(const SiteProfile&) const = default;
};

// The password a profile without PASS gets (anonymous FTP asks for an address).
inline constexpr const char* kPlaceholderPassword = "guest@example.com";

// Reads the keys of section "Project"; a missing key takes its default
// ("anonymous", the placeholder address, "ERROR", "21", "30000", "Other", "FTP").
// An empty value is kept as empty.
SiteProfile parseSiteProfile(const std::string& text);
// The file's text, CR LF line ends, every key written.
std::string formatSiteProfile(const SiteProfile& profile);

// Read and written as files; the file is made readable by its owner only,
// since it holds a password. Raises cannotOpenFile / cannotCreateFile.
SiteProfile readSiteProfile(const std::string& path);
void writeSiteProfile(const std::string& path, const SiteProfile& profile);

}  // namespace markloom
