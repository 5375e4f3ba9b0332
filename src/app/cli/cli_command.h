// What every nastrum-cli subcommand shares: its streams, its exit codes, the
// declaration of its arguments and the shape of its entry point. A subcommand
// is one CliCommand: name, summary, positional arguments, options and a run
// function that receives the parsed arguments (see cli_parser.h).
#pragma once

#include <functional>
#include <vector>

#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace nastrum::cli {

enum ExitCode : int {
  ExitOk = 0,
  ExitDiffers = 1,  // diff: the files differ
  ExitBadInput = 2,  // a bad argument or a file that cannot be used
};

struct CliIo {
  QTextStream& out;
  QTextStream& err;

  // One line on stderr naming the command, and the bad-input exit code.
  int fail(const QString& command, const QString& message) const {
    err << "nastrum-cli " << command << ": " << message << Qt::endl;
    return ExitBadInput;
  }
};

// One "--name" option. A flag has no value name; an option with a value takes
// it as the next argument or after "=" ("--kind 2", "--kind=2").
struct CliOption {
  QString name;       // without the leading "--"
  QString valueName;  // as the help shows the value ("PATH", "1|2|3"); empty for a flag
  QString help;       // one line
  bool required = false;
};

// One argument without "--", in the order the command expects them.
struct CliPositional {
  QString name;  // as the help shows it ("FILE.bfm")
  QString help;
  bool optional = false;  // only after the required ones; the command decides when it is needed
};

// The arguments of one call, parsed against its command's declaration.
class CliArgs {
 public:
  bool isSet(const QString& option) const { return values_.contains(option); }
  // The option's value (the last one given), empty when absent or a flag.
  QString value(const QString& option) const { return values_.value(option); }
  // The positional arguments: every required one, and optional ones as given.
  const QStringList& positionals() const { return positionals_; }
  QString positional(qsizetype i) const { return positionals_.value(i); }

 private:
  friend class CliParser;
  QHash<QString, QString> values_;
  QStringList positionals_;
};

struct CliCommand {
  QString name;
  QString summary;  // one line
  std::vector<CliPositional> positionals;
  std::vector<CliOption> options;
  std::function<int(const CliArgs& args, CliIo& io)> run;
  QString details = {};  // optional paragraph shown by "--help" after the options
};

}  // namespace nastrum::cli
