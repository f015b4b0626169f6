#pragma once
// One run of tidy over a document: which configuration, how the document's
// bytes are handed over, and how tidy's result becomes document bytes again.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/text_codec.h"
#include "core/tidy/server_blocks.h"
#include "core/tidy/tidy_config.h"

namespace markloom {

enum class TidyCommand { Format, FixAndFormat, StyleSheets, Xml, Xhtml };

// The configuration file of each command, in the Extensions folder; the one of
// FixAndFormat is generated before every run.
const char* tidyConfigFile(TidyCommand command);

// The encodings of a run. The work file holds the document's own bytes, so
// tidy is told how to read them. The fixed configurations get the document's
// encoding back (Latin-1 with references for an 8-bit document, as tidy's
// Windows-1252 output drops what it cannot hold); the generated one writes what
// the dialog chose, and Raw or ISO2202 pass the bytes through as they are.
struct TidyRunPlan {
  enum class Result { Utf8, Latin1, DocumentBytes };
  std::vector<std::string> encodingArguments;  // given after the configuration
  Result result = Result::Utf8;
};
TidyRunPlan planTidyRun(TidyCommand command, std::optional<TidyEncoding> chosen, TextEncoding document);

// tidy's argument list: the configuration, the encodings, the work file.
std::vector<std::string> tidyArguments(const std::string& configPath, const TidyRunPlan& plan,
                                       const std::string& workFile);

// tidy's output as the document's bytes: decoded as the plan says, encoded
// through the document's codec, server-side blocks put back. Raises Error when
// the blocks cannot be put back.
std::string tidyResultToDocument(std::string_view output, const TidyRunPlan& plan, const TextCodec& codec,
                                 const ProtectedPage& page);

}  // namespace markloom
