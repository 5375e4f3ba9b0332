// A comparison printed as `diff` prints it: field lines or the pages' words,
// JSON, or a printable HTML table. `write --dry-run` prints what will change
// the same way.
#pragma once

#include "app/cli/cli_command.h"
#include "compare/settings_comparison.h"

namespace nastrum::cli {

enum class ComparisonFormat { Text, Json, Html };

// "text", "json" or "html" into `format`; false for anything else.
bool parseComparisonFormat(const CliArgs& args, ComparisonFormat& format);

// The rows on stdout; the note on differing kinds on stderr (text only).
void printComparison(const Comparison& c, ComparisonFormat format, bool captions, const QString& command, CliIo& io);

}  // namespace nastrum::cli
