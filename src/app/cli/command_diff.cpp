#include "app/cli/command_diff.h"

#include "app/cli/cli_device_read.h"
#include "app/cli/cli_link_options.h"
#include "app/cli/comparison_output.h"
#include "app/cli/settings_loading.h"
#include "link/read/read_reach.h"
#include "model/hex_text.h"

namespace nastrum::cli {

namespace {

const QString kName = QStringLiteral("diff");

struct DiffArgs {
  ComparisonFormat format = ComparisonFormat::Text;
  bool captions = false;
  bool device = false;
  ReadChoice choice = ReadChoice::Constants;
  CompareOptions options;
  ExchangeSettings link;
};

bool anyLinkOptionGiven(const CliArgs& args) {
  for (const CliOption& o : linkOptions())
    if (args.isSet(o.name)) return true;
  return args.isSet(QStringLiteral("names")) || args.isSet(QStringLiteral("password"));
}

// Fills `a`; an empty string when the arguments are good, else the complaint.
QString parse(const CliArgs& args, DiffArgs& a) {
  if (!parseComparisonFormat(args, a.format)) return QStringLiteral("--format is text, json or html");
  a.captions = args.isSet(QStringLiteral("captions"));
  a.options.withoutClock = args.isSet(QStringLiteral("no-clock"));
  a.device = args.isSet(QStringLiteral("device"));
  if (!a.device) {
    if (anyLinkOptionGiven(args)) return QStringLiteral("the link options go with --device");
    if (args.positionals().size() < 2) return QStringLiteral("no B.bfm given (the settings file compared with it)");
    return {};
  }
  if (args.positionals().size() > 1) return QStringLiteral("with --device only A.bfm is given");
  if (!args.isSet(QStringLiteral("port"))) return QStringLiteral("--device needs --port PATH");
  if (QString complaint = parseLinkOptions(args, a.link); !complaint.isEmpty()) return complaint;
  if (QString complaint = parsePasswordOption(args, a.link); !complaint.isEmpty()) return complaint;
  if (args.isSet(QStringLiteral("names"))) a.choice = ReadChoice::Names;
  if (a.choice == ReadChoice::Constants && !a.link.password.isEmpty())
    return QStringLiteral("--password goes with --names");
  return {};
}

void print(const Comparison& c, const DiffArgs& a, CliIo& io) { printComparison(c, a.format, a.captions, kName, io); }

int runDiff(const CliArgs& args, CliIo& io) {
  DiffArgs a;
  if (const QString complaint = parse(args, a); !complaint.isEmpty()) return io.fail(kName, complaint);

  const QString firstPath = args.positional(0);
  const std::unique_ptr<SettingsImage> first = loadSettings(kName, firstPath, io);
  if (!first) return ExitBadInput;
  if (!a.device) {
    const std::unique_ptr<SettingsImage> second = loadSettings(kName, args.positional(1), io);
    if (!second) return ExitBadInput;
    const Comparison c = compareSettings(*first, firstPath, *second, args.positional(1), a.options);
    print(c, a, io);
    return c.equal() ? ExitOk : ExitDiffers;
  }

  const DeviceImage device = readDeviceImage(kName, a.link, a.choice, *first, io);
  if (!device.image) return ExitBadInput;
  // Only what the read brought is compared: the rest of the device's image is
  // the new image's defaults (constants) or this file's own settings (names).
  a.options.scope = a.choice == ReadChoice::Names ? NamesReadReach(device.image->deviceKind)
                                                  : ConstantsReadReach(device.image->deviceKind);
  a.options.realsAsTheDeviceKeepsThem = true;
  const QString deviceName = QStringLiteral("ОРВИК №") + HexWord(device.factoryNumber);
  const Comparison c = compareSettings(*first, firstPath, *device.image, deviceName, a.options);
  print(c, a, io);
  return c.equal() ? ExitOk : ExitDiffers;
}

CliOption option(const char* name, const char* value, const char* help) {
  return CliOption{QLatin1String(name), QLatin1String(value), QString::fromUtf8(help), false};
}

}  // namespace

CliCommand diffCommand() {
  std::vector<CliOption> options = {
      option("format", "text|json|html", "text (default): one line per differing field; json; html: a printable table"),
      option("captions", "", "text: the pages' words and values instead of field names"),
      option("no-clock", "", "leave out the clock fields and the marks the program keeps"),
      option("device", "", "compare A.bfm with the connected device instead of B.bfm"),
  };
  for (CliOption link : linkOptions()) {
    link.required = false;  // the link options go with --device only
    options.push_back(link);
  }
  options.push_back(option("names", "", "with --device: compare the names and the desktop instead of the constants"));
  options.push_back(passwordOption(QStringLiteral("with --names: the device's password, up to four hex digits")));
  return {kName,
          QStringLiteral("the fields in which two settings pairs, or a pair and a device, differ; exit 1 when any differ"),
          {{QStringLiteral("A.bfm"), QStringLiteral("the first settings file")},
           {QStringLiteral("B.bfm"), QStringLiteral("the settings file compared with it (not with --device)"), true}},
          options,
          runDiff,
          QStringLiteral("Exit 0 when equal, 1 when they differ, 2 on bad input or a failed device read. "
                         "Pairs of different device kinds compare the parts both kinds have.")};
}

}  // namespace nastrum::cli
