// Settings reaching a document window: what each option does, what stays put,
// and the failure that skips the rest.
#include <QKeyEvent>
#include <QTest>

#include "core/document/new_page.h"
#include "core/highlighting/syntax_scheme.h"
#include "core/settings/settings_table.h"
#include "document_fixture.h"
#include "platform/editor/keymaps.h"
#include "ui/common/command_guard.h"

namespace markloom::test {
namespace {

class DocumentSettings : public DocumentTest {
 protected:
  SettingsSnapshot base() const {
    SettingsSnapshot s = w.settings();
    s.set(kBlockIndent, "2");
    s.set(kKeymapping, "Default");
    s.set(kEditorBackgroundStyle, "Normal");
    s.set(kGutterBackgroundStyle, "Normal");
    return s;
  }
};

TEST_F(DocumentSettings, ApplyingKeepsNameCaptionTextAndModifiedFlag) {
  home.write("k.htm", "<p>keep</p>\r\n");
  DocumentWindow* d = w.openDocument(home.file("k.htm"));
  type(d, "typed");
  SettingsSnapshot s = base();
  s.set(kLineNumbers, "True");
  s.set(kAutoIndent, "True");
  s.set(kEditorBackgroundStyle, "VG");
  s.set(kEditorBackground1, "clWhite");
  s.set(kEditorBackground2, "$00FF0000");
  d->applySettings(s);
  EXPECT_EQ(d->document().fileName(), home.file("k.htm"));
  EXPECT_EQ(d->windowTitle(), home.file("k.htm") + " *");
  EXPECT_EQ(d->document().editorOps().lines(), std::vector<std::string>{"typed<p>keep</p>"});
  EXPECT_TRUE(d->document().isModified());
  d->document().setModified(false);
  d->applySettings(s);
  EXPECT_FALSE(d->document().isModified());
  EXPECT_TRUE(d->editor()->marginLineNumbers(0));
  EXPECT_TRUE(d->editor()->autoIndent());
}

TEST_F(DocumentSettings, CursorBeyondEolConfinesTheCaretWhenTrue) {
  DocumentWindow* d = w.createDocument();
  d->document().editorOps().setLines({"ab", "cd"});
  SettingsSnapshot s = base();

  s.set(kCursorBeyondEol, "True");
  d->applySettings(s);
  d->document().editorOps().setCaret({0, 2});
  QTest::keyClick(d->editor(), Qt::Key_Right);
  EXPECT_EQ(d->document().editorOps().caret(), (TextPosition{1, 0}));  // on to the next line
  d->document().editorOps().setCaret({0, 6});
  EXPECT_EQ(d->document().editorOps().caret(), (TextPosition{0, 2}));

  s.set(kCursorBeyondEol, "");
  d->applySettings(s);
  d->document().editorOps().setCaret({0, 2});
  QTest::keyClick(d->editor(), Qt::Key_Right);
  EXPECT_EQ(d->document().editorOps().caret(), (TextPosition{0, 3}));  // past the end of the line
  d->document().editorOps().insertAtCaret("X");
  EXPECT_EQ(d->document().editorOps().line(0), "ab X");
}

TEST_F(DocumentSettings, BadBlockIndentReportsAndSkipsTheRemainingSteps) {
  DocumentWindow* d = w.createDocument();
  SettingsSnapshot s = base();
  s.set(kKeymapping, "Epsilon");
  s.set(kIgnoreNumbers, "True");
  s.set(kBlockIndent, "two");
  s.set(kLineNumbers, "True");
  guarded([&] { d->applySettings(s); });
  EXPECT_EQ(prompter.errors, QStringList({"'two' is not a valid integer value"}));
  EXPECT_TRUE(d->editor()->marginLineNumbers(0));  // earlier steps took effect
  EXPECT_EQ(d->keymapping(), "Default");           // later ones did not
  EXPECT_FALSE(d->spellSetup().options.ignoreNumbers);

  s.set(kBlockIndent, "");
  guarded([&] { d->applySettings(s); });
  EXPECT_EQ(prompter.errors.value(1), "'' is not a valid integer value");
}

TEST_F(DocumentSettings, BadColourReportsAndSkipsTheRemainingSteps) {
  DocumentWindow* d = w.createDocument();
  SettingsSnapshot s = base();
  s.set(kEditorBackgroundStyle, "NM");
  s.set(kEditorBackground1, "clNoSuchColour");
  s.set(kKeymapping, "Brief");
  guarded([&] { d->applySettings(s); });
  EXPECT_EQ(prompter.errors, QStringList({"'clNoSuchColour' is not a valid integer value"}));
  EXPECT_EQ(d->keymapping(), "Default");
}

TEST_F(DocumentSettings, BackgroundStyles) {
  DocumentWindow* d = w.createDocument();
  MarkloomEditor* e = d->editor();
  SettingsSnapshot s = base();
  s.set(kEditorBackground1, "clYellow");
  s.set(kEditorBackground2, "clNavy");
  s.set(kGutterBackground1, "$000000FF");
  s.set(kGutterBackground2, "clWhite");

  s.set(kEditorBackgroundStyle, "Normal");  // not a style: nothing changes
  d->applySettings(s);
  EXPECT_EQ(e->editorGradient(), MarkloomEditor::Gradient::None);

  s.set(kEditorBackgroundStyle, "VG");
  s.set(kGutterBackgroundStyle, "HG");
  d->applySettings(s);
  EXPECT_EQ(e->editorGradient(), MarkloomEditor::Gradient::Vertical);
  EXPECT_EQ(e->gutterGradient(), MarkloomEditor::Gradient::Horizontal);

  // NM changes the plain colour; the gradient set before stays in force.
  s.set(kEditorBackgroundStyle, "NM");
  s.set(kGutterBackgroundStyle, "NM");
  d->applySettings(s);
  EXPECT_EQ(e->editorGradient(), MarkloomEditor::Gradient::Vertical);
  const auto paperOf = [](MarkloomEditor* ed, int style) {
    return ed->SendScintilla(QsciScintillaBase::SCI_STYLEGETBACK, static_cast<unsigned long>(style));
  };
  EXPECT_EQ(paperOf(e, styleNumber(1, TokenClass::Text)), 0x00FFFF);  // yellow, as BGR
  EXPECT_EQ(paperOf(e, styleNumber(2, TokenClass::Text)), 0xFFFF00);  // ASP keeps its aqua
  // A window created afterwards shows only the plain colour.
  DocumentWindow* later = w.createDocument();
  later->applySettings(s);
  EXPECT_EQ(later->editor()->editorGradient(), MarkloomEditor::Gradient::None);
  EXPECT_EQ(paperOf(later->editor(), styleNumber(0, TokenClass::Text)), 0x00FFFF);
}

TEST_F(DocumentSettings, GradientIsDrawnOverTheText) {
  DocumentWindow* d = w.createDocument();
  d->resize(400, 300);
  SettingsSnapshot s = base();
  s.set(kEditorBackgroundStyle, "HG");
  s.set(kEditorBackground1, "clWhite");
  s.set(kEditorBackground2, "clBlue");
  d->applySettings(s);
  QTest::qWait(50);
  const QImage shot = d->editor()->grab().toImage();
  // Left of the text area stays light, the right edge turns blue.
  const QColor right = shot.pixelColor(shot.width() - 30, shot.height() / 2);
  EXPECT_GT(right.blue(), 150);
  EXPECT_LT(right.red(), 100);
}

TEST_F(DocumentSettings, OptionsFollowTheirFlags) {
  DocumentWindow* d = w.createDocument();
  MarkloomEditor* e = d->editor();
  SettingsSnapshot s = base();
  for (const FlagSetting* flag :
       {&kHighlightUrls, &kDisableDragging, &kDoubleClickLine, &kSpecialCharacters, &kCheckDuplicateSpaces,
        &kCheckDuplicateWords, &kIgnoreFilenames, &kIgnoreAllUppercase, &kIgnoreNumbers, &kIgnoreInternetAddresses,
        &kIgnoreBrackets, &kBackspaceUnindents, &kSmartTabs})
    s.set(*flag, "True");
  s.set(kTabStops, "5, 9");
  s.set(kCustomDictionary, "/tmp/my.dic");
  d->applySettings(s);
  EXPECT_TRUE(e->highlightUrls());
  EXPECT_TRUE(e->draggingDisabled());
  EXPECT_TRUE(e->doubleClickSelectsLine());
  EXPECT_TRUE(e->specialSymbols());
  EXPECT_TRUE(e->backspaceUnindents());
  EXPECT_TRUE(e->tabIndents());
  EXPECT_EQ(e->tabWidth(), 4);
  EXPECT_EQ(e->indentationWidth(), 2);
  const SpellOptions all{true, true, true, true, true, true, true};
  EXPECT_EQ(d->spellSetup().options, all);
  EXPECT_EQ(d->spellSetup().customDictionary, "/tmp/my.dic");
  EXPECT_EQ(QString::fromStdString(d->spellSetup().mainDictionary), home.file("english.dic"));

  // "true" is not "True": every option clears again.
  SettingsSnapshot off = base();
  off.set(kHighlightUrls, "true");
  d->applySettings(off);
  EXPECT_FALSE(e->highlightUrls());
  EXPECT_FALSE(e->draggingDisabled());
  EXPECT_EQ(d->spellSetup().options, SpellOptions{});
  EXPECT_EQ(QString::fromStdString(d->spellSetup().customDictionary), home.file("custom.dic"));
}

TEST_F(DocumentSettings, UrlHighlightingMarksAddressesOnScreen) {
  DocumentWindow* d = w.createDocument();
  d->document().editorOps().setLines({"see http://example.com/x here"});
  SettingsSnapshot s = base();
  s.set(kHighlightUrls, "True");
  d->applySettings(s);
  QTest::qWait(20);
  MarkloomEditor* e = d->editor();
  EXPECT_NE(e->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, MarkloomEditor::kUrlIndicator, 5L), 0);
  EXPECT_EQ(e->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, MarkloomEditor::kUrlIndicator, 1L), 0);
}

struct KeymapCase {
  std::string name;
  QString mapping;
  int key;
  Qt::KeyboardModifiers modifiers;
  TextPosition from, to;
};
std::ostream& operator<<(std::ostream& os, const KeymapCase& c) { return os << c.name; }

class Keymappings : public DocumentTest, public ::testing::WithParamInterface<KeymapCase> {};

TEST_P(Keymappings, CharacteristicKeysMoveTheCaret) {
  DocumentWindow* d = w.createDocument();
  SettingsSnapshot s = w.settings();
  s.set(kBlockIndent, "1");
  s.set(kKeymapping, GetParam().mapping.toStdString());
  d->applySettings(s);
  EXPECT_EQ(d->keymapping(), GetParam().mapping);
  d->document().editorOps().setLines({"alpha beta", "gamma"});
  d->document().editorOps().setCaret(GetParam().from);
  QTest::keyClick(d->editor(), static_cast<Qt::Key>(GetParam().key), GetParam().modifiers);
  EXPECT_EQ(d->document().editorOps().caret(), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Keymappings,
    ::testing::Values(
        KeymapCase{"EpsilonCtrlFMovesRight", "Epsilon", Qt::Key_F, Qt::ControlModifier, {0, 0}, {0, 1}},
        KeymapCase{"EpsilonCtrlEGoesToLineEnd", "Epsilon", Qt::Key_E, Qt::ControlModifier, {0, 1}, {0, 10}},
        KeymapCase{"ClassicCtrlXMovesDown", "Classic", Qt::Key_X, Qt::ControlModifier, {0, 1}, {1, 1}},
        KeymapCase{"ClassicCtrlAGoesWordLeft", "Classic", Qt::Key_A, Qt::ControlModifier, {0, 8}, {0, 6}},
        KeymapCase{"BriefCtrlPageUpGoesToTop", "Brief", Qt::Key_PageUp, Qt::ControlModifier, {1, 3}, {0, 0}},
        // The moved line ends up selected, caret at its start.
        KeymapCase{"VisualStudioAltDownMovesTheLine", "Visual Studio", Qt::Key_Down, Qt::AltModifier, {0, 2}, {1, 0}},
        KeymapCase{"DefaultCtrlEndGoesToTheEnd", "Default", Qt::Key_End, Qt::ControlModifier, {0, 0}, {2, 0}}),
    [](const auto& row) { return row.param.name; });

TEST_F(DocumentSettings, SwitchingBackToDefaultRestoresTheEditorKeys) {
  DocumentWindow* d = w.createDocument();
  SettingsSnapshot s = base();
  s.set(kKeymapping, "Epsilon");
  d->applySettings(s);
  s.set(kKeymapping, "Default");
  d->applySettings(s);
  d->document().editorOps().setLines({"abc"});
  d->document().editorOps().setCaret({0, 0});
  QTest::keyClick(d->editor(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(d->document().editorOps().caret(), (TextPosition{0, 0}));
}

}  // namespace
}  // namespace markloom::test
