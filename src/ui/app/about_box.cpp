#include "ui/app/about_box.h"

#include <QDesktopServices>
#include <QEvent>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/app/maker_pages.h"
#include "ui/common/dialog_kit.h"

namespace markloom {

namespace {
// The product name drawn bottom to top.
class RotatedName : public QWidget {
 public:
  explicit RotatedName(QWidget* parent) : QWidget(parent) {
    setObjectName("ProductName");
    font_ = QFont("Times New Roman");
    font_.setPixelSize(21);
    font_.setBold(true);
    const QFontMetrics metrics(font_);
    setFixedSize(metrics.height() + 8, metrics.horizontalAdvance("Markloom 5.0") + 16);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setFont(font_);
    p.translate(width() / 2 + QFontMetrics(font_).ascent() / 2, height() - 8);
    p.rotate(-90);
    p.drawText(0, 0, "Markloom 5.0");
  }

 private:
  QFont font_;
};
}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutBox");
  setWindowTitle("About Tarnwell Markloom 5.0");
  auto* row = new QHBoxLayout(this);
  row->addWidget(new RotatedName(this));
  auto* column = new QVBoxLayout;
  auto* version = new QLabel("Version 5.0 (Beta 3)");
  version->setObjectName("VersionLabel");
  column->addWidget(version);
  auto* maker = new QLabel("Made by Tarnwell for web authors everywhere.");
  maker->setObjectName("MakerLabel");
  column->addWidget(maker);
  auto* link = new QLabel("Tarnwell Homepage");
  link->setObjectName("Label");
  link->setStyleSheet("color: blue; text-decoration: underline;");
  link->setCursor(Qt::PointingHandCursor);
  link->installEventFilter(this);
  column->addWidget(link);
  column->addStretch();
  auto* ok = new QPushButton("&OK");
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  column->addWidget(ok, 0, Qt::AlignRight);
  row->addLayout(column);
  homePageLink_ = link;
  dialogkit::fitToContent(this);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == homePageLink_ && event->type() == QEvent::MouseButtonRelease) {
    openMakerHomePage();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void AboutBox::openMakerHomePage() { QDesktopServices::openUrl(QUrl(kMakerHomePage)); }

}  // namespace markloom
