// The codes of a pipeline's MainDescriptor (medium D1, calculation options D2,
// correction and calibration interval D3, payment D4) and the choices the
// pipeline page offers for them, per device kind.
#pragma once

#include <optional>

#include "descriptors/choice_list.h"
#include "model/settings_image.h"

namespace nastrum {

enum Medium : int {
  PipeOff = 0,
  Water = 1,
  SuperheatedSteam = 2,
  SaturatedSteam = 3,
  NaturalGas = 4,
  TechnicalGas = 5,
  TechnicalLiquid = 7,
  OtherCarrier = 8,  // "другие энергоносители" (kinds 1, 2) / "электроэнергия" (kind 3)
};

// The medium D1 stands for (F reads as PipeOff), nullopt for an invalid D1.
std::optional<int> pipelineMedium(Word mainDescriptor);
// A pipeline with a valid medium other than switched off.
bool isActivePipeline(Word mainDescriptor);
bool isWaterOrSteam(int medium);
bool isGas(int medium);  // natural or technical gas

ChoiceList mediumChoices(int kind);
// The MainDescriptor a newly chosen medium starts with.
Word newPipelineDescriptor(int medium);
// On a pipeline shown as "ОШИБКА": the medium replaces D1 only (technical
// gas "57" and medium 8 "88" in D1 D2).
Word repairMediumDigit(Word mainDescriptor, int medium);

// D2 of water and steam: three independent bits.
ChoiceList heatReferenceChoices();  // bit 2: 0 cold source, 4 another pipeline
ChoiceList flowUnitChoices();       // bit 0: 0 tonnes, 1 m3
ChoiceList heatUnitChoices();       // bit 1: 0 ГДж, 2 Гкал
// D2 of natural gas: the calorific value's unit.
ChoiceList gasUnitChoices();        // 5 МДж, 7 Ккал
// D3.
ChoiceList correctionChoices();     // bit 0: 1 "Есть", 0 "Нет"
ChoiceList calibrationChoices();    // bit 3: 0 "1 год", 8 "2 года"

// Payment (D4) as the page shows it.
struct Payment {
  bool paid = false;
  int type = 1;               // 1 "за расход", 2 "за тепло"
  bool doubleTariff = false;  // "двойной"
  bool operator==(const Payment&) const = default;
};
ChoiceList paymentChoices();        // 1 "Есть", 0 "Нет"
ChoiceList paymentTypeChoices();    // 1 "за расход", 2 "за тепло"
ChoiceList tariffChoices();         // 0 "фиксированный", 1 "двойной"
// Which of "Тип:" and "Тариф:" the page shows for a paid pipeline.
bool showsPaymentType(int medium, int kind);
bool showsTariff(int medium, int kind);
bool isValidPaymentDigit(int d4, int medium, int kind);
std::optional<Payment> decodePayment(int d4, int medium, int kind);
int encodePayment(const Payment& p, int medium, int kind);
// The digit an invalid payment digit is repaired to when shown.
int repairedPaymentDigit(double mainTariff);
// Whether payment choices reset the tariff hours and the night tariff.
bool paymentResetsTariffHours(int medium, int kind);

// Tariff change hours: two decimal digits in a byte (hour 23 is 0x23), FF none.
constexpr int kNoTariffHour = 0xFF;
ChoiceList tariffHourChoices();  // "00".."23", code = the stored byte
std::optional<int> decodeTariffHour(int byte);  // hour 0..23, nullopt otherwise
int encodeTariffHour(int hour);

// Natural gas humidity (kinds 1, 2): shown in percent, stored as a fraction.
double humidityFromPercent(double percent);
double humidityToPercent(double stored);

// Catalogue messages for entered values, 0 when acceptable.
int shareMessage(double share);            // 59 outside 0..1
int gasFractionMessage(double percent);    // 8 negative, 60 above 100
int humidityMessage(double percent);       // 24 outside 0..100
int positiveMessage(double value);         // 8 negative
// MonthFactor as stored for an entered value: zero becomes 1.0.
double storedMonthFactor(double entered);

}  // namespace nastrum
