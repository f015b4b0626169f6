// markloom-cli send-lines: hands standard input to the running editor, which
// inserts its lines at the caret of the active document.
#include <cstdio>
#include <string>

#include <QByteArray>
#include <QCoreApplication>

#include "cli/command_table.h"
#include "platform/ipc/inbound_channel.h"

namespace {

int sendLines(const std::vector<std::string>& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "usage: markloom-cli send-lines < FILE\n");
    return 2;
  }
  int argc = 1;
  char name[] = "markloom-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  // The text streams to the editor as it is read, and the editor says whether
  // it took it: only then has the command done its work.
  markloom::InboundSender sender;
  QString error;
  if (!sender.connect(&error) || !sender.send(markloom::InboundKind::Lines, stdin, &error)) {
    std::fprintf(stderr, "markloom-cli: %s\n", error.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}

const markloom::cli::CommandRegistration registration{
    {"send-lines", "send-lines < TEXT", "insert standard input's lines at the caret of the running editor", sendLines}};

}  // namespace
