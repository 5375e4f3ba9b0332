// The link settings kept between starts: stored, read back, checked.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "link/runs/exchange_settings_store.h"

namespace nastrum {
namespace {

class ExchangeSettingsStoreTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QSettings store{dir.filePath(QStringLiteral("nastrum.ini")), QSettings::IniFormat};
};

TEST_F(ExchangeSettingsStoreTest, NothingStoredGivesTheFirstStartSettings) {
  const ExchangeSettings loaded = LoadExchangeSettings(store);
  const ExchangeSettings first;
  EXPECT_EQ(loaded.portItem, first.portItem);
  EXPECT_EQ(loaded.baudIndex, first.baudIndex);
  EXPECT_EQ(loaded.lineKind, first.lineKind);
  EXPECT_EQ(loaded.protocol, first.protocol);
  EXPECT_EQ(loaded.attempts, first.attempts);
  EXPECT_EQ(loaded.pauseSeconds, first.pauseSeconds);
  EXPECT_EQ(loaded.network, first.network);
  EXPECT_EQ(loaded.networkNumber, first.networkNumber);
  EXPECT_EQ(loaded.addressTable, first.addressTable);
}

TEST_F(ExchangeSettingsStoreTest, EveryChoiceComesBack) {
  ExchangeSettings s;
  s.portItem = kOtherPortItem;
  s.otherPort = QStringLiteral("/dev/ttyUSB0");
  s.baudIndex = 6;
  s.lineKind = LineKind::Rs232;
  ChooseProtocol(s, LinkProtocol::Ft12);
  s.crcMode = CrcMode::InsteadOfSum;
  s.channel = 1;
  s.attempts = 7;
  s.pauseSeconds = 12;
  SetNetworkNumber(s, 200);
  s.password = QStringLiteral("ABCD");
  SaveExchangeSettings(store, s);

  const ExchangeSettings back = LoadExchangeSettings(store);
  EXPECT_EQ(back.portItem, kOtherPortItem);
  EXPECT_EQ(back.otherPort, QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(back.baudIndex, 6);
  EXPECT_EQ(back.lineKind, LineKind::Rs232);
  EXPECT_EQ(back.protocol, LinkProtocol::Ft12);
  EXPECT_EQ(back.crcMode, CrcMode::InsteadOfSum);
  EXPECT_EQ(back.channel, 1);
  EXPECT_EQ(back.attempts, 7);
  EXPECT_EQ(back.pauseSeconds, 12);
  EXPECT_TRUE(back.network);
  EXPECT_EQ(back.networkNumber, 200);
  EXPECT_EQ(ChosenAddress(back), 200);
  EXPECT_TRUE(back.password.isEmpty());  // never kept
}

TEST_F(ExchangeSettingsStoreTest, TraditionalNetworkComesBackWithItsAddress) {
  ExchangeSettings s;
  SetNetwork(s, true);
  SetNetworkNumber(s, 42);
  SaveExchangeSettings(store, s);
  const ExchangeSettings back = LoadExchangeSettings(store);
  EXPECT_TRUE(back.network);
  EXPECT_TRUE(NeedsNetworkSelect(back));
  EXPECT_EQ(ChosenAddress(back), 42);
}

TEST_F(ExchangeSettingsStoreTest, DamagedValuesKeepTheirFirstStartChoice) {
  SaveExchangeSettings(store, ExchangeSettings{});
  store.setValue(QStringLiteral("link/speed"), 9);
  store.setValue(QStringLiteral("link/attempts"), 0);
  store.setValue(QStringLiteral("link/lineKind"), QStringLiteral("fast"));
  store.setValue(QStringLiteral("link/otherPort"), QStringLiteral("ttyUSB0; rm"));
  // A traditional network number beyond its range is kept within it.
  store.setValue(QStringLiteral("link/network"), true);
  store.setValue(QStringLiteral("link/networkNumber"), 200);
  const ExchangeSettings back = LoadExchangeSettings(store);
  const ExchangeSettings first;
  EXPECT_EQ(back.baudIndex, first.baudIndex);
  EXPECT_EQ(back.attempts, first.attempts);
  EXPECT_EQ(back.lineKind, first.lineKind);
  EXPECT_EQ(back.otherPort, first.otherPort);
  EXPECT_EQ(back.networkNumber, kTraditionalNetworkMax);
  EXPECT_EQ(ChosenAddress(back), kTraditionalNetworkMax);
}

}  // namespace
}  // namespace nastrum
