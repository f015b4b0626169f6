#include "ui/findreplace/multi_file_replace_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "core/findreplace/replace_pass.h"
#include "ui/common/command_guard.h"
#include "ui/common/prompter.h"

namespace markloom {

namespace {

// Texts from files and paths: UTF-8 when they are, otherwise 8-bit text.
QString decoded(const std::string& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (!utf8.hasError()) return text;
  return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string encoded(const QString& text) { return text.toUtf8().toStdString(); }

template <class W>
W* named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLineEdit* counterBox(const char* name) {
  auto* box = named(new QLineEdit(QStringLiteral("0")), name);
  box->setReadOnly(true);
  return box;
}

PromptAnswer answerOf(Prompter::Answer a) {
  switch (a) {
    case Prompter::Answer::Yes: return PromptAnswer::Yes;
    case Prompter::Answer::No: return PromptAnswer::No;
    case Prompter::Answer::All: return PromptAnswer::All;
    default: return PromptAnswer::Cancel;
  }
}

}  // namespace

MultiFileReplaceDialog::MultiFileReplaceDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm36");
  setWindowTitle("Extended Find and Replace");
  setWindowFlags((windowFlags() | Qt::WindowStaysOnTopHint) & ~Qt::WindowContextHelpButtonHint);
  setFixedSize(368, 420);

  Edit971 = named(new QLineEdit, "Edit971");
  Edit972 = named(new QLineEdit, "Edit972");
  auto* texts = new QFormLayout;
  texts->addRow("Find:", Edit971);
  texts->addRow("Replace:", Edit972);

  ListBox1 = named(new QListWidget, "ListBox1");
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->installEventFilter(this);
  Button1 = named(new QPushButton("&Select"), "Button1");
  Button2 = named(new QPushButton("&Clear"), "Button2");
  for (QPushButton* b : {Button1, Button2}) b->setAutoDefault(false);
  auto* fileButtons = new QVBoxLayout;
  fileButtons->addWidget(Button1);
  fileButtons->addWidget(Button2);
  fileButtons->addStretch();
  auto* fileGroup = named(new QGroupBox("Files to Find and Replace &with:"), "GroupBox1");
  auto* fileLayout = new QHBoxLayout(fileGroup);
  fileLayout->addWidget(ListBox1);
  fileLayout->addLayout(fileButtons);

  CheckBox1 = named(new QCheckBox("Case sensitive"), "CheckBox1");
  CheckBox2 = named(new QCheckBox("Whole words only"), "CheckBox2");
  CheckBox4 = named(new QCheckBox("Prompt on replace"), "CheckBox4");
  CheckBox3 = named(new QCheckBox("Backup original file"), "CheckBox3");
  auto* optionGroup = named(new QGroupBox("Options:"), "GroupBox2");
  auto* optionLayout = new QVBoxLayout(optionGroup);
  for (QCheckBox* c : {CheckBox1, CheckBox2, CheckBox4, CheckBox3}) optionLayout->addWidget(c);
  optionLayout->addStretch();

  Edit1 = counterBox("Edit1");
  Edit2 = counterBox("Edit2");
  Edit3 = counterBox("Edit3");
  Edit4 = counterBox("Edit4");
  ProgressBar1 = named(new QProgressBar, "ProgressBar1");
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);
  lblPerc = named(new QLabel("0 %"), "lblPerc");
  auto* resultGroup = named(new QGroupBox("Results:"), "GroupBox3");
  auto* results = new QGridLayout(resultGroup);
  results->addWidget(new QLabel("Files Read:"), 0, 0);
  results->addWidget(Edit1, 0, 1);
  results->addWidget(new QLabel("Bytes Written:"), 1, 0);
  results->addWidget(Edit3, 1, 1);
  results->addWidget(new QLabel("Bytes Read:"), 2, 0);
  results->addWidget(Edit2, 2, 1);
  results->addWidget(new QLabel("Occurences:"), 3, 0);
  results->addWidget(Edit4, 3, 1);
  results->addWidget(new QLabel("Progress:"), 4, 0);
  auto* progress = new QHBoxLayout;
  progress->addWidget(ProgressBar1);
  progress->addWidget(lblPerc);
  results->addLayout(progress, 4, 1);

  auto* middle = new QHBoxLayout;
  middle->addWidget(optionGroup);
  middle->addWidget(resultGroup, 1);

  Button4 = named(new QPushButton("&Replace"), "Button4");
  Button5 = named(new QPushButton("&Close"), "Button5");
  Button4->setDefault(true);
  Button5->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button4);
  buttons->addWidget(Button5);

  auto* root = new QVBoxLayout(this);
  root->addLayout(texts);
  root->addWidget(fileGroup, 1);
  root->addLayout(middle);
  root->addLayout(buttons);

  connect(Button1, &QPushButton::clicked, this, &MultiFileReplaceDialog::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &MultiFileReplaceDialog::Button2Click);
  connect(Button4, &QPushButton::clicked, this, &MultiFileReplaceDialog::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &MultiFileReplaceDialog::reject);

  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  Edit971->setFocus();
}

FindReplaceFields MultiFileReplaceDialog::fields() const {
  FindReplaceFields f;
  f.find = Edit971->text();
  f.replace = Edit972->text();
  for (int i = 0; i < ListBox1->count(); ++i) f.files << ListBox1->item(i)->text();
  f.caseSensitive = CheckBox1->isChecked();
  f.wholeWords = CheckBox2->isChecked();
  f.prompt = CheckBox4->isChecked();
  f.backup = CheckBox3->isChecked();
  return f;
}

void MultiFileReplaceDialog::setFields(const FindReplaceFields& f) {
  Edit971->setText(f.find);
  Edit972->setText(f.replace);
  ListBox1->clear();
  ListBox1->addItems(f.files);
  CheckBox1->setChecked(f.caseSensitive);
  CheckBox2->setChecked(f.wholeWords);
  CheckBox4->setChecked(f.prompt);
  CheckBox3->setChecked(f.backup);
}

void MultiFileReplaceDialog::Button1Click() {
  const QStringList chosen = Prompter::instance().openFileNames("Select Files", QString(), QString());
  if (chosen.isEmpty()) return;
  ListBox1->clear();
  ListBox1->addItems(chosen);
}

void MultiFileReplaceDialog::Button2Click() { ListBox1->clear(); }

void MultiFileReplaceDialog::ListBox1Delete() {
  const auto selected = ListBox1->selectedItems();
  for (QListWidgetItem* item : selected) delete item;
}

bool MultiFileReplaceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1 && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && !ListBox1->selectedItems().isEmpty()) {
    ListBox1Delete();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void MultiFileReplaceDialog::showCounters(const ReplaceCounters& c) {
  Edit1->setText(QString::number(c.filesRead));
  Edit2->setText(QString::number(c.bytesRead));
  Edit3->setText(QString::number(c.bytesWritten));
  Edit4->setText(QString::number(c.occurrences));
  if (c.totalSize > 0) {
    const int percent = progressPercent(c);
    ProgressBar1->setValue(percent);
    lblPerc->setText(QString::number(percent) + " %");
  }
}

bool MultiFileReplaceDialog::pump(const ReplaceCounters& counters) {
  // Repaint and take input a few dozen times a second, not after every block.
  if (!lastPump_.isValid() || lastPump_.elapsed() >= 40) {
    showCounters(counters);
    QCoreApplication::processEvents();
    lastPump_.restart();
  }
  return !cancelRequested_;
}

void MultiFileReplaceDialog::setRunning(bool running) {
  running_ = running;
  for (QWidget* w : std::initializer_list<QWidget*>{Edit971, Edit972, ListBox1, CheckBox1, CheckBox2, CheckBox3,
                                                    CheckBox4, Button1, Button2, Button4}) {
    w->setEnabled(!running);
  }
}

void MultiFileReplaceDialog::Button4Click() {
  if (running_ || closing_) return;
  Prompter& prompter = Prompter::instance();
  if (ListBox1->count() == 0) {
    prompter.message("Warning", "Please select files to search.", Prompter::Icon::Warning, Prompter::Buttons::Ok);
    return;
  }
  const FindReplaceFields f = fields();
  ReplaceOptions options;
  options.find = encoded(f.find);
  options.replace = encoded(f.replace);
  options.ignoreCase = !f.caseSensitive;  // a checked box matches exactly
  options.wholeWords = f.wholeWords;
  options.prompt = f.prompt;
  options.backup = f.backup;
  std::vector<std::string> paths;
  for (const QString& file : f.files) paths.push_back(QFile::encodeName(file).toStdString());

  QElapsedTimer started;
  started.start();
  showCounters({});
  ProgressBar1->setValue(0);
  lblPerc->setText("0 %");
  cancelRequested_ = false;
  lastPump_.invalidate();
  setRunning(true);

  PassCallbacks callbacks;
  callbacks.prompt = [&](const std::string& question) {
    return answerOf(prompter.message("Confirm", decoded(question), Prompter::Icon::Question,
                                     Prompter::Buttons::YesNoAllCancel));
  };
  callbacks.warn = [&](const std::string& warning) {
    prompter.message("Warning", decoded(warning), Prompter::Icon::Warning, Prompter::Buttons::Ok);
  };
  callbacks.progress = [this](const ReplaceCounters& counters) { return pump(counters); };
  ReplacePass pass(options, callbacks);
  guarded([&] { pass.run(paths); });
  running_ = false;
  showCounters(pass.counters());

  // Only the changed files stay listed.
  const auto& outcomes = pass.outcomes();
  for (int i = ListBox1->count() - 1; i >= 0; --i) {
    const bool changed = i < static_cast<int>(outcomes.size()) && outcomes[i] == FileOutcome::Changed;
    if (!changed) delete ListBox1->takeItem(i);
  }

  closing_ = true;
  if (cancelRequested_) {
    QDialog::reject();
    return;
  }
  passStarted_ = started;
  closeWhenDue();
}

void MultiFileReplaceDialog::closeWhenDue() {
  const qint64 remaining = kMinimumPassMs - passStarted_.elapsed();
  if (remaining <= 0) {
    if (isVisible()) accept();
    return;
  }
  QTimer::singleShot(static_cast<int>(remaining), Qt::PreciseTimer, this, &MultiFileReplaceDialog::closeWhenDue);
}

void MultiFileReplaceDialog::reject() {
  if (running_) {
    cancelRequested_ = true;
    return;
  }
  QDialog::reject();
}

void MultiFileReplaceDialog::closeEvent(QCloseEvent* event) {
  if (running_) {
    cancelRequested_ = true;
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace markloom
