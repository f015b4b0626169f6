// Every option name the Fix and Format configuration can write, checked
// against the installed tidy's own list (`tidy -help-config`), so a name tidy
// does not know (and would only report as "unknown option") is never written.
// tidy is a dependency of the project; these tests run it.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/tidy/tidy_config.h"
#include "support/scratch_folder.h"

namespace markloom {
namespace {

// What a command wrote to standard output and standard error, together.
std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  pclose(pipe);
  return out;
}

struct TidyOption {
  std::string type;    // "Boolean", "Enum", "String", "Integer", "Tag Names", ...
  std::string values;  // the "Allowable values" column, continuation lines joined
};

// The installed tidy's options by name, read from the table `tidy
// -help-config` prints: columns laid out by the row of '=' under the headings,
// a value list running on over lines that start with blanks.
const std::map<std::string, TidyOption>& installedOptions() {
  static const std::map<std::string, TidyOption> options = [] {
    std::map<std::string, TidyOption> out;
    std::istringstream lines(run("tidy -help-config"));
    std::string line;
    std::size_t typeAt = 0, valuesAt = 0;
    std::string current;
    while (std::getline(lines, line)) {
      if (line.rfind("=====", 0) == 0) {
        typeAt = line.find(' ') + 1;
        valuesAt = line.find_first_not_of(' ', line.find(' ', typeAt));
        continue;
      }
      if (valuesAt == 0 || line.size() <= valuesAt) {
        current.clear();
        continue;
      }
      const auto trimmed = [](std::string s) {
        while (!s.empty() && s.back() == ' ') s.pop_back();
        return s;
      };
      if (line[0] != ' ') {
        current = line.substr(0, line.find(' '));
        out[current] = {trimmed(line.substr(typeAt, valuesAt - typeAt)), trimmed(line.substr(valuesAt))};
      } else if (!current.empty()) {
        out[current].values += " " + trimmed(line.substr(valuesAt));
      }
    }
    return out;
  }();
  return options;
}

// The allowable values of a list-valued option, one by one ("0 (Tidy Classic)"
// gives "0").
std::set<std::string> allowedValues(const TidyOption& option) {
  std::set<std::string> out;
  std::istringstream items(option.values);
  std::string item;
  while (std::getline(items, item, ',')) {
    const std::size_t start = item.find_first_not_of(' ');
    if (start == std::string::npos) continue;
    item = item.substr(start);
    out.insert(item.substr(0, item.find(' ')));
  }
  return out;
}

TEST(InstalledTidyOptions, TableIsRead) {
  const auto& options = installedOptions();
  ASSERT_GT(options.size(), 50u) << "tidy -help-config gave no option table";
  EXPECT_EQ(options.at("wrap").type, "Integer");
  EXPECT_EQ(options.at("new-pre-tags").type, "Tag Names");
  EXPECT_EQ(allowedValues(options.at("indent")), (std::set<std::string>{"no", "yes", "auto"}));
  EXPECT_TRUE(allowedValues(options.at("char-encoding")).contains("shiftjis"));  // on a continuation line
}

// One row per key the writer can write: the type tidy gives it, and every
// value the writer can put there (none listed: the text the user typed).
struct KeyRow {
  const char* key;
  const char* type;
  std::vector<std::string> values;
};

std::ostream& operator<<(std::ostream& os, const KeyRow& row) { return os << row.key; }

const std::vector<std::string> kYesNo = {"yes", "no"};

const KeyRow kKeyRows[] = {
    {"write-back", "Boolean", {"yes"}},
    {"tidy-mark", "Boolean", {"no"}},
    {"output-xhtml", "Boolean", {"yes"}},
    {"output-xml", "Boolean", {"yes"}},
    {"indent-spaces", "Integer", {}},
    {"doctype", "String", {}},
    {"markup", "Boolean", kYesNo},
    {"wrap-asp", "Boolean", kYesNo},
    {"wrap-jste", "Boolean", kYesNo},
    {"wrap-php", "Boolean", kYesNo},
    {"wrap-attributes", "Boolean", kYesNo},
    {"indent", "Enum", kYesNo},
    {"fix-backslash", "Boolean", kYesNo},
    {"uppercase-tags", "Boolean", kYesNo},
    {"uppercase-attributes", "Enum", kYesNo},
    {"word-2000", "Boolean", kYesNo},
    {"clean", "Boolean", kYesNo},
    {"drop-empty-paras", "Boolean", kYesNo},
    {"break-before-br", "Boolean", kYesNo},
    {"fix-bad-comments", "Enum", kYesNo},
    {"omit-optional-tags", "Boolean", kYesNo},
    {"input-xml", "Boolean", kYesNo},
    {"add-xml-decl", "Boolean", kYesNo},
    {"char-encoding", "Encoding", {"ascii", "raw", "latin1", "utf8", "iso2022"}},
    {"wrap", "Integer", {}},
    {"quiet", "Boolean", {"yes"}},
    {"alt-text", "String", {}},
    {"error-file", "String", {}},
    {"new-inline-tags", "Tag Names", {}},
    {"new-empty-tags", "Tag Names", {}},
    {"new-blocklevel-tags", "Tag Names", {}},
    {"new-pre-tags", "Tag Names", {}},
};

class WrittenKey : public ::testing::TestWithParam<KeyRow> {};

TEST_P(WrittenKey, IsAnOptionOfTheInstalledTidyWithTheValuesWritten) {
  const auto& options = installedOptions();
  const auto it = options.find(GetParam().key);
  ASSERT_NE(it, options.end()) << GetParam().key << " is unknown to the installed tidy";
  EXPECT_EQ(it->second.type, GetParam().type);
  const std::set<std::string> allowed = allowedValues(it->second);
  for (const std::string& value : GetParam().values) EXPECT_TRUE(allowed.contains(value)) << value;
}

INSTANTIATE_TEST_SUITE_P(Keys, WrittenKey, ::testing::ValuesIn(kKeyRows), [](const auto& row) {
  std::string name = row.param.key;
  for (char& c : name)
    if (c == '-') c = '_';
  return name;
});

// The table names exactly the keys the writer can write, in its order.
TEST(WrittenKeys, TheTableHoldsEveryKeyTheWriterKnows) {
  std::vector<std::string> table;
  for (const KeyRow& row : kKeyRows) table.emplace_back(row.key);
  std::vector<std::string> writer;
  for (std::string_view key : tidyConfigKeys()) writer.emplace_back(key);
  EXPECT_EQ(table, writer);
}

// The keys of a configuration file, one per line.
std::set<std::string> keysOf(const std::string& config) {
  std::set<std::string> out;
  std::istringstream lines(config);
  std::string line;
  while (std::getline(lines, line)) out.insert(line.substr(0, line.find(':')));
  return out;
}

// Configurations with every kind of line: each one written only uses keys of
// the writer's list, and together they use them all.
std::vector<std::string> everyKindOfConfig() {
  std::vector<std::string> out;
  TidyOptions all;
  all.checks.fill(true);
  TidyOptions none;
  none.checks.fill(false);
  none.encoding.reset();
  TidyTagSettings tags{"blink", "wbr", "section2", "code2"};
  for (const char* output : {"HTML", "XHTML", "XML"}) {
    all.output = none.output = output;
    out.push_back(generateConfig(all, tags));
    out.push_back(generateConfig(none, {}));
  }
  for (TidyEncoding e :
       {TidyEncoding::Ascii, TidyEncoding::Raw, TidyEncoding::Latin1, TidyEncoding::Utf8, TidyEncoding::Iso2022}) {
    TidyOptions o;
    o.encoding = e;
    out.push_back(generateConfig(o, {}));
  }
  return out;
}

TEST(WrittenKeys, ConfigurationsUseTheListedKeysAndAllOfThem) {
  const std::vector<std::string_view> listed = tidyConfigKeys();
  const std::set<std::string> known(listed.begin(), listed.end());
  std::set<std::string> used;
  for (const std::string& config : everyKindOfConfig()) {
    for (const std::string& key : keysOf(config)) {
      EXPECT_TRUE(known.contains(key)) << key;
      used.insert(key);
    }
  }
  EXPECT_EQ(used, known);
}

// The installed tidy reads each of them without a word about its options.
TEST(WrittenKeys, InstalledTidyReadsEveryConfigurationWithoutComplaint) {
  const test::ScratchFolder folder("tidy-options");
  int n = 0;
  for (const std::string& config : everyKindOfConfig()) {
    const std::string name = "config" + std::to_string(++n) + ".txt";
    folder.write(name, config);
    folder.write("page.htm", "<title>t</title><p><font color=red>x</font>");
    const std::string said =
        run("cd '" + folder.path().string() + "' && tidy -config " + name + " page.htm </dev/null");
    EXPECT_EQ(said.find("Config:"), std::string::npos) << config << said;
    EXPECT_EQ(said.find("unknown option"), std::string::npos) << config << said;
    EXPECT_EQ(folder.read("error.log").find("Config:"), std::string::npos) << config;
  }
}

}  // namespace
}  // namespace markloom
