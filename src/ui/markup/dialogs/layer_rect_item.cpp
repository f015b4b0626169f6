#include "ui/markup/dialogs/layer_rect_item.h"

#include <QBrush>
#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPen>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cmath>

namespace markloom {

LayerRectItem::LayerRectItem(const QColor& colour, int width, int height) {
  setBrush(QBrush(colour));
  setPen(QPen(Qt::black, 0));
  setRect(0, 0, width, height);
  setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
  setAcceptHoverEvents(true);
}

void LayerRectItem::setSize(int width, int height) {
  prepareGeometryChange();
  setRect(0, 0, std::max(width, kMinimumSize), std::max(height, kMinimumSize));
}

bool LayerRectItem::onResizeCorner(const QPointF& scenePoint) const {
  const QPointF p = mapFromScene(scenePoint);
  return p.x() >= rect().right() - kHandle && p.y() >= rect().bottom() - kHandle && rect().contains(p);
}

QVariant LayerRectItem::itemChange(GraphicsItemChange change, const QVariant& value) {
  if (change == ItemPositionChange) {
    // The 1-pixel grid, and never above or left of the surface's origin.
    const QPointF p = value.toPointF();
    return QPointF(std::max(0.0, std::round(p.x())), std::max(0.0, std::round(p.y())));
  }
  return QGraphicsRectItem::itemChange(change, value);
}

void LayerRectItem::mousePressEvent(QGraphicsSceneMouseEvent* event) {
  resizing_ = event->button() == Qt::LeftButton && onResizeCorner(event->scenePos());
  if (resizing_) {
    setSelected(true);
    event->accept();
    return;
  }
  QGraphicsRectItem::mousePressEvent(event);
}

void LayerRectItem::mouseMoveEvent(QGraphicsSceneMouseEvent* event) {
  if (resizing_) {
    const QPointF p = event->pos();
    setSize(qRound(p.x()), qRound(p.y()));
    return;
  }
  QGraphicsRectItem::mouseMoveEvent(event);
}

void LayerRectItem::mouseReleaseEvent(QGraphicsSceneMouseEvent* event) {
  if (resizing_) {
    resizing_ = false;
    return;
  }
  QGraphicsRectItem::mouseReleaseEvent(event);
}

void LayerRectItem::hoverMoveEvent(QGraphicsSceneHoverEvent* event) {
  setCursor(onResizeCorner(event->scenePos()) ? Qt::SizeFDiagCursor : Qt::SizeAllCursor);
  QGraphicsRectItem::hoverMoveEvent(event);
}

void LayerRectItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) {
  QStyleOptionGraphicsItem plain(*option);
  plain.state &= ~QStyle::State_Selected;  // our own selection marks below
  QGraphicsRectItem::paint(painter, &plain, widget);
  if (isSelected()) {
    painter->setPen(QPen(Qt::black, 0, Qt::DashLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect());
    painter->setPen(QPen(Qt::black, 0));
    painter->setBrush(Qt::white);
    painter->drawRect(QRectF(rect().right() - kHandle, rect().bottom() - kHandle, kHandle, kHandle));
  }
}

}  // namespace markloom
