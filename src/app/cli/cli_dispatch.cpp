#include "app/cli/cli_dispatch.h"

namespace nastrum::cli {

namespace {

void printHelp(QTextStream& out, const std::vector<CliCommand>& commands) {
  out << "usage: nastrum-cli COMMAND [ARGS]" << Qt::endl << Qt::endl;
  for (const CliCommand& c : commands)
    out << "  " << (c.name + QLatin1Char(' ') + c.usage).leftJustified(36) << ' ' << c.summary << Qt::endl;
}

}  // namespace

int runCli(const QStringList& args, CliIo& io, const std::vector<CliCommand>& commands) {
  if (args.isEmpty()) {
    io.err << "nastrum-cli: no command given; \"nastrum-cli help\" lists them" << Qt::endl;
    return ExitBadInput;
  }
  const QString name = args.first();
  if (name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h")) {
    printHelp(io.out, commands);
    return ExitOk;
  }
  for (const CliCommand& c : commands)
    if (c.name == name) return c.run(args.mid(1), io);
  io.err << "nastrum-cli: unknown command \"" << name << "\"; \"nastrum-cli help\" lists them" << Qt::endl;
  return ExitBadInput;
}

}  // namespace nastrum::cli
