#include "descriptors/pipeline_codes.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/kind_codes.h"

namespace nastrum {

std::optional<int> pipelineMedium(Word main) {
  const int d1 = digitOf(main, 1);
  switch (d1) {
    case 0x0: case 0xF: return PipeOff;
    case 1: case 2: case 3: case 4: case 5: case 7: case 8: return d1;
    default: return std::nullopt;
  }
}

bool isActivePipeline(Word main) {
  const auto m = pipelineMedium(main);
  return m && *m != PipeOff;
}

bool isWaterOrSteam(int medium) { return medium >= Water && medium <= SaturatedSteam; }
bool isGas(int medium) { return medium == NaturalGas || medium == TechnicalGas; }

ChoiceList mediumChoices(int kind) {
  return {{PipeOff, QStringLiteral("трубопровод отключен")},
          {Water, QStringLiteral("вода")},
          {SuperheatedSteam, QStringLiteral("пар перегретый")},
          {SaturatedSteam, QStringLiteral("пар насыщенный")},
          {NaturalGas, QStringLiteral("газ природный")},
          {TechnicalGas, QStringLiteral("технический газ")},
          {TechnicalLiquid, QStringLiteral("техническая жидкость")},
          {OtherCarrier, kindCodes(kind).electricityCarrier ? QStringLiteral("электроэнергия")
                                   : QStringLiteral("другие энергоносители")}};
}

Word newPipelineDescriptor(int medium) {
  switch (medium) {
    case Water: return 0x1200;
    case SuperheatedSteam: return 0x2200;
    case SaturatedSteam: return 0x3200;
    case NaturalGas: return 0x4700;
    case TechnicalGas: return 0x5700;
    case TechnicalLiquid: return 0x7000;
    case OtherCarrier: return 0x8800;
    default: return 0;
  }
}

Word repairMediumDigit(Word main, int medium) {
  if (medium == TechnicalGas) return withHighByte(main, 0x57);
  if (medium == OtherCarrier) return withHighByte(main, 0x88);
  return withDigit(main, 1, medium);
}

ChoiceList heatReferenceChoices() {
  return {{0, QStringLiteral("холодного источника с известной темпер. и нулевым избыточным давлением")},
          {4, QStringLiteral("другого трубопровода с известной темпер.,  давл. и тем же массовым рассходом")}};
}

ChoiceList flowUnitChoices() { return {{0, QStringLiteral("в тоннах")}, {1, QStringLiteral("в м3")}}; }
ChoiceList heatUnitChoices() { return {{0, QStringLiteral("в ГДж")}, {2, QStringLiteral("в Гкал")}}; }
ChoiceList gasUnitChoices() { return {{5, QStringLiteral("МДж, Нм3")}, {7, QStringLiteral("Ккал, Нм3")}}; }
ChoiceList correctionChoices() { return {{1, QStringLiteral("Есть")}, {0, QStringLiteral("Нет")}}; }
ChoiceList calibrationChoices() { return {{0, QStringLiteral("1 год")}, {8, QStringLiteral("2 года")}}; }
ChoiceList paymentChoices() { return {{1, QStringLiteral("Есть")}, {0, QStringLiteral("Нет")}}; }
ChoiceList paymentTypeChoices() { return {{1, QStringLiteral("за расход")}, {2, QStringLiteral("за тепло")}}; }
ChoiceList tariffChoices() { return {{0, QStringLiteral("фиксированный")}, {1, QStringLiteral("двойной")}}; }

namespace {

bool isElectricity(int medium, int kind) { return kindCodes(kind).electricityCarrier && medium == OtherCarrier; }

}  // namespace

bool showsPaymentType(int medium, int kind) { return !isElectricity(medium, kind); }

// Where medium 8 is electricity, it alone is billed by tariffs.
bool showsTariff(int medium, int kind) {
  if (kindCodes(kind).electricityCarrier) return medium == OtherCarrier;
  return !isGas(medium);
}

bool isValidPaymentDigit(int d4, int medium, int kind) {
  if (isElectricity(medium, kind)) return d4 == 0 || d4 == 1 || d4 == 4;
  if (kindCodes(kind).electricityCarrier) return d4 >= 0 && d4 <= 2;
  if (isGas(medium)) return d4 >= 0 && d4 <= 2;
  return d4 == 0 || d4 == 1 || d4 == 2 || d4 == 5 || d4 == 6;
}

std::optional<Payment> decodePayment(int d4, int medium, int kind) {
  if (!isValidPaymentDigit(d4, medium, kind)) return std::nullopt;
  Payment p;
  if (d4 == 0) return p;
  p.paid = true;
  if (isElectricity(medium, kind)) {
    p.doubleTariff = d4 == 4;
    return p;
  }
  p.type = (d4 & 3) == 2 ? 2 : 1;
  p.doubleTariff = d4 >= 5;
  return p;
}

int encodePayment(const Payment& p, int medium, int kind) {
  if (!p.paid) return 0;
  if (isElectricity(medium, kind)) return p.doubleTariff ? 4 : 1;
  const int type = p.type == 2 ? 2 : 1;
  if (showsTariff(medium, kind) && p.doubleTariff) return type + 4;
  return type;
}

int repairedPaymentDigit(double mainTariff) { return mainTariff != 0 ? 1 : 0; }

bool paymentResetsTariffHours(int medium, int kind) {
  if (kindCodes(kind).electricityCarrier) return medium == OtherCarrier;
  return !isGas(medium);
}

ChoiceList tariffHourChoices() {
  ChoiceList list;
  for (int h = 0; h < 24; ++h) list.add(encodeTariffHour(h), QStringLiteral("%1").arg(h, 2, 10, QChar(u'0')));
  return list;
}

std::optional<int> decodeTariffHour(int byte) {
  const int tens = (byte >> 4) & 0xF, ones = byte & 0xF;
  if (tens > 9 || ones > 9) return std::nullopt;
  const int hour = tens * 10 + ones;
  if (hour > 23) return std::nullopt;
  return hour;
}

int encodeTariffHour(int hour) { return ((hour / 10) << 4) | (hour % 10); }

double humidityFromPercent(double percent) { return percent / 100.0; }
double humidityToPercent(double stored) { return stored * 100.0; }

int shareMessage(double share) { return share >= 0 && share <= 1 ? 0 : 59; }
int gasFractionMessage(double percent) {
  if (percent < 0) return 8;
  return percent > 100 ? 60 : 0;
}
int humidityMessage(double percent) { return percent >= 0 && percent <= 100 ? 0 : 24; }
int positiveMessage(double value) { return value < 0 ? 8 : 0; }
double storedMonthFactor(double entered) { return entered == 0 ? 1.0 : entered; }

}  // namespace nastrum
