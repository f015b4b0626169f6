// markloom-cli wml-layout, run as a process on cards in a temporary folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "cli_run.h"
#include "core/analysis/tag_tokenizer.h"
#include "core/wml/page_json.h"
#include "core/wml/page_layout.h"
#include "platform/wml/qt_font_metrics.h"
#include "platform/wml/qt_picture_source.h"
#include "temp_home.h"
#include "ui/wml/sample_card.h"

namespace markloom {
namespace {

using test::CliRun;

class WmlLayoutCli : public ::testing::Test {
 protected:
  QString file(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.path() + "/" + name;
    test::writeBytes(path, bytes);
    return path;
  }
  QString sample() { return file("sample.wml", QByteArray::fromStdString(test::sampleCard())); }
  static QList<QJsonObject> lines(const QByteArray& out) {
    QList<QJsonObject> objects;
    for (const QByteArray& line : out.split('\n')) {
      if (line.isEmpty()) continue;
      QJsonParseError error;
      const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
      EXPECT_EQ(error.error, QJsonParseError::NoError) << line.constData();
      objects.append(doc.object());
    }
    return objects;
  }
  static QStringList kinds(const QList<QJsonObject>& objects) {
    QStringList out;
    for (const auto& o : objects) out << o["kind"].toString();
    return out;
  }

  QTemporaryDir dir_;
};

TEST_F(WmlLayoutCli, SampleCardGivesTheWindowThenEveryItem) {
  const CliRun r = test::runCli({"wml-layout", sample()});
  ASSERT_EQ(r.exitCode, 0) << r.err.constData();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
  const auto items = lines(r.out);
  EXPECT_EQ(kinds(items), QStringList({"window", "label", "label", "label", "rule", "text-field", "option", "option",
                                       "label", "label", "label"}));
  ASSERT_EQ(items.size(), 11);
  EXPECT_EQ(items[0]["text"].toString(), "Sample - WAP Viewer");
  EXPECT_EQ(items[0]["w"].toInt(), 199);
  EXPECT_EQ(items[0]["h"].toInt(), 303);
  EXPECT_TRUE(items[0]["font"].isNull());

  const QJsonObject welcome = items[1];
  EXPECT_EQ(welcome["text"].toString(), "Welcome");
  EXPECT_EQ(welcome["x"].toInt(), 2);
  EXPECT_EQ(welcome["y"].toInt(), 2);
  const QJsonObject big = welcome["font"].toObject();
  EXPECT_EQ(big["family"].toString(), "Arial");
  EXPECT_EQ(big["points"].toInt(), 24);
  EXPECT_TRUE(big["bold"].toBool());
  EXPECT_TRUE(welcome["link"].isNull());
  // Measured, not made up: the big text is taller than the 32-pixel font, and
  // the closing BIG adds the label's height and then Arial 10's 13 pixels.
  EXPECT_GT(welcome["h"].toInt(), 32);
  EXPECT_GT(welcome["w"].toInt(), 7 * 10);
  EXPECT_EQ(items[2]["y"].toInt(), 2 + welcome["h"].toInt() + 13);
  EXPECT_EQ(items[3]["text"].toString(), "Next card");
  EXPECT_EQ(items[3]["link"].toString(), "#next");
  EXPECT_TRUE(items[3]["font"].toObject()["underline"].toBool());
  EXPECT_EQ(items[4]["w"].toInt(), 179);
  EXPECT_EQ(items[4]["h"].toInt(), 3);
  EXPECT_EQ(items[6]["text"].toString(), "One");
  // Texts on one line follow each other.
  EXPECT_EQ(items[9]["x"].toInt(), items[8]["x"].toInt() + items[8]["w"].toInt());
  EXPECT_EQ(items[9]["text"].toString(), " ");
  EXPECT_GT(items[9]["w"].toInt(), 0);
}

// The same fonts give the same page in the program and here.
TEST_F(WmlLayoutCli, AgreesWithTheViewersLayoutAtTheSameResolution) {
  for (const int dpi : {96, 120}) {
    const CliRun r = test::runCli({"wml-layout", sample(), "--dpi", QString::number(dpi)});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QtFontMetrics metrics(dpi);
    QtPictureSource pictures(dir_.path());
    const WmlPage page =
        layOutPage(tokenizeBytes(test::sampleCard()), PageSetup{metrics, pictures, TextCodec(), 199, 303});
    EXPECT_EQ(r.out.toStdString(), pageJson(page)) << dpi;
  }
}

// The file is read in pieces of 64 KB: a tag, a character or the codec's
// evidence cut between two pieces gives the page the whole text gives.
TEST_F(WmlLayoutCli, TagsAndCharactersCutBetweenReadPiecesLayOutAsWhole) {
  constexpr int kPiece = 1 << 16;
  const std::string tail = "<card title=\"Caf\xC3\xA9\"><b>bold \xE2\x80\x9Cq\xE2\x80\x9D</b><br/>end</card>";
  struct Case {
    const char* name;
    int cutInside;          // how far into the tail the piece boundary falls
    std::string lateBytes;  // after the tail: decides the codec
  };
  const std::vector<Case> cases = {
      {"the boundary at the tag's '<'", 0, ""},
      {"inside the card tag", 7, ""},
      {"inside a two-byte character", 17, ""},
      {"inside a three-byte character", 29, ""},
      {"an 8-bit byte after the boundary", 7, "<p>caf\xE9</p>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string page(kPiece - c.cutInside, 'w');
    for (std::size_t i = 80; i < page.size(); i += 81) page[i] = ' ';
    page += tail + c.lateBytes;
    const CliRun r = test::runCli({"wml-layout", file("cut.wml", QByteArray::fromStdString(page))});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QtFontMetrics metrics(96);
    QtPictureSource pictures(dir_.path());
    const WmlPage whole =
        layOutPage(tokenizeBytes(page), PageSetup{metrics, pictures, TextCodec::detect(page), 199, 303});
    EXPECT_EQ(r.out.toStdString(), pageJson(whole));
  }
}

TEST_F(WmlLayoutCli, HigherResolutionGivesBiggerText) {
  const auto at96 = lines(test::runCli({"wml-layout", sample()}).out);
  const auto at144 = lines(test::runCli({"wml-layout", sample(), "--dpi", "144"}).out);
  ASSERT_EQ(at96.size(), at144.size());
  ASSERT_GT(at96.size(), 2);
  EXPECT_GT(at144[2]["h"].toInt(), at96[2]["h"].toInt() * 4 / 3);
  EXPECT_GT(at144[2]["w"].toInt(), at96[2]["w"].toInt() * 4 / 3);
}

TEST_F(WmlLayoutCli, EightBitFileIsReadAsWindows1252) {
  const CliRun r = test::runCli({"wml-layout", file("card.wml", "<card title=\"Caf\xE9\">\x93x\x94</card>")});
  ASSERT_EQ(r.exitCode, 0) << r.err.constData();
  const auto items = lines(r.out);
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]["text"].toString(), QString::fromUtf8("Caf\xC3\xA9 - WAP Viewer"));
  EXPECT_EQ(items[1]["text"].toString(), QString::fromUtf8("\xE2\x80\x9Cx\xE2\x80\x9D"));
}

TEST_F(WmlLayoutCli, PicturesAreLookedUpBesideTheFile) {
  QImage dot(6, 4, QImage::Format_RGB32);
  dot.fill(Qt::red);
  ASSERT_TRUE(dot.save(dir_.path() + "/dot.png"));
  file("phone.wbmp", QByteArray("\0\0\x08\x04\xFF\xFF\xFF\xFF", 8));
  const CliRun r =
      test::runCli({"wml-layout", file("card.wml", "<img src=\"dot.png\" src=\"phone.wbmp\" src=\"http://x/y.gif\">")});
  ASSERT_EQ(r.exitCode, 0) << r.err.constData();
  const auto items = lines(r.out);
  EXPECT_EQ(kinds(items), QStringList({"window", "picture", "picture-box", "missing-picture"}));
  ASSERT_EQ(items.size(), 4);
  // Found or not, the text is the source value as written; a found picture's file is its path.
  EXPECT_EQ(items[1]["text"].toString(), "dot.png");
  EXPECT_EQ(items[1]["path"].toString(), dir_.path() + "/dot.png");
  EXPECT_EQ(items[1]["w"].toInt(), 6);
  EXPECT_EQ(items[1]["h"].toInt(), 4);
  EXPECT_EQ(items[2]["x"].toInt(), 8);
  EXPECT_EQ(items[2]["w"].toInt(), 8);
  EXPECT_EQ(items[2]["text"].toString(), "phone.wbmp");
  EXPECT_EQ(items[2]["path"].toString(), dir_.path() + "/phone.wbmp");
  EXPECT_EQ(items[3]["x"].toInt(), 16);
  EXPECT_EQ(items[3]["text"].toString(), "http://x/y.gif");
  EXPECT_TRUE(items[3]["path"].isNull());
  EXPECT_TRUE(items[0]["path"].isNull());
}

struct CardCase {
  const char* name;
  QByteArray card;
  QStringList texts;  // the labels' texts in order
  QStringList links;  // each label's link target; "-" for none
};

std::ostream& operator<<(std::ostream& os, const CardCase& c) { return os << c.name; }

class WmlLayoutCliCards : public WmlLayoutCli, public ::testing::WithParamInterface<CardCase> {};

// The command lays out as the viewer does: the same table runs through layOutPage here.
TEST_P(WmlLayoutCliCards, LabelsAndLinks) {
  const CliRun r = test::runCli({"wml-layout", file("card.wml", GetParam().card)});
  ASSERT_EQ(r.exitCode, 0) << r.err.constData();
  QStringList texts, links;
  for (const QJsonObject& o : lines(r.out)) {
    if (o["kind"].toString() != "label") continue;
    texts << o["text"].toString();
    links << (o["link"].isNull() ? QString("-") : o["link"].toString());
  }
  EXPECT_EQ(texts, GetParam().texts);
  EXPECT_EQ(links, GetParam().links);

  const QtFontMetrics metrics(96);
  QtPictureSource pictures(dir_.path());
  const std::string bytes = GetParam().card.toStdString();
  const WmlPage page =
      layOutPage(tokenizeBytes(bytes), PageSetup{metrics, pictures, TextCodec::detect(bytes), 199, 303});
  EXPECT_EQ(r.out.toStdString(), pageJson(page));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WmlLayoutCliCards,
    ::testing::Values(CardCase{"NeighbouringReferences",
                               "<card>&Acirc;&deg;C and &Eacute;&copy;</card>",
                               {QString::fromUtf8("\xC3\x82\xC2\xB0"
                                                  "C and \xC3\x89\xC2\xA9")},
                               {"-"}},
                      CardCase{"AnchorWithSelfClosingGo",
                               "<card><anchor>News<go href=\"#news\"/></anchor> more</card>",
                               {"News", " more"},
                               {"#news", "-"}},
                      CardCase{"UnclosedAnchorAtTheEndOfTheFile", "<anchor>News<go href=\"#n\"/>", {"News"}, {"#n"}},
                      CardCase{"LinkOfAnA", "<card><a href=\"x.wml\">go</a></card>", {"go"}, {"x.wml"}}),
    [](const auto& row) { return std::string(row.param.name); });

struct ErrorCase {
  const char* name;
  QStringList args;
  int exitCode;
  const char* message;
};

class WmlLayoutCliErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(WmlLayoutCliErrors, ExitNonZeroWithAMessage) {
  const CliRun r = test::runCli(GetParam().args);
  EXPECT_EQ(r.exitCode, GetParam().exitCode);
  EXPECT_TRUE(r.out.isEmpty()) << r.out.constData();
  EXPECT_TRUE(r.err.contains(GetParam().message)) << r.err.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WmlLayoutCliErrors,
    ::testing::Values(ErrorCase{"NoFile", {"wml-layout"}, 2, "usage: markloom-cli wml-layout FILE [--dpi N]"},
                      ErrorCase{"TwoFiles", {"wml-layout", "a", "b"}, 2, "usage:"},
                      ErrorCase{"UnknownOption", {"wml-layout", "a", "--size"}, 2, "usage:"},
                      ErrorCase{"MissingFile", {"wml-layout", "/nonexistent/card.wml"}, 2, "/nonexistent/card.wml"},
                      ErrorCase{"DpiNotANumber", {"wml-layout", "a", "--dpi", "x"}, 2, "--dpi"},
                      ErrorCase{"DpiZero", {"wml-layout", "a", "--dpi", "0"}, 2, "--dpi"},
                      ErrorCase{"DpiMissing", {"wml-layout", "a", "--dpi"}, 2, "usage:"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(WmlLayoutCli, OutputThatCannotBeWrittenExitsOne) {
  if (!QFile::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  QProcess p;
  p.setStandardOutputFile("/dev/full");
  p.start(test::binDir() + "/markloom-cli", {"wml-layout", sample()});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(p.exitCode(), 1);
  EXPECT_TRUE(p.readAllStandardError().contains("cannot write"));
}

}  // namespace
}  // namespace markloom
