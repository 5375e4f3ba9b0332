#include "check/sensor_rules.h"
#include "model/kind_profile.h"

#include <cmath>

#include "check/real_display.h"
#include "check/rule_helpers.h"
#include "descriptors/sensor_channels.h"

namespace nastrum {
namespace {

using namespace rules;

const SensorRecord& self(const RuleContext& c) { return c.image.sensors[static_cast<std::size_t>(c.number)]; }
Word mainD(const RuleContext& c) { return self(c).mainDescriptor; }
Word auxD(const RuleContext& c) { return self(c).auxDescriptor; }

bool isAnalog(const RuleContext& c) { return isAnalogSensor(mainD(c)); }
bool analogOf(const RuleContext& c, int quantity) { return analog(mainD(c), quantity); }
bool isConditional(const RuleContext& c) { return isConditionalSensor(mainD(c)); }
bool isCountingFlow(const RuleContext& c) { return isCountingSensorCode(mainD(c)); }


// Cold-junction reference of a thermocouple (rules 15 and 16).
bool thermocoupleWithColdJunction(const RuleContext& c) { return analogOf(c, 4) && oneOf(digitOf(mainD(c), 3), {4, 5, 6}); }
bool coldJunctionInRange(const RuleContext& c, int& sensor) {
  if (!wholeNumber(self(c).const2, sensor)) return false;
  return (sensor >= 0 && sensor < c.counts.sensors) || sensor == 64;
}

// Channel pair "first digit in set, second digit 0..3".
bool channelPairValid(int pair, std::initializer_list<int> firstDigits) {
  return oneOf(pair >> 4, firstDigits) && (pair & 0xF) <= 3;
}

// Rule 31: the channel of a counting sensor, with the "inverted" first digit
// folded back, compared with the channels of the other counting sensors.
bool sharesChannel(const RuleContext& c) {
  const Word aux = auxD(c);
  int first = digitOf(aux, 1);
  if (first >= 8) first -= 8;
  const int folded = (first << 4) | digitOf(aux, 2);
  for (int other = 0; other < c.counts.sensors; ++other) {
    if (other == c.number) continue;
    if (!isCountingSensorCode(sensorMain(c.image, other))) continue;
    if (highByte(c.image.sensors[static_cast<std::size_t>(other)].auxDescriptor) == folded) return true;
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
                 return sensorFamily(mainD(c), c.kind) == SensorFamily::Invalid;
               }),
               numbered("Тип датчика №"), {}, {}});
  r.push_back({11, isAnalog, when([](const RuleContext& c) {
                 const int d2 = digitOf(mainD(c), 2);
                 return isKind1(c) ? (d2 < 1 || d2 > 5) : d2 > 5;
               }),
               numbered("Измеряемый параметр в аналоговом датчике №"), {}, {}});
  r.push_back({12, [](const RuleContext& c) { return analogOf(c, 1); },
               when([](const RuleContext& c) { return !oneOf(digitOf(mainD(c), 3), {0, 1, 8, 9}); }),
               numbered("Вид преобразования у датчика давления №"), {}, {}});
  r.push_back({13, [](const RuleContext& c) { return analogOf(c, 2); }, when([](const RuleContext& c) {
                 const int d3 = digitOf(mainD(c), 3);
                 return isKind3(c) ? !oneOf(d3, {0, 1, 2, 8, 9, 0xA}) : !oneOf(d3, {0, 2, 8, 0xA});
               }),
               numbered("Вид преобразования у датчика перепада давления №"), {}, {}});
  r.push_back({14, [](const RuleContext& c) { return analogOf(c, 3); }, when([](const RuleContext& c) {
                 const int d3 = digitOf(mainD(c), 3);
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
                 return !oneOf(highByte(sensorMain(c.image, sensor)), {0x14, 0x94});
               }),
               [](const RuleContext& c, const Finding&) {
                 int sensor = 0;
                 wholeNumber(self(c).const2, sensor);
                 return QStringLiteral("Ссылка в арифметичсеком датчике № ") + num(c.number) +
                        QStringLiteral(" на не существующий датчик температуры №") + num(sensor);
               },
               {}, {}});
  r.push_back({17, [](const RuleContext& c) { return analogOf(c, 4); },
               when([](const RuleContext& c) { return !oneOf(digitOf(mainD(c), 3), {0, 1, 4, 5, 6, 7}); }),
               numbered("Вид преобразования у датчика температуры №"), {}, {}});
  r.push_back({18, isAnalog, when([](const RuleContext& c) { return !oneOf(digitOf(mainD(c), 4), {0, 1, 2, 3, 8, 9, 0xA, 0xB}); }),
               numbered("Тип выходного сигнала в аналоговом датчике №"), {}, {}});
  r.push_back({19, isAnalog, when([](const RuleContext& c) {
                 return !isValidChannel(c.kind, SensorFamily::Analog, highByte(auxD(c)));
               }),
               numbered("Номер канала подключения в аналоговом датчике №"), {}, {}});
  r.push_back({20, isCountingFlow, when([](const RuleContext& c) { return digitOf(mainD(c), 2) != 3; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Измеряемый параметр у датчика расхода №") + num(c.number) +
                        QStringLiteral(". В основном описателе датчика (") + hex4(mainD(c)) +
                        QStringLiteral(") второй разряд должен быть равен 3.");
               },
               {}, [](SettingsImage& image, int n) {
                 Word& d = image.sensors[static_cast<std::size_t>(n)].mainDescriptor;
                 d = withDigit(d, 2, 3);
               }});
  r.push_back({21, [](const RuleContext& c) { return isCountingFlow(c) && digitOf(mainD(c), 2) == 3; }, when([](const RuleContext& c) {
                 const Word d = mainD(c);
                 if (!isKind3(c)) return !oneOf(digitOf(d, 3), {0, 1, 3, 5});
                 if (digitOf(d, 1) == 0xC) return !oneOf(digitOf(d, 3), {0, 1, 5});
                 if (digitOf(d, 1) == 0xB) return !oneOf(digitOf(d, 3), {0, 1, 5, 8, 9, 0xD});
                 return false;
               }),
               numbered("Вид преобразования у датчика расхода №"), {}, {}});
  r.push_back({22, [](const RuleContext& c) { return oneOf(digitOf(mainD(c), 1), {2, 0xA}); },
               when([](const RuleContext& c) { return isKind1(c) && digitOf(auxD(c), 2) > 3; }),
               numbered("Номер канала подключения числоимпульсного датчика №"), {}, {}});
  r.push_back({23, [](const RuleContext& c) { return oneOf(digitOf(mainD(c), 1), {3, 4, 0xB, 0xC}); }, when([](const RuleContext& c) {
                 const Word aux = auxD(c);
                 const int d1 = digitOf(mainD(c), 1);
                 if (isKind1(c)) return digitOf(aux, 2) > 3;
                 if (isKind2(c)) return !channelPairValid(highByte(aux), {0, 1, 2, 3, 8});
                 if (d1 == 0xB) return !channelPairValid(highByte(aux), {0, 1, 2, 3, 8, 9, 0xA, 0xB});
                 if (d1 == 0xC) return !channelPairValid(highByte(aux), {0, 1, 2, 3});
                 return false;
               }),
               numbered("Номер канала подключения датчика №"), {}, {}});
  r.push_back({31, [](const RuleContext& c) { return oneOf(digitOf(mainD(c), 1), {2, 3, 4, 0xB, 0xC}); }, when(sharesChannel),
               numbered("Номер канала подключения у датчика №"), {}, {}});
  r.push_back({30, [](const RuleContext& c) { return oneOf(highByte(mainD(c)), {0x83, 0x13, 0x93}) || isCountingFlow(c); },
               when([](const RuleContext& c) { return monthFactorInvalid(self(c).monthFactor); }),
               numbered("Месячный коэффициент пересчета у датчика №"), {}, {}});
  r.push_back({24, isConditional, when([](const RuleContext& c) { return !oneOf(digitOf(mainD(c), 2), {0, 3}); }),
               numbered("Измеряемый параметр условного датчика №"), {}, {}});
  r.push_back({25, isConditional, when([](const RuleContext& c) {
                 const int d3 = digitOf(mainD(c), 3);
                 return isKind1(c) ? !oneOf(d3, {0, 1, 2, 3, 4, 5}) : !oneOf(d3, {0, 1, 2, 3, 4, 5, 8});
               }),
               numbered("Вид преобразования условного датчика №"), {}, {}});
  r.push_back({26, [](const RuleContext& c) { return isConditional(c) && digitOf(mainD(c), 3) == 4; }, when([](const RuleContext& c) {
                 int table = 0;
                 if (!tableReference(self(c).const1, table)) return true;
                 return table < 0 || table >= c.counts.tables;
               }),
               numbered("Номер таблицы у датчика №"), {}, {}});
  r.push_back({27,
               [](const RuleContext& c) {
                 if (!isConditional(c)) return false;
                 const int d3 = digitOf(mainD(c), 3);
                 if (isKind1(c)) return !oneOf(d3, {0, 4});
                 if (isKind3(c)) return !oneOf(d3, {0, 4, 5, 8});
                 return !oneOf(d3, {0, 4, 8});
               },
               when([](const RuleContext& c) { return operandTooLarge(c, c.counts.pipelines); }),
               numbered("Слагаемое (номер трубопровода) у арифметического датчика №"), {}, {}});
  r.push_back({28, [](const RuleContext& c) { return isConditional(c) && digitOf(mainD(c), 3) == 0 && !isKind3(c); },
               when([](const RuleContext& c) { return operandTooLarge(c, c.counts.sensors); }),
               numbered("Слагаемое (номер датчика) у арифметического датчика №"), {}, {}});
  r.push_back({29, [](const RuleContext& c) { return !isConditional(c); },
               when([](const RuleContext& c) { return stopChannelInvalid(c.kind, lowByte(auxD(c))); }),
               numbered("Номер входного канала прекращающий обработку датчика №"), {}, {}});
  return g;
}

}  // namespace nastrum
