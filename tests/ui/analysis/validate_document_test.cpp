// "Validate Document" in the real main window: the work file, the rows in the
// Validation tab, the analysis window while a run is in progress, errors, and
// the double-click that takes the caret to a row's tag.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "core/common/command_ids.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/analysis/validation_window.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {
namespace {

using Lines = std::vector<std::string>;

class ValidateDocumentTest : public ::testing::Test {
 protected:
  DocumentWindow* openDocument(const Lines& lines) {
    DocumentWindow* document = mainWindow_.createDocument();
    EXPECT_NE(document, nullptr);
    document->document().editorOps().setLines(lines);
    document->document().editorOps().setCaret({0, 0});
    return document;
  }
  ValidationWindow* window() const { return mainWindow_.findChild<ValidationWindow*>(); }

  // Triggers the command and waits for the run on its worker to be published.
  void validate() {
    mainWindow_.action(ids::kValidateDocument)->trigger();
    ValidationWindow* w = window();
    ASSERT_NE(w, nullptr);
    if (w->running()) {
      EXPECT_TRUE(w->isVisible()) << "the analysis window shows while a run is in progress";
      QSignalSpy done(w, &ValidationWindow::finished);
      ASSERT_TRUE(done.wait(30000));
    }
    EXPECT_FALSE(w->isVisible());
  }

  QTreeWidget* list() const { return mainWindow_.validationList(); }
  std::vector<std::vector<QString>> shownRows() const {
    std::vector<std::vector<QString>> rows;
    for (int i = 0; i < list()->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = list()->topLevelItem(i);
      rows.push_back({item->text(0), item->text(1), item->text(2)});
    }
    return rows;
  }
  void doubleClickRow(int index) {
    QTreeWidgetItem* item = list()->topLevelItem(index);
    ASSERT_NE(item, nullptr);
    list()->scrollToItem(item);
    const QRect rect = list()->visualItemRect(item);
    QSignalSpy spy(list(), &QTreeWidget::itemDoubleClicked);
    // A real double-click: the first click, then the second press that the
    // system reports as a double-click.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(spy.count(), 1);
  }

  test::TempHome home_;
  test::ScriptedPrompter prompter_;
  MainWindow mainWindow_;
};

TEST_F(ValidateDocumentTest, RowsOfTheActiveDocumentFillTheValidationTab) {
  mainWindow_.show();
  openDocument({"<html>", "<body id=top>", "<p dir=rtl>Hello</p>", "<center><font color=red align=x>x</font>"});
  validate();
  const std::vector<std::vector<QString>> expected{{"ID", "UNKNOWN PROPERTY: ID IN <BODY>", "Error"},
                                                   {"DIR", "UNKNOWN PROPERTY: DIR IN <P>", "Error"},
                                                   {"CENTER", "SUPERCEEDED/DISCONTINUED: <CENTER>", "Deprecated"},
                                                   {"ALIGN", "UNKNOWN PROPERTY: ALIGN IN <FONT>", "Error"},
                                                   {"FONT", "SUPERCEEDED/DISCONTINUED: <FONT>", "Deprecated"}};
  EXPECT_EQ(shownRows(), expected);
  EXPECT_EQ(list()->columnCount(), 3);
  EXPECT_EQ(list()->headerItem()->text(0), "Property/Element");
  auto* tabs = mainWindow_.findChild<QTabWidget*>("ResultsTabs");
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->currentIndex(), static_cast<int>(MainWindow::ResultsTab::Validation));
  EXPECT_TRUE(prompter_.errors.isEmpty());
}

// No column cuts what it holds: each is at least as wide as its widest text.
TEST_F(ValidateDocumentTest, ColumnsAreAsWideAsTheirContent) {
  mainWindow_.show();
  openDocument({"<p nowrapandsomethinglonger=1 onmouseoverwithaverylongname=x>"});
  validate();
  ASSERT_EQ(list()->topLevelItemCount(), 2);
  const QFontMetrics metrics(list()->font());
  for (int column = 0; column < list()->columnCount(); ++column) {
    for (int row = 0; row < list()->topLevelItemCount(); ++row) {
      const QString shown = list()->topLevelItem(row)->text(column);
      EXPECT_GE(list()->columnWidth(column), metrics.horizontalAdvance(shown)) << shown.toStdString();
    }
  }
}

// Rows quote the document's bytes; they show as the document's text.
struct RowTextCase {
  const char* name;
  QByteArray file;
  TextEncoding encoding;
  std::vector<std::vector<QString>> rows;
};
std::ostream& operator<<(std::ostream& os, const RowTextCase& c) { return os << c.name; }

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

class ValidationRowText : public ValidateDocumentTest, public ::testing::WithParamInterface<RowTextCase> {};

TEST_P(ValidationRowText, NonAsciiBytesShowDecodedWithTheDocumentsCodec) {
  const RowTextCase& c = GetParam();
  home_.write("page.htm", c.file);
  DocumentWindow* document = mainWindow_.createDocument();
  document->loadFile(home_.file("page.htm"));
  ASSERT_EQ(document->document().codec().encoding(), c.encoding);
  validate();
  EXPECT_EQ(shownRows(), c.rows);
  EXPECT_TRUE(prompter_.errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValidationRowText,
    ::testing::Values(RowTextCase{"Utf8Document",
                                  "<p caf\xC3\xA9=1 \xE2\x82\xAC=2>x</p>\r\n",
                                  TextEncoding::Utf8,
                                  {{text("CAF\u00e9"), text("UNKNOWN PROPERTY: CAF\u00e9 IN <P>"), "Error"},
                                   {text("\u20ac"), text("UNKNOWN PROPERTY: \u20ac IN <P>"), "Error"}}},
                      RowTextCase{"EightBitDocument",
                                  "<p caf\xE9=1 \x80=2>x</p>\r\n",
                                  TextEncoding::EightBit,
                                  {{text("CAF\u00e9"), text("UNKNOWN PROPERTY: CAF\u00e9 IN <P>"), "Error"},
                                   {text("\u20ac"), text("UNKNOWN PROPERTY: \u20ac IN <P>"), "Error"}}},
                      // Bytes that would pass for UTF-8 on their own are still 8-bit text
                      // in an 8-bit document.
                      RowTextCase{"EightBitBytesThatLookLikeUtf8",
                                  "<p>\xA9</p>\r\n<p \xC3\xA9=1>x</p>\r\n",
                                  TextEncoding::EightBit,
                                  {{text("\u00c3\u00a9"), text("UNKNOWN PROPERTY: \u00c3\u00a9 IN <P>"), "Error"}}}),
    [](const auto& row) { return std::string(row.param.name); });

// The rules: the page's DOCTYPE chooses unless the Validation Rules submenu
// forces a set; the Validation tab's caption names the set used.
struct RuleChoiceCase {
  const char* name;
  std::string_view ruleCommand;  // the submenu entry chosen before the run
  Lines lines;
  std::vector<std::vector<QString>> rows;
  QString caption;
};
std::ostream& operator<<(std::ostream& os, const RuleChoiceCase& c) { return os << c.name; }

class ValidationRules : public ValidateDocumentTest, public ::testing::WithParamInterface<RuleChoiceCase> {};

const Lines kHtml5Page{"<!DOCTYPE html>", "<meta charset=\"utf-8\">", "<title>Rules</title>",
                       "<link rel=stylesheet href=a.css />", "<nav aria-label=Main><blink></blink></nav>"};
const Lines kHtml4Page{"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">", "<meta charset=\"utf-8\">",
                       "<title>Rules</title>", "<link rel=stylesheet href=a.css />",
                       "<nav aria-label=Main><blink></blink></nav>"};
const std::vector<std::vector<QString>> kHtml5Rows{{"BLINK", "UNKNOWN TAG: BLINK", "Error"}};
const std::vector<std::vector<QString>> kHtml4Rows{{"CHARSET", "UNKNOWN PROPERTY: CHARSET IN <META>", "Error"},
                                                   {"/", "UNKNOWN PROPERTY: / IN <LINK>", "Error"}};

TEST_P(ValidationRules, TheChosenSetGivesItsRowsAndNamesItselfInTheTab) {
  const RuleChoiceCase& c = GetParam();
  QAction* rules = mainWindow_.action(c.ruleCommand);
  ASSERT_NE(rules, nullptr);
  rules->trigger();
  for (std::string_view id : {ids::kValidationRulesByDoctype, ids::kValidationRulesHtml5, ids::kValidationRulesHtml4})
    EXPECT_EQ(mainWindow_.action(id)->isChecked(), id == c.ruleCommand) << id;
  openDocument(c.lines);
  validate();
  EXPECT_EQ(shownRows(), c.rows);
  auto* tabs = mainWindow_.findChild<QTabWidget*>("ResultsTabs");
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->tabText(static_cast<int>(MainWindow::ResultsTab::Validation)), c.caption);
}

INSTANTIATE_TEST_SUITE_P(Cases, ValidationRules,
                         ::testing::Values(RuleChoiceCase{"Html5DoctypeSelectsHtml5", ids::kValidationRulesByDoctype,
                                                          kHtml5Page, kHtml5Rows, "Validation (HTML5 rules)"},
                                           RuleChoiceCase{"OtherDoctypeSelectsHtml4", ids::kValidationRulesByDoctype,
                                                          kHtml4Page, kHtml4Rows, "Validation (HTML 4 rules)"},
                                           RuleChoiceCase{"ForcedHtml5", ids::kValidationRulesHtml5, kHtml4Page,
                                                          kHtml5Rows, "Validation (HTML5 rules)"},
                                           RuleChoiceCase{"ForcedHtml4", ids::kValidationRulesHtml4, kHtml5Page,
                                                          kHtml4Rows, "Validation (HTML 4 rules)"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(ValidateDocumentTest, RulesFollowTheDoctypeUntilTheUserChooses) {
  QMenu* rules = mainWindow_.menu(ids::kValidationRulesMenu);
  ASSERT_NE(rules, nullptr);
  QStringList captions;
  for (QAction* a : rules->actions()) captions << a->text();
  EXPECT_EQ(captions, QStringList({"&By DOCTYPE", "&HTML5 Rules", "HTML &4 Rules"}));
  EXPECT_TRUE(mainWindow_.action(ids::kValidationRulesByDoctype)->isChecked());
  // Choosing one entry twice leaves it chosen: the entries act as radio buttons.
  mainWindow_.action(ids::kValidationRulesHtml5)->trigger();
  mainWindow_.action(ids::kValidationRulesHtml5)->trigger();
  EXPECT_TRUE(mainWindow_.action(ids::kValidationRulesHtml5)->isChecked());
  EXPECT_FALSE(mainWindow_.action(ids::kValidationRulesByDoctype)->isChecked());
}

TEST_F(ValidateDocumentTest, TheWorkFileHoldsTheEditorsTextWithCrLf) {
  DocumentWindow* document = openDocument({"<p>one", "two</p>"});
  document->document().editorOps().insertLine(2, "unsaved");
  validate();
  EXPECT_EQ(home_.read("mklm_anls.qdf"), QByteArray("<p>one\r\ntwo</p>\r\nunsaved\r\n"));
}

TEST_F(ValidateDocumentTest, CleanOrEmptyDocumentShowsTheSingleNoErrorsRow) {
  openDocument({});
  validate();
  EXPECT_EQ(shownRows(), (std::vector<std::vector<QString>>{{"", "No errors found in this document.", ""}}));
  // A second run replaces the rows of the first.
  openDocument({"<u>x</u>"});
  validate();
  openDocument({"<p align=center>fine</p>"});
  validate();
  EXPECT_EQ(shownRows(), (std::vector<std::vector<QString>>{{"", "No errors found in this document.", ""}}));
}

TEST_F(ValidateDocumentTest, WithNoDocumentNothingHappens) {
  list()->addTopLevelItem(new QTreeWidgetItem(QStringList{"old", "row", ""}));
  mainWindow_.action(ids::kValidateDocument)->trigger();
  const ValidationWindow* w = window();
  EXPECT_TRUE(w == nullptr || (!w->running() && !w->isVisible()));
  EXPECT_EQ(list()->topLevelItemCount(), 1);
  EXPECT_FALSE(QFile::exists(home_.file("mklm_anls.qdf")));
}

TEST_F(ValidateDocumentTest, UnwritableWorkFileShowsTheErrorAndKeepsThePreviousRows) {
  openDocument({"<u>"});
  validate();
  ASSERT_EQ(list()->topLevelItemCount(), 1);
  // A folder where the work file goes: it cannot be replaced.
  ASSERT_TRUE(QFile::remove(home_.file("mklm_anls.qdf")));
  ASSERT_TRUE(QDir().mkpath(home_.file("mklm_anls.qdf/blocked")));
  openDocument({"<p dir=x>"});
  mainWindow_.action(ids::kValidateDocument)->trigger();
  ASSERT_EQ(prompter_.errors.size(), 1);
  EXPECT_TRUE(prompter_.errors[0].startsWith("Cannot create file ")) << prompter_.errors[0].toStdString();
  EXPECT_EQ(shownRows(), (std::vector<std::vector<QString>>{{"U", "SUPERCEEDED/DISCONTINUED: <U>", "Deprecated"}}));
  EXPECT_FALSE(window()->running());
}

// The check runs off the user-interface thread: the command returns at once
// with the analysis window up, and the rows arrive through the event loop.
TEST_F(ValidateDocumentTest, TheRunDoesNotBlockTheCommand) {
  Lines big;
  for (int i = 0; i < 20000; ++i) big.push_back("<p align=center class=x>Line <b>bold</b> &amp; <u>under</u></p>");
  openDocument(big);
  list()->addTopLevelItem(new QTreeWidgetItem(QStringList{"old", "row", ""}));
  mainWindow_.action(ids::kValidateDocument)->trigger();
  ValidationWindow* w = window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->running());
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(shownRows(), (std::vector<std::vector<QString>>{{"old", "row", ""}}));
  mainWindow_.action(ids::kValidateDocument)->trigger();  // ignored while the run goes on
  QSignalSpy done(w, &ValidationWindow::finished);
  ASSERT_TRUE(done.wait(30000));
  EXPECT_EQ(list()->topLevelItemCount(), 20000);
  EXPECT_EQ(list()->topLevelItem(19999)->data(0, ValidationWindow::kLineRole).toInt(), 19999);
  EXPECT_FALSE(w->isVisible());
  EXPECT_FALSE(done.wait(200)) << "the second trigger must not have started another run";
}

TEST_F(ValidateDocumentTest, UnreadableWorkFileShowsTheErrorAndKeepsThePreviousRows) {
  DocumentWindow* document = openDocument({"<u>"});
  validate();
  ASSERT_TRUE(QFile::remove(home_.file("mklm_anls.qdf")));
  window()->analyzeDocument(document);
  QSignalSpy done(window(), &ValidationWindow::finished);
  ASSERT_TRUE(done.wait(30000));
  ASSERT_EQ(prompter_.errors.size(), 1);
  EXPECT_EQ(prompter_.errors[0], "Cannot open file " + ValidationWindow::workFile());
  EXPECT_EQ(shownRows(), (std::vector<std::vector<QString>>{{"U", "SUPERCEEDED/DISCONTINUED: <U>", "Deprecated"}}));
  EXPECT_FALSE(window()->isVisible());
}

TEST_F(ValidateDocumentTest, DoubleClickingARowMovesTheCaretToItsTag) {
  mainWindow_.show();
  DocumentWindow* document = openDocument({"<html>", "<body>", "text", "<img src=a.gif", "  bogus=1>", "", "<u>x</u>"});
  validate();
  ASSERT_EQ(shownRows().size(), 2u);
  EXPECT_EQ(list()->topLevelItem(0)->data(0, ValidationWindow::kLineRole).toInt(), 3);

  doubleClickRow(1);
  EXPECT_EQ(document->document().editorOps().caret(), (TextPosition{6, 0}));
  doubleClickRow(0);
  EXPECT_EQ(document->document().editorOps().caret(), (TextPosition{3, 0}));
}

TEST_F(ValidateDocumentTest, DoubleClickGoesToTheCheckedDocumentEvenWhenAnotherIsActive) {
  mainWindow_.show();
  DocumentWindow* checked = openDocument({"", "", "<font>"});
  validate();
  DocumentWindow* other = openDocument({"a", "b", "c", "d"});
  other->document().editorOps().setCaret({1, 1});
  doubleClickRow(0);
  EXPECT_EQ(mainWindow_.activeDocument(), checked);
  EXPECT_EQ(checked->document().editorOps().caret(), (TextPosition{2, 0}));
  EXPECT_EQ(other->document().editorOps().caret(), (TextPosition{1, 1}));
}

TEST_F(ValidateDocumentTest, TheNoErrorsRowLeadsNowhere) {
  mainWindow_.show();
  DocumentWindow* document = openDocument({"<p>", "ok"});
  document->document().editorOps().setCaret({1, 1});
  validate();
  doubleClickRow(0);
  EXPECT_EQ(document->document().editorOps().caret(), (TextPosition{1, 1}));
}

TEST_F(ValidateDocumentTest, AnalysisWindowIsTheFixedHiddenDialog) {
  openDocument({"<p>"});
  validate();
  ValidationWindow* w = window();
  EXPECT_EQ(w->windowTitle(), "HTML Document Analysis");
  EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  auto* button = w->findChild<QPushButton*>("Button1");
  ASSERT_NE(button, nullptr);
  EXPECT_FALSE(button->isVisible());
  EXPECT_NE(w->findChild<QWidget*>("Results"), nullptr);
  w->show();
  button->click();
  EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace markloom

namespace markloom {
namespace {

TEST(ValidateDocumentLifetime, ClosingTheProgramDuringARunIsSafe) {
  test::TempHome home;
  test::ScriptedPrompter prompter;
  auto* window = new MainWindow;
  DocumentWindow* document = window->createDocument();
  std::vector<std::string> big(20000, "<font color=red bogus=1>x</font>");
  document->document().editorOps().setLines(big);
  window->action(ids::kValidateDocument)->trigger();
  ValidationWindow* w = window->findChild<ValidationWindow*>();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->running());
  delete window;  // waits for the worker; nothing is published into the destroyed window
  EXPECT_TRUE(prompter.errors.isEmpty());
}

}  // namespace
}  // namespace markloom
