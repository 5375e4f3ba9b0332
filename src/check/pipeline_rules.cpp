#include "check/pipeline_rules.h"
#include "model/kind_profile.h"

#include "check/rule_helpers.h"

namespace nastrum {
namespace {

using namespace rules;

const PipelineRecord& self(const RuleContext& c) { return c.image.pipelines[static_cast<std::size_t>(c.number)]; }
PipelineRecord& selfIn(SettingsImage& image, int n) { return image.pipelines[static_cast<std::size_t>(n)]; }
Word P(const RuleContext& c) { return self(c).mainDescriptor; }
Word X(const RuleContext& c) { return self(c).flowSensors; }
Word T(const RuleContext& c) { return self(c).tempSensors; }
Word R(const RuleContext& c) { return self(c).pressureSensors; }
Word L(const RuleContext& c) { return self(c).densityCalorLink; }
Word Y(const RuleContext& c) { return self(c).bigPipeRef; }
Word Z(const RuleContext& c) { return self(c).cutoffSource; }
Word W(const RuleContext& c) { return self(c).impurityTariff; }

int medium(const RuleContext& c) { return digitOf(P(c), 1); }
// Every rule after the medium rule concerns pipelines in use only.
bool inUse(const RuleContext& c) { return !pipelineUnused(c.image, c.number); }
bool heatCarrier(const RuleContext& c) { return isWaterOrSteam(medium(c)); }
bool naturalGas(const RuleContext& c) { return medium(c) == NaturalGas; }
bool steam(const RuleContext& c) { return medium(c) == SaturatedSteam; }

// Sensor reference ranges: a (sensor, none or the two default values),
// b (sensor or none), c (as a, or "calculated" FF).
bool inRangeA(const RuleContext& c, int pair) {
  return isKind1(c) ? (pair <= 15 || oneOf(pair, {0x40, 0x41, 0x42})) : pair <= 66;
}
bool inRangeB(const RuleContext& c, int pair) { return isKind1(c) ? (pair <= 15 || pair == 0x40) : pair <= 64; }
bool inRangeC(const RuleContext& c, int pair) {
  return isKind1(c) ? (pair <= 15 || oneOf(pair, {0xFF, 0x40, 0x41, 0x42})) : (pair <= 66 || pair == 0xFF);
}
// The range of the measuring-point temperature and pressure for the medium.
bool inMediumRange(const RuleContext& c, int pair) {
  const int p1 = medium(c);
  if (oneOf(p1, {Water, SuperheatedSteam, TechnicalLiquid})) return inRangeA(c, pair);
  if (isGas(p1)) return inRangeB(c, pair);
  if (p1 == SaturatedSteam) return inRangeC(c, pair);
  return true;
}

// A followed reference that is not of the wanted type.
template <typename Wanted>
bool refNot(const RuleContext& c, int pair, Wanted wanted) {
  return followsSensor(c, pair) && !wanted(sensorMain(c.image, pair));
}
bool temperatureOrCalc(Word s) { return analog(s, 4) || analog(s, 5); }
bool densityLike(Word s) { return analog(s, 5) || constantSensor(s); }

// The main flow sensor S = ref X12, when the flow is measured here.
bool flowSensor(const RuleContext& c, Word& sensor) {
  const Word x = X(c);
  if (digitOf(x, 1) == 8 || !followsSensor(c, highByte(x))) return false;
  sensor = sensorMain(c.image, highByte(x));
  return true;
}
// A conditional sensor summing sensors, flows, heat or enthalpy (D2 0..3).
bool arithmeticFlow(Word s) { return isConditionalSensor(s) && oneOf(digitOf(s, 2), {0, 1, 2, 3}); }
bool flowSensorAnalogDp(const RuleContext& c) {
  Word s = 0;
  return inUse(c) && flowSensor(c, s) && analog(s, 2);
}
bool flowSensorCounting(const RuleContext& c) {
  Word s = 0;
  return inUse(c) && flowSensor(c, s) && (isCountingSensorCode(s) || arithmeticFlow(s));
}
bool flowTakenFromOther(const RuleContext& c) { return inUse(c) && digitOf(X(c), 1) == 8; }

// The failure-source set L of a heat-carrier pipeline, as pipeline numbers.
QList<int> failureSources(const RuleContext& c, const std::function<bool(int)>& pick) {
  QList<int> found;
  const Word l = L(c);
  for (int k = 0; k < kPipelineCount; ++k)
    if (k != c.number && bitOfWord(l, k) && pick(k)) found.append(k);
  return found;
}
std::function<std::optional<Finding>(const RuleContext&)> listing(std::function<bool(const RuleContext&, int)> pick) {
  return [pick = std::move(pick)](const RuleContext& c) -> std::optional<Finding> {
    const QList<int> found = failureSources(c, [&](int k) { return pick(c, k); });
    if (found.isEmpty()) return std::nullopt;
    return Finding{found};
  };
}

std::function<bool(const RuleContext&)> inUseAnd(std::function<bool(const RuleContext&)> condition) {
  return [condition = std::move(condition)](const RuleContext& c) { return inUse(c) && condition(c); };
}

}  // namespace

RuleGroup pipelineRuleGroup() {
  RuleGroup g{CheckGroup::Pipeline, [](const SettingsImage& image) { return kindProfile(image.deviceKind).pipelines; }, {}, {}};
  auto& r = g.rules;

  r.push_back({110, {}, when([](const RuleContext& c) { return !pipelineMedium(P(c)); }),
               numbered("Тип измеряемой среды у трубопровода №"), {}, {}});
  r.push_back({111, inUse, when([](const RuleContext& c) {
                 const int p1 = medium(c), p2 = digitOf(P(c), 2);
                 return (isWaterOrSteam(p1) && p2 > 7) || (p1 == NaturalGas && !oneOf(p2, {5, 7})) ||
                        (p1 == TechnicalGas && p2 != 7) || (p1 == OtherCarrier && p2 != 8);
               }),
               numbered("Способ учета расхода и тепла у трубопровода №"), {}, {}});
  r.push_back({112, inUse, when([](const RuleContext& c) {
                 const int p1 = medium(c), p4 = digitOf(P(c), 4);
                 if (isKind3(c))
                   return (oneOf(p1, {Water, SuperheatedSteam, SaturatedSteam, NaturalGas, TechnicalGas, TechnicalLiquid}) &&
                           !oneOf(p4, {0, 1, 2})) ||
                          (p1 == OtherCarrier && !oneOf(p4, {0, 1, 4}));
                 return (oneOf(p1, {Water, SuperheatedSteam, SaturatedSteam, TechnicalLiquid, OtherCarrier}) &&
                         !oneOf(p4, {0, 1, 2, 5, 6})) ||
                        (isGas(p1) && !oneOf(p4, {0, 1, 2}));
               }),
               numbered("Способ расчета оплаты у трубопровода №"), {}, {}});
  r.push_back({113, inUse, when([](const RuleContext& c) {
                 const int t12 = highByte(T(c));
                 return !inMediumRange(c, t12) || refNot(c, t12, temperatureOrCalc);
               }),
               numbered("Датчик температуры в точке измерения расхода у трубопровода №"), {}, {}});
  r.push_back({114, inUseAnd([](const RuleContext& c) { return !(steam(c) && highByte(T(c)) == 0xFF); }), when([](const RuleContext& c) {
                 const int t34 = lowByte(T(c));
                 return !inRangeB(c, t34) || refNot(c, t34, temperatureOrCalc);
               }),
               numbered("Датчик температуры на входе в зону учета у трубопровода №"), {}, {}});
  r.push_back({139, inUseAnd(steam), when([](const RuleContext& c) { return highByte(T(c)) == 0xFF && highByte(R(c)) == 0xFF; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Для трубопровода №") + num(c.number) +
                        QStringLiteral(" типа насыщенный пар одновременно сделана ссылка на вычисление как температуры так и давления");
               },
               {}, {}});
  r.push_back({144, inUseAnd(steam), when([](const RuleContext& c) { return highByte(T(c)) != 0xFF && highByte(R(c)) != 0xFF; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Для трубопровода №") + num(c.number) +
                        QStringLiteral(" типа насыщенный пар указывается либо датчик температуры, либо датчик давления");
               },
               {}, {}});
  r.push_back({115, inUse, when([](const RuleContext& c) {
                 const int r12 = highByte(R(c));
                 return !inMediumRange(c, r12) || refNot(c, r12, [](Word s) { return analog(s, 1); });
               }),
               numbered("Датчик давления измеряемой среды у трубопровода №"), {}, {}});
  r.push_back({116, inUseAnd([](const RuleContext& c) { return !(steam(c) && highByte(R(c)) == 0xFF); }), when([](const RuleContext& c) {
                 const int r34 = lowByte(R(c));
                 if (!inRangeB(c, r34)) return true;
                 if (r34 >= 64) return false;
                 const Word s = sensorMain(c.image, r34);
                 return !(constantSensor(s) || analog(s, 5) || (analog(s, 1) && oneOf(digitOf(s, 3), {1, 9})));
               }),
               numbered("Датчик атмосферного давления у трубопровода №"), {}, {}});
  r.push_back({117, inUseAnd(heatCarrier), when([](const RuleContext& c) {
                 const int y34 = lowByte(Y(c));
                 return !inRangeA(c, y34) || refNot(c, y34, [](Word s) { return analog(s, 4); });
               }),
               numbered("Датчик температуры холодного источника у трубопровода №"), {}, {}});
  r.push_back({118, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 const int l12 = highByte(L(c));
                 return !inRangeB(c, l12) || refNot(c, l12, densityLike);
               }),
               numbered("Датчик плотности у трубопровода №"), {}, {}});
  r.push_back({119, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 const int l34 = lowByte(L(c));
                 return !inRangeB(c, l34) || refNot(c, l34, densityLike);
               }),
               numbered("Датчик калорийности у трубопровода №"), {}, {}});
  r.push_back({141, inUseAnd(heatCarrier), when([](const RuleContext& c) { return bitOfWord(L(c), c.number); }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Трубопровод №") + num(c.number) +
                        QStringLiteral(" в параметре \"Отказы с других трубопроводов\" ссылается сам на себя. (") +
                        replacement(hex4(L(c)), hex4(withBit(L(c), c.number, false)));
               },
               {}, [](SettingsImage& image, int n) {
                 Word& l = selfIn(image, n).densityCalorLink;
                 l = withBit(l, n, false);
               }});
  r.push_back({142, inUseAnd(heatCarrier), listing([](const RuleContext& c, int k) {
                 return !isWaterOrSteam(digitOf(pipelineMain(c.image, k), 1));
               }),
               [](const RuleContext& c, const Finding& f) {
                 return QStringLiteral("Трубопровод №") + num(c.number) +
                        QStringLiteral(" в параметре \"Отказы с других трубопроводов\" ссылается на не допустимый тип трубопровода №") +
                        objectList(f.listed);
               },
               {}, {}});
  r.push_back({143, inUseAnd(heatCarrier), listing([](const RuleContext& c, int k) {
                 return isWaterOrSteam(digitOf(pipelineMain(c.image, k), 1)) &&
                        (c.image.pipelines[static_cast<std::size_t>(k)].densityCalorLink & 0xFFFF) != 0;
               }),
               [](const RuleContext& c, const Finding& f) {
                 return QStringLiteral("Трубопровод №") + num(c.number) +
                        QStringLiteral(" в параметре \"Отказы с других трубопроводов\" ссылается на \"основной\" трубопровод №") +
                        objectList(f.listed);
               },
               {}, {}});
  r.push_back({120, inUse, when([](const RuleContext& c) {
                 const int r12 = highByte(R(c));
                 const bool differential = followsSensor(c, r12) && analog(sensorMain(c.image, r12), 2);
                 return differential ? !oneOf(digitOf(P(c), 3), {0, 1, 8, 9}) : !oneOf(digitOf(P(c), 3), {0, 1});
               }),
               numbered("Способ коррекции данных у трубопровода №"), {}, {}});
  r.push_back({127, flowTakenFromOther, when([](const RuleContext& c) {
                 const int source = digitOf(X(c), 2);
                 return source >= c.counts.pipelines || pipelineUnused(c.image, source);
               }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("У трубопровода №") + num(c.number) +
                        QStringLiteral(" не правильно задан расход из другого трубопровода. ( ") +
                        replacement(hex4(X(c)), hex4(withDigit(X(c), 1, 0)));
               },
               {}, [](SettingsImage& image, int n) {
                 Word& x = selfIn(image, n).flowSensors;
                 x = withDigit(x, 1, 0);
               }});
  r.push_back({140, flowTakenFromOther, when([](const RuleContext& c) { return lowByte(X(c)) != 0x40; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("При ссылке на расход из другой трубы у трубопровода №") + num(c.number) +
                        QStringLiteral(" задан датчик поддиапазона. (") + replacement(hex4(X(c)), hex4(withLowByte(X(c), 0x40)));
               },
               {}, [](SettingsImage& image, int n) {
                 Word& x = selfIn(image, n).flowSensors;
                 x = withLowByte(x, 0x40);
               }});
  r.push_back({123, inUse, when([](const RuleContext& c) { return highByte(X(c)) == 0x40; }),
               numbered("Не задан основной датчик расхода/перепада давления у трубопровода №"), {}, {}});
  r.push_back({121, inUseAnd([](const RuleContext& c) { return digitOf(X(c), 1) != 8; }), when([](const RuleContext& c) {
                 const int x12 = highByte(X(c));
                 if (x12 >= c.counts.sensors && x12 != 0x40) return true;
                 Word s = 0;
                 if (!flowSensor(c, s)) return false;
                 if (kindCodes(c.kind).electricityCarrier && medium(c) == OtherCarrier) return sensorFamily(s, c.kind) != SensorFamily::PulseMchv;
                 return !(analog(s, 2) || analog(s, 3) || isCountingSensorCode(s) || arithmeticFlow(s));
               }),
               numbered("Тип датчика расхода у трубопровода №"), {}, {}});
  r.push_back({122, flowSensorAnalogDp, when([](const RuleContext& c) {
                 const int x34 = lowByte(X(c));
                 if (isKind1(c) ? (x34 != 0x40 && x34 > 15) : x34 > 65) return true;
                 // 41 passes the range but names no sensor: a sub-range sensor must exist.
                 return x34 != 0x40 && (x34 >= 64 || !analog(sensorMain(c.image, x34), 2));
               }),
               numbered("Тип датчика поддиапазона у трубопровода №"), {121}, {}});
  r.push_back({124, [](const RuleContext& c) { return flowSensorAnalogDp(c) && digitOf(Y(c), 1) == 0; }, when([](const RuleContext& c) {
                 const Word y = Y(c);
                 if (digitOf(y, 2) >= c.counts.pipelines) return true;
                 return highByte(y) != 0 && (pipelineUnused(c.image, digitOf(y, 2)) || digitOf(y, 2) == c.number);
               }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("У трубопровода №") + num(c.number) + QStringLiteral(" не правильная ссылка на \"большую трубу\"");
               },
               {121}, {}});
  r.push_back({125, flowSensorCounting, when([](const RuleContext& c) { return lowByte(X(c)) != 0x40; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("При основном датчике расхода у трубопровода №") + num(c.number) +
                        QStringLiteral(" задан еще и датчик поддиапазона. ( ") + replacement(hex4(X(c)), hex4(withLowByte(X(c), 0x40)));
               },
               {121}, [](SettingsImage& image, int n) {
                 Word& x = selfIn(image, n).flowSensors;
                 x = withLowByte(x, 0x40);
               }});
  r.push_back({126, flowSensorCounting, when([](const RuleContext& c) { return highByte(Y(c)) != 0; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("При датчике расхода у трубопровода №") + num(c.number) +
                        QStringLiteral(" имеется ссылка на \"большую трубу\". ( ") + replacement(hex4(Y(c)), hex4(withHighByte(Y(c), 0)));
               },
               {121}, [](SettingsImage& image, int n) {
                 Word& y = selfIn(image, n).bigPipeRef;
                 y = withHighByte(y, 0);
               }});
  r.push_back({128, inUse, when([](const RuleContext& c) { return stopChannelInvalid(c.kind, highByte(Z(c))); }),
               numbered("Номер входного канала прекращающий расчет у трубопровода №"), {}, {}});
  r.push_back({129, inUseAnd([](const RuleContext& c) { return heatCarrier(c) && oneOf(digitOf(P(c), 2), {4, 5, 6, 7}); }),
               when([](const RuleContext& c) {
                 const int z34 = lowByte(Z(c));
                 const bool preset = oneOf(z34, {0x40, 0x41, 0x42});
                 if (isKind1(c) ? (!preset && z34 > 15) : z34 > 66) return true;
                 return !preset && !analog(sensorMain(c.image, z34), 1);
               }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("У трубопровода №") + num(c.number) + QStringLiteral(" датчик давления в обратном трубопроводе");
               },
               {}, {}});
  r.push_back({130, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 if (!kindCodes(c.kind).gasHumidity) return false;
                 const int z34 = lowByte(Z(c));
                 if (z34 >= c.counts.sensors && z34 != 0x40) return true;
                 return z34 != 0x40 && !densityLike(sensorMain(c.image, z34));
               }),
               numbered("Датчик влажности у трубопровода №"), {}, {}});
  r.push_back({131, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 const int w12 = highByte(W(c));
                 return !inRangeB(c, w12) || (w12 != 0x40 && !densityLike(sensorMain(c.image, w12)));
               }),
               numbered("Датчик примесей CO2 у трубопровода №"), {}, {}});
  r.push_back({132, inUseAnd([](const RuleContext& c) { return naturalGas(c) && highByte(W(c)) == 0x40; }),
               when([](const RuleContext& c) { return !(self(c).co2Fraction >= 0 && self(c).co2Fraction <= 100); }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Константа \"Объемная мольная доля CO2 в газе\" у трубопровода №") + num(c.number);
               },
               {}, {}});
  r.push_back({133, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 const int w34 = lowByte(W(c));
                 return !inRangeB(c, w34) || (w34 != 0x40 && !densityLike(sensorMain(c.image, w34)));
               }),
               numbered("Датчик примесей N2 у трубопровода №"), {}, {}});
  r.push_back({134, inUseAnd([](const RuleContext& c) { return naturalGas(c) && lowByte(W(c)) == 0x40; }),
               when([](const RuleContext& c) { return !(self(c).n2Fraction >= 0 && self(c).n2Fraction <= 100); }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Константа \"Объемная мольная доля N2 в газе\" у трубопровода №") + num(c.number);
               },
               {}, {}});
  r.push_back({135, inUseAnd([](const RuleContext& c) {
                 const int p1 = medium(c), p4 = digitOf(P(c), 4);
                 if (isKind3(c)) return p1 == OtherCarrier && p4 == 4;
                 return oneOf(p1, {Water, SuperheatedSteam, SaturatedSteam, TechnicalLiquid, OtherCarrier}) && oneOf(p4, {5, 6});
               }),
               when([](const RuleContext& c) { return highByte(W(c)) > 0x23 || lowByte(W(c)) > 0x23; }),
               numbered("Момент смены тарифов у трубопровода №"), {}, {}});
  r.push_back({136, flowTakenFromOther,
               when([](const RuleContext& c) { return !(self(c).pipeDiameter >= 0 && self(c).pipeDiameter <= 1); }),
               numbered("Доля расхода получаемая трубопроводом №"), {}, {}});
  r.push_back({137, inUse, when([](const RuleContext& c) { return !(self(c).monthFactor > 0) || self(c).monthFactor > 8388607; }),
               numbered("Месячный коэффициент пересчета у трубопровода №"), {}, {}});
  r.push_back({138, inUseAnd([](const RuleContext& c) { return naturalGas(c) && kindCodes(c.kind).gasHumidity; }),
               when([](const RuleContext& c) { return !(self(c).nightTariff >= 0 && self(c).nightTariff <= 1); }),
               numbered("Константа относительной влажности у трубопровода №"), {}, {}});
  return g;
}

}  // namespace nastrum
