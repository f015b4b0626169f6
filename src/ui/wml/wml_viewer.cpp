#include "ui/wml/wml_viewer.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/analysis/tag_tokenizer.h"
#include "core/wml/page_layout.h"
#include "platform/wml/qt_font_metrics.h"
#include "platform/wml/qt_picture_source.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"
#include "ui/wml/link_label.h"

namespace markloom {

namespace {

QColor qtColor(const Rgb& c) { return QColor(c.red, c.green, c.blue); }

void fill(QWidget* w, QPalette::ColorRole role, const Rgb& colour) {
  QPalette p = w->palette();
  p.setColor(role, qtColor(colour));
  w->setPalette(p);
  if (role == QPalette::Window) w->setAutoFillBackground(true);
}

// Stands where a picture could not be found: a crossed-out box.
QPixmap missingPictureMarker(int size) {
  QPixmap marker(size, size);
  marker.fill(Qt::white);
  QPainter p(&marker);
  p.setPen(qtColor(kRuleOutline));
  p.drawRect(0, 0, size - 1, size - 1);
  p.setPen(QPen(Qt::red, 1));
  p.drawLine(2, 2, size - 3, size - 3);
  p.drawLine(2, size - 3, size - 3, 2);
  return marker;
}

}  // namespace

WmlViewer::WmlViewer(std::string card, TextCodec codec, QString pictureFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint),
      card_(std::move(card)),
      codec_(codec),
      pictureFolder_(std::move(pictureFolder)) {
  setObjectName("WAPForm");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString::fromUtf8(kViewerCaption));
  fill(this, QPalette::Window, kViewerBackground);
  resize(kViewerWidth, kViewerHeight);
  options_ = new QButtonGroup(this);
}

WmlViewer::~WmlViewer() = default;

void WmlViewer::showLinkTarget(const QString& target) {
  Prompter::instance().message(QApplication::applicationDisplayName(), "Linking to \"" + target + "\"",
                               Prompter::Icon::Information, Prompter::Buttons::Ok);
}

void WmlViewer::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (laidOut_) return;
  laidOut_ = true;
  // The size is the window's outer size; when the frame is known by now the
  // page gets what is left inside it.
  if (const QWindow* handle = windowHandle()) {
    const QMargins frame = handle->frameMargins();
    if (!frame.isNull())
      resize(kViewerWidth - frame.left() - frame.right(), kViewerHeight - frame.top() - frame.bottom());
  }
  placeOverParent();
  guarded([this] { layOut(); });
}

// Centred on the window it was opened from (without one, on the screen),
// kept inside that screen's free area.
void WmlViewer::placeOverParent() {
  const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
  const QScreen* where = over ? over->screen() : screen();
  const QRect area = where ? where->availableGeometry() : QRect();
  const QRect around = over ? over->frameGeometry() : area;
  if (around.isEmpty()) return;
  QRect frame(QPoint(0, 0), frameGeometry().size());
  frame.moveCenter(around.center());
  if (!area.isEmpty()) {
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
  }
  move(frame.topLeft());  // a window's position is its frame's
}

void WmlViewer::layOut() {
  const QScreen* where = screen();
  const int dpi = where ? static_cast<int>(std::lround(where->logicalDotsPerInch())) : 96;
  const QtFontMetrics metrics(dpi);
  QtPictureSource pictures(pictureFolder_);
  const WmlPage page = layOutPage(tokenizeBytes(card_), PageSetup{metrics, pictures, codec_, width(), height()});
  setWindowTitle(QString::fromUtf8(page.caption));
  for (const WmlItem& item : page.items) addItem(item, metrics);
}

void WmlViewer::addItem(const WmlItem& item, const QtFontMetrics& metrics) {
  const QString text = QString::fromUtf8(item.text);
  QWidget* w = nullptr;
  switch (item.kind) {
    case WmlItemKind::Label: {
      QLabel* label = nullptr;
      if (item.link) {
        auto* link = new LinkLabel(text, this);
        const QString target = QString::fromUtf8(*item.link);
        connect(link, &LinkLabel::clicked, this, [this, target] { showLinkTarget(target); });
        label = link;
      } else {
        label = new QLabel(text, this);
      }
      label->setTextFormat(Qt::PlainText);  // a '<' or '&' in a card is text
      label->setWordWrap(item.wrapWidth > 0);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setFont(metrics.qtFont(item.font));
      if (item.textColor) fill(label, QPalette::WindowText, *item.textColor);
      if (item.background) fill(label, QPalette::Window, *item.background);
      w = label;
      break;
    }
    case WmlItemKind::Rule: {
      auto* rule = new QFrame(this);
      rule->setFrameStyle(QFrame::Box | QFrame::Plain);
      rule->setLineWidth(1);
      fill(rule, QPalette::WindowText, kRuleOutline);
      fill(rule, QPalette::Window, kRuleFill);
      w = rule;
      break;
    }
    case WmlItemKind::TextField: w = new QLineEdit(this); break;
    case WmlItemKind::OptionButton: {
      auto* option = new QRadioButton(text, this);
      option->setFont(metrics.qtFont(item.font));
      options_->addButton(option);
      w = option;
      break;
    }
    // Each picture's tip is its source value as written, found or not.
    case WmlItemKind::Picture: {
      auto* picture = new QLabel(this);
      picture->setPixmap(QPixmap(QtPictureSource::fileName(item.path)));
      picture->setToolTip(text);
      w = picture;
      break;
    }
    case WmlItemKind::PictureBox: {
      auto* box = new QLabel(this);
      fill(box, QPalette::Window, kMissingPictureBox);
      box->setToolTip(text);
      w = box;
      break;
    }
    case WmlItemKind::MissingPicture: {
      auto* marker = new QLabel(this);
      marker->setPixmap(missingPictureMarker(item.width));
      marker->setToolTip(text);
      w = marker;
      break;
    }
  }
  w->setGeometry(item.x, item.y, item.width, item.height);
  w->show();
}

}  // namespace markloom
