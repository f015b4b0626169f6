#include "core/tidy/tidy_run.h"

namespace markloom {

const char* tidyConfigFile(TidyCommand command) {
  switch (command) {
    case TidyCommand::Format: return "qdtidyformat.qdf";
    case TidyCommand::FixAndFormat: return "qdtidyformatx.qdf";
    case TidyCommand::StyleSheets: return "qdtidyuptocss.qdf";
    case TidyCommand::Xml: return "qdtidyxml.qdf";
    case TidyCommand::Xhtml: return "qdtidyxhtml.qdf";
  }
  return "qdtidyformat.qdf";
}

TidyRunPlan planTidyRun(TidyCommand command, std::optional<TidyEncoding> chosen, TextEncoding document) {
  const bool utf8 = document == TextEncoding::Utf8;
  TidyRunPlan plan;
  if (command != TidyCommand::FixAndFormat) {
    plan.encodingArguments = {"--input-encoding", utf8 ? "utf8" : "win1252", "--output-encoding",
                              utf8 ? "utf8" : "latin1"};
    plan.result = utf8 ? TidyRunPlan::Result::Utf8 : TidyRunPlan::Result::Latin1;
    return plan;
  }
  if (chosen == TidyEncoding::Raw || chosen == TidyEncoding::Iso2022) {
    plan.result = TidyRunPlan::Result::DocumentBytes;
    return plan;
  }
  plan.encodingArguments = {"--input-encoding", utf8 ? "utf8" : "win1252"};
  // ASCII output is plain ASCII, which reads the same as UTF-8; no choice
  // leaves tidy's own default, UTF-8.
  plan.result = chosen == TidyEncoding::Latin1 ? TidyRunPlan::Result::Latin1 : TidyRunPlan::Result::Utf8;
  return plan;
}

std::vector<std::string> tidyArguments(const std::string& configPath, const TidyRunPlan& plan,
                                       const std::string& workFile) {
  std::vector<std::string> args{"-config", configPath};
  args.insert(args.end(), plan.encodingArguments.begin(), plan.encodingArguments.end());
  args.push_back(workFile);
  return args;
}

namespace {
std::string latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}
}  // namespace

std::string tidyResultToDocument(std::string_view output, const TidyRunPlan& plan, const TextCodec& codec,
                                 const ProtectedPage& page) {
  std::string bytes;
  switch (plan.result) {
    case TidyRunPlan::Result::Utf8: bytes = codec.encode(output); break;
    case TidyRunPlan::Result::Latin1: bytes = codec.encode(latin1ToUtf8(output)); break;
    case TidyRunPlan::Result::DocumentBytes: bytes = std::string(output); break;
  }
  return restoreServerBlocks(bytes, page);
}

}  // namespace markloom
