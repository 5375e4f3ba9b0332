#include "app/cli/cli_parser.h"

#include <algorithm>

namespace nastrum::cli {

namespace {

const QLatin1String kOptionPrefix("--");

bool isHelpRequest(const QString& arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }

bool asksForHelp(const QStringList& args) {
  for (const QString& a : args) {
    if (a == kOptionPrefix) return false;
    if (isHelpRequest(a)) return true;
  }
  return false;
}

const CliOption* findOption(const CliCommand& command, const QString& name) {
  const auto it = std::find_if(command.options.begin(), command.options.end(),
                               [&](const CliOption& o) { return o.name == name; });
  return it == command.options.end() ? nullptr : &*it;
}

QString optionText(const CliOption& o) {
  return o.valueName.isEmpty() ? kOptionPrefix + o.name : kOptionPrefix + o.name + QLatin1Char(' ') + o.valueName;
}

}  // namespace

std::optional<CliArgs> CliParser::parse(const CliCommand& command, const QStringList& args, QString& complaint) {
  CliArgs parsed;
  bool optionsEnded = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (optionsEnded || !a.startsWith(kOptionPrefix)) {
      parsed.positionals_ << a;
      continue;
    }
    if (a == kOptionPrefix) {
      optionsEnded = true;
      continue;
    }
    const qsizetype equals = a.indexOf(QLatin1Char('='));
    const QString name = a.mid(2, equals < 0 ? -1 : equals - 2);
    const CliOption* option = findOption(command, name);
    if (!option) {
      complaint = QStringLiteral("unknown option %1").arg(equals < 0 ? a : a.left(equals));
      return std::nullopt;
    }
    if (option->valueName.isEmpty()) {
      if (equals >= 0) {
        complaint = QStringLiteral("%1 takes no value").arg(kOptionPrefix + name);
        return std::nullopt;
      }
      parsed.values_.insert(name, QString());
    } else if (equals >= 0) {
      parsed.values_.insert(name, a.mid(equals + 1));
    } else if (i + 1 < args.size()) {
      parsed.values_.insert(name, args[++i]);
    } else {
      complaint = QStringLiteral("%1 needs a value: %2").arg(kOptionPrefix + name, option->valueName);
      return std::nullopt;
    }
  }
  for (const CliOption& o : command.options) {
    if (o.required && !parsed.isSet(o.name)) {
      complaint = QStringLiteral("%1 is required").arg(optionText(o));
      return std::nullopt;
    }
  }
  const auto expected = static_cast<qsizetype>(command.positionals.size());
  if (parsed.positionals_.size() > expected) {
    complaint = expected == 0 ? QStringLiteral("unexpected argument %1").arg(parsed.positionals_[expected])
                              : QStringLiteral("%1 argument(s) expected, also got %2")
                                    .arg(expected)
                                    .arg(parsed.positionals_.mid(expected).join(QLatin1Char(' ')));
    return std::nullopt;
  }
  const auto required = static_cast<qsizetype>(
      std::count_if(command.positionals.begin(), command.positionals.end(), [](const CliPositional& p) { return !p.optional; }));
  if (parsed.positionals_.size() < required) {
    const CliPositional& missing = command.positionals[static_cast<std::size_t>(parsed.positionals_.size())];
    complaint = QStringLiteral("no %1 given (%2)").arg(missing.name, missing.help);
    return std::nullopt;
  }
  return parsed;
}

QString commandUsage(const CliCommand& command) {
  QStringList parts{command.name};
  for (const CliOption& o : command.options)
    if (o.required) parts << optionText(o);
  for (const CliPositional& p : command.positionals) parts << (p.optional ? QLatin1Char('[') + p.name + QLatin1Char(']') : p.name);
  for (const CliOption& o : command.options)
    if (!o.required) parts << QLatin1Char('[') + optionText(o) + QLatin1Char(']');
  return parts.join(QLatin1Char(' '));
}

QString commandHelp(const CliCommand& command) {
  qsizetype column = 10;  // wide enough for "-h, --help"
  for (const CliOption& o : command.options) column = std::max(column, optionText(o).size());
  for (const CliPositional& p : command.positionals) column = std::max(column, p.name.size());
  QString text;
  QTextStream s(&text);
  s << "usage: nastrum-cli " << commandUsage(command) << '\n' << '\n' << command.summary << '\n';
  if (!command.positionals.empty()) {
    s << '\n' << "arguments:" << '\n';
    for (const CliPositional& p : command.positionals)
      s << "  " << p.name.leftJustified(column) << ' ' << p.help << '\n';
  }
  s << '\n' << "options:" << '\n';
  for (const CliOption& o : command.options) {
    const QString required = o.required ? QStringLiteral(" (required)") : QString();
    s << "  " << optionText(o).leftJustified(column) << ' ' << o.help << required << '\n';
  }
  s << "  " << QStringLiteral("-h, --help").leftJustified(column) << ' ' << "this help" << '\n';
  if (!command.details.isEmpty()) s << '\n' << command.details << '\n';
  s.flush();
  return text;
}

int runCommand(const CliCommand& command, const QStringList& args, CliIo& io) {
  if (asksForHelp(args)) {
    io.out << commandHelp(command);
    io.out.flush();
    return ExitOk;
  }
  QString complaint;
  const std::optional<CliArgs> parsed = CliParser::parse(command, args, complaint);
  if (!parsed) return io.fail(command.name, complaint);
  return command.run(*parsed, io);
}

}  // namespace nastrum::cli
