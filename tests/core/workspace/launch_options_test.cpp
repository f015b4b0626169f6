#include "core/workspace/launch_options.h"

#include <gtest/gtest.h>

namespace markloom {
namespace {

using Words = std::vector<std::string>;

TEST(LaunchOptions, CommandLines) {
  struct Case {
    Words args;
    Words files;
    std::optional<int> line;
    bool newInstance, help, version;
    std::string error;
  };
  const Case cases[] = {
      {{}, {}, std::nullopt, false, false, false, ""},
      {{"a.html", "b.css"}, {"a.html", "b.css"}, std::nullopt, false, false, false, ""},
      {{"--line", "12", "a.html"}, {"a.html"}, 12, false, false, false, ""},
      {{"a.html", "--line=3"}, {"a.html"}, 3, false, false, false, ""},
      {{"--new-instance", "x"}, {"x"}, std::nullopt, true, false, false, ""},
      {{"-h"}, {}, std::nullopt, false, true, false, ""},
      {{"--help"}, {}, std::nullopt, false, true, false, ""},
      {{"--version"}, {}, std::nullopt, false, false, true, ""},
      {{"--", "--line", "-x"}, {"--line", "-x"}, std::nullopt, false, false, false, ""},
      {{"-"}, {"-"}, std::nullopt, false, false, false, ""},
      {{"--line"}, {}, std::nullopt, false, false, false, "option '--line' needs a line number"},
      {{"--line", "0"}, {}, std::nullopt, false, false, false, "'0' is not a line number (1 or more)"},
      {{"--line=12x"}, {}, std::nullopt, false, false, false, "'12x' is not a line number (1 or more)"},
      {{"--bogus"}, {}, std::nullopt, false, false, false, "unknown option '--bogus'"},
  };
  for (const Case& c : cases) {
    const LaunchOptions o = parseLaunchOptions(c.args);
    const std::string shown = c.args.empty() ? "(none)" : c.args.front();
    EXPECT_EQ(o.error, c.error) << shown;
    if (!c.error.empty()) continue;
    EXPECT_EQ(o.files, c.files) << shown;
    EXPECT_EQ(o.line, c.line) << shown;
    EXPECT_EQ(o.newInstance, c.newInstance) << shown;
    EXPECT_EQ(o.help, c.help) << shown;
    EXPECT_EQ(o.version, c.version) << shown;
  }
}

// The toolkit's own options leave before the command line is read; the
// editor's options and file names, and everything after "--", stay.
TEST(LaunchOptions, ToolkitOptionsAreSetAsideBeforeReading) {
  struct Case {
    Words args;
    Words kept;
  };
  const Case cases[] = {
      {{"-platform", "offscreen", "a.html"}, {"a.html"}},
      {{"--platform", "xcb", "--bogus"}, {"--bogus"}},
      {{"-style=Fusion", "-reverse", "--line", "3", "b.html"}, {"--line", "3", "b.html"}},
      {{"-stylesheet", "x.qss", "-display", ":1", "-geometry", "10x10"}, {}},
      {{"-platformx", "-", "c.html"}, {"-platformx", "-", "c.html"}},
      {{"--", "-platform", "offscreen"}, {"--", "-platform", "offscreen"}},
  };
  for (const Case& c : cases) EXPECT_EQ(withoutToolkitOptions(c.args), c.kept) << c.args.front();
}

TEST(LaunchOptions, HelpNamesEveryOption) {
  const std::string help = launchHelpText();
  for (const char* option : {"--line N", "--new-instance", "--help", "--version"})
    EXPECT_NE(help.find(option), std::string::npos) << option;
  EXPECT_EQ(help.rfind("Usage: markloom ", 0), 0u);
}

}  // namespace
}  // namespace markloom
