// Parses a subcommand's arguments against its declaration, prints its help,
// and runs it: the one option parser of every nastrum-cli subcommand.
#pragma once

#include <optional>

#include "app/cli/cli_command.h"

namespace nastrum::cli {

class CliParser {
 public:
  // The parsed arguments, or nullopt with `complaint` set. Arguments that
  // begin with "--" are options; a lone "--" makes every later argument
  // positional (for a file whose name begins with "--").
  static std::optional<CliArgs> parse(const CliCommand& command, const QStringList& args, QString& complaint);
};

// "new --kind 1|2|3 FILE.bfm [--force]": the command line as the help shows it.
QString commandUsage(const CliCommand& command);

// The usage line, the summary and one line per argument and option.
QString commandHelp(const CliCommand& command);

// "--help" (or "-h") anywhere before a lone "--" prints the help and exits 0;
// otherwise bad arguments give one line on stderr and exit 2, and good ones
// go to the command's run function.
int runCommand(const CliCommand& command, const QStringList& args, CliIo& io);

}  // namespace nastrum::cli
