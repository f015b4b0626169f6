// markloom-cli publish: sends a local folder to a site the way the Hostdeck's
// Publish Site does, one line per action and a summary.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "core/common/error.h"
#include "core/sites/site_address.h"
#include "core/sites/site_profile.h"
#include "core/text/whole_number.h"
#include "platform/files/program_folder.h"
#include "platform/net/site_publisher.h"
#include "platform/net/trusted_certificates_file.h"

namespace {

using namespace markloom;

constexpr const char* kUsage =
    "usage: markloom-cli publish [--dry-run] [--delete] [--jobs N] [--profile NAME] [--key FILE]\n"
    "                            [--known-hosts FILE] LOCAL_DIR [URL]\n"
    "  URL: ftp://, ftps:// or sftp://USER@HOST[:PORT]/PATH; the password comes from the\n"
    "  profile or MARKLOOM_PASSWORD\n";

int usage(const std::string& why) {
  if (!why.empty()) std::fprintf(stderr, "markloom-cli publish: %s\n", why.c_str());
  std::fputs(kUsage, stderr);
  return 2;
}

struct Arguments {
  PublishOptions options;
  std::string profile, local, url, key, knownHosts;
};

// Returns an empty string when the arguments read, else why not.
std::string readArguments(const std::vector<std::string>& args, Arguments& out) {
  std::vector<std::string> plain;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into) {
      if (i + 1 >= args.size()) return false;
      into = args[++i];
      return true;
    };
    std::string jobs;
    if (a == "--dry-run") {
      out.options.dryRun = true;
    } else if (a == "--delete") {
      out.options.removeMissing = true;
    } else if (a == "--jobs") {
      if (!value(jobs)) return "--jobs needs a number";
      try {
        out.options.jobs = wholeNumber(jobs, TrailingBlanks::Refused);
      } catch (const Error&) {
        return "--jobs needs a number from 1 to 16";
      }
      if (out.options.jobs < 1 || out.options.jobs > 16) return "--jobs needs a number from 1 to 16";
    } else if (a == "--profile") {
      if (!value(out.profile)) return "--profile needs a name";
    } else if (a == "--key") {
      if (!value(out.key)) return "--key needs a file";
    } else if (a == "--known-hosts") {
      if (!value(out.knownHosts)) return "--known-hosts needs a file";
    } else if (a == "--password" || a.starts_with("--password=")) {
      return "the password is never taken from the command line: use the profile or MARKLOOM_PASSWORD";
    } else if (a.size() > 1 && a[0] == '-') {
      return "unknown option '" + a + "'";
    } else {
      plain.push_back(a);
    }
  }
  if (plain.empty() || plain.size() > 2) return "a local folder and a site address, or --profile";
  out.local = plain[0];
  if (plain.size() == 2) out.url = plain[1];
  if (out.url.empty() && out.profile.empty()) return "a site address or --profile is needed";
  return {};
}

TransferProtocol protocolOf(const std::string& scheme) {
  if (scheme == "ftps" || scheme == "FTPS") return TransferProtocol::Ftps;
  if (scheme == "sftp" || scheme == "SFTP") return TransferProtocol::Sftp;
  return TransferProtocol::Ftp;
}

// The site from the profile and the address (the address wins where both speak).
TransferSite siteFor(const Arguments& args, SiteAddress& address) {
  TransferSite site;
  std::string password;
  bool havePassword = false;
  if (!args.profile.empty()) {
    const QString file = QDir(workPath(QStringLiteral("Projects"))).filePath(QString::fromStdString(args.profile) + ".ini");
    const SiteProfile profile = readSiteProfile(QFile::encodeName(file).toStdString());
    site.host = profile.host;
    site.user = profile.user;
    site.port = wholeNumber(profile.port, TrailingBlanks::Refused);
    site.timeoutMs = wholeNumber(profile.timeout, TrailingBlanks::Refused);
    site.protocol = protocolOf(profile.protocol);
    password = profile.password;
    havePassword = true;
    address.scheme = site.protocol == TransferProtocol::Sftp ? "sftp" : site.protocol == TransferProtocol::Ftps ? "ftps" : "ftp";
    address.host = site.host;
    address.user = site.user;
    address.port = site.port;
  }
  if (!args.url.empty()) {
    const SiteAddress given = parseSiteAddress(args.url);
    address = given;
    site.host = given.host;
    site.port = given.port;
    site.protocol = protocolOf(given.scheme);
    if (!given.user.empty()) site.user = given.user;
  }
  if (site.user.empty()) site.user = "anonymous";
  if (const char* fromEnvironment = std::getenv("MARKLOOM_PASSWORD"); fromEnvironment && !havePassword) {
    password = fromEnvironment;
    havePassword = true;
  }
  site.password = havePassword ? password : (site.user == "anonymous" ? kPlaceholderPassword : "");
  address.user = site.user;
  site.privateKeyFile = args.key;
  site.knownHostsFile = args.knownHosts;
  site.certificateFile = qEnvironmentVariable("MARKLOOM_CA_FILE").toStdString();
  site.trustedCertificatesFile = trustedCertificatesFile().toStdString();
  return site;
}

int publish(const std::vector<std::string>& args) {
  Arguments parsed;
  if (const std::string why = readArguments(args, parsed); !why.empty()) return usage(why);
  int argc = 1;
  char name[] = "markloom-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName("Tarnwell");
  QCoreApplication::setApplicationName("Markloom 5.0");

  SiteAddress address;
  TransferSite site;
  try {
    site = siteFor(parsed, address);
  } catch (const Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  }
  if (!QFileInfo(QString::fromStdString(parsed.local)).isDir()) {
    std::fprintf(stderr, "Cannot open folder %s\n", parsed.local.c_str());
    return 2;
  }
  PublishOptions options = parsed.options;
  // SFTP paths are absolute ("~/" starts at home); FTP paths start at the login folder.
  options.remoteFolder = address.path;
  if (site.protocol == TransferProtocol::Sftp && !address.path.starts_with("~"))
    options.remoteFolder = "/" + address.path;
  else if (address.path.starts_with("~/") || address.path == "~")
    options.remoteFolder = address.path.substr(std::min<std::size_t>(2, address.path.size()));
  SitePublisher publisher(site, parsed.local, options);
  PublishReport report;
  try {
    report = publisher.run([](const std::string& line) { std::printf("%s\n", line.c_str()); },
                           [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); });
  } catch (const Error& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return publisher.connected() ? 1 : 2;
  }
  std::printf("%s%s\n", report.summary().c_str(), options.dryRun ? " (dry run: nothing changed)" : "");
  return report.failed > 0 ? 1 : 0;
}

const markloom::cli::CommandRegistration registration{
    {"publish", "publish [--dry-run] [--delete] [--jobs N] [--profile NAME] LOCAL_DIR [URL]",
     "sends the new and changed files of LOCAL_DIR to a site over FTP, FTPS or SFTP", publish}};

}  // namespace
