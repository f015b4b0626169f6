#include "core/sites/trusted_certificates.h"

#include <fstream>
#include <sstream>

#include "core/text/file_writer.h"

namespace markloom {

namespace {

std::string serverKey(const std::string& host, int port) { return host + ":" + std::to_string(port); }

// Every kept line but the one for key, and that one's certificate if present.
std::string otherLines(const std::string& path, const std::string& key, std::optional<TrustedCertificate>* found) {
  std::ifstream in(path, std::ios::binary);
  std::string line, others;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string server, fingerprint, pin, extra;
    if (!(words >> server >> fingerprint >> pin) || (words >> extra) || pin.rfind("sha256//", 0) != 0) continue;
    if (server == key) {
      if (found) *found = TrustedCertificate{fingerprint, pin};
    } else {
      others += server + " " + fingerprint + " " + pin + "\n";
    }
  }
  return others;
}

}  // namespace

std::optional<TrustedCertificate> TrustedCertificates::find(const std::string& host, int port) const {
  std::optional<TrustedCertificate> found;
  otherLines(path_, serverKey(host, port), &found);
  return found;
}

void TrustedCertificates::remember(const std::string& host, int port, const TrustedCertificate& certificate) const {
  const std::string key = serverKey(host, port);
  writeFile(path_, otherLines(path_, key, nullptr) + key + " " + certificate.fingerprint + " " + certificate.pin + "\n",
            WriteOptions{.ownerOnly = true});
}

}  // namespace markloom
