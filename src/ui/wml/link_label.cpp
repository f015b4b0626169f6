#include "ui/wml/link_label.h"

#include <QMouseEvent>

namespace markloom {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { setCursor(Qt::PointingHandCursor); }

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace markloom
