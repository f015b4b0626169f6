#include "ui/webtools/link_validator_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <filesystem>

#include "core/common/error.h"
#include "platform/net/link_fetcher.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/webtools/link_navigation.h"

namespace markloom {

namespace {
QIcon rowIcon(int icon) {
  static const QStyle::StandardPixmap pictures[] = {QStyle::SP_MessageBoxCritical, QStyle::SP_DriveNetIcon,
                                                    QStyle::SP_MessageBoxWarning};
  return QApplication::style()->standardIcon(pictures[icon >= 0 && icon <= 2 ? icon : 0]);
}

}  // namespace

LinkValidatorDialog::LinkValidatorDialog(DocumentWindow* document, std::optional<HttpProxy> proxy, QWidget* parent)
    : QDialog(parent), document_(document), proxy_(std::move(proxy)) {
  setObjectName("Form47");
  setWindowTitle("Link Validator");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  resize(640, 400);

  auto* top = new QHBoxLayout;
  auto* group = new QGroupBox("Options:");
  auto* boxes = new QGridLayout(group);
  hyperlinks_ = dialogkit::namedCheck(this, "CheckBox1", "Verify &hyperlinks");
  images_ = dialogkit::namedCheck(this, "CheckBox2", "Verify &images");
  scripts_ = dialogkit::namedCheck(this, "CheckBox3", "Verify &script sources");
  objects_ = dialogkit::namedCheck(this, "CheckBox4", "Verify &objects");
  modern_ = dialogkit::namedCheck(this, "CheckBox5", "&Modern rules");
  hyperlinks_->setChecked(true);
  images_->setChecked(true);
  scripts_->setChecked(true);
  modern_->setChecked(true);
  boxes->addWidget(hyperlinks_, 0, 0);
  boxes->addWidget(images_, 1, 0);
  boxes->addWidget(scripts_, 0, 1);
  boxes->addWidget(objects_, 1, 1);
  boxes->addWidget(modern_, 2, 0, 1, 2);
  top->addWidget(group, 1);

  auto* buttons = new QVBoxLayout;
  check_ = new QPushButton("&Check");
  check_->setObjectName("Button1");
  check_->setDefault(true);
  cancel_ = new QPushButton("&Cancel");
  cancel_->setObjectName("Button2");
  cancel_->setEnabled(false);
  auto* exit = new QPushButton("E&xit");
  exit->setObjectName("Button3");
  buttons->addWidget(check_);
  buttons->addWidget(cancel_);
  buttons->addWidget(exit);
  top->addLayout(buttons);

  table_ = new QTreeWidget(this);
  table_->setObjectName("ListView1");
  table_->setRootIsDecorated(false);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSortingEnabled(false);
  table_->setHeaderLabels({"Type", "Link", "Status", "Message"});
  table_->setColumnWidth(0, 98);
  table_->setColumnWidth(1, 175);
  table_->setColumnWidth(2, 75);
  table_->header()->setStretchLastSection(true);

  summary_ = new QLabel(this);
  summary_->setObjectName("SummaryLabel");

  auto* column = new QVBoxLayout(this);
  column->addLayout(top);
  column->addWidget(table_, 1);
  column->addWidget(summary_);

  connect(check_, &QPushButton::clicked, this, &LinkValidatorDialog::check);
  connect(cancel_, &QPushButton::clicked, this, &LinkValidatorDialog::cancel);
  connect(exit, &QPushButton::clicked, this, &QDialog::accept);
  connect(table_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { goToRememberedLink(document_, item); });
  dialogkit::fitToContent(this);
}

LinkValidatorDialog::~LinkValidatorDialog() { stopFetching(); }

bool LinkValidatorDialog::busy() const { return cancel_->isEnabled(); }

LinkOptions LinkValidatorDialog::options() const {
  LinkOptions o;
  o.hyperlinks = hyperlinks_->isChecked();
  o.images = images_->isChecked();
  o.scripts = scripts_->isChecked();
  o.objects = objects_->isChecked();
  o.modern = modern_->isChecked();
  return o;
}

void LinkValidatorDialog::setBusy(bool busy) {
  if (busy == this->busy()) return;
  check_->setEnabled(!busy);
  cancel_->setEnabled(busy);
  if (busy)
    QApplication::setOverrideCursor(Qt::BusyCursor);
  else
    QApplication::restoreOverrideCursor();
}

void LinkValidatorDialog::stopFetching() {
  if (stop_) *stop_ = true;
  if (fetcher_.joinable()) fetcher_.join();
  ++generation_;
}

QString LinkValidatorDialog::summary() const { return summary_->text(); }

void LinkValidatorDialog::cancel() {
  stopFetching();
  table_->clear();
  run_.reset();
  summary_->setText("Check cancelled.");
  setBusy(false);
}

void LinkValidatorDialog::finishCheck() {
  setBusy(false);
  emit checkFinished();
}

void LinkValidatorDialog::check() {
  if (!document_ || busy()) return;
  stopFetching();
  table_->clear();
  summary_->clear();
  setBusy(true);
  const QString path = document_->document().fileName();
  const LinkOptions o = options();
  // Read in pieces: a page of any size takes the memory of its links only.
  std::vector<FoundLink> links;
  try {
    links = collectLinksInFile(QFile::encodeName(path).toStdString(), o);
  } catch (const Error& e) {
    setBusy(false);
    Prompter::instance().showError(QString::fromLocal8Bit(e.what()));
    return;
  }
  std::string base = QFile::encodeName(QFileInfo(path).absolutePath()).toStdString();
  if (base.empty() || base.back() != '/') base += '/';
  run_ = std::make_unique<LinkCheck>(links, base, o, [](const std::string& p) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(p, ignored);
  });
  showRows();
  if (run_->addresses().empty()) {
    finishCheck();
    return;
  }
  LinkFetchSettings settings;
  settings.modern = o.modern;
  settings.proxy = proxy_;
  settings.certificateFile = qEnvironmentVariable("MARKLOOM_CA_FILE").toStdString();
  stop_ = std::make_shared<std::atomic<bool>>(false);
  const int generation = generation_;
  const std::vector<std::string> addresses = run_->addresses();
  fetcher_ = std::thread([this, addresses, settings, stop = stop_, generation] {
    // Nothing may leave this thread: a failure ends the check with a message.
    QString failure;
    try {
      fetchLinkAddresses(
          addresses, settings,
          [&](std::size_t address, const WebAnswer& answer) {
            QMetaObject::invokeMethod(
                this,
                [this, address, answer, generation] {
                  if (generation != generation_ || !run_) return;
                  run_->setAnswer(address, answer);
                  showRows();
                },
                Qt::QueuedConnection);
          },
          stop.get());
    } catch (const std::exception& e) {
      failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
      failure = "The link check stopped unexpectedly.";
    }
    QMetaObject::invokeMethod(
        this,
        [this, generation, failure] {
          if (generation != generation_) return;
          if (fetcher_.joinable()) fetcher_.join();
          finishCheck();
          if (!failure.isEmpty()) Prompter::instance().showError(failure);
        },
        Qt::QueuedConnection);
  });
}

void LinkValidatorDialog::showRows() {
  table_->clear();
  if (!run_) return;
  for (const LinkRow& row : run_->rows()) {
    auto* item = new QTreeWidgetItem(table_);
    item->setIcon(0, rowIcon(row.icon));
    item->setText(0, QString::fromStdString(row.type));
    item->setText(1, QString::fromLocal8Bit(row.link.c_str()));
    item->setText(2, QString::fromStdString(row.status));
    item->setText(3, QString::fromLocal8Bit(row.message.c_str()));
    rememberLink(item, QString::fromLocal8Bit(row.written.c_str()), row.line);
  }
  summary_->setText(QString::fromStdString(tallyText(run_->tally())));
}

}  // namespace markloom
