#pragma once
// LayerDesigner, "Create Layers Visually": a design surface where the user creates
// coloured layers, places and sizes them with the mouse, and inserts them as
// DIV elements into the document. It opens without a document too; then
// Insert inserts nothing.
#include <QDialog>
#include <QList>
#include <functional>
#include <vector>

#include "core/markup/tags/visual_layers_builder.h"

class QGraphicsScene;
class QGraphicsView;
class QToolBar;

namespace markloom {

class EditorOps;
class LayerRectItem;

class LayerDesigner : public QDialog {
  Q_OBJECT
 public:
  using DocumentSource = std::function<EditorOps*()>;
  static constexpr int kNewLayerSize = 65;

  explicit LayerDesigner(DocumentSource document, QWidget* parent = nullptr);

  QGraphicsView* surface() const { return surface_; }
  // The layers on the surface, in creation order.
  QList<LayerRectItem*> layers() const;
  std::vector<VisualLayer> layerValues() const;

 public slots:
  void NewLayerClick();  // colour chooser, then a 65 x 65 layer at the top left
  void InsertClick();    // the layers into the document, then close with OK
  void CancelClick();    // close; nothing inserted

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  DocumentSource document_;
  QToolBar* controls_;
  QGraphicsScene* scene_;
  QGraphicsView* surface_;
  QList<LayerRectItem*> created_;
};

}  // namespace markloom
