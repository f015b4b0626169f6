// The visual layer creator: layers made with the colour chooser, moved and
// resized with the mouse on whole pixels. What Insert writes is tested with
// the commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QGraphicsView>
#include <QTest>
#include <QToolBar>

#include "support/scripted_prompter.h"
#include "ui/markup/dialogs/layer_designer.h"
#include "ui/markup/dialogs/layer_rect_item.h"

namespace markloom::test {
namespace {

class LayerDesignerTest : public ::testing::Test {
 protected:
  LayerDesignerTest() {
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  }
  void click(const char* button) { form.findChild<QAction*>(button)->trigger(); }
  QPoint at(QPointF scenePoint) { return form.surface()->mapFromScene(scenePoint); }
  void drag(QPointF from, QPointF to) {
    QWidget* vp = form.surface()->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, at(from));
    QTest::mouseMove(vp, at((from + to) / 2));
    QTest::mouseMove(vp, at(to));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, at(to));
  }

  ScriptedPrompter prompter;
  LayerDesigner form;
};

TEST_F(LayerDesignerTest, WindowAndControls) {
  EXPECT_EQ(form.windowTitle(), "Create Layers Visually");
  EXPECT_EQ(form.size(), QSize(696, 480));
  auto* bar = form.findChild<QToolBar*>("Controls");
  ASSERT_NE(bar, nullptr);
  QStringList texts;
  for (QAction* a : bar->actions()) {
    texts << a->text();
    EXPECT_EQ(a->toolTip(), a->text());
  }
  EXPECT_EQ(texts, (QStringList{"Insert", "Cancel", "New Layer"}));
}

TEST_F(LayerDesignerTest, RedThenBlueInsertBlueFirst) {
  prompter.colors = {QColor(255, 0, 0), QColor(0, 0, 255)};
  click("NewLayerButton");
  drag({30, 30}, {130, 80});  // the red one moves 100 right, 50 down
  click("NewLayerButton");
  ASSERT_EQ(form.layers().size(), 2);
  EXPECT_EQ(form.layers()[0]->pos(), QPointF(100, 50));
  EXPECT_EQ(form.layers()[1]->pos(), QPointF(0, 0));
  EXPECT_EQ(form.layers()[1]->rect(), QRectF(0, 0, 65, 65));
  click("InsertButton");
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(tags::visualLayersMarkup(form.fields()).text,
            "<DIV ID=\"NAME\" STYLE=\"top: 0; left: 0; width: 65; height: 65; background: #0000FF;\"></DIV>\r\n"
            "<DIV ID=\"NAME\" STYLE=\"top: 50; left: 100; width: 65; height: 65; background: #FF0000;\"></DIV>\r\n");
}

TEST_F(LayerDesignerTest, ResizedByTheCornerOnWholePixels) {
  prompter.colors = {QColor(0x12, 0xab, 0x0c)};
  click("NewLayerButton");
  LayerRectItem* layer = form.layers().value(0);
  ASSERT_NE(layer, nullptr);
  drag({62, 62}, {102.4, 31.6});
  EXPECT_EQ(layer->rect(), QRectF(0, 0, 102, 32));
  EXPECT_EQ(layer->pos(), QPointF(0, 0));
  // Half pixels snap when moving too.
  layer->setPos(10.4, 20.6);
  EXPECT_EQ(layer->pos(), QPointF(10, 21));
  EXPECT_EQ(form.fields().layers, (std::vector<tags::VisualLayer>{{10, 21, 102, 32, 0x12, 0xab, 0x0c}}));
}

TEST_F(LayerDesignerTest, FieldsRoundTrip) {
  prompter.colors = {QColor(Qt::red)};
  click("NewLayerButton");
  const tags::VisualLayerFields f{{{5, 6, 70, 80, 1, 2, 3}, {0, 40, 10, 12, 0xff, 0x80, 0}}};
  form.setFields(f);
  EXPECT_EQ(form.layers().size(), 2);
  EXPECT_EQ(form.fields(), f);
}

TEST_F(LayerDesignerTest, CancelledColourMakesNoLayer) {
  prompter.colors = {std::nullopt};
  click("NewLayerButton");
  EXPECT_TRUE(form.layers().isEmpty());
}

TEST_F(LayerDesignerTest, InsertWithoutLayersAcceptsWithNoLayers) {
  click("InsertButton");
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(form.fields().layers.empty());
}

TEST_F(LayerDesignerTest, CancelClosesWithoutInserting) {
  prompter.colors = {QColor(Qt::red)};
  click("NewLayerButton");
  click("CancelButton");
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_FALSE(form.isVisible());
}

}  // namespace
}  // namespace markloom::test
