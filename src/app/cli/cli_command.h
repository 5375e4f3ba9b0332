// What every nastrum-cli subcommand shares: its streams, its exit codes and
// the shape of its entry point.
#pragma once

#include <functional>

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

struct CliCommand {
  QString name;
  QString usage;    // arguments after the name, as the help shows them
  QString summary;  // one line
  std::function<int(const QStringList& args, CliIo& io)> run;
};

}  // namespace nastrum::cli
