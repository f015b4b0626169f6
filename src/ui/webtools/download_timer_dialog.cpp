#include "ui/webtools/download_timer_dialog.h"
#include "ui/common/dialog_kit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace markloom {

DownloadTimerDialog::DownloadTimerDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TimerForm");
  setWindowTitle("Download Timer");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* column = new QVBoxLayout(this);

  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(new QLabel("File Size:"));
  size_ = new QLabel("0");
  size_->setObjectName("SizeFigure");
  size_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  sizeRow->addWidget(size_, 1);
  sizeRow->addWidget(new QLabel("Kb"));
  column->addLayout(sizeRow);

  auto* rows = new QGridLayout;
  for (std::size_t i = 0; i < times_.size(); ++i) {
    const int row = static_cast<int>(i);
    rows->addWidget(new QLabel(downloadLines()[i].label), row, 0);
    times_[i] = new QLabel("0.00 Secs");
    times_[i]->setObjectName(QString("Time%1").arg(row + 1));
    times_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    times_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    times_[i]->setMinimumWidth(times_[i]->fontMetrics().horizontalAdvance("000000.00 Secs"));
    rows->addWidget(times_[i], row, 1);
  }
  column->addLayout(rows);

  auto* note = new QLabel(
      "The file size figure is rounded-up.  Download times are based upon optimal performance of your internet "
      "connection, but will vary according to the quality of connections and telephone lines.");
  note->setWordWrap(true);
  column->addWidget(note);

  // OK is the default button and the cancel button (Escape) alike.
  auto* ok = new QPushButton("&OK");
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  column->addWidget(ok, 0, Qt::AlignHCenter);
  dialogkit::fitToContent(this);
}

void DownloadTimerDialog::showTimes(const DownloadTimes& times) {
  size_->setText(QString::fromStdString(times.sizeFigure));
  for (std::size_t i = 0; i < times_.size(); ++i) times_[i]->setText(QString::fromStdString(times.times[i]));
}

QString DownloadTimerDialog::sizeFigure() const { return size_->text(); }
QString DownloadTimerDialog::timeOf(int row) const { return times_[static_cast<std::size_t>(row)]->text(); }

}  // namespace markloom
