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
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <vector>

#include "core/findreplace/replace_pass.h"
#include "core/text/text_codec.h"
#include "ui/common/command_guard.h"
#include "ui/common/dialog_kit.h"
#include "ui/common/prompter.h"

namespace markloom {

namespace {

// The files of a pass are not open documents, so no codec of a document
// applies: what the user types is searched for and written as UTF-8, and what
// is quoted from a file is read as UTF-8 when it is, otherwise as 8-bit text,
// each piece on its own.
std::string fileBytes(const QString& text) { return TextCodec(TextEncoding::Utf8).encode(text.toStdString()); }

QString fileText(std::string_view bytes) { return QString::fromStdString(TextCodec::detect(bytes).decode(bytes)); }

// The quoted line stops after a fixed number of bytes, which may fall inside
// a character.
QString quotedLine(std::string_view bytes) {
  const TextCodec codec =
      bytes.size() >= StreamReplacer::kContextLength ? TextCodec::detectCut(bytes) : TextCodec::detect(bytes);
  return QString::fromStdString(codec.decode(bytes));
}

template <class W>
W* named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QLineEdit* counterBox(const char* name) {
  auto* box = named(new QLineEdit(QStringLiteral("0")), name);
  box->setReadOnly(true);
  dialogkit::markShortField(box, QStringLiteral("0000000000000"));  // counts up to ten trillion
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

  findEdit_ = named(new QLineEdit, "Edit971");
  replaceEdit_ = named(new QLineEdit, "Edit972");
  auto* texts = new QFormLayout;
  texts->addRow("Find:", findEdit_);
  texts->addRow("Replace:", replaceEdit_);

  fileList_ = named(new QListWidget, "ListBox1");
  fileList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fileList_->installEventFilter(this);
  selectButton_ = named(new QPushButton("&Select"), "Button1");
  clearButton_ = named(new QPushButton("&Clear"), "Button2");
  for (QPushButton* b : {selectButton_, clearButton_}) b->setAutoDefault(false);
  auto* fileButtons = new QVBoxLayout;
  fileButtons->addWidget(selectButton_);
  fileButtons->addWidget(clearButton_);
  fileButtons->addStretch();
  auto* fileGroup = named(new QGroupBox("Files to Find and Replace &with:"), "GroupBox1");
  auto* fileLayout = new QHBoxLayout(fileGroup);
  fileLayout->addWidget(fileList_);
  fileLayout->addLayout(fileButtons);

  caseSensitiveBox_ = named(new QCheckBox("Case sensitive"), "CheckBox1");
  wholeWordsBox_ = named(new QCheckBox("Whole words only"), "CheckBox2");
  promptBox_ = named(new QCheckBox("Prompt on replace"), "CheckBox4");
  backupBox_ = named(new QCheckBox("Backup original file"), "CheckBox3");
  auto* optionGroup = named(new QGroupBox("Options:"), "GroupBox2");
  auto* optionLayout = new QVBoxLayout(optionGroup);
  for (QCheckBox* c : {caseSensitiveBox_, wholeWordsBox_, promptBox_, backupBox_}) optionLayout->addWidget(c);
  optionLayout->addStretch();

  filesReadBox_ = counterBox("Edit1");
  bytesReadBox_ = counterBox("Edit2");
  bytesWrittenBox_ = counterBox("Edit3");
  occurrencesBox_ = counterBox("Edit4");
  progressBar_ = named(new QProgressBar, "ProgressBar1");
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  progressBar_->setTextVisible(false);
  // Room for the widest value from the start, so the row neither jumps nor cuts "100 %".
  percentLabel_ = named(new QLabel("100 %"), "lblPerc");
  percentLabel_->setMinimumWidth(percentLabel_->sizeHint().width());
  percentLabel_->setText("0 %");
  auto* resultGroup = named(new QGroupBox("Results:"), "GroupBox3");
  auto* results = new QGridLayout(resultGroup);
  results->addWidget(new QLabel("Files Read:"), 0, 0);
  results->addWidget(filesReadBox_, 0, 1);
  results->addWidget(new QLabel("Bytes Written:"), 1, 0);
  results->addWidget(bytesWrittenBox_, 1, 1);
  results->addWidget(new QLabel("Bytes Read:"), 2, 0);
  results->addWidget(bytesReadBox_, 2, 1);
  results->addWidget(new QLabel("Occurences:"), 3, 0);
  results->addWidget(occurrencesBox_, 3, 1);
  results->addWidget(new QLabel("Progress:"), 4, 0);
  auto* progress = new QHBoxLayout;
  progress->addWidget(progressBar_);
  progress->addWidget(percentLabel_);
  results->addLayout(progress, 4, 1);

  auto* middle = new QHBoxLayout;
  middle->addWidget(optionGroup);
  middle->addWidget(resultGroup, 1);

  replaceButton_ = named(new QPushButton("&Replace"), "Button4");
  closeButton_ = named(new QPushButton("&Close"), "Button5");
  replaceButton_->setDefault(true);
  closeButton_->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(replaceButton_);
  buttons->addWidget(closeButton_);

  auto* root = new QVBoxLayout(this);
  root->addLayout(texts);
  root->addWidget(fileGroup, 1);
  root->addLayout(middle);
  root->addLayout(buttons);

  connect(selectButton_, &QPushButton::clicked, this, &MultiFileReplaceDialog::selectFiles);
  connect(clearButton_, &QPushButton::clicked, this, &MultiFileReplaceDialog::clearFiles);
  connect(replaceButton_, &QPushButton::clicked, this, &MultiFileReplaceDialog::replaceInFiles);
  connect(closeButton_, &QPushButton::clicked, this, &MultiFileReplaceDialog::reject);

  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
  findEdit_->setFocus();
  dialogkit::fitToContent(this);
}

FindReplaceFields MultiFileReplaceDialog::fields() const {
  FindReplaceFields f;
  f.find = findEdit_->text();
  f.replace = replaceEdit_->text();
  for (int i = 0; i < fileList_->count(); ++i) f.files << fileList_->item(i)->text();
  f.caseSensitive = caseSensitiveBox_->isChecked();
  f.wholeWords = wholeWordsBox_->isChecked();
  f.prompt = promptBox_->isChecked();
  f.backup = backupBox_->isChecked();
  return f;
}

void MultiFileReplaceDialog::setFields(const FindReplaceFields& f) {
  findEdit_->setText(f.find);
  replaceEdit_->setText(f.replace);
  fileList_->clear();
  fileList_->addItems(f.files);
  caseSensitiveBox_->setChecked(f.caseSensitive);
  wholeWordsBox_->setChecked(f.wholeWords);
  promptBox_->setChecked(f.prompt);
  backupBox_->setChecked(f.backup);
}

void MultiFileReplaceDialog::selectFiles() {
  const QStringList chosen = Prompter::instance().openFileNames("Select Files", QString(), QString());
  if (chosen.isEmpty()) return;
  fileList_->clear();
  fileList_->addItems(chosen);
}

void MultiFileReplaceDialog::clearFiles() { fileList_->clear(); }

void MultiFileReplaceDialog::removeSelectedFiles() {
  const auto selected = fileList_->selectedItems();
  for (QListWidgetItem* item : selected) delete item;
}

bool MultiFileReplaceDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == fileList_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && !fileList_->selectedItems().isEmpty()) {
    removeSelectedFiles();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void MultiFileReplaceDialog::showCounters(const ReplaceCounters& c) {
  filesReadBox_->setText(QString::number(c.filesRead));
  bytesReadBox_->setText(QString::number(c.bytesRead));
  bytesWrittenBox_->setText(QString::number(c.bytesWritten));
  occurrencesBox_->setText(QString::number(c.occurrences));
  if (c.totalSize > 0) {
    const int percent = progressPercent(c);
    progressBar_->setValue(percent);
    percentLabel_->setText(QString::number(percent) + " %");
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
  for (QWidget* w :
       std::initializer_list<QWidget*>{findEdit_, replaceEdit_, fileList_, caseSensitiveBox_, wholeWordsBox_,
                                       backupBox_, promptBox_, selectButton_, clearButton_, replaceButton_}) {
    w->setEnabled(!running);
  }
}

void MultiFileReplaceDialog::replaceInFiles() {
  if (running_ || closing_) return;
  Prompter& prompter = Prompter::instance();
  if (fileList_->count() == 0) {
    prompter.message("Warning", "Please select files to search.", Prompter::Icon::Warning, Prompter::Buttons::Ok);
    return;
  }
  const FindReplaceFields f = fields();
  ReplaceOptions options;
  options.find = fileBytes(f.find);
  options.replace = fileBytes(f.replace);
  options.ignoreCase = !f.caseSensitive;  // a checked box matches exactly
  options.wholeWords = f.wholeWords;
  options.prompt = f.prompt;
  options.backup = f.backup;
  std::vector<std::string> paths;
  for (const QString& file : f.files) paths.push_back(QFile::encodeName(file).toStdString());

  QElapsedTimer started;
  started.start();
  showCounters({});
  progressBar_->setValue(0);
  percentLabel_->setText("0 %");
  cancelRequested_ = false;
  lastPump_.invalidate();
  setRunning(true);

  PassCallbacks callbacks;
  callbacks.prompt = [&](const ReplaceQuestion& question) {
    // The texts as typed, the file's name as the file system gave it, the
    // line as read from the file.
    const ReplaceQuestion shown{f.find.toStdString(), f.replace.toStdString(),
                                QFile::decodeName(QByteArray::fromStdString(question.path)).toStdString(),
                                quotedLine(question.contextLine).toStdString()};
    return answerOf(prompter.message("Confirm", QString::fromStdString(shown.text()), Prompter::Icon::Question,
                                     Prompter::Buttons::YesNoAllCancel));
  };
  callbacks.warn = [&](const std::string& warning) {
    prompter.message("Warning", fileText(warning), Prompter::Icon::Warning, Prompter::Buttons::Ok);
  };
  callbacks.progress = [this](const ReplaceCounters& counters) { return pump(counters); };
  ReplacePass pass(options, callbacks);
  guarded([&] { pass.run(paths); });
  running_ = false;
  showCounters(pass.counters());

  // Only the changed files stay listed.
  const auto& outcomes = pass.outcomes();
  for (int i = fileList_->count() - 1; i >= 0; --i) {
    const bool changed = i < static_cast<int>(outcomes.size()) && outcomes[i] == FileOutcome::Changed;
    if (!changed) delete fileList_->takeItem(i);
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
