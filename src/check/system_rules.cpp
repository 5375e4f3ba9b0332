#include "check/system_rules.h"

#include <algorithm>

#include "check/rule_helpers.h"

namespace nastrum {
namespace {

using namespace rules;

constexpr Word kDefaultBaud = 0x0960;
constexpr int kSummerTimeDefault = 0x3A;   // March to October
constexpr int kIntervalDefault = 0x05;     // five minutes
constexpr int kGeneratorBit = 13;          // SpecialFunctions: a current generator works

Word word(const RuleContext& c, int index) { return c.image.sys(index); }

std::function<QString(const RuleContext&, const Finding&)> plain(const char* text) {
  const QString t = QString::fromUtf8(text);
  return [t](const RuleContext&, const Finding&) { return t; };
}

// Rule 601. The month digits are valid as 3 or 4 (summer time) and 9 or A
// (winter time); a high byte 00 switches nothing. First digits 1..7 and F are
// wrong; so are A..E, which name no month of the switch either.
bool summerTimeBroken(Word s) {
  const int s1 = digitOf(s, 1), s2 = digitOf(s, 2);
  if (oneOf(s1, {3, 4}) && oneOf(s2, {9, 0xA})) return false;
  return (s1 >= 1 && s1 <= 7) || s1 >= 0xA;
}

bool intervalBroken(Word s) { return !oneOf(lowByte(s), {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x0A, 0x0C, 0x0F, 0x14, 0x1D}); }

// Rule 603: hour × 100 + date, hour 0..23, date 1..31.
bool settlementBroken(Word v) {
  if (v < 0 || v > 9999) return true;
  const int hour = v / 100, day = v % 100;
  return hour > 23 || day < 1 || day > 31;
}

bool baudBroken(Word v) { return !oneOf(v, {0x0030, 0x0060, 0x0120, 0x0240, 0x0480, 0x0960, 0x1920}); }

CheckRule baudRule(int code, int index, const char* channel) {
  const QString opening = QStringLiteral("Не допустимая скорость обмена на ") + QString::fromUtf8(channel) + QStringLiteral(" канале связи. (");
  return {code, {}, when([index](const RuleContext& c) { return baudBroken(word(c, index)); }),
          [opening, index](const RuleContext& c, const Finding&) {
            return opening + replacement(HexWord(word(c, index)), HexWord(kDefaultBaud));
          },
          {}, [index](SettingsImage& image, int) { image.sys(index) = kDefaultBaud; }};
}

bool generatorTypeBroken(Word g) {
  return !oneOf(highByte(g), {0x00, 0xFF}) && digitOf(g, 1) != 0 && digitOf(g, 2) != 0;
}

}  // namespace

// The system words are checked once; each of the eight rules counts as its own
// object (601 is object 0, 608 object 7), the number a repairable row shows.
constexpr int kFirstSystemCode = 601;
constexpr int kSystemRules = 8;

RuleGroup systemRuleGroup() {
  RuleGroup g{CheckGroup::System, [](const SettingsImage&) { return kSystemRules; }, {}, {}};
  auto& r = g.rules;
  auto summer = [](const RuleContext& c) { return word(c, sys::SummerTimeInterval); };

  r.push_back({601, {}, when([summer](const RuleContext& c) { return summerTimeBroken(summer(c)); }),
               [summer](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Переход на летнее/зимнее время. (") +
                        replacement(hex4(summer(c)), hex4(withHighByte(summer(c), kSummerTimeDefault)));
               },
               {}, [](SettingsImage& image, int) {
                 Word& s = image.sys(sys::SummerTimeInterval);
                 s = withHighByte(s, kSummerTimeDefault);
               }});
  r.push_back({602, {}, when([summer](const RuleContext& c) { return intervalBroken(summer(c)); }),
               [summer](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Длительность измерительного интервала интегрирования. (") +
                        replacement(hex4(summer(c)), hex4(withLowByte(summer(c), kIntervalDefault)));
               },
               {}, [](SettingsImage& image, int) {
                 Word& s = image.sys(sys::SummerTimeInterval);
                 s = withLowByte(s, kIntervalDefault);
               }});
  r.push_back({603, {}, when([](const RuleContext& c) { return settlementBroken(word(c, sys::SettlementHourDate)); }),
               plain("Расчетный час и дата"), {}, {}});
  r.push_back(baudRule(604, sys::MainChannelBaud, "основном"));
  CheckRule auxBaud = baudRule(605, sys::AuxChannelBaud, "дополнительном");
  auxBaud.applies = [](const RuleContext& c) { return c.counts.hasAuxChannelBaud; };
  r.push_back(auxBaud);
  r.push_back({606, {}, when([](const RuleContext& c) { return highByte(word(c, sys::MainChannelSetup)) > 127; }),
               plain("Не допустимый сетевой номер на основном канале связи"), {}, {}});
  r.push_back({607, [](const RuleContext& c) { return c.counts.hasAuxChannel; },
               when([](const RuleContext& c) { return highByte(word(c, sys::AuxChannelSetup)) > 127; }),
               plain("Не допустимый сетевой номер на дополнительном канале связи"), {}, {}});
  r.push_back({608, [](const RuleContext& c) { return (word(c, sys::BatteryControl) & 0xFFFF) != 0xFFFF; },
               when([](const RuleContext& c) {
                 const int sensor = highByte(word(c, sys::BatteryControl));
                 return sensor <= 63 && !analog(sensorMain(c.image, sensor), BatteryVoltage);
               }),
               plain("Указан не допустимый датчик в контроле аккумулятора."), {}, {}});
  for (CheckRule& rule : r) {
    std::function<bool(const RuleContext&)> applies = rule.applies;
    rule.applies = [code = rule.code, applies](const RuleContext& c) {
      return c.number == code - kFirstSystemCode && (!applies || applies(c));
    };
  }
  return g;
}

RuleGroup generatorRuleGroup() {
  RuleGroup g{CheckGroup::CurrentGenerator, [](const SettingsImage& image) { return kindProfile(image.deviceKind).generators; }, {}, {}};
  auto law = [](const RuleContext& c) { return c.image.currentGenerators[static_cast<std::size_t>(c.number)].lawDescriptor; };
  g.rules.push_back({701, {}, when([law](const RuleContext& c) { return generatorTypeBroken(law(c)); }),
                     [law](const RuleContext& c, const Finding&) {
                       return QStringLiteral("Не допустимый тип у генератора тока №") + num(c.number) + QStringLiteral(". (") +
                              replacement(hex4(law(c)), hex4(withHighByte(law(c), 0x00)));
                     },
                     {}, [](SettingsImage& image, int n) {
                       Word& l = image.currentGenerators[static_cast<std::size_t>(n)].lawDescriptor;
                       l = withHighByte(l, 0x00);
                     }});
  g.rules.push_back({702, {}, when([](const RuleContext& c) {
                       const CurrentGenRecord& gen = c.image.currentGenerators[static_cast<std::size_t>(c.number)];
                       return gen.scaleStart > gen.scaleEnd;
                     }),
                     numbered("У генератора тока №", " начало шкалы должно быть меньше конца шкалы"), {701}, {}});
  // A generator with a law marks the special-functions register.
  g.afterRules = [](SettingsImage& image, const QList<CheckError>& flagged) {
    const int count = kindProfile(image.deviceKind).generators;
    for (int n = 0; n < count; ++n) {
      const Word law = image.currentGenerators[static_cast<std::size_t>(n)].lawDescriptor;
      const bool typeFlagged = std::any_of(flagged.begin(), flagged.end(), [n](const CheckError& e) { return e.object == n && e.code == 701; });
      if (!oneOf(highByte(law), {0x00, 0xFF}) && !typeFlagged) {
        Word& special = image.sys(sys::SpecialFunctions);
        special = withBit(special, kGeneratorBit, true);
      }
    }
  };
  return g;
}

RuleGroup regulatorFlagRuleGroup() {
  RuleGroup g{CheckGroup::RegulatorFlag, [](const SettingsImage& image) { return kindProfile(image.deviceKind).regulators; }, {}, {}};
  g.rules.push_back({801, {}, when([](const RuleContext& c) {
                       return !oneOf(highByte(c.image.logicLaw[static_cast<std::size_t>(c.number)]), {0x00, 0xFF, 0x01, 0x02, 0x09, 0x0A});
                     }),
                     numbered("Не допустимый тип у логического признака №", ", раздел \"Регуляторы\" "), {}, {}});
  return g;
}

}  // namespace nastrum
