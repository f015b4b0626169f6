// markloom-cli send-lines: hands standard input to the running editor, which
// inserts its lines at the caret of the active document.
#include <cstdio>
#include <iostream>
#include <iterator>
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
  std::string input((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
  int argc = 1;
  char name[] = "markloom-cli";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  QString error;
  if (!markloom::sendToInboundChannel(QByteArray(input.data(), static_cast<qsizetype>(input.size())), &error)) {
    std::fprintf(stderr, "markloom-cli: %s\n", error.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}

const markloom::cli::CommandRegistration registration{
    {"send-lines", "send-lines < TEXT", "insert standard input's lines at the caret of the running editor", sendLines}};

}  // namespace
