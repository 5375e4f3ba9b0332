#include "descriptors/system_codes.h"

#include "model/kind_profile.h"

namespace nastrum::system_codes {

const ChoiceList& intervals() {
  static const ChoiceList list{{0x01, "1"},  {0x02, "2"},  {0x03, "3"},  {0x04, "4"},  {0x05, "5"}, {0x06, "6"},
                               {0x0A, "10"}, {0x0C, "12"}, {0x0F, "15"}, {0x14, "20"}, {0x1D, "30"}};
  return list;
}

const ChoiceList& speeds() {
  static const ChoiceList list{{0x0030, "300"},  {0x0060, "600"},  {0x0120, "1200"}, {0x0240, "2400"},
                               {0x0480, "4800"}, {0x0960, "9600"}, {0x1920, "19200"}};
  return list;
}

const ChoiceList& summerTime() {
  static const ChoiceList list{{1, QStringLiteral("Есть")}, {0, QStringLiteral("Нет")}};
  return list;
}

const ChoiceList& springMonths() {
  static const ChoiceList list{{3, QStringLiteral("март")}, {4, QStringLiteral("апрель")}};
  return list;
}

const ChoiceList& autumnMonths() {
  static const ChoiceList list{{9, QStringLiteral("сентябрь ")}, {0xA, QStringLiteral("октябрь")}};
  return list;
}

const ChoiceList& dailyArchiveModes() {
  static const ChoiceList list{{0, QStringLiteral("по завершившейся дате")}, {1, QStringLiteral("по наступившей дате")}};
  return list;
}

const ChoiceList& monthlyArchiveModes() {
  static const ChoiceList list{{0, QStringLiteral("к архиву за предыдущий месяц")},
                               {1, QStringLiteral("к архиву за текущий месяц")}};
  return list;
}

QStringList batteryModules(Word kind) {
  QStringList modules;
  const bool small = kindProfile(kind).fourContactModules;
  const int count = small ? 16 : 8;
  const QString prefix = small ? QStringLiteral("МВ") : QStringLiteral("МВВ");
  for (int i = 1; i <= count; ++i) modules << prefix + QString::number(i);
  return modules;
}

QStringList batteryContacts(Word kind) {
  if (kindProfile(kind).fourContactModules)
    return {QStringLiteral("+3    -4"), QStringLiteral("+5    -6"), QStringLiteral("+7    -8"), QStringLiteral("+9    -10")};
  return {QStringLiteral("+3    -12"), QStringLiteral("+4    -12"), QStringLiteral("+5    -12"), QStringLiteral("+6    -12"),
          QStringLiteral("+7    -11"), QStringLiteral("+8    -11"), QStringLiteral("+9    -11"), QStringLiteral("+10  -11")};
}

int batteryOutput(Word kind, int module, int contact) {
  return static_cast<int>(batteryContacts(kind).size()) * module + contact;
}

std::optional<std::pair<int, int>> batteryPlace(Word kind, int output) {
  const int perModule = static_cast<int>(batteryContacts(kind).size());
  const int modules = static_cast<int>(batteryModules(kind).size());
  if (output < 0 || output >= perModule * modules) return std::nullopt;
  return std::pair{output / perModule, output % perModule};
}

const ChoiceList& generatorRanges() {
  static const ChoiceList list{{0x01, QStringLiteral("0..5 мА (0..20мА)")}, {0x10, QStringLiteral("4..20 мА")}};
  return list;
}

const ChoiceList& generatorTargets() {
  static const ChoiceList list{{0x00, QStringLiteral("параметр")}, {0x11, QStringLiteral("адрес параметра")}};
  return list;
}

}  // namespace nastrum::system_codes
