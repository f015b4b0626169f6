// Every window of the program opened at the default font, checked for what a
// user sees cut: a widget narrower than its size hint clips its text, a text
// box narrower than about 25 characters hides what is typed, a box narrower
// than the value it holds shows only its tail, and a label that shows a
// literal "&" has lost the field its accelerator should focus.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabWidget>
#include <QTextDocument>
#include <functional>
#include <memory>

#include "scripted_prompter.h"
#include "temp_home.h"
#include "ui/analysis/validation_window.h"
#include "ui/app/about_box.h"
#include "ui/app/main_window.h"
#include "ui/common/dialog_kit.h"
#include "ui/compress/compress_options_dialog.h"
#include "ui/document/document_window.h"
#include "ui/document/find_dialog.h"
#include "ui/document/new_page_dialog.h"
#include "ui/findreplace/multi_file_replace_dialog.h"
#include "ui/markup/dialogs/applet_dialog.h"
#include "ui/markup/dialogs/cfml_expression_dialog.h"
#include "ui/markup/dialogs/font_dialog.h"
#include "ui/markup/dialogs/hyperlink_dialog.h"
#include "ui/markup/dialogs/image_dialog.h"
#include "ui/markup/dialogs/layer_designer.h"
#include "ui/markup/dialogs/layer_dialog.h"
#include "ui/markup/dialogs/multimedia_dialog.h"
#include "ui/markup/dialogs/navigation_menu_dialog.h"
#include "ui/markup/dialogs/page_transition_dialog.h"
#include "ui/markup/dialogs/quicktime_dialog.h"
#include "ui/markup/dialogs/real_video_dialog.h"
#include "ui/markup/dialogs/rollover_dialog.h"
#include "ui/markup/dialogs/script_dialog.h"
#include "ui/markup/dialogs/server_variables_dialog.h"
#include "ui/markup/dialogs/style_sheet_dialog.h"
#include "ui/markup/dialogs/table_dialog.h"
#include "ui/markup/dialogs/wml_access_dialog.h"
#include "ui/markup/dialogs/wml_card_dialog.h"
#include "ui/markup/dialogs/wml_go_dialog.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/spell/spell_check_dialog.h"
#include "ui/tidy/tidy_options_dialog.h"
#include "ui/webtools/download_timer_dialog.h"
#include "ui/webtools/link_validator_dialog.h"
#include "ui/webtools/open_from_web_window.h"
#include "ui/wml/sample_card.h"
#include "ui/wml/wml_viewer.h"

namespace markloom {
namespace {

using test::ScriptedPrompter;
using test::TempHome;

// About 25 characters of the widget's own font: what a path or an address
// needs before it scrolls out of sight.
constexpr int kFieldChars = 25;

// Parts of compound widgets (the edit inside a drop-down, the viewport of a
// list) are sized by their owner, not by the window's layout.
bool insideCompound(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
    if (qobject_cast<const QComboBox*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
        qobject_cast<const QAbstractScrollArea*>(p))
      return true;
  }
  return false;
}

bool showsPlainText(const QLabel* label) {
  return label->textFormat() == Qt::PlainText ||
         (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
}

QString nameOf(const QWidget* w) {
  QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
  if (auto* label = qobject_cast<const QLabel*>(w)) name += " \"" + label->text() + "\"";
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) name += " \"" + button->text() + "\"";
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) name += " \"" + edit->text() + "\"";
  return name;
}

// Width a line edit leaves for its text: the frame and the edit's own
// 2-pixel side margins come off.
int textRoom(const QLineEdit* edit) {
  const int frame = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) : 0;
  const QMargins margins = edit->textMargins();
  return edit->width() - 2 * frame - 4 - margins.left() - margins.right();
}

QStringList problemsOf(const QWidget* w) {
  QStringList out;
  const QString why = QStringLiteral("%1: %2").arg(nameOf(w));
  const int width = w->width();
  if (auto* label = qobject_cast<const QLabel*>(w)) {
    if (label->text().isEmpty()) return out;
    if (showsPlainText(label) && label->text().contains('&') && !label->buddy())
      out << why.arg("shows a literal & (no buddy)");
    if (label->wordWrap()) {
      if (label->height() < label->heightForWidth(width)) out << why.arg("wrapped text is cut at the bottom");
    } else if (width < label->sizeHint().width()) {
      out << why.arg(QStringLiteral("%1 px wide, needs %2").arg(width).arg(label->sizeHint().width()));
    }
    return out;
  }
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
    // A box declared to hold a short value (a count, a measure) needs room for
    // that value; every other box about 25 characters.
    const QString shortValue = dialogkit::shortFieldText(edit);
    const int need =
        std::max(edit->sizeHint().width(), shortValue.isEmpty() ? edit->fontMetrics().averageCharWidth() * kFieldChars
                                                                : edit->fontMetrics().horizontalAdvance(shortValue));
    if (width < need) out << why.arg(QStringLiteral("text box %1 px wide, needs %2").arg(width).arg(need));
    const int textWidth = edit->fontMetrics().horizontalAdvance(edit->text());
    if (!shortValue.isEmpty() && textRoom(edit) < edit->fontMetrics().horizontalAdvance(shortValue))
      out << why.arg(QStringLiteral("cannot show its widest value \"%1\"").arg(shortValue));
    if (textRoom(edit) < textWidth)
      out << why.arg(QStringLiteral("value needs %1 px, box shows %2").arg(textWidth).arg(textRoom(edit)));
    return out;
  }
  // Buttons that show only an arrow or an icon have no text to cut.
  if (auto* button = qobject_cast<const QAbstractButton*>(w); button && button->text().isEmpty()) return out;
  if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractButton*>(w) ||
      qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QGroupBox*>(w) ||
      qobject_cast<const QProgressBar*>(w)) {
    if (width < w->sizeHint().width())
      out << why.arg(QStringLiteral("%1 px wide, needs %2").arg(width).arg(w->sizeHint().width()));
  }
  return out;
}

void settle(QWidget* window) {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    if (window->layout()) window->layout()->activate();
  }
}

QStringList problemsShown(QWidget* window) {
  settle(window);
  QStringList out;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || insideCompound(w, window) || w->isWindow()) continue;
    out << problemsOf(w);
  }
  return out;
}

// Every page of every tab widget is looked at in turn.
QStringList problemsIn(QWidget* window) {
  window->show();
  QStringList out = problemsShown(window);
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
    const int current = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      for (const QString& p : problemsShown(window))
        if (!out.contains(p)) out << tabs->tabText(i) + " page, " + p;
    }
    tabs->setCurrentIndex(current);
  }
  return out;
}

struct Scene {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow main;
  DocumentWindow* document = nullptr;
  Scene() {
    main.show();
    document = main.createDocument();
  }
};

struct WindowCase {
  const char* name;
  std::function<std::unique_ptr<QWidget>(Scene&)> open;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.name; }

template <class Dialog>
std::function<std::unique_ptr<QWidget>(Scene&)> plain() {
  return [](Scene&) { return std::make_unique<Dialog>(); };
}

std::unique_ptr<QWidget> spellCheck(Scene&) {
  auto d = std::make_unique<SpellCheckDialog>(TextCodec(TextEncoding::Utf8));
  SpellIssue issue;
  issue.word = "Helo";
  issue.length = 4;
  issue.suggestions = {"Hello", "Help", "Hell", "Halo", "Hero"};
  d->present(issue, "<p class=\"intro\">Helo</p>");
  return d;
}

std::unique_ptr<QWidget> busyReplace(Scene&) {
  // The results at their widest: every counter past a billion, the pass done.
  auto d = std::make_unique<MultiFileReplaceDialog>();
  for (const char* box : {"Edit1", "Edit2", "Edit3", "Edit4"}) d->findChild<QLineEdit*>(box)->setText("4294967296");
  d->findChild<QLabel*>("lblPerc")->setText("100 %");
  return d;
}

const WindowCase kWindows[] = {
    {"About", plain<AboutBox>()},
    {"Preferences",
     [](Scene& s) {
       return std::make_unique<PreferencesDialog>(
           PreferencesDialog::ListFiles{s.home.file("Extensions/tagtmp.qdf"), s.home.file("Extensions/tags.txt")});
     }},
    {"FindText", [](Scene& s) { return std::make_unique<FindDialog>(s.document, false); }},
    {"ReplaceText", [](Scene& s) { return std::make_unique<FindDialog>(s.document, true); }},
    {"NewPage", plain<NewPageDialog>()},
    {"SpellCheck", spellCheck},
    {"ExtendedFindAndReplace", plain<MultiFileReplaceDialog>()},
    {"ExtendedFindAndReplaceAtTheEnd", busyReplace},
    {"DocumentAnalysis", [](Scene& s) { return std::make_unique<ValidationWindow>(s.main); }},
    {"Compressor", plain<CompressOptionsDialog>()},
    {"TidyConfiguration", plain<TidyOptionsDialog>()},
    {"LinkValidator", [](Scene& s) { return std::make_unique<LinkValidatorDialog>(s.document); }},
    {"DownloadTimer", plain<DownloadTimerDialog>()},
    {"OpenFromWeb", [](Scene& s) { return std::make_unique<OpenFromWebWindow>(s.main); }},
    {"Image", plain<ImageDialog>()},
    {"Hyperlink", plain<HyperlinkDialog>()},
    {"Rollover", plain<RolloverDialog>()},
    {"Table", plain<TableDialog>()},
    {"Layer", plain<LayerDialog>()},
    {"NavigationMenu", plain<NavigationMenuDialog>()},
    {"LayerDesigner", plain<LayerDesigner>()},
    {"Script", plain<ScriptDialog>()},
    {"Applet", plain<AppletDialog>()},
    {"Multimedia", [](Scene& s) { return std::make_unique<MultimediaDialog>(&s.main); }},
    {"QuickTime", plain<QuickTimeDialog>()},
    {"RealVideo", plain<RealVideoDialog>()},
    {"Font", plain<FontDialog>()},
    {"StyleSheet", plain<StyleSheetDialog>()},
    {"PageTransition", plain<PageTransitionDialog>()},
    {"ServerVariables", [](Scene& s) { return std::make_unique<ServerVariablesDialog>(&s.main); }},
    {"CfmlExpression", plain<CfmlExpressionDialog>()},
    {"WmlCard", plain<WmlCardDialog>()},
    {"WmlAccess", plain<WmlAccessDialog>()},
    {"WmlGo", plain<WmlGoDialog>()},
    {"WapViewer",
     [](Scene& s) {
       return std::make_unique<WmlViewer>(test::sampleCard(), TextCodec(TextEncoding::Utf8), s.home.path());
     }},
};

class WindowFits : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowFits, ShowsEveryLabelAndFieldWhole) {
  Scene scene;
  std::unique_ptr<QWidget> window = GetParam().open(scene);
  const QStringList problems = problemsIn(window.get());
  EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowFits, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace markloom
