// Settings images with a distinct, non-default value in every field, each
// one a value the device's formats carry unchanged, and the image a read of
// such a device must give.
#pragma once

#include <algorithm>
#include <span>

#include "model/device_real.h"
#include "model/image_fields.h"
#include "model/kind_profile.h"
#include "model/settings_files.h"
#include "model/settings_image.h"

namespace nastrum::test {

// Fills every field of the field description with the next distinct value.
class FullImageFiller {
 public:
  explicit FullImageFiller(int seed) : seed_(seed), n_(seed * 7919) {}

  // Never 0 and never FF FF (a pipeline's impurity reference reads FF FF as 0).
  Word nextWord() { return 0x1000 + (++n_ % 0xE000); }
  // Quarter steps: exact in the device's 23-bit mantissa.
  double nextReal() {
    ++n_;
    return (n_ % 3000) * 0.25 + 1.0 - (n_ % 3 == 0 ? 900.0 : 0.0);
  }

  void word(const FieldInfo&, Word& w) { w = nextWord(); }
  void real(const FieldInfo&, double& r) { r = nextReal(); }
  void name(const FieldInfo& info, NameSlot& slot) {
    slot.setBytes(QByteArray(1, info.name.group[0]) + QByteArray::number(++n_ % 1000));
  }
  void bytes(const FieldInfo& info, std::span<std::uint8_t> data) {
    const auto seed = static_cast<std::size_t>(seed_);
    ++byteFields_;
    for (std::size_t i = 0; i < data.size(); ++i) {
      // Printable text without the terminating byte 13; spare bytes a constant each.
      if (info.kind == FieldKind::DeviceText)
        data[i] = static_cast<std::uint8_t>(byteFields_ % 2 ? 0x21 + (i + seed) % 90 : 0x30 + (i * 3 + seed) % 60);
      else
        data[i] = static_cast<std::uint8_t>(3 + 2 * byteFields_);
    }
  }

 private:
  int seed_;
  int n_;
  int byteFields_ = 0;
};

inline SettingsImage FullImage(int kind, int seed) {
  SettingsImage im;
  FullImageFiller fill(seed);
  visitImageFields(im, fill);
  im.deviceKind = kind;
  // Flags that watch the clock keep their threshold as a decimal pair.
  for (int j : {3, 70, 200}) {
    im.logicParam[static_cast<std::size_t>(j)] = 0x4015 + j % 3;
    im.logicK1[static_cast<std::size_t>(j)] = 1231 + seed;
  }
  for (std::size_t k = 0; k < im.logicT1.size(); ++k) {
    if (kindProfile(kind).regulators > 0) {  // a regulator constant: a device real kept as two words
      const DeviceRealBytes b = EncodeDeviceReal(fill.nextReal());
      im.logicT1[k] = b[0] * 256 + b[1];
      im.logicT2[k] = b[2] * 256 + b[3];
    } else {  // hours and minutes
      im.logicT1[k] = static_cast<Word>((k + seed) % 24 * 100 + (k * 7) % 60);
      im.logicT2[k] = static_cast<Word>((k + 5) % 24 * 100 + (k * 3 + seed) % 60);
    }
  }
  im.sys(sys::SettlementHourDate) = 2315 + seed;
  return im;
}

// `base` after a constants read of a device of `kind` holding `device`:
// every field the read reaches comes from the device, the rest stays.
inline SettingsImage AfterConstantsRead(const SettingsImage& device, SettingsImage base, int kind) {
  const KindProfile& n = kindProfile(kind);
  base.deviceKind = kind;
  auto copy = [](const auto& from, auto& to, int count) {
    std::copy_n(from.begin(), count, to.begin());
  };
  for (int k = 0; k < n.sensors; ++k) {
    const SensorRecord& s = device.sensors[static_cast<std::size_t>(k)];
    SensorRecord& t = base.sensors[static_cast<std::size_t>(k)];
    const Word number = t.number, rtd = t.rtdStandard;
    t = s;
    t.number = number;
    t.rtdStandard = rtd;
  }
  for (int k = 0; k < n.pipelines; ++k) {
    PipelineRecord& t = base.pipelines[static_cast<std::size_t>(k)];
    const Word number = t.number;
    const double roughness = t.roughness;
    t = device.pipelines[static_cast<std::size_t>(k)];
    t.number = number;
    if (kind == 1) t.roughness = roughness;  // the minimal model's read leaves the roughness out
  }
  copy(device.hourArcDesc, base.hourArcDesc, n.hourArchives);
  copy(device.hourArcPos, base.hourArcPos, n.hourArchives);
  copy(device.hourArcNeg, base.hourArcNeg, n.hourArchives);
  copy(device.dayArcDesc, base.dayArcDesc, n.dayArchives);
  copy(device.dayArcPos, base.dayArcPos, n.dayArchives);
  copy(device.dayArcNeg, base.dayArcNeg, n.dayArchives);
  copy(device.monthArcDesc, base.monthArcDesc, n.monthArchives);
  copy(device.monthArcPos, base.monthArcPos, n.monthArchives);
  copy(device.monthArcNeg, base.monthArcNeg, n.monthArchives);
  copy(device.intervalArcDesc, base.intervalArcDesc, n.intervalArchives);
  copy(device.intervalArcPos, base.intervalArcPos, n.intervalArchives);
  copy(device.intervalArcNeg, base.intervalArcNeg, n.intervalArchives);
  copy(device.eventType, base.eventType, n.events);
  copy(device.eventParam, base.eventParam, n.events);
  for (int t = 0; t < n.tables; ++t)
    copy(device.tableFunctions[static_cast<std::size_t>(t)], base.tableFunctions[static_cast<std::size_t>(t)], 16);
  if (n.generators > 0) base.currentGenerators = device.currentGenerators;
  std::vector<int> system = {sys::ClockCorrection, sys::ArchiveWriteMode, sys::SummerTimeInterval,
                             sys::SettlementHourDate, sys::MainChannelSetup, sys::MainChannelBaud};
  if (n.hasAuxChannel) system.insert(system.end(), {sys::AuxChannelSetup, sys::AuxChannelBaud});
  if (n.hasBatteryControl) system.push_back(sys::BatteryControl);
  if (n.hasSpecialFunctions) system.push_back(sys::SpecialFunctions);
  for (int i : system) base.sys(i) = device.sys(i);
  base.defaultValues = device.defaultValues;
  base.modemInitMain = device.modemInitMain;
  if (n.hasAuxModemText) base.modemInitAux = device.modemInitAux;
  if (n.hasLogicFlags) {
    base.logicLaw = device.logicLaw;
    base.logicParam = device.logicParam;
    base.logicK1 = device.logicK1;
    base.logicK2 = device.logicK2;
    base.logicT1 = device.logicT1;
    base.logicT2 = device.logicT2;
  }
  if (n.regulators > 0) {
    copy(device.logicLaw, base.logicLaw, n.regulators);
    copy(device.logicParam, base.logicParam, n.regulators);
    base.logicT1 = device.logicT1;
    base.logicT2 = device.logicT2;
  }
  return base;
}

}  // namespace nastrum::test
