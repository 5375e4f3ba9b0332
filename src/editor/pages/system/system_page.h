// The rules of the "Системные параметры" page: what every control shows of the
// system block, the default values, the modem strings and the current
// generators, and what each choice writes there. The widget takes the choice,
// calls one of these operations and shows the page again.
//
// The operations report through takeChange() whether they changed the image;
// the widget tells the main window from that. Operations
// that can be refused return false when nothing was written (a refused
// choice, a "Нет" to a question); the widget then shows the page again.
#pragma once

#include <array>

#include <QChar>
#include <QString>
#include <QStringList>

#include "descriptors/channel_word.h"
#include "model/image_changes.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

// Boxes of "Дополнительные функции:" and the bit each writes.
enum class SpecialFunction : int {
  Telesignalling,    // "Телесигнализация", bit 14 (kind 2)
  CurrentGenerator,  // "Генератор тока", bit 13
  Regulators,        // "Регуляторы", bit 12
  SlaveOrFaults,     // "Чтение ведомого ОРВИК" bit 4; kind 3 "Отказы датч.в арх.событ." bit 10
  EventArchive,      // "Архив событий", bit 9
  IntervalArchive,   // "Расш. архив интервалов", bit 8
  AlgorithmTest,     // "Аттест. алгорит. ОРВИК", bit 3
  Verification,      // "Метролог. повер. ОРВИК", bit 2
  BatteryControl,    // "Контроль аккумулятора", bit 0
};
constexpr int kSpecialFunctionCount = 9;

// The shown channel as its controls show it.
struct ChannelView {
  bool linkTypeShown = false;  // else the fixed label "ИРПС (2х, 4х - пр.)"
  channel_word::LinkType linkType = channel_word::Rs232;
  QStringList linkTypes;  // offered in this order
  channel_word::Protocol protocol = channel_word::Traditional;
  QStringList protocols;
  channel_word::Crc crc = channel_word::NoCrc;
  bool crcShown = false;
  bool networkShown = true;  // the box and its caption
  bool networkEnabled = true;
  bool networkOn = false;
  int networkNumber = 0;
  bool lineShown = false;  // "Линия связи:" with a ПМК-3 link
  bool switched = false;
  int rings = 0;
  QStringList speeds;
  int speedIndex = 0;  // in `speeds`
  bool modemShown = false;
  QString modemText;
};

struct GeneratorView {
  bool present = false;
  bool describesAddress = false;  // "адрес параметра": "Адрес памяти:"
  bool fourToTwenty = false;      // "4..20 мА"
  QString parameter;              // four hexadecimal digits
  QString scaleEnd, scaleStart;   // FormatReal8
};

struct BatteryView {
  bool shown = false;
  QStringList sensors;   // the voltage sensors' numbers, then "нет"
  QStringList sensorHints;  // per item of `sensors`: the sensor's name and quantity
  int sensorIndex = -1;  // -1: "ОШИБКА" (a sensor that is not in the list)
  int module = 0, contact = 0;
  QString channelText;   // "№ канала: 12"
};

class SystemPage {
 public:
  SystemPage(Workspace& workspace, MessagePresenter& presenter, QChar separator);

  Word kind() const { return workspace_.image.deviceKind; }
  QChar separator() const { return separator_; }

  // --- Clock correction, summer time, interval, archives, settlement -----
  int hourlyCorrection() const;
  int dailyCorrection() const;
  void setHourlyCorrection(int seconds);
  void setDailyCorrection(int seconds);

  bool summerTime() const;
  bool aprilSwitch() const;      // else "март"
  bool septemberSwitch() const;  // else "октябрь"
  void setSummerTime(bool on);
  void setAprilSwitch(bool april);
  void setSeptemberSwitch(bool september);
  // Index in system_codes::intervals(); nothing for a code outside the list.
  std::optional<int> intervalIndex() const;
  void setInterval(int index);

  int dailyArchiveMode() const;    // digit D1
  int monthlyArchiveMode() const;  // digit D2
  void setDailyArchiveMode(int mode);
  void setMonthlyArchiveMode(int mode);

  int settlementHour() const;
  int settlementDate() const;
  // Out-of-range values wrap (hour 0..23, date 1..31); returns what is stored.
  int setSettlementHour(int hour);
  int setSettlementDate(int date);

  // --- Default values and password ---------------------------------------
  QString defaultValueText(int index) const;  // 0..3 in record order
  // Stores the one field edited (empty: 0); an unreadable text keeps its
  // value. The other three are never read back from their rounded display.
  void setDefaultValue(int index, const QString& text);
  QString passwordText() const;
  void setPassword(const QString& hexText);

  // --- Channels -----------------------------------------------------------
  QStringList channels() const;  // "Основной" and, but for kind 1, "Дополнительный"
  int channel() const { return channel_; }
  void showChannel(int channel);
  ChannelView channelView() const;
  void chooseProtocol(channel_word::Protocol protocol);
  bool chooseLinkType(channel_word::LinkType type);  // false: refused with its box
  void setNetwork(bool on);
  int setNetworkNumber(const QString& text);  // returns the number shown after wrapping
  void chooseCrc(channel_word::Crc crc);
  void setSwitchedLine(bool switched);
  int setRings(const QString& text);  // returns the value shown
  void chooseSpeed(int index);        // in ChannelView::speeds
  // The modem field's text: capitals, only the characters a modem command
  // uses, at most 126 characters.
  static QString modemFieldText(const QString& typed);
  void setModemText(const QString& text);

  // --- Current generators --------------------------------------------------
  int generator() const { return generator_; }
  // Shows generator n of the "№" box (one step past either end of 0..7
  // reaches the other end). Showing a generator puts "Генератор тока" in step
  // with whether any generator is present; true when that changed the word
  // (an edit).
  bool showGenerator(int n);
  GeneratorView generatorView() const;
  bool anyGeneratorPresent() const;
  // Creates or clears the shown generator, then shows it again.
  void setGeneratorPresent(bool present);
  void setGeneratorDescribesAddress(bool address);
  void setGeneratorRange(bool fourToTwenty);
  void setGeneratorParameter(const QString& hexText);
  // The field's text as it is being typed; unreadable text shows message 7
  // and stores 0.
  void setGeneratorScaleEnd(const QString& text);
  void setGeneratorScaleStart(const QString& text);

  // --- Additional functions and battery control ----------------------------
  bool functionOffered(SpecialFunction f) const;
  QString functionCaption(SpecialFunction f) const;
  bool function(SpecialFunction f) const;
  // Asks where a rule says so; false when the answer kept the old state.
  bool setFunction(SpecialFunction f, bool on);

  BatteryView batteryView() const;
  QStringList batteryModules() const;
  QStringList batteryContacts() const;
  void chooseBatterySensor(int index);  // in BatteryView::sensors
  void chooseBatteryModule(int module);
  void chooseBatteryContact(int contact);

  // Whether the operations since the last call changed the image.
  bool takeChange() { return changes_.take(); }

 private:
  Word& sys(int index) { return workspace_.image.sys(index); }
  Word sys(int index) const { return workspace_.image.sys(index); }
  // Sets a box's bit as it is, without the box's questions; true when the
  // word changed (an edit).
  bool putFunction(SpecialFunction f, bool on);
  int setupIndex() const;     // the shown channel's setup word
  int baudIndex() const;      // the shown channel's speed word
  int linkTypeIndex() const;  // where the link type writes
  int lineIndex() const;      // where the line and rings write
  ModemText& modemText();
  const ModemText& modemText() const;
  QList<int> batterySensors() const;

  Workspace& workspace_;
  MessagePresenter& presenter_;
  QChar separator_;
  int channel_ = 0;
  int generator_ = 0;
  ImageChanges changes_{workspace_.image};
};

}  // namespace nastrum
