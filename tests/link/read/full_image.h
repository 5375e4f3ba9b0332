// Settings images with a distinct, non-default value in every field, each
// one a value the device's formats carry unchanged, and the image a read of
// such a device must give.
#pragma once

#include <algorithm>

#include "link/device_real.h"
#include "model/kind_profile.h"
#include "model/settings_files.h"
#include "model/settings_image.h"

namespace nastrum::test {

inline SettingsImage FullImage(int kind, int seed) {
  SettingsImage im;
  int n = seed * 7919;
  // Never 0 and never FF FF (a pipeline's impurity reference reads FF FF as 0).
  auto word = [&] { return 0x1000 + (++n % 0xE000); };
  // Quarter steps: exact in the device's 23-bit mantissa.
  auto real = [&] {
    ++n;
    return (n % 3000) * 0.25 + 1.0 - (n % 3 == 0 ? 900.0 : 0.0);
  };
  im.deviceKind = kind;
  for (SensorRecord& s : im.sensors) {
    s.number = word();
    s.mainDescriptor = word();
    s.auxDescriptor = word();
    s.rtdStandard = word();
    for (double* r : {&s.const1, &s.const2, &s.const3, &s.maxValue, &s.minValue, &s.substAboveMax,
                      &s.substBelowMin, &s.substOnFault, &s.monthFactor})
      *r = real();
  }
  for (PipelineRecord& p : im.pipelines) {
    for (Word* w : {&p.number, &p.mainDescriptor, &p.flowSensors, &p.tempSensors, &p.pressureSensors,
                    &p.densityCalorLink, &p.bigPipeRef, &p.cutoffSource, &p.impurityTariff})
      *w = word();
    for (double* r : {&p.pipeDiameter, &p.orificeDiameter, &p.pipeExpansion, &p.orificeExpansion, &p.roughness,
                      &p.co2Fraction, &p.n2Fraction, &p.gasCalorific, &p.gasDensity, &p.monthFactor, &p.mainTariff,
                      &p.nightTariff})
      *r = real();
  }
  auto words = [&](auto& array) {
    for (Word& w : array) w = word();
  };
  words(im.hourArcDesc), words(im.hourArcPos), words(im.hourArcNeg);
  words(im.dayArcDesc), words(im.dayArcPos), words(im.dayArcNeg);
  words(im.monthArcDesc), words(im.monthArcPos), words(im.monthArcNeg);
  words(im.intervalArcDesc), words(im.intervalArcPos), words(im.intervalArcNeg);
  im.eventPrefixWord = word();
  words(im.eventType), words(im.eventParam);
  words(im.logicLaw), words(im.logicParam), words(im.logicK1), words(im.logicK2);
  // Flags that watch the clock keep their threshold as a decimal pair.
  for (int j : {3, 70, 200}) {
    im.logicParam[static_cast<std::size_t>(j)] = 0x4015 + j % 3;
    im.logicK1[static_cast<std::size_t>(j)] = 1231 + seed;
  }
  for (std::size_t k = 0; k < im.logicT1.size(); ++k) {
    if (kind == 3) {  // a regulator constant: a device real kept as two words
      const DeviceRealBytes b = EncodeDeviceReal(real());
      im.logicT1[k] = b[0] * 256 + b[1];
      im.logicT2[k] = b[2] * 256 + b[3];
    } else {  // hours and minutes
      im.logicT1[k] = static_cast<Word>((k + seed) % 24 * 100 + (k * 7) % 60);
      im.logicT2[k] = static_cast<Word>((k + 5) % 24 * 100 + (k * 3 + seed) % 60);
    }
  }
  words(im.systemBlock);
  im.sys(sys::SettlementHourDate) = 2315 + seed;
  for (auto& table : im.tableFunctions)
    for (double& v : table) v = real();
  for (CurrentGenRecord& g : im.currentGenerators) {
    g.paramDescriptor = word();
    g.lawDescriptor = word();
    g.scaleEnd = real();
    g.scaleStart = real();
  }
  im.defaultValues = {real(), real(), real(), real()};
  words(im.reservedPairs);
  for (std::size_t i = 0; i < 128; ++i) {
    im.modemInitMain[i] = static_cast<std::uint8_t>(0x21 + (i + static_cast<std::size_t>(seed)) % 90);
    im.modemInitAux[i] = static_cast<std::uint8_t>(0x30 + (i * 3 + static_cast<std::size_t>(seed)) % 60);
  }
  auto names = [&](auto& nameSlots, const char* stem) {
    for (NameSlot& slot : nameSlots) slot.setBytes(QByteArray(stem) + QByteArray::number(++n % 1000));
  };
  names(im.names.sensorNames, "S"), names(im.names.pipelineNames, "P");
  names(im.names.hourArcNames, "H"), names(im.names.dayArcNames, "D");
  names(im.names.monthArcNames, "M"), names(im.names.intervalArcNames, "I");
  names(im.names.desktopNames, "W");
  for (Word& w : im.names.desktopParams) w = word();
  std::fill(im.names.hourArcSpare.begin(), im.names.hourArcSpare.end(), std::uint8_t{7});
  std::fill(im.names.intervalArcSpare.begin(), im.names.intervalArcSpare.end(), std::uint8_t{9});
  std::fill(im.names.reserved.begin(), im.names.reserved.end(), std::uint8_t{5});
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
    if (kind == 1) t.roughness = roughness;
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
  for (int t = 0; t < (kind == 1 ? 4 : 10); ++t)
    copy(device.tableFunctions[static_cast<std::size_t>(t)], base.tableFunctions[static_cast<std::size_t>(t)], 16);
  if (kind != 1) base.currentGenerators = device.currentGenerators;
  std::vector<int> system = {sys::ClockCorrection, sys::ArchiveWriteMode, sys::SummerTimeInterval,
                             sys::SettlementHourDate, sys::MainChannelSetup, sys::MainChannelBaud};
  if (kind != 1)
    system.insert(system.end(), {sys::AuxChannelSetup, sys::AuxChannelBaud, sys::BatteryControl, sys::SpecialFunctions});
  for (int i : system) base.sys(i) = device.sys(i);
  base.defaultValues = device.defaultValues;
  base.modemInitMain = device.modemInitMain;
  if (kind == 3) base.modemInitAux = device.modemInitAux;
  if (kind == 2) {
    base.logicLaw = device.logicLaw;
    base.logicParam = device.logicParam;
    base.logicK1 = device.logicK1;
    base.logicK2 = device.logicK2;
    base.logicT1 = device.logicT1;
    base.logicT2 = device.logicT2;
  }
  if (kind == 3) {
    copy(device.logicLaw, base.logicLaw, 64);
    copy(device.logicParam, base.logicParam, 64);
    base.logicT1 = device.logicT1;
    base.logicT2 = device.logicT2;
  }
  return base;
}

}  // namespace nastrum::test
