// The modal tag dialog commands end to end: each dialog opened through its
// menu entry or tag bar action, filled by object name, then OK writes into
// the active document and Cancel writes nothing; refused and warned fields;
// commands without a document.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/common/command_ids.h"
#include "core/document/editor_ops.h"
#include "core/markup/tags/rollover_builder.h"
#include "core/markup/tags/vendor_addresses.h"
#include "platform/editor/markloom_editor.h"
#include "support/dialog_driver.h"
#include "support/scripted_prompter.h"
#include "support/tag_dialog_host.h"
#include "support/temp_home.h"
#include "ui/markup/dialogs/cell_grid.h"
#include "ui/markup/dialogs/cfml_expression_dialog.h"
#include "ui/markup/dialogs/navigation_menu_dialog.h"
#include "ui/markup/dialogs/table_dialog.h"

namespace markloom::test {
namespace {

using Lines = std::vector<std::string>;
using Fill = std::function<void(QDialog*)>;

class TagCommands : public ::testing::Test {
 protected:
  EditorOps& doc() { return host.first.ops(); }
  void trigger(std::string_view id) {
    QAction* a = host.action(id);
    ASSERT_NE(a, nullptr) << id;
    a->trigger();
  }
  TempHome home;
  ScriptedPrompter prompter;
  TagDialogHost host;
  ModalWatchdog watchdog;
};

// The dialogs of the Insert menu on a page body, the caret on its last line.
class InsertCommands : public TagCommands {
 protected:
  void SetUp() override {
    doc().setLines({"<body>", "</body>"});
    doc().setCaret({1, 0});
    doc().setModified(false);
  }
};

// Sets the fields, then presses a button.
Fill fields(std::vector<std::pair<const char*, QString>> values, const char* button = "OKButton") {
  return [values, button](QDialog* form) {
    for (const auto& [name, text] : values) fill(form, name, text);
    click(form, button);
  };
}

const Lines kUnchanged = {"<body>", "</body>"};
Lines withLine(const std::string& line) { return {"<body>", line + "</body>"}; }

Lines rolloverDocument(const std::string& link) {
  Lines l = {"<body>"};
  for (const std::string& s : tags::rolloverScript()) l.push_back(s);
  l.push_back("");
  l.push_back(link);
  l.push_back("</body>");
  return l;
}

struct InsertCase {
  std::string name;
  std::string_view command;
  QString dialog;
  Fill fill;
  Lines expected;                          // the document afterwards
  QStringList errors{};                    // error boxes, in order
  std::deque<Prompter::Answer> answers{};  // for message boxes
  std::deque<QString> pictures{};          // for the picture chooser
};
void PrintTo(const InsertCase& c, std::ostream* os) { *os << c.name; }

const std::vector<InsertCase> kInsertCases = {
    {"ImageAlignMiddle", ids::kInsertImage, "ImageForm", fields({{"EditSrc", "x.png"}, {"EditAlign", "middle"}}),
     withLine(R"(<p align="middle"><img src="x.png" border="0"></p>)")},
    {"ImageBorderCleared", ids::kInsertImage, "ImageForm",
     fields({{"EditSrc", "x.png"}, {"EditBorder", ""}, {"EditAltText", "A"}}),
     withLine(R"(<img src="x.png" alt="A">)")},
    {"ImageWithoutPictureWarnsAndInserts",
     ids::kInsertImage,
     "ImageForm",
     fields({}),
     withLine(R"(<img src="" border="0">)"),
     {},
     {Prompter::Answer::Ok}},
    {"ImageCancel", ids::kInsertImage, "ImageForm", fields({{"EditSrc", "x.png"}}, "CancelButton"), kUnchanged},
    {"HyperlinkNothingSelected",
     ids::kInsertHyperlink,
     "LinkForm",
     fields({{"EditLink", "page.htm"}}),
     {"<body>", R"(<a href="page.htm"></A></body>)"}},
    {"HyperlinkAllAttributes",
     ids::kInsertHyperlink,
     "LinkForm",
     fields({{"EditLink", "u"}, {"EditTarget", "_top"}, {"EditStyle", "s"}, {"EditName", "n"}, {"EditClass", "c"}}),
     {"<body>", R"(<a href="u" target="_top" style="s" name="n" class="c"></A></body>)"}},
    {"HyperlinkEmptyIsRefused",
     ids::kInsertHyperlink,
     "LinkForm",
     fields({{"EditTarget", "_top"}}),
     kUnchanged,
     {"Please specify a file to link to"}},
    {"HyperlinkCancel", ids::kInsertHyperlink, "LinkForm", fields({{"EditLink", "page.htm"}}, "CancelButton"),
     kUnchanged},
    {"Rollover", ids::kInsertRollover, "RolloverForm",
     fields({{"EditName", "nav1"}, {"EditOriginal", "a.gif"}, {"EditNext", "b.gif"}, {"EditHyperlink", "x.htm"}}),
     rolloverDocument(
         R"~(<a href="x.htm" onMouseOut="MM_swapImgRestore()" onMouseOver="MM_swapImage('document.nav1','document.nav1','b.gif')"><img name="nav1" border="0" src="a.gif"></a>)~")},
    {"RolloverAsksForMissingPictures",
     ids::kInsertRollover,
     "RolloverForm",
     fields({{"EditName", "n"}, {"EditHyperlink", "x.htm"}}),
     rolloverDocument(
         R"~(<a href="x.htm" onMouseOut="MM_swapImgRestore()" onMouseOver="MM_swapImage('document.n','document.n','')"><img name="n" border="0" src="/p/a.gif"></a>)~"),
     {"Please give an original image.", "Please give an image to show on rollover."},
     {},
     {"/p/a.gif", ""}},
    {"RolloverWithoutHyperlink",
     ids::kInsertRollover,
     "RolloverForm",
     fields({{"EditName", "n"}, {"EditOriginal", "a"}, {"EditNext", "b"}}),
     kUnchanged,
     {"Please give a hyperlink."}},
    {"RolloverWithoutName",
     ids::kInsertRollover,
     "RolloverForm",
     fields({{"EditHyperlink", "x"}, {"EditOriginal", "a"}, {"EditNext", "b"}}),
     kUnchanged,
     {"Please give a name."}},
    {"RolloverCancel", ids::kInsertRollover, "RolloverForm", fields({{"EditName", "n"}}, "CancelButton"), kUnchanged},
    {"LayerTopWithoutSemicolon", ids::kInsertLayer, "LayerForm",
     fields({{"EditTag", "div"}, {"EditName", "L1"}, {"EditColor", "red"}, {"EditTop", "10px"}}),
     withLine(
         R"(<div id="L1" style="position:absolute; top: 10px left: 0px; height: 100px; width: 100px; background-color: red;"></div>)")},
    {"LayerWithoutTag",
     ids::kInsertLayer,
     "LayerForm",
     fields({{"EditName", "L1"}}),
     kUnchanged,
     {"Please choose a tag type."}},
    {"LayerCancel", ids::kInsertLayer, "LayerForm", fields({{"EditTag", "div"}}, "CancelButton"), kUnchanged},
    {"TableDefaults",
     ids::kInsertTable,
     "TableForm",
     fields({}),
     {"<body>",
      R"(<table width="0" height="0" border="0">)",
      "<tr>",
      "<th nowrap><br></th>",
      "<th nowrap><br></th>",
      "<th nowrap><br></th>",
      "<th nowrap><br></th>",
      "</tr>",
      "<tr>",
      "<td nowrap><br></td>",
      "<td nowrap><br></td>",
      "<td nowrap><br></td>",
      "<td nowrap><br></td>",
      "</tr>",
      "<tr>",
      "<td nowrap><br></td>",
      "<td nowrap><br></td>",
      "<td nowrap><br></td>",
      "<td nowrap><br></td>",
      "</tr>",
      "</table><p>",
      "</body>"}},
    {"TableOneRowTwoColumns",
     ids::kInsertTable,
     "TableForm",
     fields({{"EditRows", "1"}, {"EditCols", "2"}, {"EditBorder", "1"}, {"EditWidth", "50%"}}),
     {"<body>", R"(<table width="50%" height="0" border="1">)", "<tr>", "<th nowrap><br></th>", "<th nowrap><br></th>",
      "</tr>", "</table><p>", "</body>"}},
    {"TableCancel", ids::kInsertTable, "TableForm", fields({}, "CancelButton"), kUnchanged},
    {"NavigationEmptyName",
     ids::kInsertNavigationMenu,
     "NavigationForm",
     fields({}),
     {"<body>", "<form>",
      R"(<select name="" onChange='top.location.href=this.form..options[this.form..selectedIndex].value'>)",
      "<option value='#'>Select Item", R"(<option value="">)", "</select>", "</form>", "</body>"}},
    {"NavigationCancel", ids::kInsertNavigationMenu, "NavigationForm", fields({{"EditName", "m"}}, "CancelButton"),
     kUnchanged},
};

class InsertCommand : public InsertCommands, public ::testing::WithParamInterface<InsertCase> {};

TEST_P(InsertCommand, FillsPressesAndInserts) {
  const InsertCase& c = GetParam();
  prompter.answers = c.answers;
  prompter.fileNames = c.pictures;
  whenModal(c.dialog, c.fill);
  trigger(c.command);
  EXPECT_EQ(doc().lines(), c.expected);
  EXPECT_EQ(prompter.errors, c.errors);
  EXPECT_TRUE(prompter.answers.empty() && prompter.fileNames.empty()) << "a question was not asked";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Cases, InsertCommand, ::testing::ValuesIn(kInsertCases),
                         [](const auto& row) { return row.param.name; });

TEST_F(InsertCommands, ImageWarningIsAWarningBoxAfterABeep) {
  prompter.answers = {Prompter::Answer::Ok};
  whenModal("ImageForm", fields({}));
  trigger(ids::kInsertImage);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "You have not specifed an picture.");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Warning);
  EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::Ok);
  EXPECT_EQ(prompter.beeps, 1);
}

TEST_F(InsertCommands, HyperlinkWrapsTheSelection) {
  doc().setLines({"Home sweet"});
  doc().select({0, 0}, {0, 4});
  whenModal("LinkForm", fields({{"EditLink", "page.htm"}, {"EditTarget", "_top"}}));
  trigger(ids::kInsertHyperlink);
  EXPECT_EQ(doc().lines(), (Lines{R"(<a href="page.htm" target="_top">Home</A> sweet)"}));
}

TEST_F(InsertCommands, RolloverPictureChooserHasNoTitleAndThePictureFilter) {
  prompter.fileNames = {"/p/a.gif"};
  whenModal("RolloverForm", [](QDialog* form) {
    click(form, "Button1");
    EXPECT_EQ(form->findChild<QLineEdit*>("EditOriginal")->text(), "/p/a.gif");
    form->reject();
  });
  trigger(ids::kInsertRollover);
  EXPECT_EQ(prompter.fileCaptions, QStringList{""});
  EXPECT_TRUE(prompter.lastFilter.startsWith("All (*.jpg *.jpeg *.gif *.bmp *.ico *.emf *.wmf)"));
  EXPECT_TRUE(prompter.lastFilter.endsWith(";;Enhanced Metafiles (*.emf);;Metafiles (*.wmf)"));
}

TEST_F(InsertCommands, HyperlinkBrowsePutsThePathUnchanged) {
  prompter.fileNames = {"/site/a b.htm"};
  whenModal("LinkForm", [](QDialog* form) {
    click(form, "Button1");
    click(form, "OKButton");
  });
  trigger(ids::kInsertHyperlink);
  EXPECT_EQ(prompter.fileCaptions, QStringList{"Link to File..."});
  EXPECT_EQ(doc().lines(), (Lines{"<body>", R"(<a href="/site/a b.htm"></A></body>)"}));
}

TEST_F(InsertCommands, NoDocumentNoDialogExceptTheLayerCreator) {
  host.active = nullptr;
  for (const std::string_view id : {ids::kInsertImage, ids::kInsertHyperlink, ids::kInsertRollover, ids::kInsertTable,
                                    ids::kInsertLayer, ids::kInsertNavigationMenu}) {
    trigger(id);  // a dialog showing here would block until the watchdog
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << id;
  }
  bool shown = false;
  whenModal("PosForm", [&shown](QDialog* form) {
    shown = form->windowTitle() == "Create Layers Visually";
    form->reject();
  });
  trigger(ids::kLayerCreator);
  EXPECT_TRUE(shown);
  EXPECT_EQ(doc().lines(), kUnchanged);
  EXPECT_TRUE(prompter.errors.isEmpty());
}

// The table command through the dialog: the grid's Down key adds a row the
// Rows box does not count, and the work file holds the writer's lines.
TEST_F(InsertCommands, TableCommandUsesTheGridAndTheWorkFile) {
  whenModal("TableForm", [](QDialog* dialog) {
    auto* form = static_cast<TableDialog*>(dialog);
    fill(form, "EditRows", "1");
    fill(form, "EditCols", "1");
    form->grid()->setCell(1, 0, "<a>");
    form->grid()->setCurrentCell(0, 1);
    QTest::keyClick(form->grid(), Qt::Key_Down);
    form->grid()->setCell(1, 1, "b&c");
    EXPECT_EQ(form->fields().rows, "1");
    click(form, "OKButton");
  });
  trigger(ids::kInsertTable);
  EXPECT_EQ(doc().lines(), (Lines{"<body>", R"(<table width="0" height="0" border="0">)", "<tr>", "<th nowrap><a></th>",
                                  "</tr>", "<tr>", "<td nowrap>b&c</td>", "</tr>", "</table><p>", "</body>"}));
  EXPECT_EQ(home.read("Tmp303~2.htm"),
            "<table border=1>\r\n<tr>\r\n<th nowrap><a></th>\r\n</tr>\r\n<tr>\r\n<td nowrap>b&c</td>\r\n</tr>\r\n"
            "</table><p>\r\n");
}

TEST_F(InsertCommands, NavigationCommandInsertsTheItems) {
  whenModal("NavigationForm", [](QDialog* dialog) {
    auto* form = static_cast<NavigationMenuDialog*>(dialog);
    fill(form, "EditItems", "3");
    fill(form, "EditName", "menu1");
    form->grid()->setCell(0, 1, "Home");
    form->grid()->setCell(1, 1, "index.htm");
    form->grid()->setCell(0, 2, "News");
    form->grid()->setCell(1, 2, "news.htm");
    click(form, "OKButton");
  });
  trigger(ids::kInsertNavigationMenu);
  EXPECT_EQ(
      doc().lines(),
      (Lines{
          "<body>", "<form>",
          R"(<select name="menu1" onChange='top.location.href=this.form.menu1.options[this.form.menu1.selectedIndex].value'>)",
          "<option value='#'>Select Item", R"(<option value="index.htm">Home)", R"(<option value="news.htm">News)",
          R"(<option value="">)", "</select>", "</form>", "</body>"}));
}

TEST_F(InsertCommands, VisualLayersGoInMostRecentFirst) {
  prompter.colors = {QColor(255, 0, 0), QColor(0, 0, 255)};
  whenModal("PosForm", [](QDialog* form) {
    form->findChild<QAction*>("NewLayerButton")->trigger();
    form->findChild<QAction*>("NewLayerButton")->trigger();
    form->findChild<QAction*>("InsertButton")->trigger();
  });
  trigger(ids::kLayerCreator);
  EXPECT_EQ(
      doc().lines(),
      (Lines{"<body>", R"(<DIV ID="NAME" STYLE="top: 0; left: 0; width: 65; height: 65; background: #0000FF;"></DIV>)",
             R"(<DIV ID="NAME" STYLE="top: 0; left: 0; width: 65; height: 65; background: #FF0000;"></DIV>)",
             "</body>"}));
}

TEST_F(InsertCommands, VisualLayersWithoutLayersOrDocumentInsertNothing) {
  whenModal("PosForm", [](QDialog* form) { form->findChild<QAction*>("InsertButton")->trigger(); });
  trigger(ids::kLayerCreator);
  EXPECT_EQ(doc().lines(), kUnchanged);
  EXPECT_FALSE(doc().modified());
  host.active = nullptr;
  prompter.colors = {QColor(Qt::red)};
  whenModal("PosForm", [](QDialog* form) {
    form->findChild<QAction*>("NewLayerButton")->trigger();
    form->findChild<QAction*>("InsertButton")->trigger();
  });
  trigger(ids::kLayerCreator);
  EXPECT_EQ(doc().lines(), kUnchanged);
  EXPECT_TRUE(prompter.colors.empty());
}

// The builder dialogs on the first document ("ab", caret after "a").
class BuilderCommands : public TagCommands {
 protected:
  void SetUp() override { doc().setCaret({0, 1}); }
};

void selectRow(QDialog* d, const QString& list, const QString& text) {
  auto* box = d->findChild<QListWidget*>(list);
  ASSERT_NE(box, nullptr);
  const auto found = box->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  box->setCurrentItem(found.first());
}

const std::string kQt(tags::kQuickTimePluginPage);

struct BuilderCase {
  std::string name;
  std::string_view command;
  QString dialog;
  Fill fillIn;
  Lines expected;  // the first document after OK
};
void PrintTo(const BuilderCase& c, std::ostream* os) { *os << c.name; }

const std::vector<BuilderCase> kBuilderCases = {
    {"ScriptTwoCodeLines",
     ids::kInsertScript,
     "TScriptForm",
     [](QDialog* d) {
       fill(d, "EditLanguage", "JavaScript");
       fill(d, "ScriptEdit", "a();\nb();");
     },
     {"a<SCRIPT Language=\"JavaScript\">", "a();", "b();", "</script>", "b"}},
    {"ScriptTypeAndSource",
     ids::kInsertScript,
     "TScriptForm",
     [](QDialog* d) {
       fill(d, "EditLanguage", "VBScript");
       fill(d, "EditContentType", "text/vbscript");
       fill(d, "EditSource", "x.vb");
     },
     {"a<SCRIPT Language=\"VBScript\" type=\"text/vbscript\" src=\"x.vb\">", "</script>", "b"}},
    {"AppletOnlyClass",
     ids::kInsertApplet,
     "TJavaForm",
     [](QDialog* d) { fill(d, "EditApplet", "Hello.class"); },
     {"a<applet code=\"Hello.class\">b"}},
    {"AppletWidthAndAlign",
     ids::kInsertApplet,
     "TJavaForm",
     [](QDialog* d) {
       fill(d, "EditApplet", "A.class");
       fill(d, "EditWidth", "90");
       fill(d, "EditAlign", "left");
     },
     {"a<applet code=\"A.class\" width=\"90\" align=\"left\">b"}},
    {"QuickTimeDefaults",
     ids::kInsertQuickTime,
     "TQuickTimeForm",
     [](QDialog* d) { fill(d, "Edit971", "m.mov"); },
     {"a<embed src=\"m.mov\" height=\"0\" width=\"0\" autoplay=\"true\" loop=\"true\" controller=\"true\" href=\"\" "
      "target=\"\" pluginspage=\"" +
      kQt + "\"></embed>b"}},
    {"QuickTimeBoxesOff",
     ids::kInsertQuickTime,
     "TQuickTimeForm",
     [](QDialog* d) {
       fill(d, "Edit971", "m.mov");
       fill(d, "Edit978", "_top");
       fill(d, "Edit974", "l.html");
       check(d, "CheckBox1", false);
       check(d, "CheckBox3", false);
     },
     {"a<embed src=\"m.mov\" height=\"0\" width=\"0\" autoplay=\"false\" loop=\"true\" controller=\"false\" "
      "href=\"l.html\" target=\"_top\" pluginspage=\"" +
      kQt + "\"></embed>b"}},
    {"FontBoldAndCode",
     ids::kFormatFont,
     "TForm33",
     [](QDialog* d) {
       fill(d, "Fonty", "Arial");
       fill(d, "Edit1", "3");
       d->findChild<QComboBox*>("ColorBox")->setCurrentText("Red");
       check(d, "CheckBox1", true);
       check(d, "CheckBox5", true);
     },
     {"a<B><CODE><FONT face=\"Arial\" size=\"3\" color=\"Red\"></FONT></CODE></B>b"}},
    {"StyleSheet",
     ids::kLinkStyleSheet,
     "TStylForm",
     [](QDialog* d) { fill(d, "Edit1", "site.css"); },
     {"a<LINK REL=\"stylesheet\" TITLE=\"Default\" HREF=\"site.css\" TYPE=\"text/css\">b"}},
    {"TransitionCircleOut",
     ids::kInsertTransition,
     "TForm31",
     [](QDialog* d) { selectRow(d, "ListBox1", "Circle Out"); },
     {"a<meta http-equiv=\"Page-Enter\" content=\"revealTrans(Duration=1.0,Transition=3)\">b"}},
    {"TransitionTypedEvent",
     ids::kInsertTransition,
     "TForm31",
     [](QDialog* d) {
       fill(d, "ComboBox971", "Page-Exit");
       fill(d, "Edit971", "5");
       selectRow(d, "ListBox1", "Split Vertical In");
     },
     {"a<meta http-equiv=\"Page-Exit\" content=\"revealTrans(Duration=5.0,Transition=13)\">b"}},
    {"WmlCard",
     ids::kInsertWmlCard,
     "TWMLCardForm",
     [](QDialog* d) {
       fill(d, "EditID", "c1");
       fill(d, "EditTitle", "Main");
     },
     {"a<card id=\"c1\" title=\"Main\"></card>b"}},
    {"WmlAccess",
     ids::kInsertWmlAccess,
     "TWMLAccessForm",
     [](QDialog* d) {
       fill(d, "EditDomain", "example.org");
       fill(d, "EditPath", "/docs");
     },
     {"a<access domain=\"example.org\" path=\"//docs\"/>b"}},
    {"WmlGoDefaults",
     ids::kInsertWmlGo,
     "TWMLGoForm",
     [](QDialog* d) { fill(d, "EditAddress", "#next"); },
     {"a<go href=\"#next\" sendreferer=\"False\" method=\"GET\" enctype=\"application/x-www-form-urlencoded\"> "
      "</go>b"}},
    {"WmlGoOptionalEmpty",
     ids::kInsertWmlGo,
     "TWMLGoForm",
     [](QDialog* d) {
       fill(d, "EditMethod", "");
       fill(d, "EditEncType", "");
       check(d, "CheckBox1", true);
     },
     {"a<go href=\"\" sendreferer=\"True\"> </go>b"}},
};

class BuilderCommand : public BuilderCommands, public ::testing::WithParamInterface<BuilderCase> {};

TEST_P(BuilderCommand, OkWritesTheMarkupIntoTheActiveDocument) {
  const BuilderCase& c = GetParam();
  whenModal(c.dialog, [&](QDialog* d) {
    c.fillIn(d);
    click(d, "OKButton");
  });
  trigger(c.command);
  EXPECT_EQ(doc().lines(), c.expected);
  // A snippet leaves the caret in front of what it inserted; the font wraps
  // the (empty) selection and leaves it after the element.
  const bool wraps = c.command == ids::kFormatFont;
  const int before = wraps ? static_cast<int>(doc().line(0).size()) - 1 : 1;
  if (c.expected.size() == 1) {
    EXPECT_EQ(doc().caret(), (TextPosition{0, before}));
  }
  EXPECT_EQ(host.second.ops().lines(), (Lines{"xy"}));
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join('\n').toStdString();
}

TEST_P(BuilderCommand, CancelWritesNothing) {
  const BuilderCase& c = GetParam();
  whenModal(c.dialog, [&](QDialog* d) {
    c.fillIn(d);
    click(d, "CancelButton");
  });
  trigger(c.command);
  EXPECT_EQ(doc().lines(), (Lines{"ab"}));
  EXPECT_FALSE(doc().modified());
}

TEST_P(BuilderCommand, WithNoDocumentOpenNothingOpens) {
  host.active = nullptr;
  // Should a dialog open, this closes it and fails.
  ModalWatchdog soon(50);
  trigger(GetParam().command);
  EXPECT_EQ(doc().lines(), (Lines{"ab"}));
  EXPECT_TRUE(prompter.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Builders, BuilderCommand, ::testing::ValuesIn(kBuilderCases),
                         [](const auto& row) { return row.param.name; });

TEST_F(BuilderCommands, AppletWithoutClassIsRefusedAndInsertsNothing) {
  whenModal("TJavaForm", [](QDialog* d) {
    fill(d, "EditWidth", "10");
    click(d, "OKButton");
  });
  trigger(ids::kInsertApplet);
  EXPECT_EQ(prompter.errors, QStringList{"You have not specifed an applet."});
  EXPECT_EQ(prompter.beeps, 1);
  EXPECT_EQ(doc().lines(), (Lines{"ab"}));
}

TEST_F(BuilderCommands, TransitionWithoutTypeIsRefusedAndInsertsNothing) {
  whenModal("TForm31", [](QDialog* d) { click(d, "OKButton"); });
  trigger(ids::kInsertTransition);
  EXPECT_EQ(prompter.errors, QStringList{"Please select a transition type."});
  EXPECT_EQ(doc().lines(), (Lines{"ab"}));
}

TEST_F(BuilderCommands, QuickTimeWithoutMovieOffersTheChooserAndTakesItsPath) {
  prompter.fileNames = {"/media/clip.mov"};
  whenModal("TQuickTimeForm", [](QDialog* d) { click(d, "OKButton"); });
  trigger(ids::kInsertQuickTime);
  EXPECT_EQ(prompter.errors, QStringList{"Please specify a QuickTime movie."});
  EXPECT_EQ(prompter.fileCaptions, QStringList{"Open a QuickTime Movie"});
  EXPECT_EQ(doc().line(0).rfind("a<embed src=\"/media/clip.mov\" height=\"0\"", 0), 0u) << doc().line(0);
}

TEST_F(BuilderCommands, RealVideoWithoutClipInsertsEvenWhenTheChooserIsCancelled) {
  prompter.fileNames = {""};
  whenModal("TRealForm", [](QDialog* d) {
    check(d, "CheckBox1", false);
    click(d, "OKButton");
  });
  trigger(ids::kInsertRealVideo);
  EXPECT_EQ(prompter.errors, QStringList{"Please specify a RealMovie clip."});
  const std::string line = doc().line(0);
  EXPECT_NE(line.find("<param name=\"SRC\" value=\"\">"), std::string::npos) << line;
  EXPECT_NE(line.find("<param name=\"AUTOSTART\" value=\"false\">"), std::string::npos) << line;
  EXPECT_NE(line.find("autoplay=\"false\"></embed></object>b"), std::string::npos) << line;
}

TEST_F(BuilderCommands, ColdFusionBuilderOkInsertsTheExpressionLinesAsABlock) {
  whenModal("TColdForm", [](QDialog* d) {
    static_cast<CfmlExpressionDialog*>(d)->editor()->setText("#Len(x)#\n+ 1");
    click(d, "Button18");
  });
  trigger(ids::kColdFusionBuilder);
  EXPECT_EQ(doc().lines(), (Lines{"a#Len(x)#", "+ 1", "b"}));
}

TEST_F(BuilderCommands, ColdFusionBuilderOpensWithoutADocumentAndThenInsertsNothing) {
  host.active = nullptr;
  bool opened = false;
  whenModal("TColdForm", [&](QDialog* d) {
    opened = true;
    click(d, "Button1");
    click(d, "Button18");
  });
  trigger(ids::kColdFusionBuilder);
  EXPECT_TRUE(opened);
  EXPECT_EQ(doc().lines(), (Lines{"ab"}));
}

TEST_F(BuilderCommands, ColdFusionBuilderCancelInsertsNothingAndTheNextOpeningStartsEmpty) {
  whenModal("TColdForm", [](QDialog* d) {
    click(d, "Button3");
    click(d, "Button19");
  });
  trigger(ids::kColdFusionBuilder);
  EXPECT_EQ(doc().lines(), (Lines{"ab"}));
  bool empty = false;
  whenModal("TColdForm", [&](QDialog* d) {
    empty = static_cast<CfmlExpressionDialog*>(d)->fields().lines.empty();
    click(d, "Button19");
  });
  trigger(ids::kColdFusionBuilder);
  EXPECT_TRUE(empty);
}

}  // namespace
}  // namespace markloom::test
