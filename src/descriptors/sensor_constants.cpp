#include "descriptors/sensor_constants.h"
#include "model/kind_profile.h"

#include <cmath>
#include <cstring>

#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"
#include "descriptors/sensor_codes.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

QString analogConst3(int signal, int kind) {
  if (signal == 0) return QStringLiteral("Верхний предел шкалы сигнала датч., мВ");
  return QString::fromUtf8(kindCodes(kind).analogConst3Caption);
}

bool isAnalogTemperature(Word main) {
  const int d1 = digitOf(main, 1);
  return (d1 == 0x1 || d1 == 0x9) && digitOf(main, 2) == Temperature;
}

}  // namespace

ConstantCaptions constantCaptions(const SensorRecord& sensor, int kind) {
  const Word main = sensor.mainDescriptor;
  const int d2 = digitOf(main, 2), d3 = digitOf(main, 3), d4 = digitOf(main, 4);
  const int signal = d4 & 3;
  ConstantCaptions c{QStringLiteral("Константа 1"), QStringLiteral("Константа 2"),
                     QStringLiteral("Константа 3"),
                     QStringLiteral("Технологич. границы изменения зн. датчика")};
  const QString flowLimits = QStringLiteral("Технологич. границы изменения расхода");
  switch (sensorFamily(main, kind)) {
    case SensorFamily::Analog:
      switch (d2) {
        case BatteryVoltage:
          c.const1 = QStringLiteral("Макс. знач. напряжения аккумулятора");
          c.const3 = analogConst3(signal, kind);
          c.limits = QStringLiteral("Технологич. границы изменения напряжен.");
          break;
        case Pressure:
          c.const1 = QStringLiteral("Максималь. давление в кгс/см2 или МПа");
          c.const2 = QStringLiteral("Разность давл. приход. на имульс. трубку");
          c.const3 = analogConst3(signal, kind);
          c.limits = QStringLiteral("Технологич. границы изменения давления");
          break;
        case DiffPressure:
          c.const1 = QStringLiteral("Номинальный перепад в кгс/м2 или кПа");
          c.const2 = QStringLiteral("Максимальный измеряем. расход в ед/час");
          c.const3 = analogConst3(signal, kind);
          c.limits = QStringLiteral("Технологич. границы изменения давления");
          break;
        case Flow:
          c.const1 = QStringLiteral("Максимальный расход (мощность)");
          c.const3 = analogConst3(signal, kind);
          c.limits = flowLimits;
          break;
        case Temperature:
          c.limits = QStringLiteral("Технологич. границы изменения температ.");
          if (d3 == 0 || d3 == 1) {
            c.const1 = QStringLiteral("Номинальное cопротивление при 0°С,Ом");
            c.const2 = QStringLiteral("Линейная часть температ. коэфф.");
            c.const3 = QStringLiteral("Коэфф. при второй степени температуры");
          } else if (d3 >= 4 && d3 <= 6) {
            c.const1 = QStringLiteral("Температура холодного спая");
          } else if (d3 == 7) {
            c.const1 = signal == 1 ? QStringLiteral("Температура соответствующая 5 мА")
                                   : QStringLiteral("Температура соответствующая 20 мА");
            c.const2 = signal == 3 ? QStringLiteral("Температура соответствующая 4 мА")
                                   : QStringLiteral("Температура соответствующая 0 мА");
            c.const3 = analogConst3(signal, kind);
          }
          break;
        case OtherLinear:
          c.const1 = signal == 1 ? QStringLiteral("Значение параметра соответ. 5 мА")
                                 : QStringLiteral("Значение параметра соответ. 20 мА");
          c.const2 = signal == 3 ? QStringLiteral("Значение параметра соответ. 4 мА")
                                 : QStringLiteral("Значение параметра соответ. 0 мА");
          c.const3 = analogConst3(signal, kind);
          break;
        default:
          break;
      }
      break;
    case SensorFamily::PulseMvv:
    case SensorFamily::PulseMchv:
      c.const1 = (kindCodes(kind).pulsesPerUnitBit && (d3 & 8) != 0)
                     ? QStringLiteral("Кол-во импульсов на ед. изм. величины")
                     : QStringLiteral("Вес импульса в единицах измерения");
      c.const2 = QStringLiteral("Поправочный коэффициент по паспорту");
      c.const3 = QStringLiteral("Макс. период отсут. имульсов,с");
      c.limits = flowLimits;
      break;
    case SensorFamily::Frequency:
      c.const1 = QStringLiteral("Значение Gmin в ед. измерения датчика");
      c.const2 = QStringLiteral("Крутизна");
      c.const3 = QStringLiteral("Значение Fmin,Гц");
      c.limits = flowLimits;
      break;
    default:
      break;
  }
  return c;
}

bool monthFactorApplies(Word main, int kind) {
  switch (sensorFamily(main, kind)) {
    case SensorFamily::Analog: return digitOf(main, 2) == Flow;
    case SensorFamily::PulseMvv:
    case SensorFamily::PulseMchv:
    case SensorFamily::Frequency: return true;
    case SensorFamily::Conditional: return digitOf(main, 2) == 3;
    default: return false;
  }
}

bool substOnFaultApplies(Word main, int kind) {
  const SensorFamily f = sensorFamily(main, kind);
  if (f == SensorFamily::Analog) return digitOf(main, 4) < 8;
  if (isCountingFamily(f)) return digitOf(main, 4) == 1;
  return false;
}

bool applyForcedValues(SensorRecord& s, int kind) {
  const SensorRecord before = s;
  const Word main = s.mainDescriptor;
  const SensorFamily f = sensorFamily(main, kind);
  if (f == SensorFamily::Invalid) return false;
  if (!monthFactorApplies(main, kind)) s.monthFactor = 1.0;
  if ((f == SensorFamily::Analog && digitOf(main, 4) >= 8) ||
      (isCountingFamily(f) && digitOf(main, 4) != 1))
    s.substOnFault = 0;
  if (kindCodes(kind).currentAnalogClearsConst3 && f == SensorFamily::Analog && digitOf(main, 2) != Temperature &&
      (digitOf(main, 4) & 3) != 0)
    s.const3 = 0;
  return std::memcmp(&before, &s, sizeof s) != 0;
}

std::vector<RtdStandardChoice> rtdStandardChoices(int rtdD3) {
  const QString other = QStringLiteral("прочие");
  if (rtdD3 == 1)
    return {{QStringLiteral("стандартный W100=1,426"), 0, 426, 0},
            {QStringLiteral("стандартный W100=1,428"), 1, 427.8, -5413.6},
            {other, kRtdOther, 0, 0}};
  return {{QStringLiteral("стандартный W100=1,391"), 0, 396.92, -5829},
          {QStringLiteral("стандартный W100=1,385"), 1, 390.83, -5775},
          {other, kRtdOther, 0, 0}};
}

QString rtdOtherHint() { return QStringLiteral("в 1/°С по паспорту датчика, увеличенный в  10^5 раз"); }

void applyRtdStandard(SensorRecord& s, int rtdStandard) {
  for (const auto& c : rtdStandardChoices(digitOf(s.mainDescriptor, 3))) {
    if (c.rtdStandard != rtdStandard) continue;
    s.rtdStandard = c.rtdStandard;
    s.const1 = 0;
    s.const2 = c.const2;
    s.const3 = c.const3;
    return;
  }
}

double encodeTerm(const Term& t) {
  if (!t.present) return kAbsentTerm;
  const double v = t.number + t.weight;
  return t.negative ? -v : v;  // -0.0 keeps the sign of the zero term
}

Term decodeTerm(double value) {
  Term t;
  if (value == kAbsentTerm) return t;
  t.present = true;
  t.negative = std::signbit(value);
  const double a = std::fabs(value);
  // A real from a damaged file may be beyond any number (or not a number):
  // it shows as the largest one, which the page then reports out of range.
  const double whole = std::floor(a);
  t.number = whole < 2147483647.0 ? static_cast<int>(whole) : 2147483647;
  if (std::isnan(a)) t.number = 0;
  // The weight is the decimal fraction as written, so 12.25 gives exactly 0.25.
  const QString text = QString::number(a, 'g', 15);
  const qsizetype dot = text.indexOf(u'.');
  if (text.contains(u'e')) {
    t.weight = a - t.number;
  } else {
    const QString frac = dot < 0 ? QString() : text.mid(dot + 1);
    t.weight = frac.isEmpty() ? 0.0 : QStringLiteral("0.%1").arg(frac).toDouble();
  }
  if (t.weight >= 1.0) t.weight = 0;
  return t;
}

int termNumberMessage(bool sensorSource, int number) {
  if (sensorSource) return number >= 0 && number <= 63 ? 0 : 48;
  return number >= 0 && number <= 15 ? 0 : 47;
}

int termWeightMessage(double weight) { return weight >= 0 && weight < 1 ? 0 : 58; }

int tableCount(int kind) { return kindProfile(kind).tables; }

bool isVariableStep(const std::array<double, kTablePoints>& table) {
  return table[kVariableStepIndex] == 1.0;
}

double encodeTableRef(const TableRef& ref) { return ref.table + (ref.variableStep ? 0.5 : 0.0); }

std::optional<TableRef> decodeTableRef(double const1, int kind) {
  if (!(const1 >= 0) || const1 >= tableCount(kind)) return std::nullopt;
  const int t = static_cast<int>(std::floor(const1));
  return TableRef{t, const1 - t == 0.5};
}

std::vector<int> functionalSensorsOnTable(const SettingsImage& image, int table, int self) {
  std::vector<int> out;
  const int kind = image.deviceKind;
  const int count = kindProfile(kind).sensors;
  for (int n = 0; n < count; ++n) {
    if (n == self) continue;
    const auto& s = image.sensors[static_cast<std::size_t>(n)];
    if (digitOf(s.mainDescriptor, 1) != 0x8 || digitOf(s.mainDescriptor, 3) != TableFunction) continue;
    const auto ref = decodeTableRef(s.const1, kind);
    if (ref && ref->table == table) out.push_back(n);
  }
  return out;
}

QString tableStepQuestion(const std::vector<int>& others) {
  if (others.empty())
    return QStringLiteral("При продолжении, текущие значения табличной функции обнулятся, продолжить?");
  QString text = QStringLiteral(
      "При продолжении, текущие значения табличной функции удалятся, а так же удалятся "
      "функциональные датчики №");
  for (int n : others) text += QString::number(n) + u' ';
  return text + QStringLiteral(" продолжить?");
}

void applyTableStep(SettingsImage& image, int self, int table, bool variableStep) {
  for (int n : functionalSensorsOnTable(image, table, self)) {
    auto& s = image.sensors[static_cast<std::size_t>(n)];
    const Word number = s.number;
    const Word rtd = s.rtdStandard;
    s = SensorRecord{};
    s.number = number;
    s.rtdStandard = rtd;
  }
  auto& t = image.tableFunctions[static_cast<std::size_t>(table)];
  t.fill(0);
  t[kVariableStepIndex] = variableStep ? 1.0 : 0.0;
  image.sensors[static_cast<std::size_t>(self)].const1 = encodeTableRef({table, variableStep});
}

std::vector<int> coldJunctionCandidates(const SettingsImage& image, int self) {
  std::vector<int> out;
  const int count = kindProfile(image.deviceKind).sensors;
  for (int n = 0; n < count; ++n)
    if (n != self && isAnalogTemperature(image.sensors[static_cast<std::size_t>(n)].mainDescriptor))
      out.push_back(n);
  return out;
}

bool isValidColdJunction(const SettingsImage& image, int self, double c2) {
  if (c2 == kNoColdJunction) return true;
  for (int n : coldJunctionCandidates(image, self))
    if (c2 == n) return true;
  return false;
}

double liquidColumnConst2(double rho, double h, bool mpa, bool belowPipe) {
  const double v = rho * 9.8 * h * (mpa ? 1e-7 : 1e-6);
  return belowPipe ? -v : v;
}

double frequencySlope(double gmin, double fmin, double gmax, double fmax) {
  if (fmax == fmin) return 0;
  return (gmax - gmin) / (fmax - fmin);
}

double storedFrequencySlope(double gmin, double fmin, double gmax, double fmax) {
  const QChar dot(u'.');
  return readRealText(FormatReal8(frequencySlope(gmin, fmin, gmax, fmax), dot), dot).value_or(0.0);
}

}  // namespace nastrum
