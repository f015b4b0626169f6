// Card layout metrics from the installed fonts.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>

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

TEST(QtFontMetricsSizes, OptionButtonsAreAtLeastTheClassicHeight) {
  const QtFontMetrics metrics(96);
  EXPECT_GE(metrics.optionButtonHeight(), 17);
  EXPECT_GT(metrics.optionButtonHeight(), QFontMetrics(metrics.qtFont(metrics.defaultFont())).height());
}

}  // namespace
}  // namespace markloom::test
