// The inbound channel: whatever another process puts into the hidden text
// holder is inserted, line by line, at the caret of the active document; files
// handed over by another start of the program are opened.
#include <QFile>
#include <QPlainTextEdit>

#include "core/text/line_list.h"
#include "core/text/text_codec.h"
#include "platform/ipc/inbound_channel.h"
#include "ui/app/main_window.h"
#include "ui/common/command_guard.h"
#include "ui/document/document_window.h"

namespace markloom {

namespace {
// A message as the text holder shows it: UTF-8 when it is, otherwise 8-bit text.
QString shown(const QByteArray& message) {
  const std::string_view bytes(message.constData(), static_cast<std::size_t>(message.size()));
  return QString::fromStdString(TextCodec::detect(bytes).decode(bytes));
}
}  // namespace

void MainWindow::connectInboundChannel() {
  inboundText_ = new QPlainTextEdit(this);
  inboundText_->setObjectName("PlugMove");
  inboundText_->hide();
  connect(inboundText_, &QPlainTextEdit::textChanged, this, &MainWindow::insertInboundText);
  inboundChannel_ = new InboundChannel(this);
  inboundChannel_->setHandler([this](InboundKind kind, const QByteArray& payload) -> QString {
    if (kind == InboundKind::Open) return openHandedFiles(payload);
    // Text goes into the holder as before; the sender learns whether a
    // document was there to take it.
    const bool taken = activeDocument() != nullptr;
    inboundBytes_ = payload;
    inboundText_->setPlainText(shown(payload));
    return taken ? QString() : QStringLiteral("no document is open in the editor");
  });
  connect(inboundChannel_, &InboundChannel::received, this, [this](const QByteArray& message) {
    // The bytes are kept as sent: the text holder shows them, but 8-bit text
    // would not survive a round trip through it.
    inboundBytes_ = message;
    inboundText_->setPlainText(shown(message));
  });
  if (!inboundChannel_->listen())
    qWarning("Markloom: inbound text channel not available: %s", qPrintable(inboundChannel_->errorString()));
}

QString MainWindow::openHandedFiles(const QByteArray& payload) {
  const auto request =
      decodeOpenRequest(std::string_view(payload.constData(), static_cast<std::size_t>(payload.size())));
  if (!request) return QStringLiteral("the list of files to open is not readable");
  DocumentWindow* last = nullptr;
  for (const std::string& file : request->files) last = openOrActivate(QFile::decodeName(file.c_str()));
  if (last && request->line > 0) goToLine(last, request->line);
  // To the front, as a window the user just asked for.
  if (isMinimized()) showMaximized();
  raise();
  activateWindow();
  return {};
}

void MainWindow::insertInboundText() {
  DocumentWindow* window = activeDocument();
  if (!window) return;  // nothing open: the text is ignored
  const QString text = inboundText_->toPlainText();
  // A message of the channel goes in as it was sent; text put into the holder
  // any other way becomes the document's bytes through its codec.
  const std::string bytes =
      text == shown(inboundBytes_) ? inboundBytes_.toStdString() : window->document().encode(text);
  if (bytes.empty()) return;
  guarded([&] { window->document().editorOps().insertLinesAtCaret(parseLineList(bytes)); });
}

}  // namespace markloom
