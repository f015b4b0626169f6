// How the stored settings reach a document window's editor.
#include <QApplication>
#include <QPalette>

#include "core/common/error.h"
#include "core/settings/color_text.h"
#include "core/settings/settings_table.h"
#include "core/text/whole_number.h"
#include "platform/editor/keymaps.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"
#include "platform/files/program_folder.h"
#include "platform/settings/color_resolve.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"
#include "ui/workbench/document_host.h"

namespace markloom {

namespace {

QColor color(const std::string& text) { return resolveColor(colorFromText(text)); }

// "9, 17": the first stop and the distance between stops give the tab width.
int tabWidthOf(const std::string& stops) {
  const std::optional<std::vector<int>> columns = positiveNumberList(stops);
  if (!columns) return 0;
  if (columns->size() >= 2 && (*columns)[1] > (*columns)[0]) return (*columns)[1] - (*columns)[0];
  if (columns->size() == 1 && (*columns)[0] > 1) return (*columns)[0] - 1;
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
  if (host_) applySettings(host_->settings());
}

void DocumentWindow::applySettings(const SettingsSnapshot& s) {
  MarkloomEditor& e = *editor_;
  const std::string& customDictionary = s.get(kCustomDictionary);
  spellSetup_.mainDictionary = programPath(QStringLiteral("english.dic")).toStdString();
  spellSetup_.customDictionary =
      customDictionary.empty() ? programPath(QStringLiteral("custom.dic")).toStdString() : customDictionary;
  e.setHighlightUrls(s.get(kHighlightUrls));
  e.setAutoIndent(s.get(kAutoIndent));
  e.setTabIndents(s.get(kSmartTabs));
  e.setBackspaceUnindents(s.get(kBackspaceUnindents));
  showLineNumbers(s.get(kLineNumbers));
  // Lets the view scroll past the last line; the caret itself stays on the text.
  e.SendScintilla(QsciScintillaBase::SCI_SETENDATLASTLINE, s.get(kCursorBeyondEof) ? 0UL : 1UL);
  // The setting is the end-of-line limit: on confines the caret to the line.
  e.setCaretBeyondEol(!s.get(kCursorBeyondEol));
  findAtCursor_ = s.get(kFindAtCursor);
  tagHints_ = s.get(kHtmlCuecard);
  scriptHints_ = s.get(kJavaScriptCuecard);
  e.setDraggingDisabled(s.get(kDisableDragging));
  e.setSpecialSymbols(s.get(kSpecialCharacters));
  e.setDoubleClickSelectsLine(s.get(kDoubleClickLine));

  // Backgrounds; a colour that cannot be read stops here.
  const std::string& editorStyle = s.get(kEditorBackgroundStyle);
  if (editorStyle == "VG" || editorStyle == "HG") {
    const QColor from = color(s.get(kEditorBackground1)), to = color(s.get(kEditorBackground2));
    e.setEditorGradient(
        editorStyle == "VG" ? MarkloomEditor::Gradient::Vertical : MarkloomEditor::Gradient::Horizontal, from, to);
    lexer_->setPlainPaper(Qt::white);
  } else if (editorStyle == "NM") {
    const QColor plain = color(s.get(kEditorBackground1));
    lexer_->setPlainPaper(plain);
    e.setPlainBackground(plain);
  }
  const std::string& gutterStyle = s.get(kGutterBackgroundStyle);
  if (gutterStyle == "VG" || gutterStyle == "HG") {
    const QColor from = color(s.get(kGutterBackground1)), to = color(s.get(kGutterBackground2));
    e.setGutterGradient(
        gutterStyle == "VG" ? MarkloomEditor::Gradient::Vertical : MarkloomEditor::Gradient::Horizontal, from, to);
  } else if (gutterStyle == "NM") {
    e.setGutterColor(color(s.get(kGutterBackground1)));
  }

  // Tab stops, block indent (a bad number stops here), key mapping, scheme,
  // spell-check options.
  tabStops_ = QString::fromStdString(s.get(kTabStops));
  if (const int width = tabWidthOf(s.get(kTabStops)); width > 0) e.setTabWidth(width);
  blockIndent_ = wholeNumber(s.get(kBlockIndent), TrailingBlanks::Allowed);
  e.setIndentationWidth(blockIndent_ > 0 ? blockIndent_ : 0);
  const QString mapping = QString::fromStdString(s.get(kKeymapping));
  if (applyKeymapping(e, mapping)) keymapping_ = mapping;
  if (e.lexer() != lexer_) e.setLexer(lexer_);
  SpellOptions& o = spellSetup_.options;
  o.reportDuplicateSpaces = s.get(kCheckDuplicateSpaces);
  o.reportDuplicateWords = s.get(kCheckDuplicateWords);
  o.ignoreFilenames = s.get(kIgnoreFilenames);
  o.ignoreAllUppercase = s.get(kIgnoreAllUppercase);
  o.ignoreNumbers = s.get(kIgnoreNumbers);
  o.ignoreInternetAddresses = s.get(kIgnoreInternetAddresses);
  o.ignoreBrackets = s.get(kIgnoreBrackets);
  o.checkMarkup = s.get(kCheckMarkup);
  // The template loader reports its own errors; the window stays usable
  // without templates.
  guarded([&] { document_->loadTemplates(programPath(QStringLiteral("Extensions\\tagtmp.qdf"))); });
}

}  // namespace markloom
