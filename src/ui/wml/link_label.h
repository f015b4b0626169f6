#pragma once
// A label that acts on a click, for the link texts of a card preview.
#include <QLabel>

namespace markloom {

class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace markloom
