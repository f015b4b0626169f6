// How the stored settings reach a document window's editor.
#include <QApplication>
#include <QPalette>
#include <QRegularExpression>

#include "core/common/error.h"
#include "core/settings/color_text.h"
#include "core/text/whole_number.h"
#include "platform/editor/keymaps.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"
#include "platform/files/program_folder.h"
#include "platform/settings/color_resolve.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"

namespace markloom {

namespace {

QColor color(const std::string& text) { return resolveColor(colorFromText(text)); }

// "9, 17": the first stop and the distance between stops give the tab width.
int tabWidthOf(const QString& stops) {
  QList<int> columns;
  for (const QString& part : stops.split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts)) {
    int c = 0;
    try {
      c = wholeNumber(part.toStdString());
    } catch (const Error&) {
      return 0;
    }
    if (c < 1) return 0;
    columns << c;
  }
  if (columns.size() >= 2 && columns[1] > columns[0]) return columns[1] - columns[0];
  if (columns.size() == 1 && columns[0] > 1) return columns[0] - 1;
  return 0;
}

}  // namespace

void DocumentWindow::applyEditorDefaults() {
  MarkloomEditor& e = *editor_;
  QFont font("Courier New", 10);
  e.setFont(font);
  e.setMarginsFont(font);
  e.setColor(Qt::black);
  e.setEdgeMode(QsciScintilla::EdgeLine);
  e.setEdgeColumn(80);
  e.setEdgeColor(Qt::gray);
  e.setMarginLineNumbers(0, true);
  e.setMarginWidth(0, QStringLiteral("00000"));
  e.setMarginWidth(1, 16);  // the gutter
  e.setMarginsForegroundColor(Qt::black);
  e.setMarginsBackgroundColor(QApplication::palette().color(QPalette::Button));
  e.setWrapMode(QsciScintilla::WrapWord);
  e.SendScintilla(QsciScintillaBase::SCI_SETHSCROLLBAR, 1UL);
  e.setSelectionForegroundColor(Qt::white);
  e.setSelectionBackgroundColor(QColor(0, 0, 128));
  e.setTabWidth(8);
  e.setIndentationsUseTabs(true);
  e.setIndentationWidth(1);
  e.setBackspaceUnindents(true);
  e.setAutoIndent(true);
  e.setTabIndents(true);
  e.setLexer(lexer_);
  applyKeymapping(e, QStringLiteral("Default"));
}

void DocumentWindow::applyStoredSettings() {
  if (owner_) applySettings(owner_->settings());
}

void DocumentWindow::applySettings(const SettingsSnapshot& settings) {
  applyEditorSettings(EditorSettings::fromSnapshot(settings));
}

void DocumentWindow::applyEditorSettings(const EditorSettings& s) {
  MarkloomEditor& e = *editor_;
  spellSetup_.mainDictionary = programPath(QStringLiteral("english.dic")).toStdString();
  spellSetup_.customDictionary =
      s.customDictionary.empty() ? programPath(QStringLiteral("custom.dic")).toStdString() : s.customDictionary;
  e.setHighlightUrls(s.highlightUrls);
  e.setAutoIndent(s.autoIndent);
  e.setTabIndents(s.smartTabs);
  e.setBackspaceUnindents(s.backspaceUnindents);
  showLineNumbers(s.lineNumbers);
  // Lets the view scroll past the last line; the caret itself stays on the text.
  e.SendScintilla(QsciScintillaBase::SCI_SETENDATLASTLINE, s.cursorBeyondEof ? 0UL : 1UL);
  // The setting is the end-of-line limit: on confines the caret to the line.
  e.setCaretBeyondEol(!s.cursorBeyondEol);
  findAtCursor_ = s.findAtCursor;
  e.setDraggingDisabled(s.disableDragging);
  e.setSpecialSymbols(s.specialCharacters);
  e.setDoubleClickSelectsLine(s.doubleClickLine);

  // Backgrounds; a colour that cannot be read stops here.
  if (s.editorBackgroundStyle == "VG" || s.editorBackgroundStyle == "HG") {
    const QColor from = color(s.editorBackground1), to = color(s.editorBackground2);
    e.setEditorGradient(
        s.editorBackgroundStyle == "VG" ? MarkloomEditor::Gradient::Vertical : MarkloomEditor::Gradient::Horizontal,
        from, to);
    lexer_->setPlainPaper(Qt::white);
  } else if (s.editorBackgroundStyle == "NM") {
    const QColor plain = color(s.editorBackground1);
    lexer_->setPlainPaper(plain);
    e.setPlainBackground(plain);
  }
  if (s.gutterBackgroundStyle == "VG" || s.gutterBackgroundStyle == "HG") {
    const QColor from = color(s.gutterBackground1), to = color(s.gutterBackground2);
    e.setGutterGradient(
        s.gutterBackgroundStyle == "VG" ? MarkloomEditor::Gradient::Vertical : MarkloomEditor::Gradient::Horizontal,
        from, to);
  } else if (s.gutterBackgroundStyle == "NM") {
    e.setGutterColor(color(s.gutterBackground1));
  }

  // Tab stops, block indent (a bad number stops here), key mapping, scheme,
  // spell-check options.
  tabStops_ = QString::fromStdString(s.tabStops);
  if (const int width = tabWidthOf(tabStops_); width > 0) e.setTabWidth(width);
  blockIndent_ = wholeNumber(s.blockIndent, TrailingBlanks::Allowed);
  e.setIndentationWidth(blockIndent_ > 0 ? blockIndent_ : 0);
  const QString mapping = QString::fromStdString(s.keymapping);
  if (applyKeymapping(e, mapping)) keymapping_ = mapping;
  if (e.lexer() != lexer_) e.setLexer(lexer_);
  SpellOptions& o = spellSetup_.options;
  o.reportDuplicateSpaces = s.checkDuplicateSpaces;
  o.reportDuplicateWords = s.checkDuplicateWords;
  o.ignoreFilenames = s.ignoreFilenames;
  o.ignoreAllUppercase = s.ignoreAllUppercase;
  o.ignoreNumbers = s.ignoreNumbers;
  o.ignoreInternetAddresses = s.ignoreInternetAddresses;
  o.ignoreBrackets = s.ignoreBrackets;
  o.checkMarkup = s.checkMarkup;
  // The template loader reports its own errors; the window stays usable
  // without templates.
  guarded([&] { document_->loadTemplates(programPath(QStringLiteral("Extensions\\tagtmp.qdf"))); });
}

}  // namespace markloom
