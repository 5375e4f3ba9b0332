// Whatever a device holds, what the program read from it writes back: a
// device whose every settings parameter holds arbitrary bytes is read, the
// settings are prepared as a write prepares them, written whole, and the
// device then holds what it held, except where the program itself changes a
// value on purpose (listed below) or a value has more than one encoding.
#include <bit>
#include <cmath>
#include <cstring>
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

// Fifty devices of each kind in every test run (a few seconds a kind under
// the sanitizers); NASTRUM_ROUNDTRIP_DEVICES=N for a longer search.
int DevicesPerKind() {
  const int n = qEnvironmentVariableIntValue("NASTRUM_ROUNDTRIP_DEVICES");
  return n > 0 ? n : 50;
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

// The fields in which an edited copy of an image differs from the image.
// Formatting every field as text for each of thousands of parameters would
// cost minutes under the sanitizers, so the copy is compared with the base
// block by block, and only the fields of a block that differs are looked at.
class FieldDiff {
 public:
  explicit FieldDiff(const SettingsImage& base)
      : base_(base), copy_(base), baseFields_(imageFields(base_)), copyFields_(imageFields(copy_)) {
    const auto* start = reinterpret_cast<const unsigned char*>(&copy_);
    fieldsOfBlock_.resize(sizeof(SettingsImage) / kBlock + 1);
    for (std::size_t i = 0; i < copyFields_.size(); ++i) {
      const auto [data, size] = Bytes(copyFields_[i].value);
      const std::size_t first = static_cast<std::size_t>(data - start);
      for (std::size_t block = first / kBlock; block <= (first + size - 1) / kBlock; ++block)
        fieldsOfBlock_[block].push_back(i);
    }
  }

  // A fresh copy of the base to edit; the fields stay bound to it.
  SettingsImage& freshCopy() {
    copy_ = base_;
    return copy_;
  }

  std::set<QString> changedPaths() const {
    const auto* a = reinterpret_cast<const unsigned char*>(&base_);
    const auto* b = reinterpret_cast<const unsigned char*>(&copy_);
    std::set<QString> out;
    for (std::size_t block = 0; block < fieldsOfBlock_.size(); ++block) {
      const std::size_t offset = block * kBlock;
      if (offset >= sizeof(SettingsImage) ||
          std::memcmp(a + offset, b + offset, std::min(kBlock, sizeof(SettingsImage) - offset)) == 0)
        continue;
      for (const std::size_t i : fieldsOfBlock_[block])
        if (!Same(baseFields_[i].value, copyFields_[i].value)) out.insert(baseFields_[i].path());
    }
    return out;
  }

 private:
  static constexpr std::size_t kBlock = 256;

  static std::pair<const unsigned char*, std::size_t> Bytes(const ImageField::Value& v) {
    if (const auto* w = std::get_if<Word*>(&v)) return {reinterpret_cast<const unsigned char*>(*w), sizeof(Word)};
    if (const auto* r = std::get_if<double*>(&v)) return {reinterpret_cast<const unsigned char*>(*r), sizeof(double)};
    if (const auto* n = std::get_if<NameSlot*>(&v)) return {reinterpret_cast<const unsigned char*>(*n), sizeof(NameSlot)};
    const auto span = std::get<std::span<std::uint8_t>>(v);
    return {span.data(), std::max<std::size_t>(span.size(), 1)};
  }

  // Equal as the listing shows them: every NaN reads "nan", -0 and 0 differ.
  static bool Same(const ImageField::Value& a, const ImageField::Value& b) {
    if (const auto* w = std::get_if<Word*>(&a)) return **w == *std::get<Word*>(b);
    if (const auto* r = std::get_if<double*>(&a)) {
      const double x = **r, y = *std::get<double*>(b);
      return (std::isnan(x) && std::isnan(y)) || std::bit_cast<std::uint64_t>(x) == std::bit_cast<std::uint64_t>(y);
    }
    if (const auto* n = std::get_if<NameSlot*>(&a)) return (*n)->bytes() == std::get<NameSlot*>(b)->bytes();
    const auto x = std::get<std::span<std::uint8_t>>(a), y = std::get<std::span<std::uint8_t>>(b);
    return std::equal(x.begin(), x.end(), y.begin(), y.end());
  }

  SettingsImage base_, copy_;
  std::vector<ImageField> baseFields_, copyFields_;
  std::vector<std::vector<std::size_t>> fieldsOfBlock_;
};

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
    FieldDiff diff(held);
    for (const sim::ParamBinding& binding : bindings_) {
      const QByteArray& was = before.at(binding.key);
      const QByteArray& is = after.at(binding.key);
      if (was == is || (!withModemStrings && binding.size == 128)) continue;
      // The value the device means, field by field, with only this parameter's new bytes.
      binding.decode(diff.freshCopy(), is);
      const std::set<QString> paths = diff.changedPaths();
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
