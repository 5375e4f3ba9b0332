// Map 9: the system block's words and the default values.
#include "maps/map_builders.h"
#include "maps/map_cells.h"
#include "model/kind_profile.h"

namespace nastrum::maps {

void buildSystemMap(const SettingsImage& image, MapPage& page, QChar sep) {
  MapTable t(2, 15);
  t.setWidths(300, 200);
  putHeading(t, 0, 0, QStringLiteral("Наименование параметра"));
  putHeading(t, 1, 0, QStringLiteral("Значение параметра"));
  const auto word = [&](int index) { return wordText(image.sys(index)); };
  // The settlement hour and date is read as decimal digits HHDD.
  const QString settlement = QStringLiteral("%1").arg(image.sys(sys::SettlementHourDate), 4, 10, QLatin1Char('0'));
  const DefaultValueSet& d = image.defaultValues;
  const std::pair<QString, QString> rows[] = {
      {QStringLiteral("Коррекция хода часов"), word(sys::ClockCorrection)},
      {QStringLiteral("Способ записи в архивы"), word(sys::ArchiveWriteMode)},
      {QStringLiteral("Летнее время, длительность интервала"), word(sys::SummerTimeInterval)},
      {QStringLiteral("Расчетный час и дата"), settlement},
      {QStringLiteral("Настройка основн. канала связи"), word(sys::MainChannelSetup)},
      {QStringLiteral("Базовая скорость обмена по основн. каналу"), word(sys::MainChannelBaud)},
      {QStringLiteral("Настройка дополн. канала связи"), word(sys::AuxChannelSetup)},
      {QStringLiteral("Базовая скорость обмена по дополн. каналу"), word(sys::AuxChannelBaud)},
      {QStringLiteral("Контроль аккумулятора"), word(sys::BatteryControl)},
      {QStringLiteral("Регистр специальных функций"), word(sys::SpecialFunctions)},
      {QStringLiteral("Температура холодного источника"), realText(d.coldSourceTemp, sep)},
      {QStringLiteral("Температура энергоносителя"), realText(d.carrierTemp, sep)},
      {QStringLiteral("Давление энергоносителя"), realText(d.carrierPressure, sep)},
      {QStringLiteral("Атмосферное давление"), realText(d.atmPressure, sep)},
  };
  const bool auxChannel = kindProfile(image.deviceKind).hasAuxChannel;
  int row = 1;
  for (const auto& [label, value] : rows) {
    // Rows 7..10 (additional channel, battery, special functions) exist only
    // where the kind has them; otherwise both cells hold a single space.
    const bool blank = !auxChannel && row >= 7 && row <= 10;
    putLabel(t, 0, row, blank ? QStringLiteral(" ") : label);
    putValue(t, 1, row, blank ? QStringLiteral(" ") : value);
    ++row;
  }
  page.table = std::move(t);
}

}  // namespace nastrum::maps
