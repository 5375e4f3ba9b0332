#include <gtest/gtest.h>

#include "descriptors/descriptor_digits.h"
#include "descriptors/sensor_codes.h"
#include "descriptors/sensor_edit.h"
#include "descriptors/sensor_view.h"

namespace nastrum {
namespace {

TEST(DescriptorDigits, ReadAndReplaceDigitsAndBytes) {
  EXPECT_EQ(digitOf(0xA350, 1), 0xA);
  EXPECT_EQ(digitOf(0xA350, 4), 0x0);
  EXPECT_EQ(withDigit(0x9101, 2, 4), 0x9401);
  EXPECT_EQ(withDigit(0x12345, 1, 0xF), 0xF345);  // only 16 bits are kept
  EXPECT_EQ(withHighByte(0x4040, 0x0C), 0x0C40);
  EXPECT_EQ(withLowByte(0x4040, 0x0D), 0x400D);
}

TEST(SensorFamily, D1ByDeviceKind) {
  using F = SensorFamily;
  // D1 0..F for kinds 1/2 and for kind 3.
  const F small[16] = {F::Absent, F::Analog, F::PulseMvv, F::PulseMchv, F::Frequency, F::Invalid, F::Invalid,
                       F::Invalid, F::Conditional, F::Analog, F::PulseMvv, F::PulseMchv, F::Frequency,
                       F::Invalid, F::Invalid, F::Absent};
  const F large[16] = {F::Absent, F::Analog, F::Invalid, F::Invalid, F::Invalid, F::Invalid, F::Invalid,
                       F::Invalid, F::Conditional, F::Analog, F::Invalid, F::PulseMchv, F::Frequency,
                       F::Invalid, F::Invalid, F::Absent};
  for (int d1 = 0; d1 < 16; ++d1) {
    EXPECT_EQ(sensorFamily(d1 << 12, 1), small[d1]) << d1;
    EXPECT_EQ(sensorFamily(d1 << 12, 2), small[d1]) << d1;
    EXPECT_EQ(sensorFamily(d1 << 12, 3), large[d1]) << d1;
  }
  EXPECT_EQ(decodeSensor(SensorRecord{.mainDescriptor = 0x2350}, 3).familyText, QStringLiteral("ОШИБКА"));
  EXPECT_EQ(decodeSensor(SensorRecord{.mainDescriptor = 0xF123}, 2).familyText, QStringLiteral("датчика нет"));
}

TEST(SensorChoices, ListsPerKindInPageOrder) {
  EXPECT_EQ(familyChoices().texts(), (QStringList{"датчика нет", "аналоговый", "числоимпульсный", "частотный", "условный"}));
  const QStringList five{"давление", "перепад давления", "расход", "температура", "прочие с линейной шкалой"};
  EXPECT_EQ(quantityChoices(1).texts(), five);
  EXPECT_EQ(quantityChoices(2).texts(), QStringList{"напряжение аккумулятора"} + five);
  EXPECT_EQ(quantityChoices(3).codes(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(tapChoices(2).codes(), (std::vector<int>{0, 2}));
  EXPECT_EQ(tapChoices(3).texts().last(), QStringLiteral("Трехрадиусный отбор"));
  EXPECT_EQ(conversionChoices(1).codes(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(conversionChoices(2).codes(), (std::vector<int>{0, 1, 2, 3, 4, 5, 8}));
  EXPECT_EQ(conversionChoices(3).at(6).text, QStringLiteral("Датчик с вводимым по последовательному каналу значением"));
  EXPECT_EQ(signalChoices(Pressure).texts(), (QStringList{"напряжение", "ток 0..5   мА", "ток 0..20 мА", "ток 4..20 мА"}));
  EXPECT_EQ(signalChoices(OtherLinear).codes(), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(signalScaleText(3), QStringLiteral("Xmin=4 мА, Xmax=20 мА"));
  EXPECT_EQ(countingFaultChoices().codes(), (std::vector<int>{0, 1, 9}));
  EXPECT_EQ(flowKindChoices().textOf(7), QStringLiteral("ОШИБКА"));
}

TEST(SensorChoices, EveryOtherListInOrder) {
  struct Case {
    ChoiceList list;
    QStringList texts;
    std::vector<int> codes;
  } cases[] = {
      {storageChoices(), {"с хранением", "без хранения"}, {9, 1}},
      {pressureKindChoices(), {"Датчик избыточного давления", "Датчик абсолютного давления"}, {0, 1}},
      {pressureUnitChoices(), {"кгс/см2", "МПа"}, {0, 8}},
      {diffUnitChoices(), {"кгс/м2", "кПа"}, {0, 8}},
      {tapChoices(3), {"Фланцевый отбор", "Угловой отбор", "Трехрадиусный отбор"}, {0, 2, 1}},
      {flowKindChoices(), {"расход в тоннах", "расход пара или жидкости в м3", "расход газа в м3"}, {0, 1, 5}},
      {pulseWeightChoices(), {"Вес импульса в ед. изм.", "Кол-во импульсов на ед."}, {0, 8}},
      {temperatureKindChoices(),
       {"термометр сопротивления", "термопара", "термометр с нормирующим преобразователем"}, {0, 1, 2}},
      {rtdChoices(), {"платиновый ТС", "медный ТС"}, {0, 1}},
      {thermocoupleChoices(), {"ХК", "ХА", "ПП"}, {4, 5, 6}},
      {analogFaultChoices(), {"Константа замены при обрыве или перезапуске", "Среднее значение"}, {0, 8}},
      {countingFaultChoices(),
       {"Обрыв датчика не контролируется", "Константа замены при обрыве или перезапуске", "Среднее значение"},
       {0, 1, 9}},
      {conditionalStorageChoices(), {"с усреднением", "с накоплением"}, {0, 3}},
      {arithmeticSourceChoices(),
       {"измеренных текущих значений датчиков", "текущих расходов из трубопроводов",
        "текущего количества тепла из трубопроводов", "текущего значения энтальпии из трубопроводов"},
       {0, 1, 2, 3}},
      {signStorageChoices(), {"хранение значения с получившимся знаком", "хранение абсолютного значения"}, {1, 9}},
      {presenceChoices(), {"Есть", "Нет"}, {1, 0}},
      {conversionChoices(2),
       {"Суммирование измеренных значений датчиков", "Суммирование текущих расходов из  трубопр.",
        "Суммирование текущего тепла из трубопр.", "Суммирование значения энтальпии из трубопр.",
        "Функциональный датчик с преобраз. по таблице", "Копирующий датчик для архивирования",
        "Датчик с вводимым по последовательному каналу значением"},
       {0, 1, 2, 3, 4, 5, 8}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.list.texts(), c.texts);
    EXPECT_EQ(c.list.codes(), c.codes) << c.texts.first().toStdString();
  }
}

TEST(SensorChoices, FlowKindDigitByKind) {
  EXPECT_EQ(decodeFlowKind(3, 1), FlowLiquidM3);
  EXPECT_EQ(decodeFlowKind(3, 2), FlowLiquidM3);
  EXPECT_FALSE(decodeFlowKind(3, 3));
  EXPECT_FALSE(decodeFlowKind(2, 2));
  EXPECT_EQ(decodeFlowKind(5, 3), FlowGasM3);
}

// Which main descriptors a valid analog sensor can carry, written out
// independently of the decoder.
bool isValidAnalogWord(Word w, int kind) {
  const int d2 = digitOf(w, 2), d3 = digitOf(w, 3), d4 = digitOf(w, 4);
  const int signal = d4 & 3;
  if (d4 & 4) return false;  // D4 holds the fault bit 3 and the signal bits 0, 1 only
  switch (d2) {
    case 0: return kind != 1 && d3 == 0 && signal != 0;
    case 1: return (d3 == 0 || d3 == 1 || d3 == 8 || d3 == 9);
    case 2: return (d3 == 0 || d3 == 8 || d3 == 2 || d3 == 0xA || (kind == 3 && (d3 == 1 || d3 == 9)));
    case 3: return d3 == 0 || d3 == 1 || d3 == 5 || (kind != 3 && d3 == 3);
    case 4:
      if (d3 == 7) return signal != 0;
      return (d3 == 0 || d3 == 1 || (d3 >= 4 && d3 <= 6)) && signal == 0;
    case 5: return d3 == 0 && signal != 0;
    default: return false;
  }
}

// The page's choices replayed on a fresh sensor, in the order a user makes them.
SensorRecord encodeAnalog(const SensorView& v, int kind) {
  SensorRecord s;
  applyFamily(s, ChooseAnalog, kind);
  applyStorage(s, *v.storage);
  applyQuantity(s, *v.quantity);
  switch (*v.quantity) {
    case Pressure: applyPressureKind(s, *v.pressureKind); applyPressureUnit(s, *v.unitCode); break;
    case DiffPressure: applyTap(s, *v.tap); applyDiffUnit(s, *v.unitCode); break;
    case Flow: applyFlowKind(s, *v.flowKind, kind); break;
    case Temperature:
      applyTemperatureKind(s, *v.temperatureKind, v.rtd ? *v.rtd : v.thermocouple.value_or(0));
      break;
    default: break;
  }
  if (v.signal) applySignal(s, *v.signal);
  applyFault(s, *v.fault, kind);
  return s;
}

TEST(SensorRoundTrip, EveryValidAnalogDescriptorEncodesBackToItself) {
  for (int kind = 1; kind <= 3; ++kind) {
    int checked = 0;
    for (int d1 : {0x1, 0x9}) {
      for (int low = 0; low <= 0xFFF; ++low) {
        const Word w = (d1 << 12) | low;
        if (!isValidAnalogWord(w, kind)) continue;
        const SensorView v = decodeSensor(SensorRecord{.mainDescriptor = w}, kind);
        ASSERT_TRUE(v.quantity && v.fault) << std::hex << w;
        Word expected = w;
        if (digitOf(w, 2) == Flow && digitOf(w, 3) == 3) expected = withDigit(w, 3, 1);  // read as liquid m3
        EXPECT_EQ(encodeAnalog(v, kind).mainDescriptor, expected) << "kind " << kind << " " << std::hex << w;
        ++checked;
      }
    }
    EXPECT_GT(checked, 100);
  }
}

TEST(SensorRoundTrip, CountingAndConditionalDescriptors) {
  for (int kind = 1; kind <= 3; ++kind) {
    for (int fam : {ChoosePulse, ChooseFrequency}) {
      for (int flow : {0, 1, 5}) {
        for (int fault : {0, 1, 9}) {
          for (int weight : {0, 8}) {
            const bool countBit = kind == 3 && fam == ChoosePulse;
            if (weight && !countBit) continue;
            SensorRecord s;
            applyFamily(s, fam, kind);
            applyFlowKind(s, flow, kind);
            if (countBit) applyPulseWeight(s, weight);
            applyFault(s, fault, kind);
            const SensorView v = decodeSensor(s, kind);
            EXPECT_EQ(v.flowKind, flow);
            EXPECT_EQ(v.fault, fault);
            if (countBit) {
              EXPECT_EQ(v.pulseWeight, weight);
            }
            EXPECT_EQ(digitOf(s.mainDescriptor, 2), 3);
          }
        }
      }
    }
    for (const Choice& conv : conversionChoices(kind).items()) {
      SensorRecord s;
      applyFamily(s, ChooseConditional, kind);
      applyConversion(s, conv.code, kind);
      const SensorView v = decodeSensor(s, kind);
      EXPECT_EQ(v.family, SensorFamily::Conditional);
      EXPECT_EQ(v.conversion, conv.code) << conv.text.toStdString();
      EXPECT_EQ(digitOf(s.mainDescriptor, 4), 0);
    }
  }
}

TEST(SensorDecode, InvalidConversionAndQuantityAreUnreadable) {
  EXPECT_FALSE(decodeSensor(SensorRecord{.mainDescriptor = 0x8080}, 1).conversion);  // serial input on kind 1
  EXPECT_FALSE(decodeSensor(SensorRecord{.mainDescriptor = 0x8060}, 2).conversion);
  EXPECT_EQ(decodeSensor(SensorRecord{.mainDescriptor = 0x8080}, 2).conversion, SerialInput);
  EXPECT_FALSE(decodeSensor(SensorRecord{.mainDescriptor = 0x9001}, 1).quantity);  // no battery on kind 1
  EXPECT_FALSE(decodeSensor(SensorRecord{.mainDescriptor = 0x9701}, 2).quantity);
  EXPECT_FALSE(decodeSensor(SensorRecord{.mainDescriptor = 0x9321}, 2).flowKind);
}

TEST(SensorDecode, ArithmeticSensorOfTheSmallModel) {
  const SensorRecord s{.mainDescriptor = 0x8320, .auxDescriptor = 0x9005};
  const SensorView v = decodeSensor(s, 2);
  EXPECT_EQ(v.conversion, SumHeat);
  EXPECT_EQ(v.conditionalStorage, 3);
  EXPECT_EQ(v.signStorage, 9);
  EXPECT_EQ(v.cutoffCode, 0x05);
  EXPECT_EQ(v.cutoff->module, QStringLiteral("МВВ1"));
  EXPECT_FALSE(decodeSensor(s, 3).signStorage);  // kind 3 keeps its arithmetic code there
  const SensorView analog = decodeSensor(SensorRecord{.mainDescriptor = 0x9101, .auxDescriptor = 0x0980}, 2);
  EXPECT_EQ(analog.channel->module, QStringLiteral("МКН1"));
  EXPECT_EQ(analog.channel->pair, QStringLiteral("+3    -4"));
  EXPECT_FALSE(analog.cutoff);
  EXPECT_TRUE(analog.cutoffValid);
}

TEST(SensorDefaults, FamilyChoiceWritesTheFamilyDefaults) {
  struct Case {
    int kind, family;
    Word main, aux;
    double const1, const2;
  } cases[] = {
      {2, ChooseAnalog, 0x9101, 0x0080, 0, 0},     {3, ChooseAnalog, 0x9101, 0x0080, 0, 0},
      {2, ChoosePulse, 0xA350, 0x0080, 0, 1000},   {1, ChoosePulse, 0xB350, 0x0080, 0, 1000},
      {3, ChoosePulse, 0xB350, 0x0080, 0, 1000},   {2, ChooseFrequency, 0xC350, 0x0080, 0, 0},
      {2, ChooseConditional, 0x8000, 0x1080, 64, 64}, {3, ChooseConditional, 0x8000, 0x0000, 0, 0},
  };
  for (const auto& c : cases) {
    SensorRecord s{.mainDescriptor = 0x1234, .auxDescriptor = 0x5678, .maxValue = 9, .substOnFault = 3};
    applyFamily(s, c.family, c.kind);
    EXPECT_EQ(s.mainDescriptor, c.main) << c.kind << "/" << c.family;
    EXPECT_EQ(s.auxDescriptor, c.aux) << c.kind << "/" << c.family;
    EXPECT_EQ(s.const1, c.const1);
    EXPECT_EQ(s.const2, c.const2);
    EXPECT_EQ(s.maxValue, 0);
    EXPECT_EQ(s.substOnFault, 0);
    EXPECT_EQ(s.monthFactor, 1.0);
  }
  SensorRecord gone{.mainDescriptor = 0x9101, .auxDescriptor = 0x0080, .const1 = 5, .monthFactor = 1.0};
  applyFamily(gone, ChooseAbsent, 2);
  EXPECT_EQ(gone.mainDescriptor, 0);
  EXPECT_EQ(gone.const1, 0);
  EXPECT_EQ(gone.monthFactor, 0);
}

TEST(SensorEdit, DigitChoicesKeepTheOtherDigits) {
  SensorRecord s{.mainDescriptor = 0x9101};
  applyFault(s, 8, 2);
  EXPECT_EQ(s.mainDescriptor, 0x9109);  // 1 -> 9: the signal range stays
  applySignal(s, 3);
  EXPECT_EQ(s.mainDescriptor, 0x910B);
  applyPressureUnit(s, 8);
  applyPressureKind(s, 1);
  EXPECT_EQ(s.mainDescriptor, 0x919B);
  applyStorage(s, false);
  EXPECT_EQ(s.mainDescriptor, 0x119B);

  SensorRecord tc{.mainDescriptor = 0x9400};
  applyTemperatureKind(tc, Thermocouple, 5);
  EXPECT_EQ(tc.mainDescriptor, 0x9450);
  EXPECT_EQ(tc.const2, kNoColdJunction);
  applyTemperatureKind(tc, NormalisingConverter, 0);
  EXPECT_EQ(tc.mainDescriptor, 0x9471);
  applyTemperatureKind(tc, Rtd, 1);
  EXPECT_EQ(tc.mainDescriptor, 0x9410);
  EXPECT_EQ(tc.const2, 426);

  SensorRecord pulse{.mainDescriptor = 0xB351, .substOnFault = 7};
  applyFault(pulse, 9, 3);
  EXPECT_EQ(pulse.mainDescriptor, 0xB359);
  EXPECT_EQ(pulse.substOnFault, 0);
  applyPulseWeight(pulse, 8);
  EXPECT_EQ(pulse.mainDescriptor, 0xB3D9);
  applyFlowKind(pulse, FlowTonnes, 3);
  EXPECT_EQ(pulse.mainDescriptor, 0xB389);  // the count bit stays

  SensorRecord cond{.mainDescriptor = 0x8000, .auxDescriptor = 0x1080};
  applySignStorage(cond, 9);
  EXPECT_EQ(cond.auxDescriptor, 0x9080);
  applyConversion(cond, TableFunction, 2, true);
  EXPECT_EQ(cond.mainDescriptor, 0x8040);
  EXPECT_EQ(cond.auxDescriptor, 0);
  EXPECT_EQ(cond.const1, 0.5);
  applyConditionalStorage(cond, 3);
  applyConversion(cond, CopyForArchive, 2);
  EXPECT_EQ(cond.mainDescriptor, 0x8050);  // averaging again
  applyParameterNumber(cond, 0x4102);
  EXPECT_EQ(decodeSensor(cond, 2).parameterNumber, 0x4102);
}

TEST(SensorEdit, RepairsOnlyTheInvalidDigit) {
  SensorRecord s{.mainDescriptor = 0x2351, .auxDescriptor = 0x0383};
  repairFamilyDigit(s, ChoosePulse, 3);
  EXPECT_EQ(s.mainDescriptor, 0xB351);
  EXPECT_EQ(s.auxDescriptor, 0x0383);
  SensorRecord c{.mainDescriptor = 0x8360};
  repairConversion(c, SumHeat);
  EXPECT_EQ(c.mainDescriptor, 0x8320);
}

}  // namespace
}  // namespace nastrum
