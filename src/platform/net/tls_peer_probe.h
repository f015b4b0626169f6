#pragma once
// Reads an FTPS server's certificate before anything is sent to it: the
// greeting, AUTH TLS and the handshake, then the connection is closed, so no
// user name or password reaches a server the user has not yet trusted.
#include <string>

namespace markloom {

struct TlsPeer {
  std::string fingerprint;   // SHA-256 of the certificate, "AB:CD:..."
  std::string publicKeyPin;  // "sha256//" and the base64 SHA-256 of its public key
  std::string subject;       // the certificate's common name
  std::string error;         // why no certificate was read
};

TlsPeer probeFtpsPeer(const std::string& host, int port, int timeoutMs);

}  // namespace markloom
