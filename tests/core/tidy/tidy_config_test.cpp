// The configuration written for "F&ix and Format HTML".
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/tidy/tidy_config.h"

namespace markloom {
namespace {

// The file an untouched dialog writes with every tag setting empty.
const std::string kStartFile =
    "write-back: yes\r\n"
    "tidy-mark: no\r\n"
    "indent-spaces: 5\r\n"
    "doctype: AUTO\r\n"
    "markup: yes\r\n"
    "wrap-asp: yes\r\n"
    "wrap-jste: yes\r\n"
    "wrap-php: yes\r\n"
    "wrap-attributes: no\r\n"
    "indent: yes\r\n"
    "fix-backslash: no\r\n"
    "uppercase-tags: yes\r\n"
    "uppercase-attributes: no\r\n"
    "word-2000: no\r\n"
    "clean: yes\r\n"
    "clean: yes\r\n"
    "drop-empty-paras: yes\r\n"
    "break-before-br: yes\r\n"
    "fix-bad-comments: yes\r\n"
    "omit-optional-tags: no\r\n"
    "input-xml: no\r\n"
    "add-xml-decl: no\r\n"
    "add-xml-decl: no\r\n"
    "char-encoding: ascii\r\n"
    "wrap: 72\r\n"
    "quiet: yes\r\n"
    "alt-text: Image\r\n"
    "error-file: error.log\r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

struct ConfigCase {
  const char* name;
  std::function<void(TidyOptions&, TidyTagSettings&)> change;
  std::string expected;
};

std::ostream& operator<<(std::ostream& os, const ConfigCase& c) { return os << c.name; }

class GenerateConfig : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(GenerateConfig, WritesTheLinesInOrder) {
  TidyOptions options;
  TidyTagSettings tags;
  GetParam().change(options, tags);
  EXPECT_EQ(generateConfig(options, tags), GetParam().expected);
}

const ConfigCase kConfigCases[] = {
    {"StartValues", [](TidyOptions&, TidyTagSettings&) {}, kStartFile},
    {"XhtmlOutputComesAfterTidyMark", [](TidyOptions& o, TidyTagSettings&) { o.output = "XHTML"; },
     replaced(kStartFile, "tidy-mark: no\r\n", "tidy-mark: no\r\noutput-xhtml: yes\r\n")},
    {"XmlOutput", [](TidyOptions& o, TidyTagSettings&) { o.output = "XML"; },
     replaced(kStartFile, "tidy-mark: no\r\n", "tidy-mark: no\r\noutput-xml: yes\r\n")},
    {"LowerCaseOutputWritesNeither", [](TidyOptions& o, TidyTagSettings&) { o.output = "xhtml"; }, kStartFile},
    {"NonNumericWrapAndIndentAreWrittenAsTheyStand",
     [](TidyOptions& o, TidyTagSettings&) {
       o.wrap = "wide";
       o.indent = " 3x";
     },
     replaced(replaced(kStartFile, "wrap: 72", "wrap: wide"), "indent-spaces: 5", "indent-spaces:  3x")},
    {"ItemOneControlsThreeLines", [](TidyOptions& o, TidyTagSettings&) { o.checks[1] = false; },
     replaced(kStartFile, "wrap-asp: yes\r\nwrap-jste: yes\r\nwrap-php: yes",
              "wrap-asp: no\r\nwrap-jste: no\r\nwrap-php: no")},
    // Items that share a key write it on both of their lines, "yes" when either is checked.
    {"ConvertToCssOffLeavesCleanOff", [](TidyOptions& o, TidyTagSettings&) { o.checks[12] = false; },
     replaced(kStartFile, "clean: yes\r\nclean: yes", "clean: no\r\nclean: no")},
    {"SurplusTagsAloneTurnsCleanOn",
     [](TidyOptions& o, TidyTagSettings&) {
       o.checks[9] = true;
       o.checks[12] = false;
     },
     kStartFile},
    {"XmlPiAloneAddsTheDeclaration", [](TidyOptions& o, TidyTagSettings&) { o.checks[15] = true; },
     replaced(kStartFile, "add-xml-decl: no\r\nadd-xml-decl: no", "add-xml-decl: yes\r\nadd-xml-decl: yes")},
    {"XmlDeclarationAloneAddsIt", [](TidyOptions& o, TidyTagSettings&) { o.checks[16] = true; },
     replaced(kStartFile, "add-xml-decl: no\r\nadd-xml-decl: no", "add-xml-decl: yes\r\nadd-xml-decl: yes")},
    {"HideEndTagsOmitsOptionalTags", [](TidyOptions& o, TidyTagSettings&) { o.checks[13] = true; },
     replaced(kStartFile, "omit-optional-tags: no", "omit-optional-tags: yes")},
    {"EveryItemOnWritesYesInFileOrder", [](TidyOptions& o, TidyTagSettings&) { o.checks.fill(true); },
     "write-back: yes\r\ntidy-mark: no\r\nindent-spaces: 5\r\ndoctype: AUTO\r\nmarkup: yes\r\nwrap-asp: yes\r\n"
     "wrap-jste: yes\r\nwrap-php: yes\r\nwrap-attributes: yes\r\nindent: yes\r\nfix-backslash: yes\r\n"
     "uppercase-tags: yes\r\nuppercase-attributes: yes\r\nword-2000: yes\r\nclean: yes\r\nclean: yes\r\n"
     "drop-empty-paras: yes\r\nbreak-before-br: yes\r\nfix-bad-comments: yes\r\nomit-optional-tags: yes\r\n"
     "input-xml: yes\r\nadd-xml-decl: yes\r\nadd-xml-decl: yes\r\nchar-encoding: ascii\r\nwrap: 72\r\nquiet: yes\r\n"
     "alt-text: Image\r\nerror-file: error.log\r\n"},
    {"EachItemReachesItsOwnKey",
     [](TidyOptions& o, TidyTagSettings&) {
       o.checks.fill(false);
       o.checks[8] = true;   // Word 2000
       o.checks[13] = true;  // hide end tags
     },
     "write-back: yes\r\ntidy-mark: no\r\nindent-spaces: 5\r\ndoctype: AUTO\r\nmarkup: no\r\nwrap-asp: no\r\n"
     "wrap-jste: no\r\nwrap-php: no\r\nwrap-attributes: no\r\nindent: no\r\nfix-backslash: no\r\n"
     "uppercase-tags: no\r\nuppercase-attributes: no\r\nword-2000: yes\r\nclean: no\r\nclean: no\r\n"
     "drop-empty-paras: no\r\nbreak-before-br: no\r\nfix-bad-comments: no\r\nomit-optional-tags: yes\r\n"
     "input-xml: no\r\nadd-xml-decl: no\r\nadd-xml-decl: no\r\nchar-encoding: ascii\r\nwrap: 72\r\nquiet: yes\r\n"
     "alt-text: Image\r\nerror-file: error.log\r\n"},
    {"NoEncodingSelectedWritesNoLine", [](TidyOptions& o, TidyTagSettings&) { o.encoding.reset(); },
     replaced(kStartFile, "char-encoding: ascii\r\n", "")},
    {"Iso2202WritesIso2022", [](TidyOptions& o, TidyTagSettings&) { o.encoding = TidyEncoding::Iso2022; },
     replaced(kStartFile, "char-encoding: ascii", "char-encoding: iso2022")},
    {"LatinOne", [](TidyOptions& o, TidyTagSettings&) { o.encoding = TidyEncoding::Latin1; },
     replaced(kStartFile, "char-encoding: ascii", "char-encoding: latin1")},
    {"TextBoxesAndDoctypeAsTyped",
     [](TidyOptions& o, TidyTagSettings&) {
       o.altText = "";
       o.doctype = "strict";
     },
     replaced(replaced(kStartFile, "alt-text: Image", "alt-text: "), "doctype: AUTO", "doctype: strict")},
    {"OneTagSettingAddsItsLineAfterTheLog", [](TidyOptions&, TidyTagSettings& t) { t.emptyTags = "wbr, spacer"; },
     kStartFile + "new-empty-tags: wbr, spacer\r\n"},
    {"AllTagSettingsInOrder",
     [](TidyOptions&, TidyTagSettings& t) {
       t.preTags = "code2";
       t.blockTags = "section2";
       t.emptyTags = "e";
       t.inlineTags = "blink";
     },
     kStartFile +
         "new-inline-tags: blink\r\nnew-empty-tags: e\r\nnew-blocklevel-tags: section2\r\nnew-pre-tags: code2\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, GenerateConfig, ::testing::ValuesIn(kConfigCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(TidyOptionsStart, MatchTheDialogsStartValues) {
  const TidyOptions o;
  EXPECT_EQ(o.output, "HTML");
  EXPECT_EQ(o.doctype, "AUTO");
  EXPECT_EQ(o.wrap, "72");
  EXPECT_EQ(o.indent, "5");
  EXPECT_EQ(o.altText, "Image");
  EXPECT_EQ(o.encoding, TidyEncoding::Ascii);
  const bool expected[] = {true,  true, false, true, true,  false, true,  true, false,
                           false, true, false, true, false, false, false, false};
  for (std::size_t i = 0; i < kTidyCheckCount; ++i) EXPECT_EQ(o.checks[i], expected[i]) << kTidyCheckItems[i].caption;
}

}  // namespace
}  // namespace markloom
