#include "app/cli/cli_scan_options.h"

#include <algorithm>

#include "app/cli/cli_link_options.h"
#include "model/hex_text.h"

namespace nastrum::cli {

std::vector<CliOption> scanOptions() {
  std::vector<CliOption> options = linkOptions();
  std::erase_if(options, [](const CliOption& o) { return o.name == QLatin1String("network"); });
  options.push_back(CliOption{QStringLiteral("networks"), QStringLiteral("FIRST-LAST"),
                              QStringLiteral("the network numbers to try, e.g. 1-32 (default: 1-127 with trad, 1-254 "
                                             "with the frame protocols)")});
  return options;
}

QString parseScanOptions(const CliArgs& args, ExchangeSettings& s, NetworkRange& range) {
  if (QString complaint = parseLinkOptions(args, s); !complaint.isEmpty()) return complaint;
  range = FullNetworkRange(s);
  if (!args.isSet(QStringLiteral("networks"))) return {};
  const auto given = ParseNetworkRange(args.value(QStringLiteral("networks")), range);
  if (!given)
    return QStringLiteral("--networks is a number or a range FIRST-LAST within 1-%1").arg(range.last);
  range = *given;
  return {};
}

ScanReport scanLine(RunContext& ctx, const NetworkRange& range) {
  struct Quiet final : ScanListener {
    void probed(const ProbeResult&) override {}
  } listener;
  return RunNetworkScan(ctx, ScanOptions{range, 1}, listener);
}

QString deviceLine(const ProbeResult& device) {
  return QString::number(device.number) + QLatin1Char('\t') + QString::number(device.identity.modelCode) +
         QLatin1Char('\t') + HexWord(static_cast<Word>(device.factoryNumber)) + QLatin1Char('\t') +
         VersionText(device.identity);
}

}  // namespace nastrum::cli
