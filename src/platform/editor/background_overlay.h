#pragma once
// Gradients behind the text: a transparent widget over the editor's viewport
// that multiplies a gradient onto what is drawn below. Over a white background
// the gradient shows as it is, and dark text stays dark.
#include <QColor>
#include <QWidget>

namespace markloom {

class BackgroundOverlay : public QWidget {
  Q_OBJECT
 public:
  enum class Kind { None, Vertical, Horizontal };
  explicit BackgroundOverlay(QWidget* viewport);

  void setEditor(Kind kind, const QColor& from, const QColor& to);
  void setGutter(Kind kind, const QColor& from, const QColor& to);
  void setGutterWidth(int width);
  Kind editorKind() const { return editor_.kind; }
  Kind gutterKind() const { return gutter_.kind; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Fill {
    Kind kind = Kind::None;
    QColor from, to;
  };
  void paintFill(class QPainter& painter, const QRect& area, const Fill& fill);
  void updateVisibility();

  Fill editor_, gutter_;
  int gutterWidth_ = 0;
};

}  // namespace markloom
