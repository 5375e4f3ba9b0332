#include "app/cli/cli_link_options.h"

#include <algorithm>
#include <optional>

namespace nastrum::cli {

namespace {

std::optional<int> IntIn(const QString& text, int low, int high) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok || v < low || v > high) return std::nullopt;
  return v;
}

CliOption Option(const char* name, const char* value, const char* help, bool required = false) {
  return CliOption{QLatin1String(name), QLatin1String(value), QString::fromUtf8(help), required};
}

}  // namespace

std::vector<CliOption> linkOptions() {
  return {Option("port", "PATH", "the serial port: a port number or a device path", true),
          Option("baud", "B", "300, 600, 1200, 2400, 4800, 9600 (default) or 19200"),
          Option("line", "0|1|2", "0 RS-232/RS-485, 1 four-wire loop (default), 2 two-wire loop"),
          Option("protocol", "trad|ft12|ft11", "the link protocol (default trad)"),
          Option("crc", "0|1|2", "frame protocols: 0 none, 1 in the data, 2 instead of the checksum"),
          Option("channel", "0|1", "the device's channel: 0 main, 1 additional"),
          Option("network", "N", "the device's number on a network (at most 127 with trad)"),
          Option("attempts", "N", "attempts per exchange, 1 to 99 (default 3)"),
          Option("pause", "S", "seconds between attempts, 0 to 15 (default 3)")};
}

CliOption passwordOption(const QString& help) {
  return CliOption{QStringLiteral("password"), QStringLiteral("HHHH"), help, false};
}

QString parseLinkOptions(const CliArgs& args, ExchangeSettings& s) {
  const auto given = [&](const char* name) { return args.isSet(QLatin1String(name)); };
  const auto value = [&](const char* name) { return args.value(QLatin1String(name)); };
  if (given("protocol")) {
    static const QStringList kProtocols = {"trad", "ft12", "ft11"};
    const qsizetype p = kProtocols.indexOf(value("protocol"));
    if (p < 0) return QStringLiteral("--protocol is trad, ft12 or ft11");
    ChooseProtocol(s, protocolOfItem(static_cast<int>(p)));
  }
  const QString port = value("port");
  if (!IsAcceptablePortText(port))
    return QStringLiteral("--port takes a port number or a device path, not \"%1\"").arg(port);
  s.portItem = PortAddress::kOtherItem;
  s.otherPort = port;
  if (given("baud")) {
    static const QStringList kBauds = {"300", "600", "1200", "2400", "4800", "9600", "19200"};
    const qsizetype index = kBauds.indexOf(value("baud"));
    if (index < 0) return QStringLiteral("--baud is one of %1").arg(kBauds.join(QStringLiteral(", ")));
    s.baudIndex = static_cast<int>(index);
  }
  if (given("line")) {
    const auto line = IntIn(value("line"), 0, 2);
    if (!line) return QStringLiteral("--line is 0 (RS-232/RS-485), 1 (four-wire loop) or 2 (two-wire loop)");
    s.lineKind = lineKindOfItem(*line);
  }
  if (given("crc")) {
    const auto crc = IntIn(value("crc"), 0, 2);
    if (!crc) return QStringLiteral("--crc is 0 (none), 1 (in the data) or 2 (instead of the checksum)");
    s.crcMode = crcModeOfItem(*crc);
  }
  if (given("channel")) {
    const auto channel = IntIn(value("channel"), 0, 1);
    if (!channel) return QStringLiteral("--channel is 0 (main) or 1 (additional)");
    s.channel = *channel;
  }
  std::optional<int> networkNumber;
  if (given("network")) {
    networkNumber = IntIn(value("network"), 0, kFrameNetworkMax);
    if (!networkNumber) return QStringLiteral("--network is a number from 0 to 254");
  }
  if (given("attempts")) {
    const auto n = IntIn(value("attempts"), 1, 99);
    if (!n) return QStringLiteral("--attempts is a number from 1 to 99");
    s.attempts = *n;
  }
  if (given("pause")) {
    const auto n = IntIn(value("pause"), 0, 15);
    if (!n) return QStringLiteral("--pause is a number of seconds from 0 to 15");
    s.pauseSeconds = *n;
  }
  if (networkNumber) {
    const bool traditional = s.protocol == LinkProtocol::Traditional;
    if (traditional && *networkNumber > kTraditionalNetworkMax)
      return QStringLiteral("--network is at most 127 with the traditional protocol");
    if (traditional) SetNetwork(s, true);
    SetNetworkNumber(s, *networkNumber);
  }
  return {};
}

QString parsePasswordOption(const CliArgs& args, ExchangeSettings& s) {
  if (!args.isSet(QStringLiteral("password"))) return {};
  const QString v = args.value(QStringLiteral("password"));
  if (v.size() > 4 || !std::all_of(v.begin(), v.end(), IsPasswordCharacter))
    return QStringLiteral("--password is up to four hexadecimal digits");
  s.password = v;
  return {};
}

}  // namespace nastrum::cli
