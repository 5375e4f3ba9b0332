// nastrum-cli: settings files from the command line.
#include <cstdio>

#include <QCoreApplication>
#include <QTextStream>

#include "app/cli/cli_commands.h"
#include "app/cli/cli_dispatch.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  out.setEncoding(QStringConverter::Utf8);
  err.setEncoding(QStringConverter::Utf8);
  nastrum::cli::CliIo io{out, err};
  const int code = nastrum::cli::runCli(app.arguments().mid(1), io, nastrum::cli::cliCommands());
  out.flush();
  err.flush();
  return code;
}
