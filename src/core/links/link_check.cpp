#include "core/links/link_check.h"

#include <algorithm>
#include <filesystem>

#include "core/document/ascii_case.h"

namespace markloom {

namespace {

LinkRow makeRow(int icon, std::string type, const FoundLink& found, std::string status, std::string message) {
  return {icon, std::move(type), found.link, std::move(status), std::move(message), found.line, found.link};
}

// The scheme of an address ("http" of "HTTP://x"), lower-cased; empty when the
// link has none (letters, digits, '+', '-', '.' before a ':', starting with a letter).
std::string schemeOf(const std::string& link) {
  const std::size_t colon = link.find(':');
  if (colon == std::string::npos || colon == 0) return {};
  for (std::size_t i = 0; i < colon; ++i) {
    const char c = link[i];
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    if (!letter && !(i > 0 && other)) return {};
  }
  return asciiLower(link.substr(0, colon));
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string percentDecoded(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() && hexValue(s[i + 1]) >= 0 && hexValue(s[i + 2]) >= 0) {
      out += static_cast<char>(hexValue(s[i + 1]) * 16 + hexValue(s[i + 2]));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

}  // namespace

LinkCheck::LinkCheck(const std::vector<FoundLink>& links, const std::string& baseFolder, const LinkOptions& options,
                     const FileExists& fileExists)
    : options_(options) {
  steps_.reserve(links.size());
  for (const FoundLink& found : links) {
    Step step{found, {}, {}, {}};
    if (options.modern)
      planModern(step, baseFolder, fileExists);
    else
      planClassic(step, baseFolder, fileExists);
    steps_.push_back(std::move(step));
  }
  answers_.resize(addresses_.size());
}

std::size_t LinkCheck::addressIndex(const std::string& url) {
  const auto it = std::find(addresses_.begin(), addresses_.end(), url);
  if (it != addresses_.end()) return static_cast<std::size_t>(it - addresses_.begin());
  addresses_.push_back(url);
  return addresses_.size() - 1;
}

void LinkCheck::planClassic(Step& step, const std::string& base, const FileExists& fileExists) {
  const std::string& link = step.found.link;
  if (startsWith(link, "/")) step.fixed = makeRow(LinkRow::ErrorIcon, "Error", step.found, "404", "File not found.");
  if (startsWith(link, "mailto:")) return;
  if (link.find("http://") == std::string::npos) {
    // A name with a folder part is not checked.
    if (link.find('/') != std::string::npos) return;
    if (!fileExists(base + link)) {
      step.local = makeRow(LinkRow::ErrorIcon, "", step.found, "404", "File does not exist.");
      step.local->link = base + link;
    }
    return;
  }
  step.address = addressIndex(link);
}

void LinkCheck::planModern(Step& step, const std::string& base, const FileExists& fileExists) {
  const std::string& link = step.found.link;
  if (startsWith(link, "/")) {
    // Relative to a site root this page does not know: reported, not looked up.
    step.fixed = makeRow(LinkRow::ErrorIcon, "Error", step.found, "404", "File not found.");
    return;
  }
  if (link.empty() || startsWith(link, "#")) return;
  const std::string scheme = schemeOf(link);
  if (scheme == "http" || scheme == "https") {
    step.address = addressIndex(link);
    return;
  }
  if (!scheme.empty()) return;  // mailto:, tel:, javascript:, data:, ftp: ... are not checked
  std::string path = link.substr(0, link.find_first_of("#?"));
  if (path.empty()) return;
  path = percentDecoded(path);
  const std::string full = std::filesystem::path(base + path).lexically_normal().string();
  if (!fileExists(full)) {
    step.local = makeRow(LinkRow::ErrorIcon, "", step.found, "404", "File does not exist.");
    step.local->link = full;
  }
}

void LinkCheck::setAnswer(std::size_t address, const WebAnswer& answer) {
  if (address < answers_.size()) answers_[address] = answer;
}

std::optional<LinkRow> LinkCheck::webRow(const Step& step, const WebAnswer& a) const {
  const std::string code = std::to_string(a.status);
  const std::string statusText = code + (a.reason.empty() ? "" : " " + a.reason);
  if (!a.answered) {
    if (!options_.modern) return std::nullopt;
    return makeRow(LinkRow::ErrorIcon, "Error", step.found, "-", a.error);
  }
  switch (a.status) {
    case 404: return makeRow(LinkRow::ErrorIcon, "Error", step.found, code, statusText);
    case 403: return makeRow(LinkRow::SecurityIcon, "Security", step.found, code, statusText);
    case 500: return makeRow(LinkRow::ServerIcon, "Server", step.found, code, statusText);
    default: break;
  }
  if (!options_.modern) return std::nullopt;
  if (a.status >= 300 && a.status < 400 && !a.location.empty())
    return makeRow(LinkRow::ServerIcon, "Redirect", step.found, code, "Redirects to " + a.location);
  if (a.status >= 400) return makeRow(LinkRow::ErrorIcon, "Error", step.found, code, statusText);
  return std::nullopt;
}

LinkTally LinkCheck::tally() const {
  LinkTally t;
  t.links = steps_.size();
  for (const Step& step : steps_)
    if (!step.address || answers_[*step.address]) ++t.done;
  for (const LinkRow& row : rows()) ++(row.type == "Redirect" ? t.redirected : t.broken);
  return t;
}

std::string tallyText(const LinkTally& t) {
  auto count = [](std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  if (t.links == 0) return "No links to check.";
  if (!t.finished())
    return "Checking links: " + std::to_string(t.done) + " of " + std::to_string(t.links) + " done, " +
           std::to_string(t.broken) + " broken so far.";
  std::string text = count(t.links, "link", "links") + " checked, ";
  text += t.broken == 0 ? std::string("none broken") : std::to_string(t.broken) + " broken";
  if (t.redirected > 0) text += ", " + std::to_string(t.redirected) + " redirected";
  return text + ".";
}

std::vector<LinkRow> LinkCheck::rows() const {
  std::vector<LinkRow> out;
  for (const Step& step : steps_) {
    if (step.fixed) out.push_back(*step.fixed);
    if (step.local) out.push_back(*step.local);
    if (step.address && answers_[*step.address])
      if (auto row = webRow(step, *answers_[*step.address])) out.push_back(*row);
  }
  std::stable_sort(out.begin(), out.end(), [](const LinkRow& a, const LinkRow& b) { return a.type < b.type; });
  return out;
}

}  // namespace markloom
