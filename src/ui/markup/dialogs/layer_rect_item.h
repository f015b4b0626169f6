#pragma once
// One layer on the visual layer creator's surface: a filled rectangle the user
// moves by dragging it and resizes by dragging its lower right corner. Position
// and size stay on whole pixels.
#include <QBrush>
#include <QGraphicsRectItem>

namespace markloom {

class LayerRectItem : public QGraphicsRectItem {
 public:
  static constexpr int kHandle = 7;  // size of the resize corner
  static constexpr int kMinimumSize = 4;

  LayerRectItem(const QColor& colour, int width, int height);

  QColor colour() const { return brush().color(); }
  int left() const { return qRound(pos().x()); }
  int top() const { return qRound(pos().y()); }
  int width() const { return qRound(rect().width()); }
  int height() const { return qRound(rect().height()); }
  void setSize(int width, int height);

  // True when a scene point lies on the resize corner.
  bool onResizeCorner(const QPointF& scenePoint) const;

 protected:
  QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
  void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
  void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
  void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;
  void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  bool resizing_ = false;
};

}  // namespace markloom
