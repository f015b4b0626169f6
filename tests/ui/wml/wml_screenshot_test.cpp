// The viewer as drawn: a sample card rendered offscreen, checked pixel by pixel.
#include <gtest/gtest.h>

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <memory>

#include "core/wml/wml_page.h"
#include "sample_card.h"
#include "ui/wml/link_label.h"
#include "ui/wml/wml_viewer.h"

namespace markloom::test {
namespace {

const QColor kBackground(0, 193, 97);

class WmlScreenshot : public ::testing::Test {
 protected:
  void SetUp() override {
    viewer = std::make_unique<WmlViewer>(sampleCard(), TextCodec(TextEncoding::Utf8), QString());
    viewer->show();
    shot = viewer->grab().toImage();
    ASSERT_EQ(viewer->frameGeometry().size(), QSize(199, 303));
    ASSERT_EQ(shot.size(), viewer->size());
  }
  QColor at(int x, int y) const { return shot.pixelColor(x, y); }
  // Pixels of the shot inside r that have exactly colour c.
  int count(const QRect& r, const QColor& c) const {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) n += at(x, y) == c ? 1 : 0;
    return n;
  }
  QList<QLabel*> textLabels() const {
    QList<QLabel*> out;
    for (QLabel* l : viewer->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
      if (!l->text().isEmpty()) out.append(l);
    return out;
  }

  std::unique_ptr<WmlViewer> viewer;
  QImage shot;
};

TEST_F(WmlScreenshot, BackgroundIsThePhoneGreen) {
  const int right = shot.width() - 1, bottom = shot.height() - 1;
  for (const QPoint p :
       {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom), QPoint(right - 5, 150)})
    EXPECT_EQ(at(p.x(), p.y()), kBackground) << p.x() << "," << p.y();
}

TEST_F(WmlScreenshot, RuleIsAGreyOutlinedWhiteBar) {
  QFrame* rule = nullptr;
  for (QFrame* f : viewer->findChildren<QFrame*>(Qt::FindDirectChildrenOnly))
    if (!qobject_cast<QLabel*>(f)) rule = f;
  ASSERT_NE(rule, nullptr);
  const QRect r = rule->geometry();
  EXPECT_EQ(r.x(), 2);
  EXPECT_EQ(r.size(), QSize(viewer->width() - 20, 3));
  const QColor grey(128, 128, 128), white(255, 255, 255);
  EXPECT_EQ(at(r.left(), r.top()), grey);
  EXPECT_EQ(at(r.right(), r.bottom()), grey);
  EXPECT_EQ(count(QRect(r.left(), r.top(), r.width(), 1), grey), r.width());
  EXPECT_EQ(count(QRect(r.left() + 1, r.top() + 1, r.width() - 2, 1), white), r.width() - 2);
  EXPECT_EQ(at(r.left() + 10, r.top() - 1), kBackground);
  EXPECT_EQ(at(r.left() + 10, r.bottom() + 1), kBackground);
}

TEST_F(WmlScreenshot, LinkIsLightGreenUnderlinedOnBlack) {
  LinkLabel* link = viewer->findChild<LinkLabel*>();
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->text(), "Next card");
  const QRect r = link->geometry();
  ASSERT_FALSE(r.isEmpty());
  const QColor black(0, 0, 0), green(170, 208, 153);
  EXPECT_EQ(count(r, kBackground), 0) << "the page shows through the link";
  EXPECT_GT(count(r, black), r.width() * r.height() / 2);
  // The underline: a row in the link colour across most of the text.
  int longest = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    longest = std::max(longest, count(QRect(r.left(), y, r.width(), 1), green));
  EXPECT_GT(longest, r.width() * 3 / 4);
}

TEST_F(WmlScreenshot, PlainTextIsDrawnInsideItsLabel) {
  for (QLabel* l : textLabels()) {
    if (l->text().trimmed().isEmpty() || qobject_cast<LinkLabel*>(l)) continue;
    const QRect r = l->geometry();
    EXPECT_LT(count(r, kBackground), r.width() * r.height()) << l->text().toStdString() << ": nothing drawn";
  }
}

TEST_F(WmlScreenshot, LabelsDoNotOverlap) {
  const auto labels = textLabels();
  ASSERT_GE(labels.size(), 5);
  for (int i = 0; i < labels.size(); ++i)
    for (int j = i + 1; j < labels.size(); ++j)
      EXPECT_FALSE(labels[i]->geometry().intersects(labels[j]->geometry()))
          << labels[i]->text().toStdString() << " and " << labels[j]->text().toStdString();
}

}  // namespace
}  // namespace markloom::test
