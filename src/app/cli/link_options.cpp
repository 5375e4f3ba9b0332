#include "app/cli/link_options.h"

#include <QStringList>

namespace nastrum::cli {

namespace {

std::optional<int> IntIn(const QString& text, int low, int high) {
  bool ok = false;
  const int v = text.toInt(&ok);
  if (!ok || v < low || v > high) return std::nullopt;
  return v;
}

}  // namespace

std::optional<QString> TakeLinkOption(const QString& opt, const QString& v, LinkOptions& o) {
  ExchangeSettings& s = o.settings;
  if (opt == QLatin1String("--port")) {
    if (!IsAcceptablePortText(v)) return QStringLiteral("--port takes a port number or a device path, not \"%1\"").arg(v);
    s.portItem = PortAddress::kOtherItem;
    s.otherPort = v;
    o.portGiven = true;
  } else if (opt == QLatin1String("--baud")) {
    static const QStringList kBauds = {"300", "600", "1200", "2400", "4800", "9600", "19200"};
    const qsizetype index = kBauds.indexOf(v);
    if (index < 0) return QStringLiteral("--baud is one of %1").arg(kBauds.join(QStringLiteral(", ")));
    s.baudIndex = static_cast<int>(index);
  } else if (opt == QLatin1String("--line")) {
    const auto line = IntIn(v, 0, 2);
    if (!line) return QStringLiteral("--line is 0 (RS-232/RS-485), 1 (four-wire loop) or 2 (two-wire loop)");
    s.lineKind = *line;
  } else if (opt == QLatin1String("--protocol")) {
    static const QStringList kProtocols = {"trad", "ft12", "ft11"};
    const qsizetype p = kProtocols.indexOf(v);
    if (p < 0) return QStringLiteral("--protocol is trad, ft12 or ft11");
    ChooseProtocol(s, static_cast<int>(p));
  } else if (opt == QLatin1String("--crc")) {
    const auto crc = IntIn(v, 0, 2);
    if (!crc) return QStringLiteral("--crc is 0 (none), 1 (in the data) or 2 (instead of the checksum)");
    s.crcMode = *crc;
  } else if (opt == QLatin1String("--channel")) {
    const auto channel = IntIn(v, 0, 1);
    if (!channel) return QStringLiteral("--channel is 0 (main) or 1 (additional)");
    s.channel = *channel;
  } else if (opt == QLatin1String("--network")) {
    o.networkNumber = IntIn(v, 0, kFrameNetworkMax);
    if (!o.networkNumber) return QStringLiteral("--network is a number from 0 to 254");
  } else if (opt == QLatin1String("--attempts")) {
    const auto n = IntIn(v, 1, 99);
    if (!n) return QStringLiteral("--attempts is a number from 1 to 99");
    s.attempts = *n;
  } else if (opt == QLatin1String("--pause")) {
    const auto n = IntIn(v, 0, 15);
    if (!n) return QStringLiteral("--pause is a number of seconds from 0 to 15");
    s.pauseSeconds = *n;
  } else {
    return std::nullopt;
  }
  return QString();
}

QString FinishLinkOptions(LinkOptions& o) {
  if (!o.portGiven) return QStringLiteral("--port PATH is required");
  ExchangeSettings& s = o.settings;
  if (o.networkNumber) {
    if (s.protocol == 0 && *o.networkNumber > kTraditionalNetworkMax)
      return QStringLiteral("--network is at most 127 with the traditional protocol");
    if (s.protocol == 0) SetNetwork(s, true);
    SetNetworkNumber(s, *o.networkNumber);
  }
  return {};
}

QString LinkOptionsUsage() {
  return QStringLiteral("--port PATH [--baud B] [--line 0|1|2] [--protocol trad|ft12|ft11] [--crc 0|1|2] "
                        "[--channel 0|1] [--network N] [--attempts N] [--pause S]");
}

}  // namespace nastrum::cli
