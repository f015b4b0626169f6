#include "core/tidy/tidy_job.h"

#include "core/text/line_list.h"

namespace markloom {

std::string TidyJob::result(std::string_view output, const TextCodec& codec) const {
  return tidyResultToDocument(output, plan, codec, page);
}

TidyJob prepareTidyJob(TidyCommand command, std::string_view documentBytes, TextEncoding documentEncoding,
                       const TidyOptions& options, const TidyTagSettings& tags) {
  TidyJob job;
  job.command = command;
  job.page = protectServerBlocks(documentBytes);
  const bool generated = command == TidyCommand::FixAndFormat;
  job.plan = planTidyRun(command, generated ? options.encoding : std::nullopt, documentEncoding);
  if (generated) job.generatedConfig = generateConfig(options, tags);
  return job;
}

std::vector<std::string> tidyMessageLines(std::string_view log, std::string_view errorOutput,
                                          const ProtectedPage& page) {
  std::vector<std::string> lines = parseLineList(log);
  for (std::string& l : parseLineList(errorOutput)) lines.push_back(std::move(l));
  for (std::string& l : lines) l = blocksInMessage(l, page);
  return lines;
}

std::string tidyMessageText(std::string_view log, std::string_view errorOutput, const ProtectedPage& page) {
  std::string text(log);
  text += errorOutput;
  return blocksInMessage(text, page);
}

}  // namespace markloom
