// The scheme editor and the "Syntax Highlighting" window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/common/command_ids.h"
#include "core/highlighting/scheme_file.h"
#include "platform/editor/scheme_lexer.h"
#include "support/scripted_prompter.h"
#include "support/temp_home.h"
#include "ui/app/main_window.h"
#include "ui/document/document_window.h"
#include "ui/highlighting/highlighting_options_window.h"
#include "ui/highlighting/scheme_editor.h"

namespace markloom::test {
namespace {

class SchemeEditing : public ::testing::Test {
 protected:
  SyntaxScheme delivered(const char* file) {
    return readSchemeFile(QFile::encodeName(home.file(QStringLiteral("Extensions/schemes/") + file)).toStdString());
  }
  template <class T>
  T* child(const char* name) {
    T* w = editor.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void click(const char* button) { child<QPushButton>(button)->click(); }

  TempHome home;
  ScriptedPrompter prompter;
  SchemeEditor editor{defaultScheme(), home.file("Extensions/schemes")};
};

TEST_F(SchemeEditing, ShowsAndGivesBackTheSchemeItWasGiven) {
  EXPECT_EQ(editor.scheme(), defaultScheme());
  for (const char* file : {"python.sch", "vbsinhtml.sch", "css2.sch"}) {
    const SyntaxScheme s = delivered(file);
    editor.setScheme(s);
    EXPECT_EQ(editor.scheme(), s) << file;
  }
  // The tree shows the nesting: Style inside CSS inside Default.
  editor.setScheme(defaultScheme());
  auto* tree = child<QTreeWidget>("BlockTree");
  ASSERT_EQ(tree->topLevelItemCount(), 1);
  QTreeWidgetItem* root = tree->topLevelItem(0);
  EXPECT_EQ(root->text(0), "Default");
  ASSERT_EQ(root->childCount(), 5);
  EXPECT_EQ(root->child(4)->text(0), "CSS");
  ASSERT_EQ(root->child(4)->childCount(), 1);
  EXPECT_EQ(root->child(4)->child(0)->text(0), "Style");
}

TEST_F(SchemeEditing, FieldsChangeTheSelectedBlock) {
  editor.selectBlock(4);  // JS
  auto* name = child<QLineEdit>("BlockName");
  name->selectAll();
  QTest::keyClicks(name, "Script");
  child<QLineEdit>("LineComments")->setText("// #");
  emit child<QLineEdit>("LineComments")->textEdited("// #");
  child<QCheckBox>("CaseSensitive")->setChecked(true);
  const SchemeBlock& js = editor.scheme().blocks[4];
  EXPECT_EQ(js.name, "Script");
  EXPECT_EQ(js.lineComments, (std::vector<std::string>{"//", "#"}));
  EXPECT_TRUE(js.caseSensitive);
  EXPECT_EQ(js.delimiters, defaultScheme().blocks[4].delimiters);  // untouched fields stay
  EXPECT_EQ(child<QTreeWidget>("BlockTree")->currentItem()->text(0), "Script");

  // Styles of the same block: colour through the colour chooser, bold and italic.
  child<QListWidget>("StyleClasses")->setCurrentRow(static_cast<int>(TokenClass::Keyword));
  prompter.colors.push_back(QColor(0x12, 0x34, 0x56));
  click("StyleColour");
  child<QCheckBox>("Bold")->setChecked(false);
  child<QCheckBox>("Italic")->setChecked(true);
  EXPECT_EQ(editor.scheme().blocks[4].styles[static_cast<int>(TokenClass::Keyword)],
            (TokenStyle{0x123456, false, true}));
}

TEST_F(SchemeEditing, AddAndRemoveBlocks) {
  editor.selectBlock(5);  // CSS, which holds Style
  click("AddBlockButton");
  ASSERT_EQ(editor.scheme().blocks.size(), 8u);
  const int added = editor.currentBlock();
  EXPECT_EQ(editor.scheme().blocks[static_cast<std::size_t>(added)].parent, 5);
  editor.selectBlock(5);
  click("RemoveBlockButton");  // CSS goes with both blocks inside it
  ASSERT_EQ(editor.scheme().blocks.size(), 5u);
  for (const SchemeBlock& b : editor.scheme().blocks) EXPECT_NE(b.name, "Style");
  editor.selectBlock(0);
  EXPECT_FALSE(child<QPushButton>("RemoveBlockButton")->isEnabled());  // the outermost block stays
}

TEST_F(SchemeEditing, SaveLoadAndClear) {
  const QString path = home.file("Extensions/schemes/mine.sch");
  editor.selectBlock(1);
  child<QCheckBox>("Numbers")->setChecked(false);
  const SyntaxScheme edited = editor.scheme();
  prompter.fileNames.push_back(path);
  click("SaveButton");  // never saved: asks for a name
  ASSERT_EQ(prompter.fileCaptions.size(), 1);
  EXPECT_EQ(readSchemeFile(QFile::encodeName(path).toStdString()), edited);

  click("ClearButton");
  ASSERT_EQ(editor.scheme().blocks.size(), 1u);
  EXPECT_TRUE(editor.fileName().isEmpty());

  prompter.fileNames.push_back(path);
  click("LoadButton");
  EXPECT_EQ(editor.scheme(), edited);
  EXPECT_EQ(prompter.lastFilter.left(14), "Syntax schemes");

  // A damaged file: the error is shown and the scheme stays.
  home.write("Extensions/schemes/bad.sch", "object Scheme\r\nend\r\n");
  prompter.fileNames.push_back(home.file("Extensions/schemes/bad.sch"));
  click("LoadButton");
  EXPECT_EQ(editor.scheme(), edited);
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_TRUE(prompter.errors[0].startsWith("Can't read syntax scheme from file \""))
      << prompter.errors[0].toStdString();
}

// With a shipped folder the user cannot write, Save of a shipped scheme
// writes the user's copy of the same name, and Save As proposes the user's folder.
TEST_F(SchemeEditing, SchemesOfTheShippedFolderAreSavedToTheUsersOwn) {
  const QString shipped = home.file("Extensions/schemes");
  const QString own = home.file("own/schemes");
  editor.setSaveFolder(shipped, own);
  const QByteArray original = home.read("Extensions/schemes/perl.sch");
  prompter.fileNames.push_back(shipped + "/perl.sch");
  click("LoadButton");
  editor.selectBlock(0);
  child<QCheckBox>("Numbers")->setChecked(!child<QCheckBox>("Numbers")->isChecked());
  const SyntaxScheme edited = editor.scheme();
  click("SaveButton");
  EXPECT_TRUE(prompter.errors.isEmpty()) << prompter.errors.join("\n").toStdString();
  EXPECT_EQ(home.read("Extensions/schemes/perl.sch"), original);
  EXPECT_EQ(readSchemeFile(QFile::encodeName(own + "/perl.sch").toStdString()), edited);
  EXPECT_EQ(editor.fileName(), own + "/perl.sch");

  click("ClearButton");
  prompter.fileNames.push_back("");  // Cancel
  editor.saveAs();
  EXPECT_EQ(prompter.lastProposed, own + "/untitled.sch");
}

TEST(HighlightingOptions, WindowIsNonModalOfItsOwnAndEachUseOpensAnother) {
  TempHome home;
  ScriptedPrompter prompter;
  MainWindow w;
  w.show();
  DocumentWindow* d = w.createDocument();
  QAction* command = w.action(ids::kHighlightingOptions);
  ASSERT_NE(command, nullptr);
  command->trigger();
  command->trigger();
  const auto windows = w.findChildren<HighlightingOptionsWindow*>();
  ASSERT_EQ(windows.size(), 2);
  HighlightingOptionsWindow* options = windows[0];
  EXPECT_EQ(options->windowTitle(), "Syntax Highlighting");
  EXPECT_FALSE(options->isModal());
  EXPECT_EQ(options->size(), QSize(586, 374));
  EXPECT_EQ(options->editor()->geometry(), QRect(8, 8, 570, 325));
  EXPECT_EQ(options->editor()->scheme(), defaultScheme());

  // Saved as the Default file, the scheme reaches the document only when
  // its Highlighters entry is chosen again.
  options->editor()->selectBlock(0);
  auto* name = options->editor()->findChild<QLineEdit*>("BlockName");
  name->setText("Page");
  emit name->textEdited("Page");
  prompter.fileNames.push_back(home.file("Extensions/schemes/main-scheme.sch"));
  options->editor()->saveAs();
  EXPECT_EQ(d->lexer()->scheme(), defaultScheme());
  emit d->highlighterBox()->textActivated("Default");
  EXPECT_EQ(d->lexer()->scheme().blocks[0].name, "Page");

  options->findChild<QPushButton*>("DoneButton")->click();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(w.findChildren<HighlightingOptionsWindow*>().size(), 1);
}

}  // namespace
}  // namespace markloom::test
