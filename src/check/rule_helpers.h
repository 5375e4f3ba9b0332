// Small readings shared by the rule tables: digit sets, sensor types,
// references that stay inside the object arrays, the shape of the texts.
// Descriptor digits and codes come from the descriptor vocabulary.
#pragma once

#include <functional>
#include <initializer_list>

#include <QString>

#include "check/check_rule.h"
#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"
#include "descriptors/pipeline_codes.h"
#include "descriptors/sensor_codes.h"
#include "model/hex_text.h"

namespace nastrum {

// A real constant read as an object number: only whole numbers count, so any
// fraction or a value out of int range reads as "no number".
bool wholeNumber(double value, int& number);

}  // namespace nastrum

namespace nastrum::rules {

inline bool oneOf(int value, std::initializer_list<int> set) {
  for (int v : set)
    if (v == value) return true;
  return false;
}

inline QString num(int n) { return QString::number(n); }

// The text "<prefix><object number><suffix>".
inline std::function<QString(const RuleContext&, const Finding&)> numbered(const QString& prefix, const QString& suffix = {}) {
  return [prefix, suffix](const RuleContext& c, const Finding&) { return prefix + num(c.number) + suffix; };
}
inline std::function<QString(const RuleContext&, const Finding&)> numbered(const char* prefix, const char* suffix = "") {
  return numbered(QString::fromUtf8(prefix), QString::fromUtf8(suffix));
}

// Rules that list the digits valid on one model name that model; counts and
// channel codes come from the profile and the descriptor vocabulary.
inline bool isKind1(const RuleContext& c) { return deviceKindOf(c.kind) == DeviceKind::Minimal; }
inline bool isKind2(const RuleContext& c) { return deviceKindOf(c.kind) == DeviceKind::Expandable; }
inline bool isKind3(const RuleContext& c) { return deviceKindOf(c.kind) == DeviceKind::Large; }

inline Word sensorMain(const SettingsImage& image, int sensor) {
  return image.sensors[static_cast<std::size_t>(sensor)].mainDescriptor;
}
inline Word pipelineMain(const SettingsImage& image, int pipeline) {
  return image.pipelines[static_cast<std::size_t>(pipeline)].mainDescriptor;
}

// "analog (x)": an analog sensor (D1 1 or 9) measuring quantity x.
inline bool analog(Word d, int quantity) { return isAnalogSensor(d) && digitOf(d, 2) == quantity; }
// A conditional sensor that passes a constant through (D1 = 8, D3 = 8).
inline bool constantSensor(Word d) { return isConditionalSensor(d) && digitOf(d, 3) == SerialInput; }

// A sensor reference byte is followed only when it names a sensor the kind
// has (below 64, kind 1 below 16).
inline bool followsSensor(const RuleContext& c, int pair) { return pair >= 0 && pair < c.counts.sensors; }

// A pipeline whose medium digit says "not in use" (0 or F); an invalid
// medium counts as in use, so its rules still run.
inline bool pipelineUnused(const SettingsImage& image, int pipeline) {
  return pipelineMedium(pipelineMain(image, pipeline)) == PipeOff;
}

// The four digits of a descriptor as every check text shows it.
inline QString hex4(Word w) { return HexWord(w & 0xFFFF); }

// "<old> должен замениться на <new>)": how a repairable row announces its repair.
inline QString replacement(const QString& before, const QString& after) {
  return before + QStringLiteral(" должен замениться на ") + after + QStringLiteral(")");
}

// The input channel that stops processing (sensors) or calculation
// (pipelines) is wrong in these ranges.
inline bool stopChannelInvalid(Word kind, int channel) {
  const KindCodes& codes = kindCodes(kind);
  return channel >= codes.stopChannelWrongFrom && channel <= codes.stopChannelWrongTo;
}

}  // namespace nastrum::rules
