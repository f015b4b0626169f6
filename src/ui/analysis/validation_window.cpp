#include "ui/analysis/validation_window.h"

#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

#include "core/analysis/document_analysis.h"
#include "core/common/error.h"
#include "core/text/text_codec.h"
#include "platform/editor/markloom_editor.h"
#include "platform/files/program_folder.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"
#include "ui/document/document_window.h"
#include "ui/workbench/workbench.h"

namespace markloom {

ValidationWindow::ValidationWindow(Workbench& workbench)
    : QDialog(workbench.mainWidget(), Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      workbench_(workbench) {
  setObjectName("FormX7");
  setWindowTitle("HTML Document Analysis");
  setModal(false);

  progressTable_ = new QTableWidget(0, 3, this);
  progressTable_->setObjectName("Results");
  progressTable_->horizontalHeader()->setVisible(false);
  progressTable_->verticalHeader()->setVisible(false);
  progressTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  hideButton_ = new QPushButton("Hide", this);
  hideButton_->setObjectName("Button1");
  hideButton_->setVisible(false);
  connect(hideButton_, &QPushButton::clicked, this, &ValidationWindow::hide);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(progressTable_);
  setFixedSize(320, 120);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  connect(workbench_.resultsPanel()->validation(), &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item, int) { goToRowLine(item); });
  dialogkit::fitToContent(this);
}

ValidationWindow::~ValidationWindow() {
  // A run still going when the program ends is finished, then dropped.
  if (worker_) {
    disconnect(worker_, nullptr, this, nullptr);
    worker_->wait();
    delete worker_;
  }
}

QString ValidationWindow::workFile() { return workPath("mklm_anls.qdf"); }

void ValidationWindow::analyzeDocument(DocumentWindow* document, RuleChoice rules) {
  if (running()) return;
  running_ = document;
  pending_.clear();
  error_.clear();
  show();
  const std::string path = QFile::encodeName(workFile()).toStdString();
  // The worker touches only pending_ and error_ until it ends; finished() is
  // delivered to this window's thread, after the worker's last write.
  worker_ = QThread::create([this, path, rules] {
    try {
      pending_ = analyzeFile(path, rules, &pendingRuleSet_);
    } catch (const std::exception& e) {
      error_ = QString::fromLocal8Bit(e.what());
    } catch (...) {
      error_ = "The check stopped unexpectedly.";
    }
  });
  worker_->setObjectName("AnalysisWorker");
  connect(worker_, &QThread::finished, this, &ValidationWindow::runFinished);
  worker_->start();
}

void ValidationWindow::runFinished() {
  worker_->wait();
  worker_->deleteLater();
  worker_ = nullptr;
  if (!error_.isEmpty()) {
    // The Validation list keeps the rows of the previous run.
    hide();
    Prompter::instance().showError(error_);
    emit finished();
    return;
  }
  rows_ = std::move(pending_);
  pending_.clear();
  ruleSet_ = pendingRuleSet_;
  checked_ = running_;
  publishResults();
  emit finished();
}

void ValidationWindow::publishResults() {
  QTreeWidget* list = workbench_.resultsPanel()->validation();
  list->setUpdatesEnabled(false);
  list->clear();
  // The rows quote the document's bytes, so they are read with its codec; with
  // the document closed meanwhile, as its file would be read when opened.
  const std::optional<TextCodec> codec =
      checked_ ? std::optional<TextCodec>(checked_->document().codec()) : std::nullopt;
  const auto shown = [&codec](const std::string& bytes) {
    return QString::fromStdString((codec ? *codec : TextCodec::detect(bytes)).decode(bytes));
  };
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows_.size()));
  for (const auto& row : rows_) {
    auto* item = new QTreeWidgetItem({shown(row.subject), shown(row.message), shown(row.type)});
    item->setData(0, kLineRole, row.line);
    items.append(item);
  }
  list->addTopLevelItems(items);
  // Columns as wide as what they hold (the view looks at a bounded sample of rows).
  for (int column = 0; column < list->columnCount(); ++column) list->resizeColumnToContents(column);
  list->setUpdatesEnabled(true);
  QTabWidget* tabs = workbench_.resultsPanel()->tabs();
  const int tab = tabs->indexOf(list);
  const std::string_view rules = ruleSetCaption(ruleSet_);
  tabs->setTabText(
      tab, QString("Validation (%1)").arg(QString::fromLatin1(rules.data(), static_cast<qsizetype>(rules.size()))));
  workbench_.showResults(ResultsTab::Validation);
  hide();
}

void ValidationWindow::goToRowLine(QTreeWidgetItem* item) {
  if (!item) return;
  const int line = item->data(0, kLineRole).toInt();
  DocumentWindow* document = checked_;
  if (line < 0 || !document) return;
  workbench_.activateDocument(document);
  document->document().editorOps().setCaret({line, 0});
  document->editor()->ensureLineVisible(line);
  // After the double-click has been handled, or the list takes the focus back.
  QTimer::singleShot(0, document->editor(), [editor = document->editor()] {
    editor->activateWindow();
    editor->setFocus(Qt::OtherFocusReason);
  });
}

}  // namespace markloom
