#include "core/document/hint_triggers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "core/document/text_buffer.h"
#include "core/text/line_list.h"
#include "support/scratch_folder.h"

namespace markloom {
namespace {

std::string listPath(const HintTrigger& t) {
  std::string relative(t.listFile);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return std::string(MARKLOOM_SOURCE_DIR) + "/data/" + relative;
}

TEST(HintTriggers, TheLanguagesOwnNamesPickTheirListsAndNearMissesNone) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"Math.", "Extensions\\JavaScript\\math.txt"},
      {"JSON.", "Extensions\\JavaScript\\json.txt"},
      {"console.", "Extensions\\JavaScript\\console.txt"},
      {"document.", "Extensions\\JavaScript\\document.txt"},
      {"window.", "Extensions\\JavaScript\\window.txt"},
      {"self.", "Extensions\\JavaScript\\window.txt"},
      {"top.", "Extensions\\JavaScript\\window.txt"},
      {"parent.", "Extensions\\JavaScript\\window.txt"},
      {"Date.", "Extensions\\JavaScript\\date.txt"},
      {"String.", "Extensions\\JavaScript\\string.txt"},
      {"Array.", "Extensions\\JavaScript\\array.txt"},
      {"Number.", "Extensions\\JavaScript\\number.txt"},
      {"Object.", "Extensions\\JavaScript\\object.txt"},
      {"navigator.", "Extensions\\JavaScript\\navigator.txt"},
      {"location.", "Extensions\\JavaScript\\location.txt"},
      {"history.", "Extensions\\JavaScript\\history.txt"},
      {"screen.", "Extensions\\JavaScript\\screen.txt"},
      {"<", "Extensions\\tags.txt"},
      // JavaScript names are case-sensitive: these would fail when the page runs.
      {"math.", ""},
      {"MATH.", ""},
      {"json.", ""},
      {"Console.", ""},
      {"Document.", ""},
      {"WINDOW.", ""},
      {"date.", ""},
      // Not a name these objects are reached by.
      {"form.", ""},
      {"link.", ""},
      {"frame.", ""},
      // Without the dot, longer words, words after another object.
      {"Math", ""},
      {"myMath.", ""},
      {"Math.x", ""},
      {"window.document.", ""},
      {"<<", ""},
      {"", ""},
  };
  for (const auto& [word, file] : rows) {
    const HintTrigger* t = hintTriggerFor(word);
    EXPECT_EQ(t ? std::string(t->listFile) : std::string(), file) << word;
  }
}

TEST(HintTriggers, EveryShippedListExistsWithoutDuplicatesAndScriptListsHoldNames) {
  for (const HintTrigger& t : hintTriggers()) {
    const std::vector<std::string> entries = readLineList(listPath(t));
    EXPECT_FALSE(entries.empty()) << t.listFile;
    const std::set<std::string> distinct(entries.begin(), entries.end());
    EXPECT_EQ(distinct.size(), entries.size()) << t.listFile;
    if (t.word.back() != '.') continue;
    // A member name, inserted as it stands.
    for (const std::string& e : entries) {
      const bool name = !e.empty() && !(e[0] >= '0' && e[0] <= '9') &&
                        e.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_$") ==
                            std::string::npos;
      EXPECT_TRUE(name) << t.listFile << ": " << e;
    }
  }
}

TEST(HintTriggers, TypingAWordShowsItsListAndThePickCompletesTheExpression) {
  struct Row {
    std::string typed;
    std::string pick;
    std::string result;
  };
  const std::vector<Row> rows = {
      {"var r = Math.", "abs", "var r = Math.abs"},
      {"var r = Math.", "PI", "var r = Math.PI"},
      {"s = JSON.", "stringify", "s = JSON.stringify"},
      {"  console.", "log", "  console.log"},
      {"(document.", "getElementById", "(document.getElementById"},
      {"window.", "setTimeout", "window.setTimeout"},
      {"t = Date.", "now", "t = Date.now"},
      {"c = String.", "fromCharCode", "c = String.fromCharCode"},
      {"if (Array.", "isArray", "if (Array.isArray"},
      {"if (Number.", "isInteger", "if (Number.isInteger"},
      {"for (k of Object.", "keys", "for (k of Object.keys"},
      {"ua = navigator.", "userAgent", "ua = navigator.userAgent"},
      {"location.", "href", "location.href"},
      {"history.", "back", "history.back"},
      {"w = screen.", "width", "w = screen.width"},
      {"top.", "location", "top.location"},
  };
  for (const Row& r : rows) {
    TextBuffer buffer({r.typed});
    buffer.setCaret({0, static_cast<int>(r.typed.size())});
    const HintTrigger* t = hintTriggerFor(buffer.wordAtCaret());
    ASSERT_NE(t, nullptr) << r.typed;
    const std::vector<std::string> list = readLineList(listPath(*t));
    buffer.showPopupList(list);
    const auto at = std::find(list.begin(), list.end(), r.pick);
    ASSERT_NE(at, list.end()) << r.pick << " is not offered after " << r.typed;
    buffer.pickPopupItem(static_cast<int>(at - list.begin()));
    EXPECT_EQ(buffer.lines(), std::vector<std::string>({r.result})) << r.typed;
  }
}

// Every entry offered for a built-in object of the language exists on it:
// node checks each list whose object it has (the browser objects it lacks).
TEST(HintTriggers, TheLanguageObjectsHaveEveryListedMember) {
  constexpr const char* kNode = "/usr/bin/node";
  ASSERT_TRUE(std::filesystem::exists(kNode)) << kNode << " is missing: scripts/install-deps installs nodejs";
  test::ScratchFolder folder("hints");
  folder.write("check.js",
               "const fs = require('fs');\n"
               "for (const arg of process.argv.slice(2)) {\n"
               "  const at = arg.indexOf('=');\n"
               "  const name = arg.slice(0, at), target = globalThis[name];\n"
               "  if (target === undefined) continue;\n"
               "  for (const entry of fs.readFileSync(arg.slice(at + 1), 'latin1').split('\\r\\n'))\n"
               "    if (entry && !(entry in target)) console.log('missing ' + name + '.' + entry);\n"
               "  console.log('checked ' + name);\n"
               "}\n");
  std::string command = std::string(kNode) + " '" + folder.file("check.js") + "'";
  for (const HintTrigger& t : hintTriggers())
    if (t.word.size() > 1 && t.word.back() == '.')
      command += " '" + std::string(t.word.substr(0, t.word.size() - 1)) + "=" + listPath(t) + "'";
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string output;
  std::array<char, 4096> chunk{};
  for (std::size_t n; (n = fread(chunk.data(), 1, chunk.size(), pipe)) > 0;) output.append(chunk.data(), n);
  ASSERT_EQ(pclose(pipe), 0) << output;
  std::set<std::string> checked, missing;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("checked ", 0) == 0)
      checked.insert(line.substr(8));
    else
      missing.insert(line);
  }
  EXPECT_TRUE(missing.empty()) << output;
  for (const char* name : {"Array", "console", "Date", "JSON", "Math", "Number", "Object", "String"})
    EXPECT_TRUE(checked.count(name)) << name << " was not checked:\n" << output;
}

}  // namespace
}  // namespace markloom
