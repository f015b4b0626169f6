// How the stored settings reach a document window's editor.
#include <QApplication>
#include <QPalette>
#include <QRegularExpression>

#include "core/common/error.h"
#include "core/settings/color_text.h"
#include "platform/editor/keymaps.h"
#include "platform/editor/markloom_editor.h"
#include "platform/editor/scheme_lexer.h"
#include "platform/files/program_folder.h"
#include "platform/settings/color_resolve.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"

namespace markloom {

namespace {

// A decimal integer, or notAValidInteger(text).
int decimal(const std::string& text) {
  static const QRegularExpression form(QStringLiteral("^\\s*[+-]?[0-9]+\\s*$"));
  const QString t = QString::fromStdString(text);
  bool ok = false;
  const int value = t.trimmed().toInt(&ok);
  if (!form.match(t).hasMatch() || !ok) throw notAValidInteger(text);
  return value;
}

QColor color(const std::string& text) { return resolveColor(colorFromText(text)); }

// "9, 17": the first stop and the distance between stops give the tab width.
int tabWidthOf(const QString& stops) {
  QList<int> columns;
  for (const QString& part : stops.split(QRegularExpression("[,\\s]+"), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int c = part.toInt(&ok);
    if (!ok || c < 1) return 0;
    columns << c;
  }
  if (columns.size() >= 2 && columns[1] > columns[0]) return columns[1] - columns[0];
  if (columns.size() == 1 && columns[0] > 1) return columns[0] - 1;
  return 0;
}

}  // namespace

void DocumentWindow::applyEditorDefaults() {
  MarkloomEditor& e = *RichEdit1;
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
  e.setLexer(SyntaxParser7);
  applyKeymapping(e, QStringLiteral("Default"));
}

void DocumentWindow::ApplySettings() {
  if (owner_) applySettings(owner_->settings());
}

void DocumentWindow::applySettings(const SettingsSnapshot& s) {
  MarkloomEditor& e = *RichEdit1;
  // 2. Dictionaries.
  checker_.mainDictionary = programPath(QStringLiteral("english.dic")).toStdString();
  checker_.customDictionary = s.value("Custom Dictionary").empty()
                                  ? programPath(QStringLiteral("custom.dic")).toStdString()
                                  : s.value("Custom Dictionary");
  // 3. to 7.
  e.setHighlightUrls(s.flag("Highlight URLs"));
  e.setAutoIndent(s.flag("Auto Indent"));
  e.setTabIndents(s.flag("Smart Tabs"));
  e.setBackspaceUnindents(s.flag("Backspace Unindents"));
  groupUndo_ = s.flag("Group Undo");
  e.setMarginLineNumbers(0, s.flag("Line Numbers"));
  e.setMarginWidth(0, s.flag("Line Numbers") ? QStringLiteral("00000") : QString());
  // Lets the view scroll past the last line; the caret itself stays on the text.
  e.SendScintilla(QsciScintillaBase::SCI_SETENDATLASTLINE, s.flag("Cursor Beyond EOF") ? 0UL : 1UL);
  // The setting is the end-of-line limit: on confines the caret to the line.
  e.setCaretBeyondEol(!s.flag("Cursor Beyond EOL"));
  findAtCursor_ = s.flag("Find At Cursor");
  e.setDraggingDisabled(s.flag("Disable Dragging"));
  e.setSpecialSymbols(s.flag("Special Characters"));
  e.setDoubleClickSelectsLine(s.flag("Double Click Line"));

  // 8. Backgrounds; a colour that cannot be read stops here.
  const std::string editorStyle = s.value("Editor Background Style");
  if (editorStyle == "VG" || editorStyle == "HG") {
    const QColor from = color(s.value("Editor Background 1")), to = color(s.value("Editor Background 2"));
    e.setEditorGradient(editorStyle == "VG" ? MarkloomEditor::Gradient::Vertical : MarkloomEditor::Gradient::Horizontal,
                        from, to);
    SyntaxParser7->setPlainPaper(Qt::white);
  } else if (editorStyle == "NM") {
    const QColor plain = color(s.value("Editor Background 1"));
    SyntaxParser7->setPlainPaper(plain);
    e.setPlainBackground(plain);
  }
  const std::string gutterStyle = s.value("Gutter Background Style");
  if (gutterStyle == "VG" || gutterStyle == "HG") {
    const QColor from = color(s.value("Gutter Background 1")), to = color(s.value("Gutter Background 2"));
    e.setGutterGradient(gutterStyle == "VG" ? MarkloomEditor::Gradient::Vertical : MarkloomEditor::Gradient::Horizontal,
                        from, to);
  } else if (gutterStyle == "NM") {
    e.setGutterColor(color(s.value("Gutter Background 1")));
  }

  // 9. Tab stops, block indent (a bad number stops here), key mapping, scheme,
  // spell-check options.
  tabStops_ = QString::fromStdString(s.value("Tab Stops"));
  if (const int width = tabWidthOf(tabStops_); width > 0) e.setTabWidth(width);
  blockIndent_ = decimal(s.value("Block Indent"));
  e.setIndentationWidth(blockIndent_ > 0 ? blockIndent_ : 0);
  const QString mapping = QString::fromStdString(s.value("Keymapping"));
  if (applyKeymapping(e, mapping)) keymapping_ = mapping;
  if (e.lexer() != SyntaxParser7) e.setLexer(SyntaxParser7);
  SpellOptions& o = checker_.options;
  o.reportDuplicateSpaces = s.flag("Check for Duplicate Spaces");
  o.reportDuplicateWords = s.flag("Check for Duplicate Words");
  o.ignoreFilenames = s.flag("Ignore Filenames");
  o.ignoreAllUppercase = s.flag("Ignore All Uppercase");
  o.ignoreNumbers = s.flag("Ignore Numbers");
  o.ignoreInternetAddresses = s.flag("Ignore Internet Addresses");
  o.ignoreBrackets = s.flag("Ignore Brackets");
}

}  // namespace markloom
