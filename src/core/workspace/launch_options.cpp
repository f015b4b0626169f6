#include "core/workspace/launch_options.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace markloom {

namespace {
std::optional<int> lineNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1) return std::nullopt;
  return value;
}
// The toolkit's own options: those that take a value, and those that stand alone.
constexpr std::string_view kToolkitValueOptions[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowtitle",
    "qwindowicon", "display", "geometry", "style", "stylesheet", "session", "name", "title", "visual",
    "ncols", "fontengine", "qmljsdebugger"};
constexpr std::string_view kToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync", "cmap", "testability"};

template <std::size_t N>
bool listed(const std::string_view (&names)[N], std::string_view name) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}
}  // namespace

std::vector<std::string> withoutToolkitOptions(const std::vector<std::string>& args) {
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      kept.insert(kept.end(), args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
      break;
    }
    std::string_view name = a;
    if (!name.starts_with('-') || name == "-") {
      kept.push_back(a);
      continue;
    }
    name.remove_prefix(name.starts_with("--") ? 2 : 1);
    const std::size_t equals = name.find('=');
    if (equals != std::string_view::npos) {
      if (!listed(kToolkitValueOptions, name.substr(0, equals))) kept.push_back(a);
    } else if (listed(kToolkitValueOptions, name)) {
      ++i;  // its value goes with it
    } else if (!listed(kToolkitFlags, name)) {
      kept.push_back(a);
    }
  }
  return kept;
}

LaunchOptions parseLaunchOptions(const std::vector<std::string>& args) {
  LaunchOptions options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.empty() || a[0] != '-' || a == "-") {
      options.files.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (a == "-h" || a == "--help") {
      options.help = true;
    } else if (a == "--version") {
      options.version = true;
    } else if (a == "--new-instance") {
      options.newInstance = true;
    } else if (a == "--line" || a.rfind("--line=", 0) == 0) {
      std::string value;
      if (a == "--line") {
        if (i + 1 == args.size()) {
          options.error = "option '--line' needs a line number";
          return options;
        }
        value = args[++i];
      } else {
        value = a.substr(7);
      }
      options.line = lineNumber(value);
      if (!options.line) {
        options.error = "'" + value + "' is not a line number (1 or more)";
        return options;
      }
    } else {
      options.error = "unknown option '" + a + "'";
      return options;
    }
  }
  return options;
}

std::string launchHelpText() {
  return "Usage: markloom [OPTION]... [FILE]...\n"
         "Edit web pages and the languages that live in them.\n"
         "\n"
         "Each FILE opens in a document window; a FILE that does not exist opens as a new,\n"
         "empty document that the first save creates. While an editor is running, the files\n"
         "are handed to it and this command returns at once.\n"
         "\n"
         "  --line N         put the caret on line N of the last FILE\n"
         "  --new-instance   start a separate editor even when one is running\n"
         "  -h, --help       display this help and exit\n"
         "      --version    output version information and exit\n"
         "\n"
         "Exit status: 0 on success, 1 when the files could not be handed over, 2 for a wrong command line.\n";
}

}  // namespace markloom
