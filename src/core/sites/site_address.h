#pragma once
// A site's address as markloom-cli publish takes it:
// ftp://, ftps:// or sftp://[USER@]HOST[:PORT][/PATH]. A password in the
// address is refused: it would show in the process list and the shell's
// history. FTP paths are relative to the folder the server logs the user into
// (as FTP addresses are); SFTP paths are absolute, "/~/" starting at home.
#include <string>

namespace markloom {

struct SiteAddress {
  std::string scheme;  // "ftp", "ftps" or "sftp"
  std::string user;
  std::string host;
  int port = 0;
  std::string path;  // percent-decoded, without the leading "/" ("" for the top)
};

// Raises Error("Bad site address ADDRESS: reason").
SiteAddress parseSiteAddress(const std::string& address);

}  // namespace markloom
