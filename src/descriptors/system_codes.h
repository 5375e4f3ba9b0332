// Choices of the "Системные параметры" page that are plain lists: the
// measuring interval, the channel speeds, the archive write modes, the
// summer-time months, the battery control's output modules and contacts and
// the current generators' choices.
#pragma once

#include "descriptors/choice_list.h"
#include "model/settings_image.h"

namespace nastrum::system_codes {

// "Длительность измерительного интервала интегрирования:": minutes as text,
// the low byte of SummerTimeInterval as code (30 minutes is 1D).
const ChoiceList& intervals();
// "Скорость обмена:": the speed code (0960 for 9600) as code.
const ChoiceList& speeds();
constexpr int kDefaultSpeedCode = 0x0960;
// The speeds a "ПМК-3" line carries: up to 1200.
constexpr int kModemLineMaxSpeedCode = 0x0120;

// "Переход на летнее/зимнее время:" and its two months (D1 and D2 codes).
const ChoiceList& summerTime();   // "Есть" 1, "Нет" 0
const ChoiceList& springMonths(); // "март" 3, "апрель" 4
const ChoiceList& autumnMonths(); // "сентябрь " 9, "октябрь" A

// The two archive write choices (digit 0 or 1).
const ChoiceList& dailyArchiveModes();    // "по завершившейся дате", "по наступившей дате"
const ChoiceList& monthlyArchiveModes();  // "к архиву за предыдущий месяц", "к архиву за текущий месяц"

// Battery control outputs: the modules and the contacts of one module; the
// output number is contacts-per-module × module index + contact index.
QStringList batteryModules(Word kind);
QStringList batteryContacts(Word kind);
int batteryOutput(Word kind, int module, int contact);
// Module and contact of an output number (nothing when it is no output).
std::optional<std::pair<int, int>> batteryPlace(Word kind, int output);

// Current generators.
const ChoiceList& generatorRanges();   // high byte: "0..5 мА (0..20мА)" 01, "4..20 мА" 10
const ChoiceList& generatorTargets();  // low byte: "параметр" 00, "адрес параметра" 11

}  // namespace nastrum::system_codes
