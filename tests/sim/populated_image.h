// A settings image with a distinct value in the fields the device keeps,
// chosen to survive the device's four-byte real unchanged.
#pragma once

#include "sim_rig.h"

namespace nastrum::test {

inline SettingsImage populated(int kind) {
  SettingsImage im = freshImage(kind);
  int w = 0x100;
  auto word = [&] { return ++w; };
  auto real = [&] { return (++w % 1000) + 0.5; };
  for (auto& s : im.sensors) {
    s.mainDescriptor = word();
    s.auxDescriptor = word();
    s.const1 = real();
    s.maxValue = real();
    s.monthFactor = real();
  }
  for (auto& p : im.pipelines) {
    p.impurityTariff = word();
    p.roughness = real();
    p.nightTariff = real();
  }
  for (auto& v : im.dayArcNeg) v = word();
  for (auto& v : im.intervalArcPos) v = word();
  for (auto& v : im.eventParam) v = word();
  for (auto& t : im.tableFunctions)
    for (int i = 0; i < 16; ++i) t[static_cast<std::size_t>(i)] = real();
  for (auto& g : im.currentGenerators) {
    g.lawDescriptor = word();
    g.scaleStart = real();
  }
  for (auto& v : im.logicLaw) v = word();
  im.logicParam[3] = 0x4016;
  im.logicK1[3] = 1231;  // a clock threshold: a decimal pair
  im.logicK1[4] = 0x0C1F;
  im.logicT1[2] = 705;
  im.logicT2[2] = kind == 3 ? 0x8140 : 1230;
  im.sys(sys::SettlementHourDate) = 2315;
  im.sys(sys::AuxChannelBaud) = 0x2580;
  im.defaultValues = {5.0, 65.0, 0.5, 735.0};
  im.modemInitMain[0] = 'A';
  im.modemInitAux[0] = 'B';
  im.names.sensorNames[1].setBytes("T1");
  im.names.hourArcNames[31].setBytes("Hour 32");
  im.names.monthArcNames[2].setBytes("\xDB\xFB");  // Ыы
  if (kind == 3) {
    im.names.desktopNames[15].setBytes("Desk");
    im.names.desktopParams[15] = 0x0102;
  }
  im.sys(sys::PasswordPresent) = 1;
  im.sys(sys::DevicePassword) = 0x4321;
  return im;
}

}  // namespace nastrum::test
