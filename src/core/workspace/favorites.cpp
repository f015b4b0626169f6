#include "core/workspace/favorites.h"

#include <algorithm>
#include <filesystem>

#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/line_list.h"

namespace markloom {

namespace fs = std::filesystem;

namespace {
std::string lower(std::string s) {
  for (auto& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t");
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

std::string shortcutAddress(const fs::path& file) {
  std::string text;
  try {
    text = readFile(file.string());
  } catch (const Error&) {
    return {};
  }
  if (lower(file.extension().string()) == ".desktop") {
    if (iniValue(text, "Desktop Entry", "Type") != "Link") return {};
    return iniValue(text, "Desktop Entry", "URL");
  }
  std::string url = iniValue(text, "InternetShortcut", "URL");
  if (url.size() > 2047) url.resize(2047);
  return url;
}

void collect(const fs::path& folder, std::vector<std::string>& out) {
  std::vector<fs::path> files, folders;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const auto name = it->path().filename().string();
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      if (!name.empty() && name[0] != '.') folders.push_back(it->path());
    } else {
      const auto ext = lower(it->path().extension().string());
      if (ext == ".url" || ext == ".desktop") files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  std::sort(folders.begin(), folders.end());
  for (const auto& f : files) out.push_back(shortcutAddress(f));
  for (const auto& d : folders) collect(d, out);
}
}  // namespace

std::optional<std::string> iniEntry(const std::string& text, const std::string& section, const std::string& name) {
  const std::string wantSection = lower(section), wantName = lower(name);
  bool inSection = false;
  for (const auto& raw : parseLineList(text)) {
    const std::string line = trim(raw);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      const auto close = line.find(']');
      inSection = close != std::string::npos && lower(trim(line.substr(1, close - 1))) == wantSection;
      continue;
    }
    if (!inSection) continue;
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (lower(trim(line.substr(0, eq))) == wantName) return trim(line.substr(eq + 1));
  }
  return std::nullopt;
}

std::string iniValue(const std::string& text, const std::string& section, const std::string& name) {
  return iniEntry(text, section, name).value_or(std::string());
}

std::vector<std::string> favoritesList(const std::string& folder) {
  std::vector<std::string> out;
  if (!folder.empty()) collect(fs::path(folder), out);
  return out;
}

}  // namespace markloom
