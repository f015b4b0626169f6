#pragma once
// FTPS certificates the user chose to trust although the system's store does
// not: one line per server, "HOST:PORT FINGERPRINT PIN", in a file readable by
// its owner only. Lines that do not read as such are left out.
#include <optional>
#include <string>

namespace markloom {

struct TrustedCertificate {
  std::string fingerprint;  // SHA-256 of the certificate
  std::string pin;          // "sha256//" and the hash of its public key
};

class TrustedCertificates {
 public:
  explicit TrustedCertificates(std::string path) : path_(std::move(path)) {}

  std::optional<TrustedCertificate> find(const std::string& host, int port) const;
  // Replaces what was kept for host and port.
  void remember(const std::string& host, int port, const TrustedCertificate& certificate) const;

 private:
  std::string path_;
};

}  // namespace markloom
