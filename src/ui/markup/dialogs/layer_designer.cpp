#include "ui/markup/dialogs/layer_designer.h"

#include <QAction>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QResizeEvent>
#include <QToolBar>
#include <QVBoxLayout>
#include <optional>

#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/markup/dialogs/layer_rect_item.h"

namespace markloom {

LayerDesigner::LayerDesigner(QWidget* parent) : QDialog(parent) {
  setObjectName("PosForm");
  setWindowTitle("Create Layers Visually");
  setSizeGripEnabled(true);
  resize(696, 480);

  controls_ = new QToolBar(tr("Controls"), this);
  controls_->setObjectName("Controls");
  const std::pair<const char*, void (LayerDesigner::*)()> buttons[] = {
      {"Insert", &LayerDesigner::accept}, {"Cancel", &LayerDesigner::reject}, {"New Layer", &LayerDesigner::addLayer}};
  for (const auto& [text, slot] : buttons) {
    QAction* a = controls_->addAction(tr(text));
    a->setObjectName(QString(text).remove(' ') + "Button");
    a->setToolTip(tr(text));
    connect(a, &QAction::triggered, this, slot);
  }

  scene_ = new QGraphicsScene(this);
  surface_ = new QGraphicsView(scene_, this);
  surface_->setObjectName("Surface");
  // Scene coordinates are surface pixels from the top left corner.
  surface_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  surface_->setBackgroundBrush(Qt::white);
  surface_->setRenderHint(QPainter::Antialiasing, false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(controls_);
  layout->addWidget(surface_, 1);
  dialogkit::fitToContent(this);
}

void LayerDesigner::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const QSize s = surface_->viewport()->size();
  scene_->setSceneRect(0, 0, s.width(), s.height());
}

QList<LayerRectItem*> LayerDesigner::layers() const {
  QList<LayerRectItem*> alive;
  for (LayerRectItem* item : created_) {
    if (item->scene() == scene_) alive.append(item);
  }
  return alive;
}

tags::VisualLayerFields LayerDesigner::fields() const {
  tags::VisualLayerFields values;
  for (const LayerRectItem* item : layers()) {
    const QColor c = item->colour();
    values.layers.push_back({item->left(), item->top(), item->width(), item->height(),
                             static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                             static_cast<std::uint8_t>(c.blue())});
  }
  return values;
}

void LayerDesigner::setFields(const tags::VisualLayerFields& fields) {
  scene_->clear();
  created_.clear();
  for (const tags::VisualLayer& layer : fields.layers) {
    auto* item = new LayerRectItem(QColor(layer.red, layer.green, layer.blue), layer.width, layer.height);
    scene_->addItem(item);
    item->setPos(layer.left, layer.top);
    created_.append(item);
  }
}

void LayerDesigner::addLayer() {
  const std::optional<QColor> colour = Prompter::instance().color(Qt::white);
  if (!colour || !colour->isValid()) return;
  auto* item = new LayerRectItem(*colour, kNewLayerSize, kNewLayerSize);
  scene_->addItem(item);
  item->setPos(0, 0);
  scene_->clearSelection();
  item->setSelected(true);
  created_.append(item);
}

}  // namespace markloom
