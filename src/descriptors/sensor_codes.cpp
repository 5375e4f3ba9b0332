#include "descriptors/sensor_codes.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"
#include "model/kind_profile.h"

namespace nastrum {

SensorFamily sensorFamily(Word mainDescriptor, int kind) {
  const int d1 = digitOf(mainDescriptor, 1);
  switch (d1) {
    case 0x0:
    case 0xF:
      return SensorFamily::Absent;
    case 0x1:
    case 0x9:
      return SensorFamily::Analog;
    case 0x8:
      return SensorFamily::Conditional;
    case 0xB:
      return SensorFamily::PulseMchv;
    case 0xC:
      return SensorFamily::Frequency;
    default:
      break;
  }
  if (!kindCodes(kind).smallModelFamilyDigits) return SensorFamily::Invalid;
  switch (d1) {
    case 0x2:
    case 0xA:
      return SensorFamily::PulseMvv;
    case 0x3:
      return SensorFamily::PulseMchv;
    case 0x4:
      return SensorFamily::Frequency;
    default:
      return SensorFamily::Invalid;
  }
}

bool isPulseFamily(SensorFamily f) {
  return f == SensorFamily::PulseMvv || f == SensorFamily::PulseMchv;
}

bool isCountingFamily(SensorFamily f) { return isPulseFamily(f) || f == SensorFamily::Frequency; }

bool isAnalogSensor(Word mainDescriptor) {
  const int d1 = digitOf(mainDescriptor, 1);
  return d1 == 0x1 || d1 == 0x9;
}

bool isCountingSensorCode(Word mainDescriptor) {
  switch (digitOf(mainDescriptor, 1)) {
    case 0x2: case 0x3: case 0x4: case 0xA: case 0xB: case 0xC:
      return true;
    default:
      return false;
  }
}

bool isConditionalSensor(Word mainDescriptor) { return digitOf(mainDescriptor, 1) == 0x8; }

bool hasStorage(Word mainDescriptor) { return (digitOf(mainDescriptor, 1) & 0x8) != 0; }

bool isDescribedSensor(Word mainDescriptor) {
  switch (digitOf(mainDescriptor, 1)) {
    case 0x1: case 0x2: case 0x3: case 0x4: case 0x8:
    case 0x9: case 0xA: case 0xB: case 0xC:
      return true;
    default:
      return false;
  }
}

ChoiceList familyChoices() {
  return {{ChooseAbsent, QStringLiteral("датчика нет")},
          {ChooseAnalog, QStringLiteral("аналоговый")},
          {ChoosePulse, QStringLiteral("числоимпульсный")},
          {ChooseFrequency, QStringLiteral("частотный")},
          {ChooseConditional, QStringLiteral("условный")}};
}

std::optional<int> familyChoiceOf(SensorFamily f) {
  switch (f) {
    case SensorFamily::Absent: return ChooseAbsent;
    case SensorFamily::Analog: return ChooseAnalog;
    case SensorFamily::PulseMvv:
    case SensorFamily::PulseMchv: return ChoosePulse;
    case SensorFamily::Frequency: return ChooseFrequency;
    case SensorFamily::Conditional: return ChooseConditional;
    case SensorFamily::Invalid: break;
  }
  return std::nullopt;
}

ChoiceList storageChoices() {
  return {{0x9, QStringLiteral("с хранением")}, {0x1, QStringLiteral("без хранения")}};
}

ChoiceList quantityChoices(int kind) {
  ChoiceList list;
  if (kindProfile(kind).hasBatteryControl) list.add(BatteryVoltage, QStringLiteral("напряжение аккумулятора"));
  list.add(Pressure, QStringLiteral("давление"));
  list.add(DiffPressure, QStringLiteral("перепад давления"));
  list.add(Flow, QStringLiteral("расход"));
  list.add(Temperature, QStringLiteral("температура"));
  list.add(OtherLinear, QStringLiteral("прочие с линейной шкалой"));
  return list;
}

ChoiceList pressureKindChoices() {
  return {{0, QStringLiteral("Датчик избыточного давления")},
          {1, QStringLiteral("Датчик абсолютного давления")}};
}

ChoiceList pressureUnitChoices() {
  return {{0, QStringLiteral("кгс/см2")}, {8, QStringLiteral("МПа")}};
}

ChoiceList tapChoices(int kind) {
  ChoiceList list{{0, QStringLiteral("Фланцевый отбор")}, {2, QStringLiteral("Угловой отбор")}};
  if (kindCodes(kind).threeRadiusTap) list.add(1, QStringLiteral("Трехрадиусный отбор"));
  return list;
}

ChoiceList diffUnitChoices() {
  return {{0, QStringLiteral("кгс/м2")}, {8, QStringLiteral("кПа")}};
}

ChoiceList flowKindChoices() {
  return {{FlowTonnes, QStringLiteral("расход в тоннах")},
          {FlowLiquidM3, QStringLiteral("расход пара или жидкости в м3")},
          {FlowGasM3, QStringLiteral("расход газа в м3")}};
}

std::optional<int> decodeFlowKind(int d3, int kind) {
  switch (d3) {
    case 0: return FlowTonnes;
    case 1: return FlowLiquidM3;
    case 3: return kindCodes(kind).flowKind3IsLiquid ? std::optional<int>(FlowLiquidM3) : std::nullopt;
    case 5: return FlowGasM3;
    default: return std::nullopt;
  }
}

ChoiceList pulseWeightChoices() {
  return {{0, QStringLiteral("Вес импульса в ед. изм.")}, {8, QStringLiteral("Кол-во импульсов на ед.")}};
}

ChoiceList temperatureKindChoices() {
  return {{Rtd, QStringLiteral("термометр сопротивления")},
          {Thermocouple, QStringLiteral("термопара")},
          {NormalisingConverter, QStringLiteral("термометр с нормирующим преобразователем")}};
}

std::optional<int> temperatureKindOf(int d3) {
  switch (d3) {
    case 0: case 1: return Rtd;
    case 4: case 5: case 6: return Thermocouple;
    case 7: return NormalisingConverter;
    default: return std::nullopt;
  }
}

ChoiceList rtdChoices() {
  return {{0, QStringLiteral("платиновый ТС")}, {1, QStringLiteral("медный ТС")}};
}

ChoiceList thermocoupleChoices() {
  return {{4, QStringLiteral("ХК")}, {5, QStringLiteral("ХА")}, {6, QStringLiteral("ПП")}};
}

ChoiceList signalChoices(int quantity) {
  ChoiceList list;
  if (quantity == Pressure || quantity == DiffPressure || quantity == Flow)
    list.add(0, QStringLiteral("напряжение"));
  list.add(1, QStringLiteral("ток 0..5   мА"));
  list.add(2, QStringLiteral("ток 0..20 мА"));
  list.add(3, QStringLiteral("ток 4..20 мА"));
  return list;
}

QString signalScaleText(int signal) {
  switch (signal) {
    case 1: return QStringLiteral("Xmin=0 мА, Xmax=5 мА");
    case 2: return QStringLiteral("Xmin=0 мА, Xmax=20 мА");
    case 3: return QStringLiteral("Xmin=4 мА, Xmax=20 мА");
    default: return {};
  }
}

bool hasSignal(int d2, int d3) {
  if (d2 != Temperature) return true;
  return d3 == 7;
}

ChoiceList analogFaultChoices() {
  return {{0, QStringLiteral("Константа замены при обрыве или перезапуске")},
          {8, QStringLiteral("Среднее значение")}};
}

ChoiceList countingFaultChoices() {
  return {{0, QStringLiteral("Обрыв датчика не контролируется")},
          {1, QStringLiteral("Константа замены при обрыве или перезапуске")},
          {9, QStringLiteral("Среднее значение")}};
}

ChoiceList conditionalStorageChoices() {
  return {{0, QStringLiteral("с усреднением")}, {3, QStringLiteral("с накоплением")}};
}

ChoiceList conversionChoices(int kind) {
  ChoiceList list{
      {SumSensors, QStringLiteral("Суммирование измеренных значений датчиков")},
      {SumFlows, QStringLiteral("Суммирование текущих расходов из  трубопр.")},
      {SumHeat, QStringLiteral("Суммирование текущего тепла из трубопр.")},
      {SumEnthalpy, QStringLiteral("Суммирование значения энтальпии из трубопр.")},
      {TableFunction, QStringLiteral("Функциональный датчик с преобраз. по таблице")},
      {CopyForArchive, QStringLiteral("Копирующий датчик для архивирования")},
  };
  if (kindCodes(kind).serialInputSensors)
    list.add(SerialInput, QStringLiteral("Датчик с вводимым по последовательному каналу значением"));
  return list;
}

ChoiceList arithmeticSourceChoices() {
  return {{SumSensors, QStringLiteral("измеренных текущих значений датчиков")},
          {SumFlows, QStringLiteral("текущих расходов из трубопроводов")},
          {SumHeat, QStringLiteral("текущего количества тепла из трубопроводов")},
          {SumEnthalpy, QStringLiteral("текущего значения энтальпии из трубопроводов")}};
}

bool isArithmetic(int conversion) { return conversion >= SumSensors && conversion <= SumEnthalpy; }

ChoiceList signStorageChoices() {
  return {{0x1, QStringLiteral("хранение значения с получившимся знаком")},
          {0x9, QStringLiteral("хранение абсолютного значения")}};
}

ChoiceList presenceChoices() {
  return {{1, QStringLiteral("Есть")}, {0, QStringLiteral("Нет")}};
}

namespace {

Word byFamily(const std::array<Word, 5>& codes, int familyChoice) {
  if (familyChoice < 0 || familyChoice >= static_cast<int>(codes.size())) return 0;
  return codes[static_cast<std::size_t>(familyChoice)];
}

}  // namespace

Word defaultMainDescriptor(int familyChoice, int kind) { return byFamily(kindCodes(kind).newMain, familyChoice); }

Word defaultAuxDescriptor(int familyChoice, int kind) { return byFamily(kindCodes(kind).newAux, familyChoice); }

}  // namespace nastrum
