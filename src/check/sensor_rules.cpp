#include "check/sensor_rules.h"
#include "model/kind_profile.h"

#include <cmath>

#include "check/real_display.h"
#include "check/rule_helpers.h"

namespace nastrum {
namespace {

using namespace rules;

const SensorRecord& self(const RuleContext& c) { return c.image.sensors[static_cast<std::size_t>(c.number)]; }
DescriptorDigits mainD(const RuleContext& c) { return DescriptorDigits(self(c).mainDescriptor); }
DescriptorDigits auxD(const RuleContext& c) { return DescriptorDigits(self(c).auxDescriptor); }

bool isAnalog(const RuleContext& c) { return oneOf(mainD(c).d1(), {1, 9}); }
bool analogOf(const RuleContext& c, int quantity) { return analog(mainD(c), quantity); }
bool isConditional(const RuleContext& c) { return mainD(c).d1() == 8; }
bool isCountingFlow(const RuleContext& c) { return countingFlowType(mainD(c).d1()); }

std::function<QString(const RuleContext&, const Finding&)> numbered(const char* prefix) {
  const QString p = QString::fromUtf8(prefix);
  return [p](const RuleContext& c, const Finding&) { return p + num(c.number); };
}

// Cold-junction reference of a thermocouple (rules 15 and 16).
bool thermocoupleWithColdJunction(const RuleContext& c) { return analogOf(c, 4) && oneOf(mainD(c).d3(), {4, 5, 6}); }
bool coldJunctionInRange(const RuleContext& c, int& sensor) {
  if (!wholeNumber(self(c).const2, sensor)) return false;
  if (isKind1(c)) return (sensor >= 0 && sensor <= 15) || sensor == 64;
  return sensor >= 0 && sensor <= 64;
}

// Channel pair "first digit in set, second digit 0..3".
bool channelPairValid(int pair, std::initializer_list<int> firstDigits) {
  return oneOf(pair >> 4, firstDigits) && (pair & 0xF) <= 3;
}

// Rule 31: the channel of a counting sensor, with the "inverted" first digit
// folded back, compared with the channels of the other counting sensors.
bool sharesChannel(const RuleContext& c) {
  const DescriptorDigits aux = auxD(c);
  int first = aux.d1();
  if (first >= 8) first -= 8;
  const int folded = (first << 4) | aux.d2();
  for (int other = 0; other < c.counts.sensors; ++other) {
    if (other == c.number) continue;
    if (!countingFlowType(sensorMain(c.image, other).d1())) continue;
    if (DescriptorDigits(c.image.sensors[static_cast<std::size_t>(other)].auxDescriptor).pair12() == folded) return true;
  }
  return false;
}

// The table a functional sensor names: the table number, plus 0.5 when the
// table has a variable step (the editor writes 7.5 for variable-step table 7).
// Any other fraction names no table.
bool tableReference(double const1, int& table) {
  return wholeNumber(const1, table) || wholeNumber(const1 - 0.5, table);
}

bool monthFactorInvalid(double factor) { return !(factor > 0) || factor > 8388607; }

// Operands of an arithmetic sensor (rules 27 and 28): a number of `limit` or
// more is wrong unless it is the "no operand" mark 64.
bool operandTooLarge(const RuleContext& c, double limit) {
  for (double v : {self(c).const1, self(c).const2, self(c).const3})
    if (std::fabs(v) >= limit && !displaysAsNoOperand(v)) return true;
  return false;
}

}  // namespace

RuleGroup sensorRuleGroup() {
  RuleGroup g{CheckGroup::Sensor, [](const SettingsImage& image) { return kindProfile(image.deviceKind).sensors; }, {}, {}};
  auto& r = g.rules;

  r.push_back({10, {}, when([](const RuleContext& c) {
                 const int d1 = mainD(c).d1();
                 if (isKind3(c)) return !oneOf(d1, {0, 1, 8, 9, 0xB, 0xC, 0xF});
                 return !oneOf(d1, {0, 1, 2, 3, 4, 8, 9, 0xA, 0xB, 0xC, 0xF});
               }),
               numbered("Тип датчика №"), {}, {}});
  r.push_back({11, isAnalog, when([](const RuleContext& c) {
                 const int d2 = mainD(c).d2();
                 return isKind1(c) ? (d2 < 1 || d2 > 5) : d2 > 5;
               }),
               numbered("Измеряемый параметр в аналоговом датчике №"), {}, {}});
  r.push_back({12, [](const RuleContext& c) { return analogOf(c, 1); },
               when([](const RuleContext& c) { return !oneOf(mainD(c).d3(), {0, 1, 8, 9}); }),
               numbered("Вид преобразования у датчика давления №"), {}, {}});
  r.push_back({13, [](const RuleContext& c) { return analogOf(c, 2); }, when([](const RuleContext& c) {
                 const int d3 = mainD(c).d3();
                 return isKind3(c) ? !oneOf(d3, {0, 1, 2, 8, 9, 0xA}) : !oneOf(d3, {0, 2, 8, 0xA});
               }),
               numbered("Вид преобразования у датчика перепада давления №"), {}, {}});
  r.push_back({14, [](const RuleContext& c) { return analogOf(c, 3); }, when([](const RuleContext& c) {
                 const int d3 = mainD(c).d3();
                 return isKind3(c) ? !oneOf(d3, {0, 1, 5}) : !oneOf(d3, {0, 1, 3, 5});
               }),
               numbered("Вид преобразования у датчика расхода №"), {}, {}});
  r.push_back({15, thermocoupleWithColdJunction, when([](const RuleContext& c) {
                 int sensor = 0;
                 return !coldJunctionInRange(c, sensor);
               }),
               numbered("Ссылка на датчик температуры холодного спая у датчика температуры №"), {}, {}});
  r.push_back({16,
               [](const RuleContext& c) {
                 int sensor = 0;
                 return thermocoupleWithColdJunction(c) && coldJunctionInRange(c, sensor) && sensor != 64;
               },
               when([](const RuleContext& c) {
                 int sensor = 0;
                 wholeNumber(self(c).const2, sensor);
                 return !oneOf(sensorMain(c.image, sensor).pair12(), {0x14, 0x94});
               }),
               [](const RuleContext& c, const Finding&) {
                 int sensor = 0;
                 wholeNumber(self(c).const2, sensor);
                 return QStringLiteral("Ссылка в арифметичсеком датчике № ") + num(c.number) +
                        QStringLiteral(" на не существующий датчик температуры №") + num(sensor);
               },
               {}, {}});
  r.push_back({17, [](const RuleContext& c) { return analogOf(c, 4); },
               when([](const RuleContext& c) { return !oneOf(mainD(c).d3(), {0, 1, 4, 5, 6, 7}); }),
               numbered("Вид преобразования у датчика температуры №"), {}, {}});
  r.push_back({18, isAnalog, when([](const RuleContext& c) { return !oneOf(mainD(c).d4(), {0, 1, 2, 3, 8, 9, 0xA, 0xB}); }),
               numbered("Тип выходного сигнала в аналоговом датчике №"), {}, {}});
  r.push_back({19, isAnalog, when([](const RuleContext& c) {
                 const int channel = auxD(c).pair12();
                 if (c.kind == 2) return channel > 55 || channel == 7;
                 if (isKind1(c)) return channel > 6;
                 return channel > 63;
               }),
               numbered("Номер канала подключения в аналоговом датчике №"), {}, {}});
  r.push_back({20, isCountingFlow, when([](const RuleContext& c) { return mainD(c).d2() != 3; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Измеряемый параметр у датчика расхода №") + num(c.number) +
                        QStringLiteral(". В основном описателе датчика (") + mainD(c).text() +
                        QStringLiteral(") второй разряд должен быть равен 3.");
               },
               {}, [](SettingsImage& image, int n) {
                 Word& d = image.sensors[static_cast<std::size_t>(n)].mainDescriptor;
                 d = DescriptorDigits(d).withDigit(2, 3);
               }});
  r.push_back({21, [](const RuleContext& c) { return isCountingFlow(c) && mainD(c).d2() == 3; }, when([](const RuleContext& c) {
                 const DescriptorDigits d = mainD(c);
                 if (!isKind3(c)) return !oneOf(d.d3(), {0, 1, 3, 5});
                 if (d.d1() == 0xC) return !oneOf(d.d3(), {0, 1, 5});
                 if (d.d1() == 0xB) return !oneOf(d.d3(), {0, 1, 5, 8, 9, 0xD});
                 return false;
               }),
               numbered("Вид преобразования у датчика расхода №"), {}, {}});
  r.push_back({22, [](const RuleContext& c) { return oneOf(mainD(c).d1(), {2, 0xA}); },
               when([](const RuleContext& c) { return isKind1(c) && auxD(c).d2() > 3; }),
               numbered("Номер канала подключения числоимпульсного датчика №"), {}, {}});
  r.push_back({23, [](const RuleContext& c) { return oneOf(mainD(c).d1(), {3, 4, 0xB, 0xC}); }, when([](const RuleContext& c) {
                 const DescriptorDigits aux = auxD(c);
                 const int d1 = mainD(c).d1();
                 if (isKind1(c)) return aux.d2() > 3;
                 if (c.kind == 2) return !channelPairValid(aux.pair12(), {0, 1, 2, 3, 8});
                 if (d1 == 0xB) return !channelPairValid(aux.pair12(), {0, 1, 2, 3, 8, 9, 0xA, 0xB});
                 if (d1 == 0xC) return !channelPairValid(aux.pair12(), {0, 1, 2, 3});
                 return false;
               }),
               numbered("Номер канала подключения датчика №"), {}, {}});
  r.push_back({31, [](const RuleContext& c) { return oneOf(mainD(c).d1(), {2, 3, 4, 0xB, 0xC}); }, when(sharesChannel),
               numbered("Номер канала подключения у датчика №"), {}, {}});
  r.push_back({30, [](const RuleContext& c) { return oneOf(mainD(c).pair12(), {0x83, 0x13, 0x93}) || isCountingFlow(c); },
               when([](const RuleContext& c) { return monthFactorInvalid(self(c).monthFactor); }),
               numbered("Месячный коэффициент пересчета у датчика №"), {}, {}});
  r.push_back({24, isConditional, when([](const RuleContext& c) { return !oneOf(mainD(c).d2(), {0, 3}); }),
               numbered("Измеряемый параметр условного датчика №"), {}, {}});
  r.push_back({25, isConditional, when([](const RuleContext& c) {
                 const int d3 = mainD(c).d3();
                 return isKind1(c) ? !oneOf(d3, {0, 1, 2, 3, 4, 5}) : !oneOf(d3, {0, 1, 2, 3, 4, 5, 8});
               }),
               numbered("Вид преобразования условного датчика №"), {}, {}});
  r.push_back({26, [](const RuleContext& c) { return isConditional(c) && mainD(c).d3() == 4; }, when([](const RuleContext& c) {
                 int table = 0;
                 if (!tableReference(self(c).const1, table)) return true;
                 return table < 0 || table >= (isKind1(c) ? 4 : 10);
               }),
               numbered("Номер таблицы у датчика №"), {}, {}});
  r.push_back({27,
               [](const RuleContext& c) {
                 if (!isConditional(c)) return false;
                 const int d3 = mainD(c).d3();
                 if (isKind1(c)) return !oneOf(d3, {0, 4});
                 if (isKind3(c)) return !oneOf(d3, {0, 4, 5, 8});
                 return !oneOf(d3, {0, 4, 8});
               },
               when([](const RuleContext& c) { return operandTooLarge(c, isKind1(c) ? 4 : 16); }),
               numbered("Слагаемое (номер трубопровода) у арифметического датчика №"), {}, {}});
  r.push_back({28, [](const RuleContext& c) { return isConditional(c) && mainD(c).d3() == 0 && !isKind3(c); },
               when([](const RuleContext& c) { return operandTooLarge(c, isKind1(c) ? 16 : 64); }),
               numbered("Слагаемое (номер датчика) у арифметического датчика №"), {}, {}});
  r.push_back({29, [](const RuleContext& c) { return !isConditional(c); },
               when([](const RuleContext& c) { return stopChannelInvalid(c.kind, auxD(c).pair34()); }),
               numbered("Номер входного канала прекращающий обработку датчика №"), {}, {}});
  return g;
}

}  // namespace nastrum
