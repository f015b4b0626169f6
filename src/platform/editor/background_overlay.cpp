#include "platform/editor/background_overlay.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

namespace markloom {

BackgroundOverlay::BackgroundOverlay(QWidget* viewport) : QWidget(viewport) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  viewport->installEventFilter(this);
  setGeometry(viewport->rect());
  hide();
}

void BackgroundOverlay::setEditor(Kind kind, const QColor& from, const QColor& to) {
  editor_ = {kind, from, to};
  updateVisibility();
}

void BackgroundOverlay::setGutter(Kind kind, const QColor& from, const QColor& to) {
  gutter_ = {kind, from, to};
  updateVisibility();
}

void BackgroundOverlay::setGutterWidth(int width) {
  if (width == gutterWidth_) return;
  gutterWidth_ = width;
  update();
}

void BackgroundOverlay::updateVisibility() {
  setVisible(editor_.kind != Kind::None || gutter_.kind != Kind::None);
  raise();
  update();
}

bool BackgroundOverlay::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
  return false;
}

void BackgroundOverlay::paintFill(QPainter& painter, const QRect& area, const Fill& fill) {
  if (fill.kind == Kind::None || area.isEmpty()) return;
  QLinearGradient g = fill.kind == Kind::Vertical ? QLinearGradient(area.topLeft(), area.bottomLeft())
                                                  : QLinearGradient(area.topLeft(), area.topRight());
  g.setColorAt(0, fill.from);
  g.setColorAt(1, fill.to);
  painter.fillRect(area, g);
}

void BackgroundOverlay::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Multiply);
  paintFill(painter, QRect(0, 0, gutterWidth_, height()), gutter_);
  paintFill(painter, QRect(gutterWidth_, 0, width() - gutterWidth_, height()), editor_);
}

}  // namespace markloom
