#pragma once
// What one tidy run hands over and reads back, apart from starting the
// program: the page with its server-side blocks swapped for placeholders, the
// generated configuration (Fix and Format only), the encodings, and how tidy's
// messages and result are read. The menu and markloom-cli share it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/text_codec.h"
#include "core/tidy/server_blocks.h"
#include "core/tidy/tidy_config.h"
#include "core/tidy/tidy_run.h"

namespace markloom {

struct TidyJob {
  TidyCommand command = TidyCommand::Format;
  ProtectedPage page;                          // page.text goes to the work file
  TidyRunPlan plan;
  std::optional<std::string> generatedConfig;  // written beside the work file, in place of a fixed one

  // tidy's output as the document's bytes; raises Error when the blocks
  // cannot be put back.
  std::string result(std::string_view output, const TextCodec& codec) const;
};

// options and tags only count for FixAndFormat, which writes its configuration
// from them. Raises Error when the page's server-side blocks cannot be kept.
TidyJob prepareTidyJob(TidyCommand command, std::string_view documentBytes, TextEncoding documentEncoding,
                       const TidyOptions& options = {}, const TidyTagSettings& tags = {});

// tidy's messages: its log file, then what it wrote to standard error (such
// as options this version does not know), with the page's own blocks in place
// of the placeholders. As lines for a list, and as one text for a terminal.
std::vector<std::string> tidyMessageLines(std::string_view log, std::string_view errorOutput,
                                          const ProtectedPage& page);
std::string tidyMessageText(std::string_view log, std::string_view errorOutput, const ProtectedPage& page);

// Whether a finished run left a result to read: exit status 0 (clean) or 1
// (warnings); 2 means errors and no result.
constexpr bool tidyLeftResult(int exitCode) { return exitCode == 0 || exitCode == 1; }

}  // namespace markloom
