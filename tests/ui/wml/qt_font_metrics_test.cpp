// Card layout metrics from the installed fonts.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QTextLayout>

#include "platform/wml/qt_font_metrics.h"

namespace markloom::test {
namespace {

// The size a plain label of text in font asks for.
QSize labelHint(const QString& text, const QFont& font) {
  QLabel label(text);
  label.setFont(font);
  return label.sizeHint();
}

QSize asQSize(PixelSize s) { return {s.width, s.height}; }

struct FamilyCase {
  const char* name;
  WmlFont font;
  int dpi;
  const char* family;
  int pixels;
};

class QtFontMetricsFonts : public ::testing::TestWithParam<FamilyCase> {};

// The fonts cards are shown in come from the metric-compatible Liberation faces.
TEST_P(QtFontMetricsFonts, ResolveToInstalledFacesAtTheLayoutsPixelSize) {
  const QtFontMetrics metrics(GetParam().dpi);
  const QFontInfo info(metrics.qtFont(GetParam().font));
  EXPECT_EQ(info.family(), GetParam().family);
  EXPECT_EQ(info.pixelSize(), GetParam().pixels);
  EXPECT_EQ(info.bold(), GetParam().font.bold);
  EXPECT_EQ(info.italic(), GetParam().font.italic);
}

INSTANTIATE_TEST_SUITE_P(Cases, QtFontMetricsFonts,
                         ::testing::Values(FamilyCase{"Arial10", {"Arial", 10}, 96, "Liberation Sans", 13},
                                           FamilyCase{"ArialBig", {"Arial", 24, true}, 96, "Liberation Sans", 32},
                                           FamilyCase{
                                               "ArialSmallItalic", {"Arial", 7, false, true}, 96, "Liberation Sans", 9},
                                           FamilyCase{"Courier", {"Courier", 10}, 96, "Liberation Mono", 13},
                                           FamilyCase{"ArialAt120", {"Arial", 10}, 120, "Liberation Sans", 17}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(QtFontMetricsSizes, BlankHasItsWidth) {
  const QtFontMetrics metrics(96);
  const WmlFont arial{"Arial", 10};
  const QFontMetrics fm(metrics.qtFont(arial));
  const PixelSize blank = metrics.labelSize(" ", arial, 181);
  EXPECT_EQ(blank.width, fm.horizontalAdvance(' '));
  EXPECT_GT(blank.width, 0);
  EXPECT_EQ(blank.height, fm.height());
}

TEST(QtFontMetricsSizes, WrapsWordsWithinTheWidthAndNeverWrapsWithout) {
  const QtFontMetrics metrics(96);
  const WmlFont arial{"Arial", 10};
  const QFontMetrics fm(metrics.qtFont(arial));
  const std::string words = "one two three four five six seven eight nine ten eleven twelve";
  const PixelSize wrapped = metrics.labelSize(words, arial, 100);
  EXPECT_LE(wrapped.width, 100);
  EXPECT_GT(wrapped.width, 50);
  EXPECT_GE(wrapped.height, 3 * fm.lineSpacing());
  const PixelSize single = metrics.labelSize(words, arial, 0);
  EXPECT_EQ(asQSize(single), labelHint(QString::fromStdString(words), metrics.qtFont(arial)));
  const PixelSize twoLines = metrics.labelSize("one\ntwo", arial, 0);
  EXPECT_EQ(twoLines.height, fm.height() + fm.lineSpacing());
}

// What is measured is what a label in that font shows.
TEST(QtFontMetricsSizes, AgreesWithALabelsOwnSize) {
  const QtFontMetrics metrics(96);
  for (const WmlFont& font :
       {WmlFont{"Arial", 10}, WmlFont{"Arial", 24, true}, WmlFont{"Courier", 10, false, false, true}}) {
    EXPECT_EQ(asQSize(metrics.labelSize("Next card", font, 0)), labelHint("Next card", metrics.qtFont(font)))
        << font.family << " " << font.points;
  }
}

TEST(QtFontMetricsSizes, MeasuresUtf8Text) {
  const QtFontMetrics metrics(96);
  const WmlFont arial{"Arial", 10};
  EXPECT_EQ(asQSize(metrics.labelSize("\xE2\x80\x94\xE2\x80\x94", arial, 0)),
            labelHint(QString::fromUtf8("\xE2\x80\x94\xE2\x80\x94"), metrics.qtFont(arial)));
}

// The lines text wraps into within width, the blank at each break left out.
QStringList wrappedLines(QString text, const QFont& font, int width) {
  text.replace('\n', QChar::LineSeparator);
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  QStringList lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    lines << text.mid(line.textStart(), line.textLength());
  }
  layout.endLayout();
  for (int i = 0; i < lines.size(); ++i) {
    if (lines[i].endsWith(QChar::LineSeparator)) lines[i].chop(1);
    while (i + 1 < lines.size() && lines[i].endsWith(' ')) lines[i].chop(1);
  }
  return lines;
}

struct WrapCase {
  const char* name;
  WmlFont font;
  const char* text;
};

class QtFontMetricsWrapped : public ::testing::TestWithParam<WrapCase> {};

// A wrapping label is as wide as its widest line shown alone, and a label of
// that size breaks the text into the lines it was measured for.
TEST_P(QtFontMetricsWrapped, LabelIsAsWideAsItsWidestLineAndWrapsTheSame) {
  const QtFontMetrics metrics(96);
  const WmlFont& font = GetParam().font;
  const QFont qfont = metrics.qtFont(font);
  const QFontMetrics fm(qfont);
  const QString text = QString::fromUtf8(GetParam().text);
  const int wrapWidth = 181;
  const PixelSize size = metrics.labelSize(GetParam().text, font, wrapWidth);
  ASSERT_LE(size.width, wrapWidth);

  int widest = 0;
  for (const QString& line : wrappedLines(text, qfont, wrapWidth))
    widest = std::max(widest, metrics.labelSize(line.toStdString(), font, 0).width);
  EXPECT_EQ(size.width, std::min(widest, wrapWidth));

  const int flags = QtFontMetrics::labelFlags(true);
  const QRect atWrapWidth = fm.boundingRect(QRect(0, 0, wrapWidth, 10000), flags, text);
  EXPECT_EQ(fm.boundingRect(QRect(0, 0, size.width, 10000), flags, text).height(), atWrapWidth.height());
  EXPECT_EQ(size.height, atWrapWidth.height());
  QLabel label(text);
  label.setFont(qfont);
  label.setWordWrap(true);
  EXPECT_EQ(label.heightForWidth(size.width), size.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtFontMetricsWrapped,
    ::testing::Values(
        WrapCase{"OneLine", {"Arial", 10}, "Plain text here "},
        WrapCase{"SmallBold", {"Arial", 7, true}, "Welcome mmm over jumps quick Welcome dog"},
        WrapCase{"SmallBoldTwoLines",
                 {"Arial", 7, true},
                 "Bold news mmm iii jumps iii Bold quick text card over text Next quick"},
        WrapCase{"SmallBoldLongLines", {"Arial", 7, true}, "card WWW iii fox Plain dog the dog quick text Next Bold"},
        WrapCase{"SmallItalic", {"Arial", 7, false, true}, "Next fox quick news mmm text fox end card jumps"},
        WrapCase{"Italic",
                 {"Arial", 10, false, true},
                 "Welcome y, sport WWW card quick weather end weather Welcome here quick"},
        WrapCase{
            "ItalicShortWord", {"Arial", 10, false, true}, "quick Bold mmm the jumps over brown news end dog j Next"},
        WrapCase{"Bold13", {"Arial", 13, true}, "Bold mmm weather end quick lazy j text over end over quick end"},
        WrapCase{"BoldItalic13", {"Arial", 13, true, true}, "end fox news fox Plain fox dog"},
        WrapCase{"Big", {"Arial", 24, true}, "Welcome to the news"},
        WrapCase{"WordWiderThanTheWidth", {"Arial", 24, true}, "Internationalisation"},
        WrapCase{"LineFeeds", {"Arial", 10}, "one two three four five six seven eight\nnine ten"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(QtFontMetricsSizes, OptionButtonsAreAtLeastTheClassicHeight) {
  const QtFontMetrics metrics(96);
  EXPECT_GE(metrics.optionButtonHeight(), 17);
  EXPECT_GT(metrics.optionButtonHeight(), QFontMetrics(metrics.qtFont(metrics.defaultFont())).height());
}

}  // namespace
}  // namespace markloom::test
