// The WML Preview button and the viewer it opens.
#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolBar>
#include <cstdlib>

#include "core/common/command_ids.h"
#include "core/wml/page_layout.h"
#include "document_fixture.h"
#include "sample_card.h"
#include "ui/wml/link_label.h"
#include "ui/wml/wml_viewer.h"

namespace markloom::test {
namespace {

class WmlPreview : public DocumentTest {
 protected:
  QList<WmlViewer*> viewers() const { return w.findChildren<WmlViewer*>(); }
  void preview(DocumentWindow* d) {
    QAction* a = d->optionsBar()->findChild<QAction*>(QString::fromUtf8(ids::kWmlPreview));
    ASSERT_NE(a, nullptr);
    a->trigger();
  }
  static void selectAll(DocumentWindow* d) {
    EditorOps& ops = d->document().editorOps();
    const int last = ops.lineCount() - 1;
    ops.select({0, 0}, {last, static_cast<int>(ops.line(last).size())});
  }
  // A document holding lines, all selected, previewed; the new viewer.
  WmlViewer* previewLines(const std::vector<std::string>& lines) {
    DocumentWindow* d = w.createDocument();
    d->document().editorOps().setLines(lines);
    selectAll(d);
    const auto before = viewers().size();
    preview(d);
    const auto now = viewers();
    if (now.size() != before + 1) return nullptr;
    for (WmlViewer* v : now)
      if (!seen_.contains(v)) seen_.append(v);
    return seen_.back();
  }
  static QList<QLabel*> textLabels(const QWidget* v) {
    QList<QLabel*> out;
    for (QLabel* l : v->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
      if (!l->text().isEmpty()) out.append(l);
    return out;
  }
  static QStringList texts(const QList<QLabel*>& labels) {
    QStringList out;
    for (const QLabel* l : labels) out << l->text();
    return out;
  }
  static QLabel* labelWithText(const QWidget* v, const QString& text) {
    for (QLabel* l : textLabels(v))
      if (l->text() == text) return l;
    return nullptr;
  }

  QList<WmlViewer*> seen_;
};

TEST_F(WmlPreview, EmptySelectionAsksForACardAndOpensNothing) {
  DocumentWindow* d = w.createDocument();
  prompter.answers.push_back(Prompter::Answer::Ok);
  preview(d);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Please select a WML card.  For example \neverything between <card> and </card> \nincluding these tags.");
  EXPECT_TRUE(viewers().isEmpty());
}

TEST_F(WmlPreview, EveryPreviewOpensItsOwnViewerOfTheSelection) {
  WmlViewer* first = previewLines(sampleCardLines());
  ASSERT_NE(first, nullptr);
  WmlViewer* second = previewLines({"<card title=\"Other\">just this</card>"});
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(viewers().size(), 2);
  EXPECT_TRUE(first->isVisible());
  EXPECT_TRUE(second->isVisible());
  EXPECT_TRUE(first->isWindow());
  EXPECT_EQ(first->objectName(), "WAPForm");
  EXPECT_TRUE(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_FALSE(first->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(first->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(first->frameGeometry().size(), QSize(199, 303));
  EXPECT_EQ(first->palette().color(QPalette::Window), QColor(0, 193, 97));
  EXPECT_EQ(first->windowTitle(), "Sample - WAP Viewer");
  EXPECT_EQ(second->windowTitle(), "Other - WAP Viewer");
  EXPECT_EQ(texts(textLabels(first)), QStringList({"Welcome", "Plain text here", "Next card", "Bold", " ", "end"}));
  EXPECT_EQ(texts(textLabels(second)), QStringList({"just this"}));
  EXPECT_EQ(first->findChildren<QLineEdit*>().size(), 1);
  EXPECT_EQ(first->findChildren<QRadioButton*>().size(), 2);
  // The work file still holds the last card previewed.
  EXPECT_EQ(bytesOf(home.file("waptmp.tmp")), "<card title=\"Other\">just this</card>");
}

TEST_F(WmlPreview, ClosingAViewerLeavesTheOthers) {
  WmlViewer* first = previewLines({"<card title=\"A\">a</card>"});
  WmlViewer* second = previewLines({"<card title=\"B\">b</card>"});
  ASSERT_TRUE(first && second);
  QPointer<WmlViewer> gone = first;
  first->close();
  settle();
  EXPECT_TRUE(gone.isNull());
  EXPECT_EQ(viewers(), QList<WmlViewer*>({second}));
}

TEST_F(WmlPreview, ClickOnALinkNamesItsTargetAndNothingElseDoes) {
  WmlViewer* v = previewLines(sampleCardLines());
  ASSERT_NE(v, nullptr);
  QLabel* plain = labelWithText(v, "Plain text here");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(qobject_cast<LinkLabel*>(plain), nullptr);
  QTest::mouseClick(plain, Qt::LeftButton);
  EXPECT_TRUE(prompter.messages.empty());

  auto* link = qobject_cast<LinkLabel*>(labelWithText(v, "Next card"));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  prompter.answers.push_back(Prompter::Answer::Ok);
  QTest::mouseClick(link, Qt::LeftButton);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Linking to \"#next\"");
  EXPECT_EQ(prompter.messages[0].icon, Prompter::Icon::Information);
  EXPECT_EQ(prompter.messages[0].buttons, Prompter::Buttons::Ok);
}

TEST_F(WmlPreview, LabelsShowTextAsWritten) {
  WmlViewer* v = previewLines({"<card>Tom &amp; Jerry &lt;b&gt;</card>"});
  ASSERT_NE(v, nullptr);
  QLabel* label = labelWithText(v, "Tom & Jerry <b>");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

struct LinkCase {
  const char* name;
  std::string card;
  QString link;    // the text of the one link label
  QString target;  // what a click on it names
  QString plain;   // a text beside it that is no link
};

std::ostream& operator<<(std::ostream& os, const LinkCase& c) { return os << c.name; }

class WmlPreviewLinks : public WmlPreview, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(WmlPreviewLinks, OnlyTheLinkTextSaysWhereItLeads) {
  WmlViewer* v = previewLines({GetParam().card});
  ASSERT_NE(v, nullptr);
  const auto links = v->findChildren<LinkLabel*>();
  ASSERT_EQ(links.size(), 1) << texts(textLabels(v)).join("|").toStdString();
  EXPECT_EQ(links[0]->text(), GetParam().link);
  QLabel* plain = labelWithText(v, GetParam().plain);
  ASSERT_NE(plain, nullptr) << texts(textLabels(v)).join("|").toStdString();
  EXPECT_EQ(qobject_cast<LinkLabel*>(plain), nullptr);
  prompter.answers.push_back(Prompter::Answer::Ok);
  QTest::mouseClick(links[0], Qt::LeftButton);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Linking to \"" + GetParam().target + "\"");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WmlPreviewLinks,
    ::testing::Values(LinkCase{"AnchorWithSelfClosingGo", "<card><anchor>News<go href=\"#news\"/></anchor> more</card>",
                               "News", "#news", " more"},
                      LinkCase{"AWithHref", "<card><a href=\"x.wml\">go</a> there</card>", "go", "x.wml", " there"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(WmlPreview, NeighbouringReferencesAndFields) {
  WmlViewer* v =
      previewLines({"<card>&Acirc;&deg;C and &Eacute;&copy;<input name=\"n\"/>x<input/>y<input name=\"z\"></card>"});
  ASSERT_NE(v, nullptr);
  EXPECT_NE(labelWithText(v, QString::fromUtf8("\xC3\x82\xC2\xB0"
                                               "C and \xC3\x89\xC2\xA9")),
            nullptr)
      << texts(textLabels(v)).join("|").toStdString();
  EXPECT_EQ(v->findChildren<QLineEdit*>().size(), 2);
}

// A wrapping label shows the lines it was measured for: as wide as its widest line, as high as they are.
TEST_F(WmlPreview, WrappedLabelsKeepTheirMeasuredLines) {
  WmlViewer* v =
      previewLines({"<card><i>Welcome y, sport WWW card quick weather end weather Welcome here quick</i>"
                    "<br/><small>Welcome mmm over jumps quick Welcome dog</small></card>"});
  ASSERT_NE(v, nullptr);
  const auto labels = textLabels(v);
  ASSERT_EQ(labels.size(), 2);
  const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
  for (QLabel* l : labels) {
    EXPECT_TRUE(l->wordWrap());
    // The lines the label draws in its own width are those of the wrap width.
    const QFontMetrics fm = l->fontMetrics();
    const QRect measured = fm.boundingRect(QRect(0, 0, v->width() - 18, 10000), flags, l->text());
    EXPECT_EQ(fm.boundingRect(QRect(0, 0, l->width(), 10000), flags, l->text()), measured) << l->text().toStdString();
    EXPECT_EQ(l->height(), measured.height()) << l->text().toStdString();
  }
}

TEST_F(WmlPreview, OpensCentredOnTheMainWindow) {
  for (const QRect& main : {QRect(40, 30, 600, 450), QRect(150, 100, 500, 420)}) {
    w.setGeometry(main);
    WmlViewer* v = previewLines({"<card>x</card>"});
    ASSERT_NE(v, nullptr);
    const QPoint off = v->frameGeometry().center() - w.frameGeometry().center();
    EXPECT_LE(std::abs(off.x()), 1) << off.x();
    EXPECT_LE(std::abs(off.y()), 1) << off.y();
  }
}

TEST_F(WmlPreview, StaysOnTheScreenWhenTheMainWindowIsPartlyOff) {
  const QRect area = w.screen()->availableGeometry();
  w.setGeometry(area.right() - 100, area.bottom() - 80, 400, 300);
  WmlViewer* v = previewLines({"<card>x</card>"});
  ASSERT_NE(v, nullptr);
  EXPECT_TRUE(area.contains(v->frameGeometry())) << v->frameGeometry().x() << "," << v->frameGeometry().y();
}

TEST_F(WmlPreview, OptionsFormOneGroup) {
  WmlViewer* v = previewLines(sampleCardLines());
  ASSERT_NE(v, nullptr);
  const auto options = v->findChildren<QRadioButton*>();
  ASSERT_EQ(options.size(), 2);
  EXPECT_EQ(options[0]->text(), "One");
  EXPECT_EQ(options[1]->text(), "Two");
  options[0]->click();
  options[1]->click();
  EXPECT_FALSE(options[0]->isChecked());
  ASSERT_NE(options[0]->group(), nullptr);
  EXPECT_EQ(options[0]->group(), options[1]->group());
}

TEST_F(WmlPreview, EightBitDocumentIsReadThroughItsCodec) {
  home.write("card.wml", "<card title=\"Caf\xE9\">d\xE9j\xE0 <go href=\"\x80\">x</go></card>");
  DocumentWindow* d = w.createDocument();
  d->loadFile(home.file("card.wml"));
  ASSERT_EQ(d->document().codec().encoding(), TextEncoding::EightBit);
  selectAll(d);
  preview(d);
  ASSERT_EQ(viewers().size(), 1);
  WmlViewer* v = viewers()[0];
  EXPECT_EQ(v->windowTitle(), QString::fromUtf8("Caf\xC3\xA9 - WAP Viewer"));
  EXPECT_NE(labelWithText(v, QString::fromUtf8("d\xC3\xA9j\xC3\xA0 ")), nullptr)
      << texts(textLabels(v)).join("|").toStdString();
  auto* link = qobject_cast<LinkLabel*>(labelWithText(v, "x"));
  ASSERT_NE(link, nullptr);
  prompter.answers.push_back(Prompter::Answer::Ok);
  QTest::mouseClick(link, Qt::LeftButton);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, QString::fromUtf8("Linking to \"\xE2\x82\xAC\""));
}

TEST_F(WmlPreview, PicturesAreFoundBesideTheDocument) {
  ASSERT_TRUE(QDir(home.path()).mkpath("site/pics"));
  QImage dot(5, 7, QImage::Format_RGB32);
  dot.fill(QColor(255, 0, 0));
  ASSERT_TRUE(dot.save(home.file("site/pics/dot.png")));
  home.write("site/phone.wbmp", QByteArray("\0\0\x08\x04\xFF\xFF\xFF\xFF", 8));
  home.write("site/card.wml", "<card>a<img src=\"pics/dot.png\" src=\"phone.wbmp\" src=\"gone.gif\">after</card>");
  DocumentWindow* d = w.createDocument();
  d->loadFile(home.file("site/card.wml"));
  selectAll(d);
  preview(d);
  ASSERT_EQ(viewers().size(), 1);
  WmlViewer* v = viewers()[0];

  QList<QLabel*> pictures;
  for (QLabel* l : v->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
    if (l->text().isEmpty()) pictures.append(l);
  ASSERT_EQ(pictures.size(), 3);
  QLabel* a = labelWithText(v, "a");
  ASSERT_NE(a, nullptr);
  // In a row at the pen, each as big as its picture; the marker stands for the missing one.
  EXPECT_EQ(pictures[0]->geometry(), QRect(a->geometry().right() + 1, a->y(), 5, 7));
  EXPECT_EQ(pictures[0]->pixmap().toImage().pixelColor(2, 3), QColor(255, 0, 0));
  EXPECT_EQ(pictures[1]->geometry(), QRect(pictures[0]->geometry().right() + 1, a->y(), 8, 4));
  EXPECT_TRUE(pictures[1]->autoFillBackground());
  EXPECT_EQ(pictures[1]->palette().color(QPalette::Window), QColor(192, 192, 192));
  EXPECT_EQ(pictures[2]->geometry(),
            QRect(pictures[1]->geometry().right() + 1, a->y(), kMissingPictureSize, kMissingPictureSize));
  EXPECT_EQ(pictures[2]->toolTip(), "gone.gif");
  // Found or not, each picture's tip is its source value as written.
  EXPECT_EQ(pictures[0]->toolTip(), "pics/dot.png");
  EXPECT_EQ(pictures[1]->toolTip(), "phone.wbmp");
  QLabel* after = labelWithText(v, "after");
  ASSERT_NE(after, nullptr);
  EXPECT_EQ(after->x(), pictures[2]->geometry().right() + 1);
}

TEST_F(WmlPreview, UntitledDocumentFindsOnlyAbsolutePictures) {
  QImage dot(3, 3, QImage::Format_RGB32);
  dot.fill(Qt::blue);
  ASSERT_TRUE(dot.save(home.file("dot.png")));
  const std::string absolute = QFile::encodeName(home.file("dot.png")).toStdString();
  WmlViewer* v = previewLines({"<img src=\"dot.png\" src=\"" + absolute + "\">"});
  ASSERT_NE(v, nullptr);
  const auto pictures = v->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
  ASSERT_EQ(pictures.size(), 2);
  EXPECT_EQ(pictures[0]->toolTip(), "dot.png");  // the marker of a relative value with no folder
  EXPECT_EQ(pictures[1]->size(), QSize(3, 3));
}

}  // namespace
}  // namespace markloom::test
