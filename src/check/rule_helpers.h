// Small readings shared by the rule tables: digit sets, sensor types,
// references that stay inside the object arrays.
#pragma once

#include <initializer_list>

#include <QString>

#include "check/check_rule.h"
#include "check/descriptor_digits.h"

namespace nastrum::rules {

inline bool oneOf(int value, std::initializer_list<int> set) {
  for (int v : set)
    if (v == value) return true;
  return false;
}

inline QString num(int n) { return QString::number(n); }

inline bool isKind1(const RuleContext& c) { return c.kind == 1; }
inline bool isKind3(const RuleContext& c) { return c.kind == 3; }

inline DescriptorDigits sensorMain(const SettingsImage& image, int sensor) {
  return DescriptorDigits(image.sensors[static_cast<std::size_t>(sensor)].mainDescriptor);
}
inline DescriptorDigits pipelineMain(const SettingsImage& image, int pipeline) {
  return DescriptorDigits(image.pipelines[static_cast<std::size_t>(pipeline)].mainDescriptor);
}

// "analog (x)": an analog sensor (D1 1 or 9) measuring quantity x.
inline bool analog(const DescriptorDigits& d, int quantity) {
  return (d.d1() == 1 || d.d1() == 9) && d.d2() == quantity;
}
// A conditional sensor that passes a constant through (D1 = 8, D3 = 8).
inline bool constantSensor(const DescriptorDigits& d) { return d.d1() == 8 && d.d3() == 8; }
// A pulse, frequency or other counting flow sensor.
inline bool countingFlowType(int d1) { return oneOf(d1, {0x2, 0x3, 0x4, 0xA, 0xB, 0xC}); }

// A sensor reference byte is followed only when it names a sensor the kind
// has (below 64, kind 1 below 16).
inline bool followsSensor(const RuleContext& c, int pair) { return pair < (isKind1(c) ? 16 : 64); }

// A pipeline whose medium digit says "not in use".
inline bool pipelineUnused(const SettingsImage& image, int pipeline) {
  const int p1 = pipelineMain(image, pipeline).d1();
  return p1 == 0 || p1 == 0xF;
}

// The input channel that stops processing (sensors) or calculation
// (pipelines) is wrong in these ranges.
inline bool stopChannelInvalid(Word kind, int channel) {
  if (kind == 3) return channel > 128;
  if (kind == 2) return channel >= 64 && channel <= 127;
  return channel >= 4 && channel <= 127;
}

}  // namespace nastrum::rules
