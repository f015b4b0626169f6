#pragma once
// "Create Layers Visually": a design surface where the user creates coloured
// layers and places and sizes them with the mouse. Insert closes the dialog
// with OK; its command then inserts the layers as DIV elements. It opens
// without a document too; then Insert inserts nothing.
#include <QDialog>
#include <QList>

#include "core/markup/tags/visual_layers_builder.h"

class QGraphicsScene;
class QGraphicsView;
class QToolBar;

namespace markloom {

class LayerRectItem;

class LayerDesigner : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kNewLayerSize = 65;

  explicit LayerDesigner(QWidget* parent = nullptr);

  QGraphicsView* surface() const { return surface_; }
  // The layers on the surface, in creation order.
  QList<LayerRectItem*> layers() const;
  tags::VisualLayerFields fields() const;
  // Replaces the layers on the surface by these.
  void setFields(const tags::VisualLayerFields& fields);

 public slots:
  void addLayer();  // colour chooser, then a 65 x 65 layer at the top left

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolBar* controls_;
  QGraphicsScene* scene_;
  QGraphicsView* surface_;
  QList<LayerRectItem*> created_;
};

}  // namespace markloom
