#include "arith/arith_formula.h"

#include <cmath>

#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_codes.h"
#include "descriptors/sensor_codes.h"
#include "model/kind_profile.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

constexpr std::array<QChar, 3> kOperandLetter{u'X', u'Y', u'Z'};
constexpr std::array<QChar, 3> kConstantLetter{u'A', u'B', u'C'};

// Bit positions of the three operations and the two combining steps.
constexpr std::array<int, 3> kOperationShift{12, 6, 0};
constexpr int kCombine12Shift = 9;
constexpr int kCombine43Shift = 3;
constexpr int kSignBit = 15;

double& constantOf(SensorRecord& s, int term) { return term == 0 ? s.const1 : term == 1 ? s.const2 : s.const3; }
double constantOf(const SensorRecord& s, int term) { return term == 0 ? s.const1 : term == 1 ? s.const2 : s.const3; }

std::optional<double> readConstant(const QString& text, QChar separator) {
  return readRealText(text, separator);
}

bool isEmpty(const QString& text) { return text.trimmed().isEmpty(); }

// The constant the formula uses for a term.
double effectiveConstant(const ArithTermState& t, QChar separator) {
  const double value = readConstant(t.constant, separator).value_or(0.0);
  if (t.operation == OpConstOnly) return value;
  if (value == 0 || std::fabs(value) >= 1) return 1;
  return value;
}

bool termInUse(const ArithTermState& t) { return t.operand != kNoOperand || t.operation == OpConstOnly; }

QString termText(const ArithTermState& t, int term, QChar separator) {
  const double c = effectiveConstant(t, separator);
  const QString a = GeneralRealText(c, separator);
  const QString x = QString(kOperandLetter[static_cast<std::size_t>(term)]);
  const bool negative = c < 0;
  switch (t.operation) {
    case OpConstMinus:
      if (negative && term > 0) return "((" + a + ") - " + x + ")";
      return "(" + a + " - " + x + ")";
    case OpConstOnly:
      return negative ? "(" + a + ")" : a;
    case OpConstDivided:
      if (!negative) return "(" + a + " / " + x + ")";
      return term == 0 ? "( (" + a + ") / " + x + ")" : "((" + a + ") / " + x + ")";
    case OpPlus:
    case OpMinus:
    case OpTimes:
    case OpDivided: {
      static const char* const ops[] = {" + ", " - ", " * ", " / "};
      const QString op = QLatin1String(ops[t.operation - OpPlus]);
      return "(" + x + op + (negative ? "(" + a + ")" : a) + ")";
    }
    default:
      return " " + x + " ";
  }
}

// "(" first op second ")" for a combining code; the "second - first" and
// "second / first" steps put the later result first.
QString combined(int code, const QString& earlier, const QString& later) {
  switch (code) {
    case CombineSecondMinusFirst: return "(" + later + " - " + earlier + ")";
    case CombineSecondByFirst: return "(" + later + " / " + earlier + ")";
    case CombinePlus: return "(" + earlier + " + " + later + ")";
    case CombineMinus: return "(" + earlier + " - " + later + ")";
    case CombineTimes: return "(" + earlier + " * " + later + ")";
    case CombineDivided: return "(" + earlier + " / " + later + ")";
    default: return earlier;
  }
}

int combiningOf(int bits) { return bits == 2 ? CombineEnd : bits; }

}  // namespace

ChoiceList arithOperationChoices(int term) {
  const QString x = QString(kOperandLetter[static_cast<std::size_t>(term)]);
  const QString a = QString(kConstantLetter[static_cast<std::size_t>(term)]);
  ChoiceList list;
  list.add(OpNone, QStringLiteral("нет"));
  list.add(OpConstMinus, a + " - " + x);
  list.add(OpConstOnly, a);
  list.add(OpConstDivided, a + " / " + x);
  list.add(OpPlus, term == 2 ? x + "+ " + a : x + " + " + a);  // the third list writes "Z+ C"
  list.add(OpMinus, x + " - " + a);
  list.add(OpTimes, x + " * " + a);
  list.add(OpDivided, x + " / " + a);
  return list;
}

ChoiceList arithCombiningChoices(int step) {
  const QString first = step == 0 ? QStringLiteral("1") : QStringLiteral("4");
  const QString second = step == 0 ? QStringLiteral("2") : QStringLiteral("3");
  ChoiceList list;
  list.add(CombineEnd, QStringLiteral("нет (конец)"));
  list.add(CombineSecondMinusFirst, second + " - " + first);
  list.add(CombineSecondByFirst, second + " / " + first);
  list.add(CombinePlus, first + " + " + second);
  list.add(CombineMinus, first + " - " + second);
  list.add(CombineTimes, first + " * " + second);
  list.add(CombineDivided, first + " / " + second);
  return list;
}

ChoiceList arithSignChoices() {
  return {{0, QStringLiteral("Значение с получившимся знаком")}, {1, QStringLiteral("Абсолютное значение")}};
}

bool arithUsesPipelines(const SensorRecord& sensor) { return digitOf(sensor.mainDescriptor, 3) != SumSensors; }

std::vector<int> arithOperandNumbers(const SettingsImage& image, int sensor, bool pipelines) {
  std::vector<int> out;
  const KindProfile& profile = kindProfile(image.deviceKind);
  const int count = pipelines ? profile.pipelines : profile.sensors;
  for (int n = 0; n < count; ++n) {
    if (!pipelines && n == sensor) continue;
    const Word main = pipelines ? image.pipelines[static_cast<std::size_t>(n)].mainDescriptor
                                : image.sensors[static_cast<std::size_t>(n)].mainDescriptor;
    const int d1 = digitOf(main, 1);
    if ((main & 0xFFFF) != 0 && d1 != 0x0 && d1 != 0xF) out.push_back(n);
  }
  return out;
}

ArithState arithStateOf(const SensorRecord& sensor, QChar separator) {
  const Word code = sensor.auxDescriptor & 0xFFFF;
  ArithState st;
  st.absolute = ((code >> kSignBit) & 1) != 0;
  st.combine12 = combiningOf((code >> kCombine12Shift) & 7);
  st.combine43 = combiningOf((code >> kCombine43Shift) & 7);
  for (int k = 0; k < 3; ++k) {
    ArithTermState& t = st.terms[static_cast<std::size_t>(k)];
    t.operation = (code >> kOperationShift[static_cast<std::size_t>(k)]) & 7;
    const double value = constantOf(sensor, k);
    if (t.operation == OpConstOnly) {
      t.constant = GeneralRealText(value, separator);
      continue;
    }
    const bool negative = std::signbit(value);
    const QString sign = negative ? QStringLiteral("-0") : QStringLiteral("0");
    const QString text = GeneralRealText(std::fabs(value), separator);
    if (text.contains(u'E')) {
      // A tiny constant beside operand 0 takes the exponent form: split by value.
      const double whole = std::floor(std::fabs(value));
      t.operand = whole < 2147483647.0 ? static_cast<int>(whole) : 2147483647;  // beyond any number: damaged
      const double fraction = std::fabs(value) - whole;
      t.constant = fraction == 0 ? sign : (negative ? "-" : "") + GeneralRealText(fraction, separator);
      continue;
    }
    const qsizetype at = text.indexOf(separator);
    t.operand = text.left(at).toInt();
    const QString digits = at < 0 ? QString() : text.mid(at + 1);
    t.constant = digits.isEmpty() ? sign : sign + separator + digits;
  }
  return st;
}

ArithState arithStateOf(const SettingsImage& image, int sensor, QChar separator) {
  const SensorRecord& s = image.sensors[static_cast<std::size_t>(sensor)];
  ArithState st = arithStateOf(s, separator);
  const std::vector<int> offered = arithOperandNumbers(image, sensor, arithUsesPipelines(s));
  const bool zeroOffered = !offered.empty() && offered.front() == 0;
  for (ArithTermState& t : st.terms)
    if (t.operand == 0 && !zeroOffered) t.operand = kNoOperand;
  return st;
}

void normaliseArithConstants(ArithState& state, QChar separator) {
  for (ArithTermState& t : state.terms) {
    if (isEmpty(t.constant)) continue;
    const auto value = readConstant(t.constant, separator);
    if (!value || (t.operation != OpConstOnly && std::fabs(*value) >= 1)) t.constant = QStringLiteral("0");
  }
}

QString arithFormula(const ArithState& st, QChar separator) {
  QString f = termText(st.terms[0], 0, separator);
  if (st.combine12 != CombineEnd && termInUse(st.terms[1])) {
    f = combined(st.combine12, f, termText(st.terms[1], 1, separator));
    if (st.combine43 != CombineEnd && termInUse(st.terms[2]))
      f = combined(st.combine43, f, termText(st.terms[2], 2, separator));
  }
  return st.absolute ? "| " + f + " |" : f;
}

Word arithCode(const ArithState& st) {
  Word code = st.absolute ? (1 << kSignBit) : 0;
  for (int k = 0; k < 3; ++k)
    code |= (st.terms[static_cast<std::size_t>(k)].operation & 7) << kOperationShift[static_cast<std::size_t>(k)];
  code |= (st.combine12 & 7) << kCombine12Shift;
  code |= (st.combine43 & 7) << kCombine43Shift;
  return code;
}

void storeArithState(SensorRecord& sensor, const ArithState& state, QChar separator) {
  for (int k = 0; k < 3; ++k) {
    const ArithTermState& t = state.terms[static_cast<std::size_t>(k)];
    const auto c = isEmpty(t.constant) ? std::nullopt : readConstant(t.constant, separator);
    const double operand = t.operand == kNoOperand ? 0.0 : t.operand;
    double value = 0;
    if (t.operation == OpConstOnly) {
      value = c.value_or(0.0);
    } else if (c) {
      value = operand + std::fabs(*c);
      if (std::signbit(*c)) value = -value;
    } else {
      value = operand;
    }
    constantOf(sensor, k) = value;
  }
  sensor.auxDescriptor = arithCode(state);
}

QStringList arithSummaryLines(const ArithState& state, bool pipelines, QChar separator) {
  QStringList lines{QStringLiteral("ИТОГ:  R = ") + arithFormula(state, separator)};
  const QString kind = pipelines ? QStringLiteral(" - трубопровод № ") : QStringLiteral(" - датчик № ");
  for (int k = 0; k < 3; ++k) {
    const ArithTermState& t = state.terms[static_cast<std::size_t>(k)];
    const QString letter = QString(kOperandLetter[static_cast<std::size_t>(k)]);
    lines << (t.operand == kNoOperand ? letter + QStringLiteral(" - не используется")
                                      : letter + kind + QString::number(t.operand));
  }
  return lines;
}

}  // namespace nastrum
