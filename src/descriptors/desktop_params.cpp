#include "descriptors/desktop_params.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"

namespace nastrum {

namespace {

std::size_t at(int entry) { return static_cast<std::size_t>(entry); }

ChoiceList measurementItems() {
  return {{0x10, QStringLiteral("Мгновенный сигнал")},
          {0x11, QStringLiteral("Измеренное значение")},
          {0x12, QStringLiteral("Сумма за текущие 5 минут")},
          {0x13, QStringLiteral("Сумма за предыдущие 5 минут")},
          {0x14, QStringLiteral("Среднее за 5 минут")},
          {0x15, QStringLiteral("Сумма с начала часа")},
          {0x16, QStringLiteral("Среднее за текущий час")},
          {0x17, QStringLiteral("Значение за предыдущий час")},
          {0x18, QStringLiteral("Сумма с начала суток")},
          {0x19, QStringLiteral("Среднее за текущие сутки")},
          {0x1A, QStringLiteral("Значение за предыдущие сутки")},
          {0x1B, QStringLiteral("Сумма с начала месяца")},
          {0x1C, QStringLiteral("Среднее за текущий месяц")},
          {0x1D, QStringLiteral("Значение за предыдущий месяц")},
          {0x0F, QStringLiteral("Усл. датчик, с вводимым значением")}};
}

ChoiceList calculationItems() {
  return {{0x0E, QStringLiteral("Коэффициент расхода на СУ")},
          {0x14, QStringLiteral("Расход текущий скорректированный")},
          {0x15, QStringLiteral("Расход за текущие 5 минут")},
          {0x16, QStringLiteral("Расход за предыдущие 5 минут")},
          {0x17, QStringLiteral("Расход средний за 5 минут")},
          {0x18, QStringLiteral("Расход с начала текущего часа")},
          {0x19, QStringLiteral("Расход за предыдущий час")},
          {0x1A, QStringLiteral("Расход с начала текущих суток")},
          {0x1B, QStringLiteral("Расход за предыдущие сутки")},
          {0x1C, QStringLiteral("Расход с начала текущего месяца")},
          {0x1D, QStringLiteral("Расход за предыдущий месяц")},
          {0x1E, QStringLiteral("Общий (интегральный) расход")},
          {0x1F, QStringLiteral("Перепад текущий")},
          {0x20, QStringLiteral("Расход текущий нескорректир.")},
          {0x21, QStringLiteral("Температура среды входная")},
          {0x22, QStringLiteral("Температура в точе изм. расхода")},
          {0x23, QStringLiteral("Энтальпия среды/влажность газа")},
          {0x24, QStringLiteral("Давление среды")},
          {0x25, QStringLiteral("Плотность газа/давление источн.")},
          {0x26, QStringLiteral("Калорийность газа/темп. источн.")},
          {0x27, QStringLiteral("Коэффициент сжимаемости газа")},
          {0x28, QStringLiteral("Тепловая мощность мгновенная")},
          {0x29, QStringLiteral("Тепло за текущие 5 минут")},
          {0x2A, QStringLiteral("Тепло за предыдущие 5 минут")},
          {0x2B, QStringLiteral("Тепловая мощн. средн. за 5 минут")},
          {0x2C, QStringLiteral("Тепло с начала текущего часа")},
          {0x2D, QStringLiteral("Тепло за предыдущий час")},
          {0x2E, QStringLiteral("Тепло с начала текущих суток")},
          {0x2F, QStringLiteral("Тепло за предыдущие сутки")},
          {0x30, QStringLiteral("Тепло с начала текущего месяца")},
          {0x31, QStringLiteral("Тепло за предыдущий месяц")},
          {0x32, QStringLiteral("Общее (интегральное) тепло")},
          {0x33, QStringLiteral("Время работы в текущем месяце")},
          {0x34, QStringLiteral("Время работы в предыдущем месяце")},
          {0x35, QStringLiteral("Время отказа в текущем месяце")},
          {0x36, QStringLiteral("Время отказа в предыдущем месяце")},
          {0x37, QStringLiteral("Плата за предыдущие сутки")},
          {0x38, QStringLiteral("Плата с начала текущего месяца")},
          {0x39, QStringLiteral("Плата за предыдущий месяц")}};
}

ChoiceList controlItems() {
  return {{0x4010, QStringLiteral("Температура холодного источника")},
          {0x4110, QStringLiteral("Температура среды")},
          {0x4210, QStringLiteral("Давление среды (кг/см^2)")},
          {0x4310, QStringLiteral("Давление атмосферное (мм рт.ст)")},
          {0x400D, QStringLiteral("Номинал измерительн тока 0.5 мА")},
          {0x400E, QStringLiteral("Коэффициенты усиления АЦП 1-64")},
          {0x400F, QStringLiteral("Смещение по коэф усил АЦП")},
          {0x400B, QStringLiteral("Смещение по каналу АЦП")},
          {0x4011, QStringLiteral("Коэффиц. усиления генератора тока")},
          {0x4012, QStringLiteral("Смещение нуля генератора тока")},
          {0x4013, QStringLiteral("Сост. канала 7 АЦП, для Кус=1-64")},
          {0x401B, QStringLiteral("Длительность цикла расчета")},
          {0x411C, QStringLiteral("Длит. последн откл питания (сек)")},
          {0x401C, QStringLiteral("Общая длит. всех отключен (час)")},
          {0x403D, QStringLiteral("Время испр. работы в тек. месяце")},
          {0x413D, QStringLiteral("Время испр. работы блока в пред. мес.")},
          {0x423D, QStringLiteral("Время неиспр. работы бл. в тек. мес.")},
          {0x433D, QStringLiteral("Время неиспр. работы бл. в пред. мес.")}};
}

}  // namespace

ChoiceList desktopGroups() {
  return {{static_cast<int>(DesktopGroup::Measurement), QStringLiteral("ИЗМЕРЕНИЕ")},
          {static_cast<int>(DesktopGroup::Calculation), QStringLiteral("РАСЧЕТ")},
          {static_cast<int>(DesktopGroup::Control), QStringLiteral("КОНТРОЛЬ")}};
}

ChoiceList desktopItems(DesktopGroup group) {
  switch (group) {
    case DesktopGroup::Measurement: return measurementItems();
    case DesktopGroup::Calculation: return calculationItems();
    case DesktopGroup::Control: return controlItems();
  }
  return {};
}

std::optional<DesktopGroup> desktopGroupOf(Word word) {
  const int d1 = digitOf(word, 1);
  if (d1 <= 3) return DesktopGroup::Measurement;
  if (d1 == 8) return DesktopGroup::Calculation;
  if (d1 == 4) return DesktopGroup::Control;
  return std::nullopt;
}

Word desktopGroupDefault(DesktopGroup group) {
  switch (group) {
    case DesktopGroup::Measurement: return 0x0010;
    case DesktopGroup::Calculation: return 0x800E;
    case DesktopGroup::Control: return 0x4010;
  }
  return 0x0010;
}

int desktopHighestNumber(DesktopGroup group) {
  switch (group) {
    case DesktopGroup::Measurement: return kSensorCount - 1;
    case DesktopGroup::Calculation: return kPipelineCount - 1;
    case DesktopGroup::Control: return 0;
  }
  return 0;
}

int desktopNumberOf(DesktopGroup group, Word word) {
  switch (group) {
    case DesktopGroup::Measurement: return highByte(word);
    case DesktopGroup::Calculation: return digitOf(word, 2);
    case DesktopGroup::Control: return 0;
  }
  return 0;
}

int desktopItemCodeOf(DesktopGroup group, Word word) {
  return group == DesktopGroup::Control ? (word & 0xFFFF) : lowByte(word);
}

Word desktopWord(DesktopGroup group, int number, int itemCode) {
  switch (group) {
    case DesktopGroup::Measurement: return makeWord(number, itemCode);
    case DesktopGroup::Calculation: return makeWord(0x80 | (number & 0xF), itemCode);
    case DesktopGroup::Control: return itemCode & 0xFFFF;
  }
  return itemCode;
}

QString desktopDefaultName() { return QStringLiteral("Мгновен. сигнал"); }

bool desktopEntryPresent(const NamesRegion& names, int entry) {
  return entry >= 0 && entry < kDesktopEntryCount && !names.desktopNames[at(entry)].isEmpty();
}

bool desktopGapBelow(const NamesRegion& names, int entry) {
  for (int below = 0; below < entry; ++below)
    if (!desktopEntryPresent(names, below)) return true;
  return false;
}

bool closeDesktopGap(NamesRegion& names, int entry) {
  if (entry < 0 || entry >= kDesktopEntryCount - 1) return false;
  if (desktopEntryPresent(names, entry) || !desktopEntryPresent(names, entry + 1)) return false;
  // Every entry above moves with its word as it is, absent ones too: the
  // words go to the device unchanged, whatever they mean.
  for (int n = entry; n < kDesktopEntryCount - 1; ++n) {
    names.desktopNames[at(n)] = names.desktopNames[at(n + 1)];
    names.desktopParams[at(n)] = names.desktopParams[at(n + 1)];
  }
  names.desktopNames[at(kDesktopEntryCount - 1)].clear();
  names.desktopParams[at(kDesktopEntryCount - 1)] = 0;
  return true;
}

void removeDesktopEntry(NamesRegion& names, int entry) {
  if (entry < 0 || entry >= kDesktopEntryCount) return;
  names.desktopNames[at(entry)].clear();
  names.desktopParams[at(entry)] = 0;
  closeDesktopGap(names, entry);
}

}  // namespace nastrum
