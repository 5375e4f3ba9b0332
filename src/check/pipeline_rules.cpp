#include "check/pipeline_rules.h"
#include "model/kind_profile.h"

#include "check/rule_helpers.h"

namespace nastrum {
namespace {

using namespace rules;

const PipelineRecord& self(const RuleContext& c) { return c.image.pipelines[static_cast<std::size_t>(c.number)]; }
PipelineRecord& selfIn(SettingsImage& image, int n) { return image.pipelines[static_cast<std::size_t>(n)]; }
DescriptorDigits P(const RuleContext& c) { return DescriptorDigits(self(c).mainDescriptor); }
DescriptorDigits X(const RuleContext& c) { return DescriptorDigits(self(c).flowSensors); }
DescriptorDigits T(const RuleContext& c) { return DescriptorDigits(self(c).tempSensors); }
DescriptorDigits R(const RuleContext& c) { return DescriptorDigits(self(c).pressureSensors); }
DescriptorDigits L(const RuleContext& c) { return DescriptorDigits(self(c).densityCalorLink); }
DescriptorDigits Y(const RuleContext& c) { return DescriptorDigits(self(c).bigPipeRef); }
DescriptorDigits Z(const RuleContext& c) { return DescriptorDigits(self(c).cutoffSource); }
DescriptorDigits W(const RuleContext& c) { return DescriptorDigits(self(c).impurityTariff); }

int medium(const RuleContext& c) { return P(c).d1(); }
// Every rule after the medium rule concerns pipelines in use only.
bool inUse(const RuleContext& c) { return !oneOf(medium(c), {0, 0xF}); }
bool heatCarrier(const RuleContext& c) { return oneOf(medium(c), {1, 2, 3}); }
bool naturalGas(const RuleContext& c) { return medium(c) == 4; }
bool steam(const RuleContext& c) { return medium(c) == 3; }

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
  if (oneOf(p1, {1, 2, 7})) return inRangeA(c, pair);
  if (oneOf(p1, {4, 5})) return inRangeB(c, pair);
  if (p1 == 3) return inRangeC(c, pair);
  return true;
}

// A followed reference that is not of the wanted type.
template <typename Wanted>
bool refNot(const RuleContext& c, int pair, Wanted wanted) {
  return followsSensor(c, pair) && !wanted(sensorMain(c.image, pair));
}
bool temperatureOrCalc(const DescriptorDigits& s) { return analog(s, 4) || analog(s, 5); }
bool densityLike(const DescriptorDigits& s) { return analog(s, 5) || constantSensor(s); }

// The main flow sensor S = ref X12, when the flow is measured here.
bool flowSensor(const RuleContext& c, DescriptorDigits& sensor) {
  const DescriptorDigits x = X(c);
  if (x.d1() == 8 || !followsSensor(c, x.pair12())) return false;
  sensor = sensorMain(c.image, x.pair12());
  return true;
}
bool flowSensorAnalogDp(const RuleContext& c) {
  DescriptorDigits s(0);
  return inUse(c) && flowSensor(c, s) && analog(s, 2);
}
bool flowSensorCounting(const RuleContext& c) {
  DescriptorDigits s(0);
  return inUse(c) && flowSensor(c, s) && (countingFlowType(s.d1()) || (s.d1() == 8 && oneOf(s.d2(), {0, 1, 2, 3})));
}
bool flowTakenFromOther(const RuleContext& c) { return inUse(c) && X(c).d1() == 8; }

// The failure-source set L of a heat-carrier pipeline, as pipeline numbers.
QList<int> failureSources(const RuleContext& c, const std::function<bool(int)>& pick) {
  QList<int> found;
  const DescriptorDigits l = L(c);
  for (int k = 0; k < kPipelineCount; ++k)
    if (k != c.number && l.bit(k) && pick(k)) found.append(k);
  return found;
}
std::function<std::optional<Finding>(const RuleContext&)> listing(std::function<bool(const RuleContext&, int)> pick) {
  return [pick = std::move(pick)](const RuleContext& c) -> std::optional<Finding> {
    const QList<int> found = failureSources(c, [&](int k) { return pick(c, k); });
    if (found.isEmpty()) return std::nullopt;
    return Finding{found};
  };
}

std::function<QString(const RuleContext&, const Finding&)> numbered(const char* prefix) {
  const QString p = QString::fromUtf8(prefix);
  return [p](const RuleContext& c, const Finding&) { return p + num(c.number); };
}
std::function<bool(const RuleContext&)> inUseAnd(std::function<bool(const RuleContext&)> condition) {
  return [condition = std::move(condition)](const RuleContext& c) { return inUse(c) && condition(c); };
}
// "<old> должен замениться на <new>"
QString replacement(const QString& before, const QString& after) {
  return before + QStringLiteral(" должен замениться на ") + after + QStringLiteral(")");
}
QString hex4(Word w) { return DescriptorDigits(w).text(); }

}  // namespace

RuleGroup pipelineRuleGroup() {
  RuleGroup g{CheckGroup::Pipeline, [](const SettingsImage& image) { return kindProfile(image.deviceKind).pipelines; }, {}, {}};
  auto& r = g.rules;

  r.push_back({110, {}, when([](const RuleContext& c) { return !oneOf(medium(c), {0, 1, 2, 3, 4, 5, 7, 8, 0xF}); }),
               numbered("Тип измеряемой среды у трубопровода №"), {}, {}});
  r.push_back({111, inUse, when([](const RuleContext& c) {
                 const int p1 = medium(c), p2 = P(c).d2();
                 return (oneOf(p1, {1, 2, 3}) && p2 > 7) || (p1 == 4 && !oneOf(p2, {5, 7})) || (p1 == 5 && p2 != 7) ||
                        (p1 == 8 && p2 != 8);
               }),
               numbered("Способ учета расхода и тепла у трубопровода №"), {}, {}});
  r.push_back({112, inUse, when([](const RuleContext& c) {
                 const int p1 = medium(c), p4 = P(c).d4();
                 if (isKind3(c))
                   return (oneOf(p1, {1, 2, 3, 4, 5, 7}) && !oneOf(p4, {0, 1, 2})) || (p1 == 8 && !oneOf(p4, {0, 1, 4}));
                 return (oneOf(p1, {1, 2, 3, 7, 8}) && !oneOf(p4, {0, 1, 2, 5, 6})) || (oneOf(p1, {4, 5}) && !oneOf(p4, {0, 1, 2}));
               }),
               numbered("Способ расчета оплаты у трубопровода №"), {}, {}});
  r.push_back({113, inUse, when([](const RuleContext& c) {
                 const int t12 = T(c).pair12();
                 return !inMediumRange(c, t12) || refNot(c, t12, temperatureOrCalc);
               }),
               numbered("Датчик температуры в точке измерения расхода у трубопровода №"), {}, {}});
  r.push_back({114, inUseAnd([](const RuleContext& c) { return !(steam(c) && T(c).pair12() == 0xFF); }), when([](const RuleContext& c) {
                 const int t34 = T(c).pair34();
                 return !inRangeB(c, t34) || refNot(c, t34, temperatureOrCalc);
               }),
               numbered("Датчик температуры на входе в зону учета у трубопровода №"), {}, {}});
  r.push_back({139, inUseAnd(steam), when([](const RuleContext& c) { return T(c).pair12() == 0xFF && R(c).pair12() == 0xFF; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Для трубопровода №") + num(c.number) +
                        QStringLiteral(" типа насыщенный пар одновременно сделана ссылка на вычисление как температуры так и давления");
               },
               {}, {}});
  r.push_back({144, inUseAnd(steam), when([](const RuleContext& c) { return T(c).pair12() != 0xFF && R(c).pair12() != 0xFF; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Для трубопровода №") + num(c.number) +
                        QStringLiteral(" типа насыщенный пар указывается либо датчик температуры, либо датчик давления");
               },
               {}, {}});
  r.push_back({115, inUse, when([](const RuleContext& c) {
                 const int r12 = R(c).pair12();
                 return !inMediumRange(c, r12) || refNot(c, r12, [](const DescriptorDigits& s) { return analog(s, 1); });
               }),
               numbered("Датчик давления измеряемой среды у трубопровода №"), {}, {}});
  r.push_back({116, inUseAnd([](const RuleContext& c) { return !(steam(c) && R(c).pair12() == 0xFF); }), when([](const RuleContext& c) {
                 const int r34 = R(c).pair34();
                 if (!inRangeB(c, r34)) return true;
                 if (r34 >= 64) return false;
                 const DescriptorDigits s = sensorMain(c.image, r34);
                 return !(constantSensor(s) || analog(s, 5) || (analog(s, 1) && oneOf(s.d3(), {1, 9})));
               }),
               numbered("Датчик атмосферного давления у трубопровода №"), {}, {}});
  r.push_back({117, inUseAnd(heatCarrier), when([](const RuleContext& c) {
                 const int y34 = Y(c).pair34();
                 return !inRangeA(c, y34) || refNot(c, y34, [](const DescriptorDigits& s) { return analog(s, 4); });
               }),
               numbered("Датчик температуры холодного источника у трубопровода №"), {}, {}});
  r.push_back({118, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 const int l12 = L(c).pair12();
                 return !inRangeB(c, l12) || refNot(c, l12, densityLike);
               }),
               numbered("Датчик плотности у трубопровода №"), {}, {}});
  r.push_back({119, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 const int l34 = L(c).pair34();
                 return !inRangeB(c, l34) || refNot(c, l34, densityLike);
               }),
               numbered("Датчик калорийности у трубопровода №"), {}, {}});
  r.push_back({141, inUseAnd(heatCarrier), when([](const RuleContext& c) { return L(c).bit(c.number); }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Трубопровод №") + num(c.number) +
                        QStringLiteral(" в параметре \"Отказы с других трубопроводов\" ссылается сам на себя. (") +
                        replacement(L(c).text(), hex4(L(c).withoutBit(c.number)));
               },
               {}, [](SettingsImage& image, int n) {
                 Word& l = selfIn(image, n).densityCalorLink;
                 l = DescriptorDigits(l).withoutBit(n);
               }});
  r.push_back({142, inUseAnd(heatCarrier), listing([](const RuleContext& c, int k) {
                 return !oneOf(pipelineMain(c.image, k).d1(), {1, 2, 3});
               }),
               [](const RuleContext& c, const Finding& f) {
                 return QStringLiteral("Трубопровод №") + num(c.number) +
                        QStringLiteral(" в параметре \"Отказы с других трубопроводов\" ссылается на не допустимый тип трубопровода №") +
                        objectList(f.listed);
               },
               {}, {}});
  r.push_back({143, inUseAnd(heatCarrier), listing([](const RuleContext& c, int k) {
                 return oneOf(pipelineMain(c.image, k).d1(), {1, 2, 3}) &&
                        DescriptorDigits(c.image.pipelines[static_cast<std::size_t>(k)].densityCalorLink).value() != 0;
               }),
               [](const RuleContext& c, const Finding& f) {
                 return QStringLiteral("Трубопровод №") + num(c.number) +
                        QStringLiteral(" в параметре \"Отказы с других трубопроводов\" ссылается на \"основной\" трубопровод №") +
                        objectList(f.listed);
               },
               {}, {}});
  r.push_back({120, inUse, when([](const RuleContext& c) {
                 const int r12 = R(c).pair12();
                 const bool differential = followsSensor(c, r12) && analog(sensorMain(c.image, r12), 2);
                 return differential ? !oneOf(P(c).d3(), {0, 1, 8, 9}) : !oneOf(P(c).d3(), {0, 1});
               }),
               numbered("Способ коррекции данных у трубопровода №"), {}, {}});
  r.push_back({127, flowTakenFromOther, when([](const RuleContext& c) {
                 const int source = X(c).d2();
                 return (isKind1(c) && source > 3) || pipelineUnused(c.image, source);
               }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("У трубопровода №") + num(c.number) +
                        QStringLiteral(" не правильно задан расход из другого трубопровода. ( ") +
                        replacement(X(c).text(), hex4(X(c).withDigit(1, 0)));
               },
               {}, [](SettingsImage& image, int n) {
                 Word& x = selfIn(image, n).flowSensors;
                 x = DescriptorDigits(x).withDigit(1, 0);
               }});
  r.push_back({140, flowTakenFromOther, when([](const RuleContext& c) { return X(c).pair34() != 0x40; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("При ссылке на расход из другой трубы у трубопровода №") + num(c.number) +
                        QStringLiteral(" задан датчик поддиапазона. (") + replacement(X(c).text(), hex4(X(c).withPair34(0x40)));
               },
               {}, [](SettingsImage& image, int n) {
                 Word& x = selfIn(image, n).flowSensors;
                 x = DescriptorDigits(x).withPair34(0x40);
               }});
  r.push_back({123, inUse, when([](const RuleContext& c) { return X(c).pair12() == 0x40; }),
               numbered("Не задан основной датчик расхода/перепада давления у трубопровода №"), {}, {}});
  r.push_back({121, inUseAnd([](const RuleContext& c) { return X(c).d1() != 8; }), when([](const RuleContext& c) {
                 const int x12 = X(c).pair12();
                 if (isKind1(c) ? (x12 > 15 && x12 != 0x40) : x12 > 64) return true;
                 DescriptorDigits s(0);
                 if (!flowSensor(c, s)) return false;
                 if (isKind3(c) && medium(c) == 8) return s.d1() != 0xB;
                 return !(analog(s, 2) || analog(s, 3) || countingFlowType(s.d1()) || (s.d1() == 8 && oneOf(s.d2(), {0, 1, 2, 3})));
               }),
               numbered("Тип датчика расхода у трубопровода №"), {}, {}});
  r.push_back({122, flowSensorAnalogDp, when([](const RuleContext& c) {
                 const int x34 = X(c).pair34();
                 if (isKind1(c) ? (x34 != 0x40 && x34 > 15) : x34 > 65) return true;
                 // 41 passes the range but names no sensor: a sub-range sensor must exist.
                 return x34 != 0x40 && (x34 >= 64 || !analog(sensorMain(c.image, x34), 2));
               }),
               numbered("Тип датчика поддиапазона у трубопровода №"), {121}, {}});
  r.push_back({124, [](const RuleContext& c) { return flowSensorAnalogDp(c) && Y(c).d1() == 0; }, when([](const RuleContext& c) {
                 const DescriptorDigits y = Y(c);
                 if (y.d2() > (isKind1(c) ? 3 : 15)) return true;
                 return y.pair12() != 0 && (pipelineUnused(c.image, y.d2()) || y.d2() == c.number);
               }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("У трубопровода №") + num(c.number) + QStringLiteral(" не правильная ссылка на \"большую трубу\"");
               },
               {121}, {}});
  r.push_back({125, flowSensorCounting, when([](const RuleContext& c) { return X(c).pair34() != 0x40; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("При основном датчике расхода у трубопровода №") + num(c.number) +
                        QStringLiteral(" задан еще и датчик поддиапазона. ( ") + replacement(X(c).text(), hex4(X(c).withPair34(0x40)));
               },
               {121}, [](SettingsImage& image, int n) {
                 Word& x = selfIn(image, n).flowSensors;
                 x = DescriptorDigits(x).withPair34(0x40);
               }});
  r.push_back({126, flowSensorCounting, when([](const RuleContext& c) { return Y(c).pair12() != 0; }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("При датчике расхода у трубопровода №") + num(c.number) +
                        QStringLiteral(" имеется ссылка на \"большую трубу\". ( ") + replacement(Y(c).text(), hex4(Y(c).withPair12(0)));
               },
               {121}, [](SettingsImage& image, int n) {
                 Word& y = selfIn(image, n).bigPipeRef;
                 y = DescriptorDigits(y).withPair12(0);
               }});
  r.push_back({128, inUse, when([](const RuleContext& c) { return stopChannelInvalid(c.kind, Z(c).pair12()); }),
               numbered("Номер входного канала прекращающий расчет у трубопровода №"), {}, {}});
  r.push_back({129, inUseAnd([](const RuleContext& c) { return heatCarrier(c) && oneOf(P(c).d2(), {4, 5, 6, 7}); }),
               when([](const RuleContext& c) {
                 const int z34 = Z(c).pair34();
                 const bool preset = oneOf(z34, {0x40, 0x41, 0x42});
                 if (isKind1(c) ? (!preset && z34 > 15) : z34 > 66) return true;
                 return !preset && !analog(sensorMain(c.image, z34), 1);
               }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("У трубопровода №") + num(c.number) + QStringLiteral(" датчик давления в обратном трубопроводе");
               },
               {}, {}});
  r.push_back({130, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 if (isKind3(c)) return false;
                 const int z34 = Z(c).pair34();
                 if (c.kind == 2 ? z34 > 64 : (z34 > 15 && z34 != 0x40)) return true;
                 return z34 != 0x40 && !densityLike(sensorMain(c.image, z34));
               }),
               numbered("Датчик влажности у трубопровода №"), {}, {}});
  r.push_back({131, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 const int w12 = W(c).pair12();
                 return !inRangeB(c, w12) || (w12 != 0x40 && !densityLike(sensorMain(c.image, w12)));
               }),
               numbered("Датчик примесей CO2 у трубопровода №"), {}, {}});
  r.push_back({132, inUseAnd([](const RuleContext& c) { return naturalGas(c) && W(c).pair12() == 0x40; }),
               when([](const RuleContext& c) { return !(self(c).co2Fraction >= 0 && self(c).co2Fraction <= 100); }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Константа \"Объемная мольная доля CO2 в газе\" у трубопровода №") + num(c.number);
               },
               {}, {}});
  r.push_back({133, inUseAnd(naturalGas), when([](const RuleContext& c) {
                 const int w34 = W(c).pair34();
                 return !inRangeB(c, w34) || (w34 != 0x40 && !densityLike(sensorMain(c.image, w34)));
               }),
               numbered("Датчик примесей N2 у трубопровода №"), {}, {}});
  r.push_back({134, inUseAnd([](const RuleContext& c) { return naturalGas(c) && W(c).pair34() == 0x40; }),
               when([](const RuleContext& c) { return !(self(c).n2Fraction >= 0 && self(c).n2Fraction <= 100); }),
               [](const RuleContext& c, const Finding&) {
                 return QStringLiteral("Константа \"Объемная мольная доля N2 в газе\" у трубопровода №") + num(c.number);
               },
               {}, {}});
  r.push_back({135, inUseAnd([](const RuleContext& c) {
                 const int p1 = medium(c), p4 = P(c).d4();
                 if (isKind3(c)) return p1 == 8 && p4 == 4;
                 return oneOf(p1, {1, 2, 3, 7, 8}) && oneOf(p4, {5, 6});
               }),
               when([](const RuleContext& c) { return W(c).pair12() > 0x23 || W(c).pair34() > 0x23; }),
               numbered("Момент смены тарифов у трубопровода №"), {}, {}});
  r.push_back({136, flowTakenFromOther,
               when([](const RuleContext& c) { return !(self(c).pipeDiameter >= 0 && self(c).pipeDiameter <= 1); }),
               numbered("Доля расхода получаемая трубопроводом №"), {}, {}});
  r.push_back({137, inUse, when([](const RuleContext& c) { return !(self(c).monthFactor > 0) || self(c).monthFactor > 8388607; }),
               numbered("Месячный коэффициент пересчета у трубопровода №"), {}, {}});
  r.push_back({138, inUseAnd([](const RuleContext& c) { return naturalGas(c) && !isKind3(c); }),
               when([](const RuleContext& c) { return !(self(c).nightTariff >= 0 && self(c).nightTariff <= 1); }),
               numbered("Константа относительной влажности у трубопровода №"), {}, {}});
  return g;
}

}  // namespace nastrum
