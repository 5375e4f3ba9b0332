// orvik-sim: a simulated ОРВИК heat computer on a pseudo-terminal.
//
//   orvik-sim --kind 2 [--image FILE.bfm | --demo] [--link PATH] [--network N[,N...]]
//             [--password HHHH] [--fault F]... [--save OUT.bfm] [--reprog-delay S] [--pace]
//   orvik-sim --device NUMBER:KIND[:demo] [--device ...]... [other options as above]
//
// Prints the path to open, logs one line per request, and on SIGINT/SIGTERM
// saves what was written to it as a settings pair when --save is given.
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <vector>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QTextStream>

#include "link/clock.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "sim/demo_image.h"
#include "sim/device_port.h"
#include "sim/line_device.h"
#include "sim/pty_host.h"
#include "sim/simulated_device.h"

using namespace nastrum;

namespace {

constexpr int kMaxReprogDelaySeconds = 3600;

int fail(const QString& message) {
  QTextStream(stderr) << "orvik-sim: " << message << Qt::endl;
  return 2;
}

// Replaces a symbolic link (never a regular file) with one to `target`.
bool linkTo(const QString& link, const QString& target, QString* error) {
  const QFileInfo info(link);
  if (info.exists() || info.isSymLink()) {
    if (!info.isSymLink()) {
      *error = QStringLiteral("%1 exists and is not a symbolic link").arg(link);
      return false;
    }
    QFile::remove(link);
  }
  if (::symlink(target.toLocal8Bit().constData(), link.toLocal8Bit().constData()) != 0) {
    *error = QStringLiteral("cannot create %1").arg(link);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QCoreApplication::setApplicationName(QStringLiteral("orvik-sim"));
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("A simulated ОРВИК heat computer on a pseudo-terminal."));
  parser.addHelpOption();
  const QCommandLineOption kindOpt(QStringLiteral("kind"), QStringLiteral("Model: 1, 2, 3; 0 an early model, 4 an unknown one."), QStringLiteral("N"));
  const QCommandLineOption imageOpt(QStringLiteral("image"), QStringLiteral("Settings to start with (.bfm with its .nam)."), QStringLiteral("FILE"));
  const QCommandLineOption demoOpt(QStringLiteral("demo"), QStringLiteral("Start with a configured demonstration plant (model 2)."));
  const QCommandLineOption linkOpt(QStringLiteral("link"), QStringLiteral("Symbolic link to the terminal."), QStringLiteral("PATH"), QStringLiteral("/tmp/orvik-sim"));
  const QCommandLineOption networkOpt(QStringLiteral("network"), QStringLiteral("Network number 1..254; a comma-separated list puts several devices on the line."), QStringLiteral("N[,N...]"), QStringLiteral("1"));
  const QCommandLineOption passwordOpt(QStringLiteral("password"), QStringLiteral("Access password, four hexadecimal digits."), QStringLiteral("HHHH"));
  const QCommandLineOption factoryOpt(QStringLiteral("factory"), QStringLiteral("Factory number, four hexadecimal digits."), QStringLiteral("HHHH"), QStringLiteral("1234"));
  const QCommandLineOption faultOpt(QStringLiteral("fault"),
                                    QStringLiteral("A fault: %1; add :once for one request, @N to start after N requests; completion=HH (or =none) sets the loader's completion byte.")
                                        .arg(sim::faultNames().join(QStringLiteral(", "))),
                                    QStringLiteral("F"));
  const QCommandLineOption saveOpt(QStringLiteral("save"), QStringLiteral("On exit, save the device's settings as this pair."), QStringLiteral("OUT.bfm"));
  const QCommandLineOption reprogDelayOpt(QStringLiteral("reprog-delay"), QStringLiteral("Seconds the device takes to enter the reprogramming mode."), QStringLiteral("S"), QStringLiteral("0"));
  const QCommandLineOption paceOpt(QStringLiteral("pace"), QStringLiteral("Answer no faster than the line's baud rate."));
  const QCommandLineOption deviceOpt(QStringLiteral("device"),
                                     QStringLiteral("A device of a multi-drop line: its network number, its model and, with :demo, the demonstration plant; repeat for more devices. Two devices of one number answer together (a collision)."),
                                     QStringLiteral("NUMBER:KIND[:demo]"));
  parser.addOptions({deviceOpt, kindOpt, imageOpt, demoOpt, linkOpt, networkOpt, passwordOpt, factoryOpt, faultOpt, saveOpt, reprogDelayOpt, paceOpt});
  parser.process(app);

  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  if (parser.isSet(demoOpt) && parser.isSet(imageOpt)) return fail(QStringLiteral("--demo and --image exclude each other"));
  if (parser.isSet(demoOpt)) image = sim::demoPlantImage();
  if (parser.isSet(imageOpt)) {
    const ReadOutcome read = readSettingsPair(parser.value(imageOpt), image, editor);
    if (!read.ok()) return fail(QStringLiteral("cannot read settings from %1").arg(parser.value(imageOpt)));
  }

  sim::DeviceConfig config;
  bool ok = true;
  config.modelCode = parser.isSet(kindOpt) ? parser.value(kindOpt).toInt(&ok) : (isValidDeviceKind(image.deviceKind) ? image.deviceKind : 2);
  if (!ok || config.modelCode < 0 || config.modelCode > 4) return fail(QStringLiteral("--kind takes 0 to 4"));
  std::vector<sim::LineDevice> lineDevices;
  if (parser.isSet(deviceOpt)) {
    if (parser.isSet(networkOpt) || parser.isSet(kindOpt) || parser.isSet(demoOpt))
      return fail(QStringLiteral("--device names the number and the model of each device: no --network, --kind or --demo with it"));
    for (const QString& text : parser.values(deviceOpt)) {
      const auto device = sim::parseLineDevice(text);
      if (!device) return fail(QStringLiteral("--device takes NUMBER:KIND[:demo], a number 1 to 254 and a model 0 to 4, not \"%1\"").arg(text));
      lineDevices.push_back(*device);
    }
  } else {
    for (const QString& text : parser.value(networkOpt).split(QLatin1Char(','))) {
      const int n = text.toInt(&ok);
      if (!ok || n < 1 || n > 254) return fail(QStringLiteral("--network takes numbers 1 to 254"));
      // Two devices of one number would both answer and garble every reply;
      // --device makes that collision on purpose.
      const auto sameNumber = [n](const sim::LineDevice& d) { return d.networkNumber == n; };
      if (std::any_of(lineDevices.begin(), lineDevices.end(), sameNumber))
        return fail(QStringLiteral("--network names each number once"));
      lineDevices.push_back({n, config.modelCode, false});
    }
  }
  config.factoryNumber = static_cast<std::uint16_t>(parser.value(factoryOpt).toUInt(&ok, 16));
  if (!ok || parser.value(factoryOpt).size() > 4) return fail(QStringLiteral("--factory takes four hexadecimal digits"));
  if (parser.isSet(passwordOpt)) {
    const QString pw = parser.value(passwordOpt);
    config.password = static_cast<std::uint16_t>(pw.toUInt(&ok, 16));
    if (!ok || pw.size() > 4) return fail(QStringLiteral("--password takes four hexadecimal digits"));
  }
  // Bounded before it is turned into milliseconds, which must not overflow.
  const int reprogDelaySeconds = parser.value(reprogDelayOpt).toInt(&ok);
  if (!ok || reprogDelaySeconds < 0 || reprogDelaySeconds > kMaxReprogDelaySeconds)
    return fail(QStringLiteral("--reprog-delay takes seconds, 0 to %1").arg(kMaxReprogDelaySeconds));
  config.reprogEntryDelayMs = reprogDelaySeconds * 1000;
  config.clockStart = QDateTime::currentDateTime();

  SystemClock clock;
  // One device per network number, each with its own factory number.
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
  std::vector<sim::DevicePort*> portList;
  for (std::size_t i = 0; i < lineDevices.size(); ++i) {
    sim::DeviceConfig own = config;
    own.networkNumber = lineDevices[i].networkNumber;
    own.modelCode = lineDevices[i].modelCode;
    own.factoryNumber = static_cast<std::uint16_t>(config.factoryNumber + i);
    SettingsImage start = lineDevices[i].demo ? sim::demoPlantImage() : image;
    if (lineDevices[i].demo && isValidDeviceKind(own.modelCode)) start.deviceKind = own.modelCode;
    sim::SimulatedDevice& device = devices.emplace_back(own, start, clock);
    for (const QString& text : parser.values(faultOpt)) {
      const auto fault = sim::parseFault(text);
      if (!fault) return fail(QStringLiteral("--fault: unknown fault \"%1\"; known: %2").arg(text, sim::faultNames().join(QStringLiteral(", "))));
      device.faults().add(*fault);
    }
    const QString tag = lineDevices.size() > 1 ? QStringLiteral("[%1] ").arg(lineDevices[i].networkNumber) : QString();
    device.setLogger([&out, tag](const QString& line) {
      out << QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")) << ' ' << tag << line << Qt::endl;
    });
    portList.push_back(&ports.emplace_back(device));
  }
  sim::PtyHost host(portList);
  host.setPacing(parser.isSet(paceOpt));

  // SIGINT and SIGTERM arrive through a descriptor, so the loop ends cleanly.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
  const int signalFd = signalfd(-1, &stopSignals, SFD_NONBLOCK | SFD_CLOEXEC);

  QString error;
  if (!host.open(&error)) return fail(error);
  const QString linkPath = parser.value(linkOpt);
  if (!linkTo(linkPath, host.slavePath(), &error)) return fail(error);
  if (!parser.isSet(deviceOpt)) {
    out << "orvik-sim ready: " << linkPath << " -> " << host.slavePath() << " (model " << config.modelCode
        << ", network " << parser.value(networkOpt) << ")" << Qt::endl;
  } else {
    out << "orvik-sim ready: " << linkPath << " -> " << host.slavePath() << " (" << devices.size() << " devices)" << Qt::endl;
    for (const sim::SimulatedDevice& device : devices)
      out << "device " << device.config().networkNumber << ": model " << device.config().modelCode << ", factory "
          << QString::number(device.config().factoryNumber, 16).rightJustified(4, QLatin1Char('0')).toUpper() << Qt::endl;
  }

  int exitCode = 0;
  for (;;) {
    signalfd_siginfo info{};
    if (signalFd >= 0 && ::read(signalFd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) break;
    if (!host.step(50)) {
      exitCode = fail(QStringLiteral("the terminal failed"));
      break;
    }
  }

  if (QFileInfo(linkPath).isSymLink() && QFileInfo(linkPath).symLinkTarget() == host.slavePath()) QFile::remove(linkPath);
  if (parser.isSet(saveOpt)) {
    // The first device's pair goes to OUT.bfm, the others' to OUT_<network>.bfm.
    for (std::size_t i = 0; i < devices.size(); ++i) {
      QString path = parser.value(saveOpt);
      if (i > 0) path = pathWithoutExtension(path) + QStringLiteral("_%1.bfm").arg(lineDevices[i].networkNumber);
      const WriteOutcome written = writeSettingsPair(path, devices[i].exportImage());
      if (!written.settingsWritten || !written.namesWritten) return fail(QStringLiteral("cannot save %1").arg(path));
      out << "saved " << path << Qt::endl;
    }
  }
  return exitCode;
}
