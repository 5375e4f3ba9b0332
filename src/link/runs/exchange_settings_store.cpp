#include "link/runs/exchange_settings_store.h"

#include <algorithm>

#include <QSettings>

namespace nastrum {

namespace {

const QString kGroup = QStringLiteral("link");

// The number stored under `key` when it lies in first … last; else `fallback`.
int storedInt(const QSettings& store, const QString& key, int first, int last, int fallback) {
  bool ok = false;
  const int value = store.value(key).toInt(&ok);
  return ok && value >= first && value <= last ? value : fallback;
}

// Kept as plain numbers, the items' positions in their groups, whatever type
// the fields have in the program.
template <typename Field>
void load(Field& field, const QSettings& store, const char* key, int first, int last) {
  field = static_cast<Field>(storedInt(store, QLatin1String(key), first, last, static_cast<int>(field)));
}

}  // namespace

ExchangeSettings LoadExchangeSettings(QSettings& store) {
  ExchangeSettings s;
  store.beginGroup(kGroup);
  if (!store.contains(QStringLiteral("port"))) {
    store.endGroup();
    return s;
  }
  load(s.portItem, store, "port", 0, kOtherPortItem);
  const QString other = store.value(QStringLiteral("otherPort")).toString();
  if (IsAcceptablePortText(other)) s.otherPort = other;
  load(s.baudIndex, store, "speed", 0, 6);
  load(s.lineKind, store, "lineKind", 0, 2);
  load(s.crcMode, store, "crc", 0, 2);
  load(s.channel, store, "channel", 0, 1);
  load(s.attempts, store, "attempts", 1, 99);
  load(s.pauseSeconds, store, "pause", 0, 15);
  int protocol = static_cast<int>(s.protocol);
  load(protocol, store, "protocol", 0, 2);
  const bool network = store.value(QStringLiteral("network")).toBool();
  const int number = storedInt(store, QStringLiteral("networkNumber"), 0, kFrameNetworkMax, 1);
  store.endGroup();

  // The protocol and the network are set through the window's own rules, so
  // the address table agrees with the number as after the user's clicks.
  ChooseProtocol(s, protocolOfItem(protocol));
  if (NetworkBoxEnabled(s)) SetNetwork(s, network);
  if (s.network) SetNetworkNumber(s, std::max(number, 1));
  return s;
}

void SaveExchangeSettings(QSettings& store, const ExchangeSettings& s) {
  store.beginGroup(kGroup);
  store.setValue(QStringLiteral("port"), static_cast<int>(s.portItem));
  store.setValue(QStringLiteral("otherPort"), s.otherPort);
  store.setValue(QStringLiteral("speed"), static_cast<int>(s.baudIndex));
  store.setValue(QStringLiteral("lineKind"), static_cast<int>(s.lineKind));
  store.setValue(QStringLiteral("protocol"), static_cast<int>(s.protocol));
  store.setValue(QStringLiteral("crc"), static_cast<int>(s.crcMode));
  store.setValue(QStringLiteral("channel"), static_cast<int>(s.channel));
  store.setValue(QStringLiteral("attempts"), s.attempts);
  store.setValue(QStringLiteral("pause"), s.pauseSeconds);
  store.setValue(QStringLiteral("network"), s.network);
  store.setValue(QStringLiteral("networkNumber"), s.networkNumber);
  store.endGroup();
}

}  // namespace nastrum
