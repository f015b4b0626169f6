// The typing helps of a document window: hint lists after a trigger, tag
// templates on Ctrl+J, and the scheme chosen in the Highlighters box.
#include <QComboBox>
#include <QFile>
#include <QTest>
#include <array>
#include <utility>

#include "core/document/hint_triggers.h"
#include "core/highlighting/scheme_file.h"
#include "core/settings/settings_table.h"
#include "core/text/line_list.h"
#include "document_fixture.h"
#include "platform/editor/scheme_lexer.h"

namespace markloom::test {
namespace {

class DocumentHelps : public DocumentTest {
 protected:
  // Text with the caret at its end, as if it had just been typed.
  static void typed(DocumentWindow* d, const std::string& text) {
    d->editor()->loadBytes(text);
    d->editor()->SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
  }
  static std::string text(DocumentWindow* d) { return d->editor()->bytes(); }
  static long caret(DocumentWindow* d) { return d->editor()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS); }
  static void chooseEntry(DocumentWindow* d, const QString& entry) {
    QComboBox* box = d->highlighterBox();
    box->setCurrentIndex(box->findText(entry, Qt::MatchExactly));
    emit box->textActivated(entry);
  }
  static void pressCtrlJ(DocumentWindow* d) { QTest::keyClick(d->editor(), Qt::Key_J, Qt::ControlModifier); }
};

TEST_F(DocumentHelps, EveryTriggerShowsItsListAndMisspeltNamesNothing) {
  DocumentWindow* d = w.createDocument();
  for (const HintTrigger& t : hintTriggers()) {
    typed(d, "x = " + std::string(t.word));
    d->offerHintList();
    const QString file = home.file(QString::fromUtf8(t.listFile.data()).replace('\\', '/'));
    const auto expected = readLineList(QFile::encodeName(file).toStdString());
    ASSERT_FALSE(expected.empty()) << file.toStdString();
    EXPECT_EQ(d->document().hintList(), expected) << t.word;
    EXPECT_TRUE(d->editor()->popupShowing()) << t.word;
    d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCCANCEL);
  }
  for (const std::string miss : {"Document.", "math.", "json.", "WINDOW.", "document", "x<p"}) {
    typed(d, miss);
    d->offerHintList();
    EXPECT_FALSE(d->editor()->popupShowing()) << miss;
  }
  EXPECT_TRUE(prompter.errors.isEmpty());
}

// The Cuecard switches of Preferences: the tag list on '<' and the JavaScript
// lists each follow their own.
TEST_F(DocumentHelps, EachCuecardSwitchTurnsItsOwnListsOff) {
  struct Case {
    bool html, script;
  };
  DocumentWindow* d = w.createDocument();
  for (const Case c : {Case{true, true}, Case{false, true}, Case{true, false}, Case{false, false}}) {
    SCOPED_TRACE(testing::Message() << "html " << c.html << ", script " << c.script);
    SettingsSnapshot s = w.settings();
    s.setFlag(kHtmlCuecard, c.html);
    s.setFlag(kJavaScriptCuecard, c.script);
    d->applySettings(s);
    for (const auto& [word, shown] : {std::pair{"<", c.html}, {"document.", c.script}, {"window.", c.script}}) {
      typed(d, std::string("x ") + word);
      d->offerHintList();
      EXPECT_EQ(d->editor()->popupShowing(), shown) << word;
      d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCCANCEL);
    }
  }
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(DocumentHelps, PickingATagAfterTheAngleLeavesTheTag) {
  DocumentWindow* d = w.createDocument();
  typed(d, "a <");
  d->offerHintList();
  ASSERT_TRUE(d->editor()->popupShowing());
  d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCSELECT, 0UL, "table");
  d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCCOMPLETE);
  EXPECT_EQ(text(d), "a <table");
}

TEST_F(DocumentHelps, PickingAMemberCompletesTheExpression) {
  DocumentWindow* d = w.createDocument();
  const std::vector<std::array<std::string, 3>> rows = {
      {"r = Math.", "round", "r = Math.round"},
      {"JSON.", "parse", "JSON.parse"},
      {"console.", "error", "console.error"},
      {"document.", "querySelector", "document.querySelector"},
  };
  for (const auto& [typedText, pick, result] : rows) {
    typed(d, typedText);
    d->offerHintList();
    ASSERT_TRUE(d->editor()->popupShowing()) << typedText;
    d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCSELECT, 0UL, pick.c_str());
    d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCCOMPLETE);
    EXPECT_EQ(text(d), result);
  }
}

TEST_F(DocumentHelps, MissingListIsReportedEachTimeAndEditingGoesOn) {
  DocumentWindow* d = w.createDocument();
  ASSERT_TRUE(QFile::remove(home.file("Extensions/JavaScript/math.txt")));
  for (int i = 0; i < 2; ++i) {
    typed(d, "Math.");
    guarded([&] { d->offerHintList(); });
    EXPECT_FALSE(d->editor()->popupShowing());
  }
  const QString message = "Cannot open file " + home.file("Extensions/JavaScript/math.txt");
  EXPECT_EQ(prompter.errors, QStringList({message, message}));
  type(d, "abs");
  EXPECT_EQ(text(d), "Math.abs");
}

TEST_F(DocumentHelps, HighlightersBoxEntriesAndStart) {
  DocumentWindow* d = w.createDocument();
  QComboBox* box = d->highlighterBox();
  ASSERT_EQ(box->count(), 28);
  EXPECT_EQ(box->itemText(0), "Default");
  EXPECT_EQ(box->itemText(24), "Visual Basic");
  EXPECT_EQ(box->itemText(25), QString(19, '_'));
  EXPECT_EQ(box->itemText(26), "Other...");
  EXPECT_EQ(box->itemText(27), "");
  EXPECT_EQ(box->currentText(), "Default");
  // The window starts with the built-in scheme, not the Default file.
  home.write("Extensions/schemes/main-scheme.sch",
             "object Scheme\r\n  Name = 'Mine'\r\n  object Block\r\n  end\r\nend\r\n");
  auto* fresh = w.createDocument();
  EXPECT_EQ(fresh->lexer()->scheme(), defaultScheme());
}

TEST_F(DocumentHelps, ChoosingEntriesLoadsTheirFilesOnly) {
  DocumentWindow* d = w.createDocument();
  home.write("Extensions/schemes/main-scheme.sch",
             "object Scheme\r\n  Name = 'Mine'\r\n  object Block\r\n  end\r\nend\r\n");
  const std::vector<std::pair<QString, std::string>> steps = {{"Perl", "Perl"},
                                                              {QString(19, '_'), "Perl"},
                                                              {"", "Perl"},
                                                              {"Default", "Mine"},  // the file, not the built-in scheme
                                                              {"PHP in HTML", "PHP in HTML"}};
  for (const auto& [entry, scheme] : steps) {
    chooseEntry(d, entry);
    EXPECT_EQ(d->lexer()->scheme().name, scheme) << entry.toStdString();
  }
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(DocumentHelps, OtherAppliesASchemeFileTheUserChooses) {
  DocumentWindow* d = w.createDocument();
  chooseEntry(d, "Perl");
  home.write("own/mine.sch", "object Scheme\r\n  Name = 'Mine'\r\n  object Block\r\n  end\r\nend\r\n");
  prompter.fileNames = {""};  // Cancel: the scheme in use stays
  chooseEntry(d, "Other...");
  EXPECT_EQ(d->lexer()->scheme().name, "Perl");
  prompter.fileNames = {home.file("own/mine.sch")};
  chooseEntry(d, "Other...");
  EXPECT_EQ(d->lexer()->scheme().name, "Mine");
  EXPECT_EQ(prompter.fileCaptions, QStringList({"Open Syntax Scheme", "Open Syntax Scheme"}));
  EXPECT_TRUE(prompter.lastFilter.contains("*.sch")) << prompter.lastFilter.toStdString();
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(DocumentHelps, BadOrMissingSchemeFileKeepsTheSchemeInUse) {
  DocumentWindow* d = w.createDocument();
  chooseEntry(d, "Python");
  ASSERT_EQ(d->lexer()->scheme().name, "Python");
  home.write("Extensions/schemes/perl.sch", "object Scheme\r\n  Colour = 1\r\n");
  ASSERT_TRUE(QFile::remove(home.file("Extensions/schemes/c.sch")));
  chooseEntry(d, "Perl");
  chooseEntry(d, "C");
  EXPECT_EQ(d->lexer()->scheme().name, "Python");
  EXPECT_EQ(prompter.errors,
            QStringList({"Can't read syntax scheme from file \"" + home.file("Extensions/schemes/perl.sch") +
                             "\".\nLine 2: unknown scheme property \"Colour\".",
                         "Cannot open file " + home.file("Extensions/schemes/c.sch")}));
}

class TemplateExpansion : public DocumentHelps {
 protected:
  DocumentWindow* withTemplates(std::vector<TagTemplate> templates) {
    DocumentWindow* d = w.createDocument();
    d->document().setTemplates(std::move(templates));
    return d;
  }
};

TEST_F(TemplateExpansion, DeliveredTemplatesAreLoadedWhenTheWindowIsSetUp) {
  DocumentWindow* d = w.createDocument();
  const auto delivered = readTagTemplates(QFile::encodeName(home.file("Extensions/tagtmp.qdf")).toStdString());
  ASSERT_FALSE(delivered.empty());
  EXPECT_EQ(d->document().templates(), delivered);
}

TEST_F(TemplateExpansion, MissingTemplateFileIsReportedAndLeavesNoTemplates) {
  ASSERT_TRUE(QFile::remove(home.file("Extensions/tagtmp.qdf")));
  DocumentWindow* d = w.createDocument();
  EXPECT_TRUE(d->document().templates().empty());
  EXPECT_EQ(prompter.errors, QStringList({"Cannot open file " + home.file("Extensions/tagtmp.qdf")}));
  typed(d, "table");
  pressCtrlJ(d);
  EXPECT_EQ(text(d), "table");
}

// The template file and the tag list may be UTF-8 or 8-bit text; either way
// the characters they hold go into a UTF-8 and into an 8-bit document alike.
TEST_F(TemplateExpansion, TheFilesCharactersAreInsertedInEveryDocumentEncoding) {
  struct Case {
    const char* name;
    std::string fileText;  // "© é" as the files hold it
    std::string listEntry;
  };
  const Case files[] = {
      {"Utf8Files", "\xc2\xa9 \xc3\xa9", "caf\xc3\xa9"},
      {"EightBitFiles", "\xa9 \xe9", "caf\xe9"},
  };
  struct Document {
    const char* name;
    std::string before;  // text that makes the document UTF-8 or 8-bit
    std::string copyright, eAcute;
  };
  const Document documents[] = {
      {"Utf8Document", "\xc3\xa0 ", "\xc2\xa9", "\xc3\xa9"},
      {"EightBitDocument", "\xe0 ", "\xa9", "\xe9"},
  };
  for (const Case& f : files) {
    writeTagTemplates(QFile::encodeName(home.file("Extensions/tagtmp.qdf")).toStdString(), {{"cc", "", f.fileText}});
    writeLineList(QFile::encodeName(home.file("Extensions/tags.txt")).toStdString(), {f.listEntry});
    for (const Document& doc : documents) {
      SCOPED_TRACE(std::string(f.name) + " " + doc.name);
      DocumentWindow* d = w.createDocument();
      typed(d, doc.before + "cc");
      pressCtrlJ(d);
      EXPECT_EQ(text(d), doc.before + doc.copyright + " " + doc.eAcute);
      typed(d, doc.before + "<");
      d->offerHintList();
      EXPECT_EQ(d->document().hintList(), std::vector<std::string>{"caf" + doc.eAcute});
      d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCCANCEL);
    }
  }
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(TemplateExpansion, ExactNameIsExpandedAtOnceWithIndentAndCaretMark) {
  DocumentWindow* d =
      withTemplates({{"table", "a table", "<table>\r\n<tr>|</tr>\r\n</table>"}, {"tablerow", "a row", "<tr></tr>"}});
  typed(d, "    TABLE");
  pressCtrlJ(d);
  EXPECT_EQ(text(d), "    <table>\r\n    <tr></tr>\r\n    </table>");
  EXPECT_EQ(caret(d), static_cast<long>(std::string("    <table>\r\n    <tr>").size()));
  EXPECT_FALSE(d->editor()->popupShowing());
  d->editor()->undo();  // one step
  EXPECT_EQ(text(d), "    TABLE");
}

TEST_F(TemplateExpansion, PrefixListsMatchesAndThePickIsExpanded) {
  DocumentWindow* d = withTemplates({{"tablerow", "a row", "<tr></tr>"}, {"table", "a table", "<table>"}});
  typed(d, "x table");
  pressCtrlJ(d);  // tablerow comes first, so the exact name is not taken at once
  ASSERT_TRUE(d->editor()->popupShowing());
  d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCSELECT, 0UL, "table  a table");
  d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCCOMPLETE);
  EXPECT_EQ(text(d), "x <table>");
  EXPECT_EQ(caret(d), 2);  // no caret mark: the start of the code
}

TEST_F(TemplateExpansion, UnknownWordListsEveryTemplate) {
  DocumentWindow* d = withTemplates({{"b", "bold", "<b>|</b>"}, {"i", "", "<i>|</i>"}});
  typed(d, "xyz");
  pressCtrlJ(d);
  ASSERT_TRUE(d->editor()->popupShowing());
  d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCSELECT, 0UL, "i");
  d->editor()->SendScintilla(QsciScintillaBase::SCI_AUTOCCOMPLETE);
  EXPECT_EQ(text(d), "<i></i>");
  EXPECT_EQ(caret(d), 3);
}

TEST_F(TemplateExpansion, CtrlJExpandsInEveryKeyMapping) {
  for (const char* mapping : {"Default", "Brief", "Classic", "Epsilon", "Visual Studio"}) {
    DocumentWindow* d = withTemplates({{"hr", "", "<hr>"}});
    SettingsSnapshot s;
    s.set(kKeymapping, mapping);
    s.set(kBlockIndent, "1");
    d->applySettings(s);
    d->document().setTemplates({{"hr", "", "<hr>"}});
    typed(d, "hr");
    pressCtrlJ(d);
    EXPECT_EQ(text(d), "<hr>") << mapping;
  }
}

}  // namespace
}  // namespace markloom::test
