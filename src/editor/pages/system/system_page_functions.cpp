// "Дополнительные функции:" and the battery control of the system page.
#include "descriptors/kind_codes.h"
#include "editor/pages/system/system_page.h"

#include "descriptors/sensor_hint.h"
#include "descriptors/system_codes.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"
#include "model/message_catalogue.h"

namespace nastrum {

namespace {

constexpr Word kNoBatteryControl = 0xFFFF;
constexpr int kNoSensor = 0x40;
constexpr int kMaxObject = 63;

int BitOf(SpecialFunction f, Word kind) {
  switch (f) {
    case SpecialFunction::Telesignalling: return 14;
    case SpecialFunction::CurrentGenerator: return 13;
    case SpecialFunction::Regulators: return 12;
    case SpecialFunction::SlaveOrFaults: return kindCodes(kind).slaveOrFaultsBit;
    case SpecialFunction::EventArchive: return 9;
    case SpecialFunction::IntervalArchive: return 8;
    case SpecialFunction::AlgorithmTest: return 3;
    case SpecialFunction::Verification: return 2;
    case SpecialFunction::BatteryControl: return 0;
  }
  return 0;
}

}  // namespace

bool SystemPage::functionOffered(SpecialFunction f) const {
  if (!kindProfile(kind()).hasAuxChannel) return false;
  return !(f == SpecialFunction::Telesignalling && !kindCodes(kind()).telesignalling);
}

QString SystemPage::functionCaption(SpecialFunction f) const {
  switch (f) {
    case SpecialFunction::Telesignalling: return QStringLiteral("Телесигнализация");
    case SpecialFunction::CurrentGenerator: return QStringLiteral("Генератор тока");
    case SpecialFunction::Regulators: return QStringLiteral("Регуляторы");
    case SpecialFunction::SlaveOrFaults:
      return QString::fromUtf8(kindCodes(kind()).slaveOrFaultsCaption);
    case SpecialFunction::EventArchive:
      return QString::fromUtf8(kindCodes(kind()).eventArchiveCaption);
    case SpecialFunction::IntervalArchive: return QStringLiteral("Расш. архив интервалов");
    case SpecialFunction::AlgorithmTest: return QStringLiteral("Аттест. алгорит. ОРВИК");
    case SpecialFunction::Verification: return QStringLiteral("Метролог. повер. ОРВИК");
    case SpecialFunction::BatteryControl: return QStringLiteral("Контроль аккумулятора");
  }
  return {};
}

bool SystemPage::function(SpecialFunction f) const {
  return (sys(sys::SpecialFunctions) >> BitOf(f, kind()) & 1) != 0;
}

bool SystemPage::setFunction(SpecialFunction f, bool on) {
  const ImageChanges::Scope edit = changes_.scope();
  if (on == function(f)) return true;
  SettingsImage& image = workspace_.image;
  if (!on && f == SpecialFunction::CurrentGenerator && anyGeneratorPresent()) {
    if (!AskYesNo(presenter_, QStringLiteral("У вас есть настроенный генератор тока при продолжении все настройки "
                                        "генератора тока удалятся, Продолжить?")))
      return false;
    image.currentGenerators.fill(CurrentGenRecord{});
  }
  if (!on && f == SpecialFunction::EventArchive) {
    const bool described = std::any_of(image.eventType.begin(), image.eventType.end(),
                                       [](Word w) { return ((w >> 8) & 0xFF) != 0; });
    if (described) {
      if (!AskYesNo(presenter_, QStringLiteral("У вас есть настроенный архив событий при продолжении все настройки "
                                          "архивов событий удалятся, Продолжить?")))
        return false;
      image.eventType.fill(0);
      image.eventParam.fill(0);
    }
  }
  if (on && f == SpecialFunction::AlgorithmTest &&
      !AskYesNo(presenter_, QStringLiteral("Данная функция используется только для метрологической аттестации "
                                      "алгоритмов ОРВИК и в рабочем режиме должна быть оключена, Продолжить?")))
    return false;
  if (on && f == SpecialFunction::Verification &&
      !AskYesNo(presenter_, QStringLiteral("Данная функция используется только для метрологической поверки ОРВИК и в "
                                      "рабочем режиме должна быть оключена, Продолжить?")))
    return false;
  // Ticked, the group shows "нет" as its sensor, so the word says no sensor
  // (40) too: a sensor 0 the page does not show would fail the check.
  if (f == SpecialFunction::BatteryControl) sys(sys::BatteryControl) = on ? kNoSensor << 8 : kNoBatteryControl;
  putFunction(f, on);
  return true;
}

bool SystemPage::putFunction(SpecialFunction f, bool on) {
  const ImageChanges::Scope edit = changes_.scope();
  if (function(f) == on) return false;
  const int bit = 1 << BitOf(f, kind());
  Word& w = sys(sys::SpecialFunctions);
  w = on ? (w | bit) : (w & ~bit);
  return true;
}

QList<int> SystemPage::batterySensors() const {
  QList<int> numbers;
  const int count = kindProfile(kind()).sensors;
  for (int n = 0; n < count; ++n) {
    const Word d = workspace_.image.sensors[static_cast<std::size_t>(n)].mainDescriptor;
    const int d1 = (d >> 12) & 0xF, d2 = (d >> 8) & 0xF;
    if ((d1 == 1 || d1 == 9) && d2 == 0) numbers << n;
  }
  return numbers;
}

QStringList SystemPage::batteryModules() const { return system_codes::batteryModules(kind()); }
QStringList SystemPage::batteryContacts() const { return system_codes::batteryContacts(kind()); }

BatteryView SystemPage::batteryView() const {
  BatteryView v;
  const Word w = sys(sys::BatteryControl);
  const int sensor = (w >> 8) & 0xFF, output = w & 0xFF;
  const auto place = system_codes::batteryPlace(kind(), output);
  if (!kindProfile(kind()).hasAuxChannel || w == kNoBatteryControl || (sensor > kMaxObject && sensor != kNoSensor) ||
      !place)
    return v;
  v.shown = true;
  const QList<int> sensors = batterySensors();
  for (int n : sensors) {
    v.sensors << QString::number(n);
    v.sensorHints << sensorHint(workspace_.image, n);
  }
  v.sensors << QStringLiteral("нет");
  v.sensorHints << QString();
  v.sensorIndex = sensor == kNoSensor ? static_cast<int>(sensors.size()) : static_cast<int>(sensors.indexOf(sensor));
  v.module = place->first;
  v.contact = place->second;
  v.channelText = QStringLiteral("№ канала: ") + HexWord(output).right(2);
  return v;
}

void SystemPage::chooseBatterySensor(int index) {
  const ImageChanges::Scope edit = changes_.scope();
  const QList<int> sensors = batterySensors();
  const int sensor = index >= 0 && index < sensors.size() ? sensors[index] : kNoSensor;
  Word& w = sys(sys::BatteryControl);
  w = (sensor << 8) | (w & 0xFF);
}

void SystemPage::chooseBatteryModule(int module) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& w = sys(sys::BatteryControl);
  w = (w & ~0xFF) | system_codes::batteryOutput(kind(), module, 0);
}

void SystemPage::chooseBatteryContact(int contact) {
  const ImageChanges::Scope edit = changes_.scope();
  Word& w = sys(sys::BatteryControl);
  const auto place = system_codes::batteryPlace(kind(), w & 0xFF);
  w = (w & ~0xFF) | system_codes::batteryOutput(kind(), place ? place->first : 0, contact);
}

}  // namespace nastrum
