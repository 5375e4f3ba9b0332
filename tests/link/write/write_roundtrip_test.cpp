// Whatever a device holds, what the program read from it writes back: a
// device whose every settings parameter holds arbitrary bytes is read, the
// settings are prepared as a write prepares them, written whole, and the
// device then holds what it held, except where the program itself changes a
// value on purpose (listed below) or a value has more than one encoding.
#include <cmath>
#include <iostream>
#include <random>
#include <set>

#include <gtest/gtest.h>

#include "check/check_rules.h"
#include "link/write/converter_adjustment.h"
#include "model/device_real.h"
#include "model/field_walk.h"
#include "model/reset_image.h"
#include "link/read/read_map.h"
#include "sim/param_map.h"
#include "write_rig.h"

namespace nastrum::test {
namespace {

// Each device costs seconds under the sanitizers: a few in every test run,
// NASTRUM_ROUNDTRIP_DEVICES=50 (or more) for a longer one.
int DevicesPerKind() {
  const int n = qEnvironmentVariableIntValue("NASTRUM_ROUNDTRIP_DEVICES");
  return n > 0 ? n : 3;
}

// The fields a write changes on purpose, by name without the index:
// - the check's normalisations of the archive and event words, the pipeline
//   references and the system words it repairs on every run;
// - the converter adjustment of analog temperature sensors (47 → 50);
// - what a read itself stores differently: an impurity tariff read as FF FF
//   is kept as 0, a settlement hour byte FF as 0.
const std::set<QString> kChangedOnPurpose = {
    QStringLiteral("MainDescriptor"),  // the converter adjustment
    QStringLiteral("ImpurityTariff"),  // FF FF read as 0
    QStringLiteral("SettlementHourDate"),
};

// "sensors[3].MainDescriptor" -> "MainDescriptor"; "hourArcDesc[12]" -> "hourArcDesc".
QString FieldName(const QString& path) {
  QString name = path.section(QLatin1Char('.'), -1);
  return name.left(name.indexOf(QLatin1Char('[')) < 0 ? name.size() : name.indexOf(QLatin1Char('[')));
}

std::set<QString> ChangedPaths(const SettingsImage& a, const SettingsImage& b) {
  const std::vector<Field> x = walkFields(a), y = walkFields(b);
  std::set<QString> out;
  for (std::size_t i = 0; i < x.size() && i < y.size(); ++i)
    if (x[i].text != y[i].text) out.insert(x[i].path);
  return out;
}

// Arbitrary bytes, with the edges a device really holds more often.
QByteArray ArbitraryBytes(std::mt19937& random, int size) {
  QByteArray bytes(size, '\0');
  switch (random() % 6) {
    case 0: bytes.fill('\xFF'); break;
    case 1: break;  // all zero
    case 2:
      if (size == 4) bytes[0] = '\x80';  // the device real 0.0
      break;
    default:
      for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
  }
  return bytes;
}

// Compares what a device held with what the write left, parameter by
// parameter, and counts the kinds of difference.
class Comparison {
 public:
  explicit Comparison(int kind) : kind_(kind), bindings_(sim::settingsParams(kind)) {}

  void check(const std::map<sim::ParamKey, QByteArray>& before, const std::map<sim::ParamKey, QByteArray>& after,
             const SettingsImage& held, const SettingsImage& read, const SettingsImage& prepared,
             bool withModemStrings = true) {
    const std::set<QString> programChanged = ChangedPaths(read, prepared);
    for (const sim::ParamBinding& binding : bindings_) {
      const QByteArray& was = before.at(binding.key);
      const QByteArray& is = after.at(binding.key);
      if (was == is || (!withModemStrings && binding.size == 128)) continue;
      // The value the device means, field by field, with only this parameter's new bytes.
      SettingsImage changed = held;
      binding.decode(changed, is);
      const std::set<QString> paths = ChangedPaths(held, changed);
      // The same value in another encoding: a device real held with an
      // unnormalised mantissa or beyond the saturation, written normalised.
      if (paths.empty() || (binding.size == 4 && DecodeDeviceReal(was) == DecodeDeviceReal(is))) {
        ++otherEncodings_;
        continue;
      }
      // A device real too small for the device's own format (below 2^-127,
      // held with an unnormalised mantissa) is written as 0.
      if (binding.size == 4 && is == QByteArray("\x80\0\0\0", 4) &&
          std::fabs(DecodeDeviceReal(was)) < std::ldexp(1.0, -127)) {
        ++tinyReals_;
        continue;
      }
      for (const QString& path : paths) {
        const QString name = FieldName(path);
        ++purposeful_[name];
        EXPECT_TRUE(kChangedOnPurpose.count(name) || programChanged.count(path))
            << "parameter 0x" << QString::number(binding.key, 16).toStdString() << " (" << path.toStdString()
            << ") was " << was.toHex(' ').toStdString() << ", is " << is.toHex(' ').toStdString();
      }
    }
  }

  // What the write changed, for the reader of a failure.
  ~Comparison() {
    for (const auto& [name, count] : purposeful_)
      std::cout << "kind " << kind_ << ": " << name.toStdString() << " changed x" << count << '\n';
    std::cout << "kind " << kind_ << ": values in another encoding x" << otherEncodings_ << ", reals too small x"
              << tinyReals_ << '\n';
  }

 private:
  int kind_;
  std::vector<sim::ParamBinding> bindings_;
  std::map<QString, int> purposeful_;
  int otherEncodings_ = 0, tinyReals_ = 0;
};

// A simulated device of `kind` holding arbitrary bytes in every settings parameter.
sim::SimulatedDevice& ArbitraryDevice(WriteRig& rig, int kind, int seed) {
  std::mt19937 random(static_cast<std::mt19937::result_type>(seed * 131 + kind));
  SettingsImage blank;
  EditorState editor;
  ResetImage(blank, editor);
  sim::SimulatedDevice& device = rig.addDevice(kind, blank);
  for (const auto& [key, bytes] : device.parameterBytes()) device.setParameterBytes(key, ArbitraryBytes(random, bytes.size()));
  return device;
}

SettingsImage Blank() {
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  return image;
}

// As a write prepares the settings: the check's normalisations, then the converters.
SettingsImage Prepared(const SettingsImage& read) {
  SettingsImage image = read;
  evaluateRules(image, false);
  AdjustConverters(image);
  return image;
}

class WriteRoundTrip : public ::testing::TestWithParam<int> {};

// The conversions of both directions of the parameter map on many devices:
// the bytes the read takes in, the bytes the write plan sends.
TEST_P(WriteRoundTrip, ThroughTheParameterMap) {
  const int kind = GetParam();
  Comparison comparison(kind);
  for (int seed = 1; seed <= DevicesPerKind(); ++seed) {
    SCOPED_TRACE(testing::Message() << "kind " << kind << ", device " << seed);
    WriteRig rig;
    sim::SimulatedDevice& device = ArbitraryDevice(rig, kind, seed);
    const std::map<sim::ParamKey, QByteArray> before = device.parameterBytes();
    SettingsImage read = Blank();
    read.deviceKind = kind;
    for (const ReadStep& step : PlanConstantsRead(kind, read))
      if (step.source == ParamSource::Param && before.count(step.address))
        StoreReadValue(step.conversion, before.at(step.address), step.target);
    const SettingsImage prepared = Prepared(read);
    std::map<sim::ParamKey, QByteArray> after = before;
    for (const WriteStep& step : PlanConstantsWrite(kind, WriteGroups::all(), false, prepared)) {
      ASSERT_TRUE(step.encodable) << DescribeWriteStep(step).toStdString() << " refused";
      if (step.source == ParamSource::Param && after.count(step.address)) after[step.address] = step.data;
    }
    // The modem strings travel through memory as well: the runs below cover them.
    comparison.check(before, after, device.exportImage(), read, prepared, false);
  }
}

// A few devices the whole way: the read run, then the write run of every
// group, against the simulator.
TEST_P(WriteRoundTrip, ThroughTheRuns) {
  const int kind = GetParam();
  Comparison comparison(kind);
  for (int seed = 1; seed <= 1; ++seed) {
    SCOPED_TRACE(testing::Message() << "kind " << kind << ", device " << seed);
    WriteRig rig;
    sim::SimulatedDevice& device = ArbitraryDevice(rig, kind, 1000 + seed);
    const std::map<sim::ParamKey, QByteArray> before = device.parameterBytes();
    const SettingsImage held = device.exportImage();
    SettingsImage read = Blank();
    ASSERT_TRUE(rig.read(ReadChoice::Constants, read).done) << rig.observer.log.join('\n').toStdString();
    rig.workspace.image = read;
    evaluateRules(rig.workspace.image, false);
    rig.observer.log.clear();
    ASSERT_TRUE(rig.write(WriteChoice::Constants).succeeded()) << rig.observer.log.join('\n').toStdString();
    comparison.check(before, device.parameterBytes(), held, read, rig.workspace.image);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, WriteRoundTrip, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace nastrum::test
