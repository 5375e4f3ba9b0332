#include "app/cli/cli_dispatch.h"

#include <algorithm>

#include "app/cli/cli_parser.h"

namespace nastrum::cli {

namespace {

void printHelp(QTextStream& out, const std::vector<CliCommand>& commands) {
  out << "usage: nastrum-cli COMMAND [ARGS]" << Qt::endl << Qt::endl << "commands:" << Qt::endl;
  for (const CliCommand& c : commands) out << "  " << c.name.leftJustified(8) << ' ' << c.summary << Qt::endl;
  out << Qt::endl << "\"nastrum-cli COMMAND --help\" describes a command's arguments and options." << Qt::endl;
}

const CliCommand* findCommand(const std::vector<CliCommand>& commands, const QString& name) {
  const auto it = std::find_if(commands.begin(), commands.end(), [&](const CliCommand& c) { return c.name == name; });
  return it == commands.end() ? nullptr : &*it;
}

int unknownCommand(const QString& name, CliIo& io) {
  io.err << "nastrum-cli: unknown command \"" << name << "\"; \"nastrum-cli help\" lists them" << Qt::endl;
  return ExitBadInput;
}

}  // namespace

int runCli(const QStringList& args, CliIo& io, const std::vector<CliCommand>& commands) {
  if (args.isEmpty()) {
    io.err << "nastrum-cli: no command given; \"nastrum-cli help\" lists them" << Qt::endl;
    return ExitBadInput;
  }
  const QString name = args.first();
  if (name == QLatin1String("help") || name == QLatin1String("--help") || name == QLatin1String("-h")) {
    if (args.size() < 2) {
      printHelp(io.out, commands);
      return ExitOk;
    }
    // "help COMMAND" is "COMMAND --help".
    const CliCommand* command = findCommand(commands, args[1]);
    if (!command) return unknownCommand(args[1], io);
    return runCommand(*command, {QStringLiteral("--help")}, io);
  }
  const CliCommand* command = findCommand(commands, name);
  if (!command) return unknownCommand(name, io);
  return runCommand(*command, args.mid(1), io);
}

}  // namespace nastrum::cli
