// Runs nastrum-cli's commands in the test's own process, with its output and
// errors caught as text.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "app/cli/cli_commands.h"
#include "app/cli/cli_dispatch.h"

namespace nastrum::test {

struct CliRun {
  int code;
  QString out;
  QString err;
  QStringList outLines() const { return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
  QStringList errLines() const { return err.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
};

inline CliRun RunCli(const QStringList& args) {
  QString out, err;
  QTextStream outStream(&out), errStream(&err);
  cli::CliIo io{outStream, errStream};
  const int code = cli::runCli(args, io, cli::cliCommands());
  outStream.flush();
  errStream.flush();
  return {code, out, err};
}

}  // namespace nastrum::test
