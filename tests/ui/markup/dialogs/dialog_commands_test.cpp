// Every dialog command end to end: fill the dialog through its object names,
// press OK or Cancel, and check the document and the messages shown.
#include <gtest/gtest.h>

#include <QDialog>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "core/markup/tags/rollover_builder.h"

namespace markloom::test {
namespace {

using Fill = std::function<void(QDialog&)>;
using Lines = std::vector<std::string>;

struct CommandCase {
  std::string name;
  const char* action;
  Fill fill;             // sets the fields, then presses a button
  Lines expected;        // the document afterwards
  QStringList errors{};  // error boxes, in order
  std::deque<Prompter::Answer> answers{};  // for message boxes
  std::deque<QString> pictures{};          // for the picture chooser
};
void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

Fill fields(std::vector<std::pair<const char*, QString>> values, const char* button = "OKButton") {
  return [values, button](QDialog& form) {
    for (const auto& [name, text] : values) setField(form, name, text);
    form.findChild<QPushButton*>(button)->click();
  };
}

const Lines kUnchanged = {"<body>", "</body>"};
Lines withLine(const std::string& line) { return {"<body>", line + "</body>"}; }

Lines rolloverDocument(const std::string& link) {
  Lines l = {"<body>"};
  for (const std::string& s : rolloverScript()) l.push_back(s);
  l.push_back("");
  l.push_back(link);
  l.push_back("</body>");
  return l;
}

const std::vector<CommandCase> kCases = {
    {"ImageAlignMiddle", "Image1", fields({{"EditSrc", "x.png"}, {"EditAlign", "middle"}}),
     withLine(R"(<p align="middle"><img src="x.png" border="0"></p>)")},
    {"ImageBorderCleared", "Image1", fields({{"EditSrc", "x.png"}, {"EditBorder", ""}, {"EditAltText", "A"}}),
     withLine(R"(<img src="x.png" alt="A">)")},
    {"ImageWithoutPictureWarnsAndInserts", "Image1", fields({}), withLine(R"(<img src="" border="0">)"), {},
     {Prompter::Answer::Ok}},
    {"ImageCancel", "Image1", fields({{"EditSrc", "x.png"}}, "CancelButton"), kUnchanged},
    {"HyperlinkNothingSelected", "Hyperlink1", fields({{"EditLink", "page.htm"}}),
     {"<body>", R"(<a href="page.htm"></A></body>)"}},
    {"HyperlinkAllAttributes", "Hyperlink1",
     fields({{"EditLink", "u"}, {"EditTarget", "_top"}, {"EditStyle", "s"}, {"EditName", "n"}, {"EditClass", "c"}}),
     {"<body>", R"(<a href="u" target="_top" style="s" name="n" class="c"></A></body>)"}},
    {"HyperlinkEmptyIsRefused", "Hyperlink1", fields({{"EditTarget", "_top"}}), kUnchanged,
     {"Please specify a file to link to"}},
    {"HyperlinkCancel", "Hyperlink1", fields({{"EditLink", "page.htm"}}, "CancelButton"), kUnchanged},
    {"Rollover", "RolloverImage1",
     fields({{"EditName", "nav1"}, {"EditOriginal", "a.gif"}, {"EditNext", "b.gif"}, {"EditHyperlink", "x.htm"}}),
     rolloverDocument(
         R"~(<a href="x.htm" onMouseOut="MM_swapImgRestore()" onMouseOver="MM_swapImage('document.nav1','document.nav1','b.gif')"><img name="nav1" border="0" src="a.gif"></a>)~")},
    {"RolloverAsksForMissingPictures", "RolloverImage1", fields({{"EditName", "n"}, {"EditHyperlink", "x.htm"}}),
     rolloverDocument(
         R"~(<a href="x.htm" onMouseOut="MM_swapImgRestore()" onMouseOver="MM_swapImage('document.n','document.n','')"><img name="n" border="0" src="/p/a.gif"></a>)~"),
     {"Please give an original image.", "Please give an image to show on rollover."}, {}, {"/p/a.gif", ""}},
    {"RolloverWithoutHyperlink", "RolloverImage1", fields({{"EditName", "n"}, {"EditOriginal", "a"}, {"EditNext", "b"}}),
     kUnchanged, {"Please give a hyperlink."}},
    {"RolloverWithoutName", "RolloverImage1",
     fields({{"EditHyperlink", "x"}, {"EditOriginal", "a"}, {"EditNext", "b"}}), kUnchanged, {"Please give a name."}},
    {"RolloverCancel", "RolloverImage1", fields({{"EditName", "n"}}, "CancelButton"), kUnchanged},
    {"LayerTopWithoutSemicolon", "Layer1",
     fields({{"EditTag", "div"}, {"EditName", "L1"}, {"EditColor", "red"}, {"EditTop", "10px"}}),
     withLine(
         R"(<div id="L1" style="position:absolute; top: 10px left: 0px; height: 100px; width: 100px; background-color: red;"></div>)")},
    {"LayerWithoutTag", "Layer1", fields({{"EditName", "L1"}}), kUnchanged, {"Please choose a tag type."}},
    {"LayerCancel", "Layer1", fields({{"EditTag", "div"}}, "CancelButton"), kUnchanged},
    {"TableDefaults", "Table1", fields({}),
     {"<body>", R"(<table width="0" height="0" border="0">)", "<tr>", "<th nowrap><br></th>", "<th nowrap><br></th>",
      "<th nowrap><br></th>", "<th nowrap><br></th>", "</tr>", "<tr>", "<td nowrap><br></td>", "<td nowrap><br></td>",
      "<td nowrap><br></td>", "<td nowrap><br></td>", "</tr>", "<tr>", "<td nowrap><br></td>", "<td nowrap><br></td>",
      "<td nowrap><br></td>", "<td nowrap><br></td>", "</tr>", "</table><p>", "</body>"}},
    {"TableOneRowTwoColumns", "Table1",
     fields({{"EditRows", "1"}, {"EditCols", "2"}, {"EditBorder", "1"}, {"EditWidth", "50%"}}),
     {"<body>", R"(<table width="50%" height="0" border="1">)", "<tr>", "<th nowrap><br></th>",
      "<th nowrap><br></th>", "</tr>", "</table><p>", "</body>"}},
    {"TableCancel", "Table1", fields({}, "CancelButton"), kUnchanged},
    {"NavigationEmptyName", "N12", fields({}),
     {"<body>", "<form>",
      R"(<select name="" onChange='top.location.href=this.form..options[this.form..selectedIndex].value'>)",
      "<option value='#'>Select Item", R"(<option value="">)", "</select>", "</form>", "</body>"}},
    {"NavigationCancel", "N12", fields({{"EditName", "m"}}, "CancelButton"), kUnchanged},
};

class DialogCommand : public DialogFixture, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(DialogCommand, FillsPressesAndInserts) {
  const CommandCase& c = GetParam();
  prompter.answers = c.answers;
  prompter.fileNames = c.pictures;
  onShown<QDialog>(c.fill);
  trigger(c.action);
  EXPECT_EQ(doc.Lines(), c.expected);
  EXPECT_EQ(prompter.errors, c.errors);
  EXPECT_TRUE(prompter.answers.empty() && prompter.fileNames.empty()) << "a question was not asked";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogCommand, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

TEST_F(DialogFixture, ImageWarningIsAWarningBoxAfterABeep) {
  prompter.answers = {Prompter::Answer::Ok};
  onShown<QDialog>(fields({}));
  trigger("Image1");
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "You have not specifed an picture.");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
  EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::Ok);
  EXPECT_EQ(prompter.beeps, 1);
}

TEST_F(DialogFixture, HyperlinkWrapsTheSelection) {
  doc.setLines({"Home sweet"});
  doc.select({0, 0}, {0, 4});
  onShown<QDialog>(fields({{"EditLink", "page.htm"}, {"EditTarget", "_top"}}));
  trigger("Hyperlink1");
  EXPECT_EQ(doc.Lines(), (Lines{R"(<a href="page.htm" target="_top">Home</A> sweet)"}));
}

TEST_F(DialogFixture, RolloverPictureChooserHasNoTitleAndThePictureFilter) {
  prompter.fileNames = {"/p/a.gif"};
  onShown<QDialog>([](QDialog& form) {
    form.findChild<QPushButton*>("Button1")->click();
    EXPECT_EQ(form.findChild<QLineEdit*>("EditOriginal")->text(), "/p/a.gif");
    form.reject();
  });
  trigger("RolloverImage1");
  EXPECT_EQ(prompter.fileCaptions, QStringList{""});
  EXPECT_TRUE(prompter.lastFilter.startsWith("All (*.jpg *.jpeg *.gif *.bmp *.ico *.emf *.wmf)"));
  EXPECT_TRUE(prompter.lastFilter.endsWith(";;Enhanced Metafiles (*.emf);;Metafiles (*.wmf)"));
}

TEST_F(DialogFixture, HyperlinkBrowsePutsThePathUnchanged) {
  prompter.fileNames = {"/site/a b.htm"};
  onShown<QDialog>([](QDialog& form) {
    form.findChild<QPushButton*>("Button1")->click();
    form.findChild<QPushButton*>("OKButton")->click();
  });
  trigger("Hyperlink1");
  EXPECT_EQ(prompter.fileCaptions, QStringList{"Link to File..."});
  EXPECT_EQ(doc.Lines(), (Lines{"<body>", R"(<a href="/site/a b.htm"></A></body>)"}));
}

TEST_F(DialogFixture, NoDocumentNoDialogExceptTheLayerCreator) {
  hasDocument = false;
  for (const char* action : {"Image1", "Hyperlink1", "RolloverImage1", "Table1", "Layer1", "N12"}) {
    trigger(action);  // a dialog showing here would block until the watchdog
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << action;
  }
  bool shown = false;
  onShown<QDialog>([&shown](QDialog& form) {
    shown = form.windowTitle() == "Create Layers Visually";
    form.reject();
  });
  trigger("VisualLayerCreator1");
  EXPECT_TRUE(shown);
  EXPECT_EQ(doc.Lines(), kUnchanged);
  EXPECT_TRUE(prompter.errors.isEmpty());
}

}  // namespace
}  // namespace markloom::test
