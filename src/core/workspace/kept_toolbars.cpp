#include "core/workspace/kept_toolbars.h"

#include <algorithm>

namespace markloom {

namespace {
constexpr std::string_view kVersion = "1:";
constexpr std::size_t kMaxItemsText = 64 * 1024;
constexpr std::size_t kMaxStateText = 1024 * 1024;

bool isIdCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::optional<std::string> text(SettingsStore& store, const std::string& key, const std::string& name) {
  SettingsStore::Read read = store.read(key, name);
  if (read.status != SettingsStore::ReadStatus::Text) return std::nullopt;
  return std::move(read.text);
}

std::string visibleName(const std::string& toolbar) { return toolbar + " Visible"; }
}  // namespace

bool isToolbarItem(std::string_view item) {
  if (item == kToolbarSeparator) return true;
  return !item.empty() && std::all_of(item.begin(), item.end(), isIdCharacter);
}

std::string formatToolbarItems(const std::vector<std::string>& items) {
  std::string out(kVersion);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += ',';
    out += items[i];
  }
  return out;
}

std::optional<std::vector<std::string>> parseToolbarItems(std::string_view text) {
  if (!text.starts_with(kVersion) || text.size() > kMaxItemsText) return std::nullopt;
  text.remove_prefix(kVersion.size());
  std::vector<std::string> items;
  if (text.empty()) return items;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    const std::string_view item = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
    if (!isToolbarItem(item)) return std::nullopt;
    if (item == kToolbarSeparator || std::find(items.begin(), items.end(), item) == items.end())
      items.emplace_back(item);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return items;
}

bool isBase64Text(std::string_view text) {
  if (text.empty() || text.size() % 4 != 0) return false;
  const std::size_t padding = text.size() - text.find_last_not_of('=') - 1;
  if (padding > 2) return false;
  return std::all_of(text.begin(), text.end() - static_cast<std::ptrdiff_t>(padding), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
  });
}

KeptToolbars readKeptToolbars(SettingsStore& store, const std::string& key, const std::vector<std::string>& names) {
  KeptToolbars kept;
  if (!store.openKey(key, false)) return kept;
  for (const std::string& name : names) {
    KeptToolbar bar{name, std::nullopt, std::nullopt};
    if (const auto items = text(store, key, name)) bar.items = parseToolbarItems(*items);
    if (const auto visible = text(store, key, visibleName(name))) {
      if (*visible == "True") bar.visible = true;
      if (*visible == "False") bar.visible = false;
    }
    kept.toolbars.push_back(std::move(bar));
  }
  if (auto state = text(store, key, "State"); state && state->size() <= kMaxStateText && isBase64Text(*state))
    kept.state = std::move(*state);
  return kept;
}

void writeKeptToolbars(SettingsStore& store, const std::string& key, const KeptToolbars& kept) {
  if (!store.openKey(key, true)) return;
  for (const KeptToolbar& bar : kept.toolbars) {
    if (bar.items) store.write(key, bar.name, formatToolbarItems(*bar.items));
    if (bar.visible) store.write(key, visibleName(bar.name), *bar.visible ? "True" : "False");
  }
  if (!kept.state.empty()) store.write(key, "State", kept.state);
}

}  // namespace markloom
