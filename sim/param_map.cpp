#include "sim/param_map.h"
#include "model/kind_profile.h"

#include <algorithm>

#include "model/device_real.h"
#include "sim/byte_at.h"

namespace nastrum::sim {
namespace {

QByteArray word(Word v) {
  const auto u = static_cast<std::uint16_t>(v);
  QByteArray b(2, 0);
  b[0] = static_cast<char>(u >> 8);
  b[1] = static_cast<char>(u & 0xFF);
  return b;
}
Word unword(const QByteArray& b) {
  return (byteAt(b, 0) << 8) | byteAt(b, 1);
}
QByteArray real(double v) { return DeviceRealToByteArray(EncodeDeviceReal(v)); }
double unreal(const QByteArray& b) { return DecodeDeviceReal(b); }
QByteArray pair(Word v) {
  QByteArray b(2, 0);
  b[0] = static_cast<char>((v / 100) & 0xFF);
  b[1] = static_cast<char>((v % 100) & 0xFF);
  return b;
}
Word unpair(const QByteArray& b) {
  return byteAt(b, 0) * 100 + byteAt(b, 1);
}
// Settlement hour and day: two BCD bytes.
QByteArray bcd(Word v) {
  const QByteArray digits = QByteArray::number(v).rightJustified(4, '0').right(4);
  QByteArray b(2, 0);
  b[0] = static_cast<char>(digits.left(2).toInt(nullptr, 16));
  b[1] = static_cast<char>(digits.mid(2, 2).toInt(nullptr, 16));
  return b;
}
Word unbcd(const QByteArray& b) {
  auto digits = [](std::uint8_t x) { return x == 0xFF ? 0 : (x >> 4) * 10 + (x & 0x0F); };
  return digits(byteAt(b, 0)) * 100 + digits(byteAt(b, 1));
}
QByteArray text128(const ModemText& t) { return QByteArray(reinterpret_cast<const char*>(t.data()), 128); }
void untext128(ModemText& t, const QByteArray& b) {
  for (int i = 0; i < 128; ++i) t[static_cast<std::size_t>(i)] = byteAt(b, i);
}

bool isClockParam(Word p) {
  const Word v = p & 0xFFFF;
  return v == 0x4015 || v == 0x4016 || v == 0x4017;
}

using Enc = std::function<QByteArray(const SettingsImage&)>;
using Dec = std::function<void(SettingsImage&, const QByteArray&)>;

class Builder {
 public:
  std::vector<ParamBinding> list;

  template <class Get>
  void w(ParamKey k, Get field) {  // a word field
    list.push_back({k, 2, 2, [field](const SettingsImage& im) { return word(field(const_cast<SettingsImage&>(im))); },
                    [field](SettingsImage& im, const QByteArray& b) { field(im) = unword(b); }});
  }
  template <class Get>
  void r(ParamKey k, Get field) {  // a real field
    list.push_back({k, 4, 4, [field](const SettingsImage& im) { return real(field(const_cast<SettingsImage&>(im))); },
                    [field](SettingsImage& im, const QByteArray& b) { field(im) = unreal(b); }});
  }
  template <class Get>
  void p(ParamKey k, Get field) {  // a decimal pair
    list.push_back({k, 2, 2, [field](const SettingsImage& im) { return pair(field(const_cast<SettingsImage&>(im))); },
                    [field](SettingsImage& im, const QByteArray& b) { field(im) = unpair(b); }});
  }
  void raw(ParamKey k, int size, int writeSize, Enc e, Dec d) { list.push_back({k, size, writeSize, std::move(e), std::move(d)}); }
};

template <class A>
auto& at(A& array, int i) {
  return array[static_cast<std::size_t>(i)];
}

}  // namespace

std::vector<ParamBinding> settingsParams(int kindIn) {
  const int kind = toWord(deviceKindOf(kindIn).value_or(DeviceKind::Expandable));
  const KindProfile& n = kindProfile(kind);
  Builder b;

  for (int k = 0; k < n.sensors; ++k) {
    b.w(paramKey(k, 0), [k](SettingsImage& im) -> Word& { return at(im.sensors, k).mainDescriptor; });
    b.w(paramKey(k, 10), [k](SettingsImage& im) -> Word& { return at(im.sensors, k).auxDescriptor; });
    double SensorRecord::*reals[] = {&SensorRecord::const1,       &SensorRecord::const2,        &SensorRecord::const3,
                                     &SensorRecord::maxValue,     &SensorRecord::minValue,      &SensorRecord::substAboveMax,
                                     &SensorRecord::substBelowMin, &SensorRecord::substOnFault, &SensorRecord::monthFactor};
    for (int i = 0; i < 9; ++i) {
      auto m = reals[i];
      b.r(paramKey(k, 1 + i), [k, m](SettingsImage& im) -> double& { return at(im.sensors, k).*m; });
    }
  }
  for (int k = 0; k < n.pipelines; ++k) {
    const int g = 0x80 | k;
    Word PipelineRecord::*words[] = {&PipelineRecord::mainDescriptor,   &PipelineRecord::flowSensors,
                                     &PipelineRecord::tempSensors,      &PipelineRecord::pressureSensors,
                                     &PipelineRecord::densityCalorLink, &PipelineRecord::bigPipeRef,
                                     &PipelineRecord::cutoffSource,     &PipelineRecord::impurityTariff};
    for (int i = 0; i < 8; ++i) {
      auto m = words[i];
      b.w(paramKey(g, i), [k, m](SettingsImage& im) -> Word& { return at(im.pipelines, k).*m; });
    }
    std::pair<int, double PipelineRecord::*> reals[] = {
        {8, &PipelineRecord::mainTariff},     {9, &PipelineRecord::nightTariff},       {10, &PipelineRecord::pipeDiameter},
        {11, &PipelineRecord::orificeDiameter}, {12, &PipelineRecord::pipeExpansion},  {13, &PipelineRecord::orificeExpansion},
        {60, &PipelineRecord::roughness},     {15, &PipelineRecord::co2Fraction},      {16, &PipelineRecord::n2Fraction},
        {17, &PipelineRecord::gasCalorific},  {18, &PipelineRecord::gasDensity},       {19, &PipelineRecord::monthFactor}};
    for (const auto& [num, field] : reals) {
      if (num == 60 && !n.pipeRoughness) continue;
      b.r(paramKey(g, num), [k, m = field](SettingsImage& im) -> double& { return at(im.pipelines, k).*m; });
    }
  }
  auto archive = [&](int count, int descNo, int posNo, int negNo, int group, auto desc, auto pos, auto neg) {
    for (int k = 0; k < count; ++k) {
      b.w(paramKey(group | k, descNo), [k, desc](SettingsImage& im) -> Word& { return at(desc(im), k); });
      b.w(paramKey(group | k, posNo), [k, pos](SettingsImage& im) -> Word& { return at(pos(im), k); });
      b.w(paramKey(group | k, negNo), [k, neg](SettingsImage& im) -> Word& { return at(neg(im), k); });
    }
  };
  archive(n.hourArchives, 10, 51, 54, 0x40, [](SettingsImage& im) -> auto& { return im.hourArcDesc; },
          [](SettingsImage& im) -> auto& { return im.hourArcPos; }, [](SettingsImage& im) -> auto& { return im.hourArcNeg; });
  archive(n.dayArchives, 11, 52, 55, 0x40, [](SettingsImage& im) -> auto& { return im.dayArcDesc; },
          [](SettingsImage& im) -> auto& { return im.dayArcPos; }, [](SettingsImage& im) -> auto& { return im.dayArcNeg; });
  archive(n.monthArchives, 12, 53, 56, 0x40, [](SettingsImage& im) -> auto& { return im.monthArcDesc; },
          [](SettingsImage& im) -> auto& { return im.monthArcPos; }, [](SettingsImage& im) -> auto& { return im.monthArcNeg; });
  archive(n.intervalArchives, 45, 46, 47, 0x00, [](SettingsImage& im) -> auto& { return im.intervalArcDesc; },
          [](SettingsImage& im) -> auto& { return im.intervalArcPos; },
          [](SettingsImage& im) -> auto& { return im.intervalArcNeg; });

  if (n.events > 0) {
    for (int k = 0; k < 64; ++k) {
      b.w(paramKey(0x40 | k, 76), [k](SettingsImage& im) -> Word& { return at(im.eventType, k); });
      b.w(paramKey(0x40 | k, 78), [k](SettingsImage& im) -> Word& { return at(im.eventParam, k); });
    }
    if (n.events > 64) {
      for (int k = 0; k < 64; ++k) {
        b.w(paramKey(0x40 | k, 77), [k](SettingsImage& im) -> Word& { return at(im.eventType, 64 + k); });
        b.w(paramKey(0x40 | k, 79), [k](SettingsImage& im) -> Word& { return at(im.eventParam, 64 + k); });
      }
    }
  }
  const int tables = n.tables;
  for (int t = 1; t <= tables; ++t)
    for (int i = 1; i <= 16; ++i)
      b.r(paramKey(0x40 | (i - 1), 81 + t), [t, i](SettingsImage& im) -> double& { return at(at(im.tableFunctions, t - 1), i - 1); });

  if (n.generators > 0) {
    for (int k = 0; k < n.generators; ++k) {
      b.w(paramKey(0x40 | k, 57), [k](SettingsImage& im) -> Word& { return at(im.currentGenerators, k).paramDescriptor; });
      b.w(paramKey(0x40 | k, 58), [k](SettingsImage& im) -> Word& { return at(im.currentGenerators, k).lawDescriptor; });
      b.r(paramKey(0x40 | k, 59), [k](SettingsImage& im) -> double& { return at(im.currentGenerators, k).scaleEnd; });
      b.r(paramKey(0x40 | k, 62), [k](SettingsImage& im) -> double& { return at(im.currentGenerators, k).scaleStart; });
    }
  }
  auto sysWord = [&](ParamKey key, int index) {
    b.w(key, [index](SettingsImage& im) -> Word& { return im.sys(index); });
  };
  sysWord(0x4102, sys::ClockCorrection);
  sysWord(0x4302, sys::ArchiveWriteMode);
  sysWord(0x4202, sys::SummerTimeInterval);
  b.raw(0x4002, 2, 2, [](const SettingsImage& im) { return bcd(im.sys(sys::SettlementHourDate)); },
        [](SettingsImage& im, const QByteArray& v) { im.sys(sys::SettlementHourDate) = unbcd(v); });
  sysWord(0x4004, sys::MainChannelSetup);
  sysWord(0x4005, sys::MainChannelBaud);
  if (n.hasAuxChannel) {
    sysWord(0x4104, sys::AuxChannelSetup);
    sysWord(0x4105, sys::AuxChannelBaud);
    sysWord(0x4009, sys::BatteryControl);
    sysWord(0x4109, sys::SpecialFunctions);
  }
  b.r(0x4010, [](SettingsImage& im) -> double& { return im.defaultValues.coldSourceTemp; });
  b.r(0x4110, [](SettingsImage& im) -> double& { return im.defaultValues.carrierTemp; });
  b.r(0x4210, [](SettingsImage& im) -> double& { return im.defaultValues.carrierPressure; });
  b.r(0x4310, [](SettingsImage& im) -> double& { return im.defaultValues.atmPressure; });

  if (kind == 2) {
    b.raw(0x404B, 128, 128, [](const SettingsImage& im) { return text128(im.modemInitMain); },
          [](SettingsImage& im, const QByteArray& v) { untext128(im.modemInitMain, v); });
  } else if (kind == 3) {
    b.raw(0x4048, 128, 128, [](const SettingsImage& im) { return text128(im.modemInitMain); },
          [](SettingsImage& im, const QByteArray& v) { untext128(im.modemInitMain, v); });
    b.raw(0x404B, 128, 128, [](const SettingsImage& im) { return text128(im.modemInitAux); },
          [](SettingsImage& im, const QByteArray& v) { untext128(im.modemInitAux, v); });
  }

  if (kind == 2) {
    for (int g = 1; g <= 4; ++g) {
      for (int k = 0; k < 64; ++k) {
        const int j = 64 * (g - 1) + k;  // 0-based flag slot
        b.w(paramKey(0x40 | k, 31 + g), [j](SettingsImage& im) -> Word& { return at(im.logicLaw, j); });
        b.w(paramKey(0x40 | k, 35 + g), [j](SettingsImage& im) -> Word& { return at(im.logicParam, j); });
        // Four bytes on reading, two on writing: a word, or a decimal pair
        // when the flag watches the clock.
        b.raw(
            paramKey(0x40 | k, 39 + g), 4, 2,
            [j](const SettingsImage& im) {
              const Word v = im.logicK1[static_cast<std::size_t>(j)];
              return (isClockParam(im.logicParam[static_cast<std::size_t>(j)]) ? pair(v) : word(v)) + QByteArray(2, 0);
            },
            [j](SettingsImage& im, const QByteArray& v) {
              at(im.logicK1, j) = isClockParam(at(im.logicParam, j)) ? unpair(v) : unword(v);
            });
        b.w(paramKey(0x40 | k, 43 + g), [j](SettingsImage& im) -> Word& { return at(im.logicK2, j); });
        if (g == 1) {
          b.p(paramKey(0x40 | k, 48), [k](SettingsImage& im) -> Word& { return at(im.logicT1, k); });
          b.p(paramKey(0x40 | k, 49), [k](SettingsImage& im) -> Word& { return at(im.logicT2, k); });
        }
      }
    }
  } else if (kind == 3) {
    for (int k = 0; k < 64; ++k) {
      b.w(paramKey(0x40 | k, 32), [k](SettingsImage& im) -> Word& { return at(im.logicLaw, k); });
      b.w(paramKey(0x40 | k, 36), [k](SettingsImage& im) -> Word& { return at(im.logicParam, k); });
      // The regulator constant: a device real whose four bytes the image
      // keeps in two words.
      b.raw(
          paramKey(0x40 | k, 40), 4, 4,
          [k](const SettingsImage& im) {
            return word(im.logicT1[static_cast<std::size_t>(k)]) + word(im.logicT2[static_cast<std::size_t>(k)]);
          },
          [k](SettingsImage& im, const QByteArray& v) {
            at(im.logicT1, k) = unword(v.left(2));
            at(im.logicT2, k) = unword(v.mid(2, 2));
          });
    }
  }
  return std::move(b.list);
}

std::vector<ModemMemory> modemMemoryFor(int kind) {
  if (kind == 1) return {{0xAF00, 0x2F00, 0}};
  if (kind == 3) return {{0xAB80, 0, 0x4048}};
  return {};
}

}  // namespace nastrum::sim
