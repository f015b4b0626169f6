// markloom-cli tidy-config: the configuration "F&ix and Format HTML" writes,
// from the options dialog's start values changed by the options given.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_table.h"
#include "cli/tidy_fields_options.h"
#include "core/tidy/tidy_config.h"

namespace {

const std::string kUsage = std::string("tidy-config ") + markloom::cli::kTidyFieldsUsage;

int usage(const std::string& error) {
  if (!error.empty()) std::fprintf(stderr, "markloom-cli tidy-config: %s\n", error.c_str());
  std::fprintf(stderr, "usage: markloom-cli %s\n", kUsage.c_str());
  return 2;
}

int tidyConfig(const std::vector<std::string>& args) {
  markloom::TidyOptions options;
  markloom::TidyTagSettings tags;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      std::printf("usage: markloom-cli %s\n", kUsage.c_str());
      return 0;
    }
    std::string error;
    if (!markloom::cli::takeTidyFieldOption(args, i, options, tags, error))
      return usage("unknown option '" + args[i] + "'");
    if (!error.empty()) return usage(error);
  }
  const std::string config = markloom::generateConfig(options, tags);
  if (std::fwrite(config.data(), 1, config.size(), stdout) != config.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "markloom-cli tidy-config: cannot write to standard output\n");
    return 1;
  }
  return 0;
}

const markloom::cli::CommandRegistration reg{
    {"tidy-config", kUsage, "print the tidy configuration the Fix and Format options write", tidyConfig}};

}  // namespace
