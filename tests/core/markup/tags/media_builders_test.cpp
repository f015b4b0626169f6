// Script, applet, QuickTime, RealVideo and Multimedia markup: the exact texts
// and where they land in a document.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/document/text_buffer.h"
#include "core/markup/tags/applet_builder.h"
#include "core/markup/tags/multimedia_builder.h"
#include "core/markup/tags/quicktime_builder.h"
#include "core/markup/tags/real_video_builder.h"
#include "core/markup/tags/script_builder.h"
#include "core/markup/tags/vendor_addresses.h"

namespace markloom::tags {
namespace {

using Lines = std::vector<std::string>;

const std::string kQt(kQuickTimePluginPage);
const std::string kReal(kRealPlayerPluginPage);
const std::string kFlash(kFlashPlayerCabinet);

struct TextCase {
  std::string name;
  std::function<Markup()> build;
  std::string expected;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

AppletFields appletWith(std::string applet) {
  AppletFields f;
  f.applet = std::move(applet);
  return f;
}

const std::vector<TextCase> kTextCases = {
    {"AppletWithOnlyTheClass", [] { return appletMarkup(appletWith("Hello.class")); },
     R"(<applet code="Hello.class">)"},
    {"AppletWithEveryFieldInFixedOrder",
     [] {
       return appletMarkup({"A.class", "classes/", "alt text", "n", "100", "50", "2", "3", "middle"});
     },
     R"(<applet code="A.class" codebase="classes/" alt="alt text" name="n" width="100" height="50" vspace="2" hspace="3" align="middle">)"},
    {"AppletSkipsEmptyFieldsInTheMiddle",
     [] {
       AppletFields f = appletWith("A.class");
       f.height = "7";
       f.align = "top";
       return appletMarkup(f);
     },
     R"(<applet code="A.class" height="7" align="top">)"},
    {"AppletFieldsAreNotEscaped", [] { return appletMarkup(appletWith(R"(a"b<&)")); }, R"(<applet code="a"b<&">)"},
    {"QuickTimeDefaults",
     [] {
       QuickTimeFields f;
       f.movie = "m.mov";
       return quickTimeMarkup(f);
     },
     R"(<embed src="m.mov" height="0" width="0" autoplay="true" loop="true" controller="true" href="" target="" pluginspage=")" +
         kQt + R"("></embed>)"},
    {"QuickTimeEachBoxHasItsOwnWord",
     [] {
       QuickTimeFields f{"file:///v/a.mov", "240", "320", "_blank", "next.html", false, true, false};
       return quickTimeMarkup(f);
     },
     R"(<embed src="file:///v/a.mov" height="240" width="320" autoplay="false" loop="true" controller="false" href="next.html" target="_blank" pluginspage=")" +
         kQt + R"("></embed>)"},
    {"QuickTimeEmptyMovieStillWritesEveryAttribute",
     [] {
       QuickTimeFields f;
       f.height = "";
       f.width = "";
       return quickTimeMarkup(f);
     },
     R"(<embed src="" height="" width="" autoplay="true" loop="true" controller="true" href="" target="" pluginspage=")" +
         kQt + R"("></embed>)"},
    {"RealVideoAutoPlayOff",
     [] {
       return realVideoMarkup({"clip.rpm", "120", "160", false});
     },
     R"(<object id=RAOCX classid="clsid:CFCDAA03-8BE4-11cf-B84B-0020AFBBCCFA" width="160" height="120">)"
     R"(<param name="SRC" value="clip.rpm"><param name="CONSOLE" value="Clip1">)"
     R"(<param name="CONTROLS" value="imagewindow"><param name="AUTOSTART" value="false">)"
     R"(<embed src="clip.rpm" height="120" width="160" controls="ImageWindow" console="Clip1" pluginspage=")" +
         kReal + R"(" autoplay="false"></embed></object>)"},
    {"RealVideoDefaultsAutoPlayOn",
     [] {
       RealVideoFields f;
       f.movie = "c.rpm";
       return realVideoMarkup(f);
     },
     R"(<object id=RAOCX classid="clsid:CFCDAA03-8BE4-11cf-B84B-0020AFBBCCFA" width="0" height="0">)"
     R"(<param name="SRC" value="c.rpm"><param name="CONSOLE" value="Clip1">)"
     R"(<param name="CONTROLS" value="imagewindow"><param name="AUTOSTART" value="true">)"
     R"(<embed src="c.rpm" height="0" width="0" controls="ImageWindow" console="Clip1" pluginspage=")" +
         kReal + R"(" autoplay="true"></embed></object>)"},
    {"MediaShock",
     [] {
       return mediaMarkup({MediaKind::Shockwave, "f.swf"});
     },
     R"(<OBJECT id="who" classid="clsid:D27CDB6E-AE6D-11cf-96B8-444553540000" codebase=")" + kFlash +
         R"("><param name="Movie" value="f.swf"><param NAME="Quality" VALUE="best"><param NAME="SAlign" VALUE="Top">)"
         R"(<PARAM NAME="Play" VALUE="true"><EMBED SRC="f.swf" play="false" quality="best"></EMBED></OBJECT>)"},
    {"MediaPlugin",
     [] {
       return mediaMarkup({MediaKind::Plugin, "file:///p.mid"});
     },
     R"(<embed src="file:///p.mid"></embed>)"},
    {"MediaVideo",
     [] {
       return mediaMarkup({MediaKind::Video, "v.avi"});
     },
     R"(<embed src="v.avi" autostart="true" width="200" height="200">)"},
    {"MediaSound",
     [] {
       return mediaMarkup({MediaKind::Sound, "s.wav"});
     },
     R"(<embed src="s.wav" autostart="true" hidden="true" loop="0"><bgsound src="s.wav" loop="infinite">)"},
    {"MediaEmptySource",
     [] {
       return mediaMarkup({MediaKind::Plugin, ""});
     },
     R"(<embed src=""></embed>)"},
};

class MediaText : public ::testing::TestWithParam<TextCase> {};
TEST_P(MediaText, IsExact) { EXPECT_EQ(GetParam().build(), snippet(GetParam().expected)); }
INSTANTIATE_TEST_SUITE_P(Builders, MediaText, ::testing::ValuesIn(kTextCases),
                         [](const auto& row) { return row.param.name; });

TEST(MediaBuilder, EveryKindWritesItsOwnMarkupAroundTheSource) {
  std::set<std::string> texts;
  for (const MediaKind kind : {MediaKind::Shockwave, MediaKind::Plugin, MediaKind::Video, MediaKind::Sound}) {
    const std::string text = mediaMarkup({kind, "x.bin"}).text;
    EXPECT_NE(text.find("\"x.bin\""), std::string::npos) << text;
    texts.insert(text);
  }
  EXPECT_EQ(texts.size(), 4u);
}

TEST(VendorAddresses, AreAbsoluteWebAddresses) {
  for (const std::string& a : {kQt, kReal, kFlash}) {
    EXPECT_EQ(a.rfind("https://", 0), 0u) << a;
    EXPECT_EQ(a.find_first_of(" \"<>"), std::string::npos) << a;
  }
}

struct ScriptCase {
  std::string name;
  ScriptFields fields;
  Lines expected;
};
void PrintTo(const ScriptCase& c, std::ostream* os) { *os << c.name; }

const std::vector<ScriptCase> kScriptCases = {
    {"TwoCodeLines",
     {"JavaScript", "", "", {"a();", "b();"}},
     {R"(<SCRIPT Language="JavaScript">)", "a();", "b();", "</script>"}},
    {"EverythingEmpty", {}, {R"(<SCRIPT Language="">)", "</script>"}},
    {"TypeAndSource",
     {"VBScript", "text/vbscript", "/js/x.vb", {}},
     {R"(<SCRIPT Language="VBScript" type="text/vbscript" src="/js/x.vb">)", "</script>"}},
    {"SourceWithoutType",
     {"JavaScript", "", "a.js", {}},
     {R"(<SCRIPT Language="JavaScript" src="a.js">)", "</script>"}},
    {"CodeLinesKeepBlanksAndEmptyLines",
     {"tcl", "", "", {"  x", "", "\ty "}},
     {R"(<SCRIPT Language="tcl">)", "  x", "", "\ty ", "</script>"}},
};

class ScriptBlock : public ::testing::TestWithParam<ScriptCase> {};
TEST_P(ScriptBlock, IsInsertedAsWholeLinesAtTheCaret) {
  const ScriptCase& c = GetParam();
  EXPECT_EQ(scriptMarkup(c.fields), block(c.expected));
  TextBuffer doc(Lines{"before", "after"});
  doc.setCaret({1, 0});
  insertMarkup(doc, scriptMarkup(c.fields));
  Lines expected{"before"};
  expected.insert(expected.end(), c.expected.begin(), c.expected.end());
  expected.push_back("after");
  EXPECT_EQ(doc.lines(), expected);
}
INSTANTIATE_TEST_SUITE_P(Builders, ScriptBlock, ::testing::ValuesIn(kScriptCases),
                         [](const auto& row) { return row.param.name; });

TEST(AppletBuilder, OnlyAnEmptyAppletIsRefused) {
  EXPECT_EQ(appletCheck(AppletFields{}), refuse("You have not specifed an applet."));
  AppletFields everythingButApplet{"", "c", "a", "n", "1", "2", "3", "4", "top"};
  EXPECT_TRUE(appletCheck(everythingButApplet).has_value());
  EXPECT_FALSE(appletCheck(appletWith("x")).has_value());
  EXPECT_EQ(kAppletMissingMessage, "You have not specifed an applet.");
}

TEST(MediaInsertion, LandsAtTheCaretWithTheCaretInFront) {
  TextBuffer doc(Lines{"ab"});
  doc.setCaret({0, 1});
  RealVideoFields f;
  f.movie = "c.rpm";
  insertMarkup(doc, realVideoMarkup(f));
  EXPECT_EQ(doc.lines(), (Lines{"a" + realVideoMarkup(f).text + "b"}));
  EXPECT_EQ(doc.caret(), (TextPosition{0, 1}));

  doc.setCaret({0, 0});
  insertMarkup(doc, appletMarkup(appletWith("Hello.class")));
  insertMarkup(doc, quickTimeMarkup(QuickTimeFields{}));
  // Two snippets in a row read in reverse order.
  EXPECT_EQ(doc.line(0).rfind(quickTimeMarkup(QuickTimeFields{}).text + R"(<applet code="Hello.class">)", 0), 0u);
}

}  // namespace
}  // namespace markloom::tags
