// The Edit, Search and Actions commands, printing, Create New Page and Spell Check.
#include <Qsci/qsciprinter.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "core/settings/settings_table.h"
#include "document_fixture.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_printing.h"
#include "ui/document/find_dialog.h"
#include "ui/document/new_page_dialog.h"
#include "ui/spell/spell_check.h"

namespace markloom::test {
namespace {

using Answer = Prompter::Answer;

class EditCommands : public DocumentTest {
 protected:
  DocumentWindow* doc(const std::vector<std::string>& lines) {
    DocumentWindow* d = w.createDocument();
    d->document().editorOps().setLines(lines);
    return d;
  }
};

TEST_F(EditCommands, CommandsWithoutADocumentDoNothing) {
  commands->saveDocument();
  commands->closeDocument();
  commands->goToLine();
  commands->selectionToUppercase();
  commands->spellCheck();
  commands->find();
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(EditCommands, CaseCommandsChangeAsciiLettersOnly) {
  DocumentWindow* d = doc({"Grüße 123", "make this title", "MIXED line"});
  d->document().editorOps().select({0, 0}, {0, 11});
  commands->selectionToUppercase();
  EXPECT_EQ(d->document().editorOps().line(0), "GRüßE 123");
  commands->selectionToLowercase();
  EXPECT_EQ(d->document().editorOps().line(0), "grüße 123");
  d->document().editorOps().setCaret({1, 0});
  commands->capitalizeLine();
  EXPECT_EQ(d->document().editorOps().line(1), "Make This Title");
  d->document().editorOps().setCaret({2, 3});
  commands->lineToLowercase();
  EXPECT_EQ(d->document().editorOps().line(2), "mixed line");
  commands->lineToUppercase();
  EXPECT_EQ(d->document().editorOps().line(2), "MIXED LINE");
  commands->undo();
  EXPECT_EQ(d->document().editorOps().line(2), "mixed line");
  commands->redo();
  EXPECT_EQ(d->document().editorOps().line(2), "MIXED LINE");
}

TEST_F(EditCommands, GoToLineAsksWithTheCurrentLineAndMoves) {
  DocumentWindow* d = doc({"a", "b", "c", "d"});
  d->document().editorOps().setCaret({1, 0});
  prompter.inputs.push_back(QString("4"));
  commands->goToLine();
  EXPECT_EQ(prompter.inputLabels, QStringList({"&Enter new line number:"}));
  EXPECT_EQ(prompter.lastProposed, "2");
  EXPECT_EQ(d->document().editorOps().caretLineIndex(), 3);
  prompter.inputs.push_back(std::nullopt);  // Cancel
  commands->goToLine();
  EXPECT_EQ(d->document().editorOps().caretLineIndex(), 3);
  prompter.inputs.push_back(QString("x1"));
  guarded([&] { commands->goToLine(); });
  EXPECT_EQ(prompter.errors, QStringList({"'x1' is not a valid integer value"}));
  prompter.inputs.push_back(QString(" 2 "));  // blanks around the number are forgiven
  commands->goToLine();
  EXPECT_EQ(d->document().editorOps().caretLineIndex(), 1);
  commands->goToTop();
  EXPECT_EQ(d->document().editorOps().caret(), (TextPosition{0, 0}));
  commands->goToBottom();
  EXPECT_EQ(d->document().editorOps().caretLineIndex(), 4);
}

TEST_F(EditCommands, ClipboardCommands) {
  DocumentWindow* d = doc({"cut me"});
  d->document().editorOps().select({0, 0}, {0, 4});
  commands->cut();
  EXPECT_EQ(d->document().editorOps().line(0), "me");
  d->document().editorOps().setCaret({0, 2});
  commands->paste();
  EXPECT_EQ(d->document().editorOps().line(0), "mecut ");
  commands->selectAll();
  EXPECT_EQ(d->document().editorOps().selectedText(), "mecut \r\n");
  commands->copy();
  EXPECT_EQ(QApplication::clipboard()->text(), "mecut \r\n");
}

TEST_F(EditCommands, FindAndReplace) {
  DocumentWindow* d = doc({"one fish two fish", "red FISH"});
  d->document().editorOps().setCaret({0, 5});  // inside "fish": find starts with the word at the caret
  commands->replace();
  auto* dialog = w.findChild<FindDialog*>("ReplaceDialog");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->findBox()->currentText(), "fish");
  dialog->setFindText("fish");
  dialog->replaceBox()->setEditText("cat");
  EXPECT_TRUE(dialog->findNext());
  EXPECT_EQ(d->document().editorOps().selectedText(), "fish");
  prompter.answers.push_back(Answer::Ok);
  EXPECT_EQ(dialog->replaceAll(), 3);
  EXPECT_EQ(d->document().editorOps().lines(), (std::vector<std::string>{"one cat two cat", "red cat"}));
  commands->undo();
  EXPECT_EQ(d->document().editorOps().line(1), "red FISH");

  dialog->caseBox()->setChecked(true);
  dialog->setFindText("FISH");
  d->document().editorOps().setCaret({0, 0});
  EXPECT_TRUE(dialog->findNext());
  EXPECT_EQ(d->document().editorOps().caret().line, 1);
  prompter.answers.push_back(Answer::Ok);
  EXPECT_FALSE(dialog->findNext());
  EXPECT_EQ(prompter.messages.back().text, "Search string 'FISH' not found");
}

TEST_F(EditCommands, PrintSelectionOnlyWithASelectionAndPrintToPdf) {
  EXPECT_FALSE(printDialogOptions(false).testFlag(QAbstractPrintDialog::PrintSelection));
  EXPECT_TRUE(printDialogOptions(true).testFlag(QAbstractPrintDialog::PrintSelection));
  DocumentWindow* d = doc({"<html>", "<body>printed text</body>", "</html>"});
  QsciPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(home.file("out.pdf"));
  EXPECT_TRUE(printDocument(*d->editor(), printer, false));
  const std::string pdf = bytesOf(home.file("out.pdf"));
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_GT(pdf.size(), 500u);
}

TEST_F(EditCommands, CreateNewPageMakesAPageOfTheChosenKindOnOkOnly) {
  struct Case {
    const char* name;
    const char* pageType;  // the entry chosen
    const char* button;
    const char* firstLine;  // of the new document; null: no document made
  };
  const Case cases[] = {
      {"html5", "HTML5", "OK", "<!DOCTYPE html>"},
      {"html4", "HTML 4.0 Transitional", "OK", "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"},
      {"cancelled", "HTML5", "Cancel", nullptr},
  };
  DocumentWindow* d = doc({"x"});
  const auto before = d->document().editorOps().lines();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const qsizetype open = w.documents().size();
    QTimer::singleShot(0, [&c] {
      auto* dialog = qobject_cast<NewPageDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->windowTitle(), "Create New Page");
      auto* type = dialog->findChild<QComboBox*>("PageType");
      type->setCurrentIndex(type->findText(c.pageType));
      dialog->findChild<QLineEdit*>("PageTitle")->setText("Fish & Chips");
      dialog->findChild<QPushButton*>(c.button)->click();
    });
    commands->newFromTemplate();
    EXPECT_EQ(d->document().editorOps().lines(), before) << "the open document is left alone";
    if (!c.firstLine) {
      EXPECT_EQ(w.documents().size(), open);
      continue;
    }
    ASSERT_EQ(w.documents().size(), open + 1);
    DocumentWindow* made = w.documents().back();
    const auto lines = made->document().editorOps().lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), c.firstLine);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "        <title>Fish &amp; Chips</title>"), lines.end());
    EXPECT_FALSE(made->document().isModified());
    EXPECT_TRUE(made->document().isUntitled());
  }
}

class SpellCheck : public EditCommands {};

TEST_F(SpellCheck, CorrectsRealTextWithTheInstalledDictionary) {
  DocumentWindow* d = doc({"<p>Teh quick brown fox jumpd over the the lazy dog.</p>", "Visit www.exmaple.com"});
  SettingsSnapshot s = w.settings();
  s.set(kCheckDuplicateWords, "True");
  s.set(kIgnoreInternetAddresses, "True");
  s.set(kIgnoreBrackets, "True");
  d->applySettings(s);
  d->document().setModified(false);
  std::vector<std::string> asked;
  prompter.answers.push_back(Answer::Ok);  // "The spelling check is complete."
  const int made = spellCheckDocument(*d, &w, [&](const SpellIssue& issue) {
    asked.push_back(issue.word);
    if (issue.word == "Teh") {
      EXPECT_NE(std::find(issue.suggestions.begin(), issue.suggestions.end(), "The"), issue.suggestions.end());
      return SpellDecision{SpellDecision::Action::Change, "The"};
    }
    if (issue.word == "jumpd") return SpellDecision{SpellDecision::Action::Change, "jumped"};
    return SpellDecision{SpellDecision::Action::Change, ""};  // the doubled "the"
  });
  EXPECT_EQ(asked, (std::vector<std::string>{"Teh", "jumpd", " the"}));
  EXPECT_EQ(made, 3);
  EXPECT_EQ(
      d->document().editorOps().lines(),
      (std::vector<std::string>{"<p>The quick brown fox jumped over the lazy dog.</p>", "Visit www.exmaple.com"}));
  EXPECT_TRUE(d->document().isModified());
  commands->undo();  // all corrections are one step
  EXPECT_EQ(d->document().editorOps().line(0), "<p>Teh quick brown fox jumpd over the the lazy dog.</p>");
}

TEST_F(SpellCheck, SkipsMarkupUnlessAskedAndSelectsTheQuestionedWord) {
  struct Row {
    const char* checkMarkup;
    std::vector<std::string> asked;
  };
  for (const Row& row : {Row{"", {"Helo"}}, Row{"True", {"DOCTYPE", "html", "Helo"}}}) {
    SCOPED_TRACE(row.checkMarkup);
    DocumentWindow* d = doc({"<!DOCTYPE html>", "<p class=\"intro\">Helo</p>"});
    SettingsSnapshot s = w.settings();
    s.set(kCheckMarkup, row.checkMarkup);
    d->applySettings(s);
    prompter.answers.push_back(Answer::Ok);  // "The spelling check is complete."
    std::vector<std::string> asked;
    spellCheckDocument(*d, &w, [&](const SpellIssue& issue) {
      asked.push_back(issue.word);
      // The word being asked about is selected in the editor.
      EXPECT_EQ(d->document().editorOps().selectedText(), issue.word);
      return SpellDecision{SpellDecision::Action::Ignore, ""};
    });
    EXPECT_EQ(asked, row.asked);
  }
}

TEST_F(SpellCheck, AddWritesTheCustomDictionaryAndNothingChangedLeavesTheTextAlone) {
  DocumentWindow* d = doc({"Markloom edits pages"});
  SettingsSnapshot s = w.settings();
  s.set(kCustomDictionary, home.file("words.dic").toStdString());
  d->applySettings(s);
  d->document().setModified(false);
  prompter.answers.push_back(Answer::Ok);
  spellCheckDocument(*d, &w, [&](const SpellIssue& issue) {
    EXPECT_EQ(issue.word, "Markloom");
    return SpellDecision{SpellDecision::Action::Add, ""};
  });
  EXPECT_EQ(bytesOf(home.file("words.dic")), "Markloom\r\n");
  EXPECT_FALSE(d->document().isModified());
  // The next check knows the word.
  prompter.answers.push_back(Answer::Ok);
  int asked = 0;
  spellCheckDocument(*d, &w, [&](const SpellIssue&) {
    ++asked;
    return SpellDecision{};
  });
  EXPECT_EQ(asked, 0);
}

}  // namespace
}  // namespace markloom::test
