// The exchange window's settings rules, the password rule, the greeting and
// the result texts: pure functions.
#include <gtest/gtest.h>

#include "link/runs/exchange_settings.h"
#include "link/runs/greeting.h"
#include "link/runs/result_texts.h"

namespace nastrum {
namespace {

int SetEntries(const ExchangeSettings& s) {
  int n = 0;
  for (auto v : s.addressTable) n += v != 0;
  return n;
}

TEST(ResultTexts, TextsByCode) {
  EXPECT_EQ(ResultText(0), QStringLiteral("  OK"));
  EXPECT_EQ(ResultText(1), QStringLiteral("  Нет ответа от ОРВИК "));
  EXPECT_EQ(ResultText(10), QString());
  EXPECT_EQ(ResultText(ResultCode::Stopped), QStringLiteral("Чтение/запись прервано пользователем."));
  EXPECT_EQ(ResultText(24), QStringLiteral(" "));
  EXPECT_EQ(ResultText(37), QStringLiteral("  ОК ( положительная квитанция )"));
  EXPECT_EQ(ResultText(46), QStringLiteral(
      " Для записи имен соединение по токовой петле должно осуществляться по четырехпроводной схеме"));
  // A code outside the table still shows something.
  EXPECT_EQ(ResultText(47), QStringLiteral("47"));
  EXPECT_EQ(ResultText(-1), QStringLiteral("-1"));
}

TEST(ExchangeSettings, DefaultsAreTheWindowsDefaults) {
  const ExchangeSettings s;
  EXPECT_EQ(ChosenPort(s).path, PortAddress::fromNumber(2).path);
  EXPECT_EQ(SpeedItemText(s.baudIndex), QStringLiteral(" 9600"));
  EXPECT_EQ(s.lineKind, LineKind::FourWire);
  EXPECT_EQ(s.attempts, 3);
  EXPECT_EQ(s.pauseSeconds, 3);
  EXPECT_FALSE(s.network);
  EXPECT_FALSE(NeedsNetworkSelect(s));
  EXPECT_FALSE(NeedsRelease(s));
  EXPECT_FALSE(CrcChoiceVisible(s));
}

TEST(ExchangeSettings, FrameProtocolForcesTheNetworkAndWidensTheRange) {
  ExchangeSettings s;
  ChooseProtocol(s, LinkProtocol::Ft12);
  EXPECT_TRUE(s.network);
  EXPECT_FALSE(NetworkBoxEnabled(s));
  EXPECT_TRUE(CrcChoiceVisible(s));
  EXPECT_EQ(s.networkNumber, 1);
  SetNetworkNumber(s, 200);
  EXPECT_EQ(s.networkNumber, 200);
  EXPECT_EQ(ChosenAddress(s), 200);
  EXPECT_EQ(SetEntries(s), 1);
  EXPECT_FALSE(NeedsNetworkSelect(s));  // FT frames carry the address themselves
  EXPECT_EQ(MakeLinkSetup(s).address, 200);

  // Back to the traditional protocol: the network stays on, limited to 127.
  ChooseProtocol(s, LinkProtocol::Traditional);
  EXPECT_TRUE(s.network);
  EXPECT_TRUE(NetworkBoxEnabled(s));
  EXPECT_FALSE(CrcChoiceVisible(s));
  EXPECT_EQ(s.networkNumber, 127);
  EXPECT_EQ(ChosenAddress(s), 127);
  EXPECT_EQ(SetEntries(s), 1);
  EXPECT_TRUE(NeedsNetworkSelect(s));
  EXPECT_EQ(MakeLinkSetup(s).address, 0);  // the traditional frame has no address
}

TEST(ExchangeSettings, NumberWithinRangeIsKeptWhenSwitchingBack) {
  ExchangeSettings s;
  ChooseProtocol(s, LinkProtocol::Ft11);
  SetNetworkNumber(s, 12);
  ChooseProtocol(s, LinkProtocol::Traditional);
  EXPECT_TRUE(s.network);
  EXPECT_EQ(s.networkNumber, 12);
}

TEST(ExchangeSettings, TraditionalWithoutChosenNumberLeavesTheNetworkOff) {
  ExchangeSettings s;
  ChooseProtocol(s, LinkProtocol::Traditional);
  EXPECT_FALSE(s.network);
  EXPECT_EQ(SetEntries(s), 0);
}

TEST(ExchangeSettings, NetworkBoxSetsOneOrClearsEverything) {
  ExchangeSettings s;
  SetNetwork(s, true);
  EXPECT_EQ(s.networkNumber, 1);
  EXPECT_EQ(ChosenAddress(s), 1);
  EXPECT_TRUE(NeedsNetworkSelect(s));
  EXPECT_TRUE(NeedsRelease(s));
  SetNetworkNumber(s, 500);
  EXPECT_EQ(s.networkNumber, 127);
  SetNetwork(s, false);
  EXPECT_EQ(s.networkNumber, 0);
  EXPECT_EQ(SetEntries(s), 0);
  EXPECT_FALSE(NeedsRelease(s));
}

TEST(ExchangeSettings, NumberZeroWithTheNetworkOnSelectsNothing) {
  ExchangeSettings s;
  SetNetwork(s, true);
  SetNetworkNumber(s, 0);
  EXPECT_EQ(ChosenAddress(s), 0);
  EXPECT_FALSE(NeedsNetworkSelect(s));
  EXPECT_TRUE(NeedsRelease(s));
}

TEST(ExchangeSettings, CrcModeOnlyTravelsWithFt12) {
  ExchangeSettings s;
  s.crcMode = CrcMode::InsteadOfSum;
  ChooseProtocol(s, LinkProtocol::Ft12);
  EXPECT_EQ(MakeLinkSetup(s).crcMode, CrcMode::InsteadOfSum);
  ChooseProtocol(s, LinkProtocol::Ft11);
  EXPECT_EQ(MakeLinkSetup(s).crcMode, CrcMode::None);
}

TEST(ExchangeSettings, PortChoiceGivesNumberOrTypedPath) {
  ExchangeSettings s;
  s.portItem = 0;
  EXPECT_EQ(ChosenPort(s).path, PortAddress::fromNumber(1).path);
  s.portItem = kOtherPortItem;
  s.otherPort = QStringLiteral("12");
  EXPECT_EQ(ChosenPort(s).path, PortAddress::fromNumber(12).path);
  s.otherPort = QStringLiteral("/tmp/orvik-sim");
  EXPECT_EQ(ChosenPort(s).path, QStringLiteral("/tmp/orvik-sim"));
}

TEST(ExchangeSettings, InputFilters) {
  for (const char* ok : {"0", "9", "a", "F"}) EXPECT_TRUE(IsPasswordCharacter(QLatin1Char(*ok))) << ok;
  for (const char* bad : {"g", "G", " ", "-", "*"}) EXPECT_FALSE(IsPasswordCharacter(QLatin1Char(*bad))) << bad;
  EXPECT_TRUE(IsAcceptablePortText(QStringLiteral("3")));
  EXPECT_TRUE(IsAcceptablePortText(QStringLiteral("999")));
  EXPECT_TRUE(IsAcceptablePortText(QStringLiteral("/dev/ttyUSB0")));
  EXPECT_FALSE(IsAcceptablePortText(QStringLiteral("1000")));
  EXPECT_FALSE(IsAcceptablePortText(QStringLiteral("3a")));
  EXPECT_FALSE(IsAcceptablePortText(QString()));
}

struct PasswordCase {
  const char* field;
  int high, low;
  const char* digits;
};

TEST(Password, BytesAndDigits) {
  const PasswordCase cases[] = {
      {"", 0x00, 0x00, "0000"},    {"12AB", 0x12, 0xAB, "12AB"}, {"ffff", 0xFF, 0xFF, "FFFF"},
      {"ABC", 0x0A, 0xBC, "0ABC"},  // right-aligned, so it reads back as the digits compared
      {"5", 0x00, 0x05, "0005"},
  };
  for (const auto& c : cases) {
    const auto [high, low] = PasswordBytes(QString::fromLatin1(c.field));
    EXPECT_EQ(high, c.high) << c.field;
    EXPECT_EQ(low, c.low) << c.field;
    EXPECT_EQ(PasswordDigits(QString::fromLatin1(c.field)), QString::fromLatin1(c.digits)) << c.field;
  }
}

TEST(Password, AcceptanceRule) {
  EXPECT_TRUE(PasswordAccepted(QStringLiteral("0000"), QStringLiteral("FFFF")));
  EXPECT_TRUE(PasswordAccepted(QStringLiteral("FFFF"), QStringLiteral("0000")));
  EXPECT_TRUE(PasswordAccepted(QStringLiteral("12AB"), QStringLiteral("12AB")));
  EXPECT_FALSE(PasswordAccepted(QStringLiteral("12AB"), QStringLiteral("0000")));
  EXPECT_FALSE(PasswordAccepted(QStringLiteral("12AB"), QStringLiteral("12AC")));
  EXPECT_FALSE(PasswordAccepted(QStringLiteral("0000"), QStringLiteral("12AB")));
}

TEST(Greeting, ByModelAndRun) {
  struct Case {
    RunKind kind;
    int model;
    const char16_t* text;
  };
  const Case cases[] = {
      {RunKind::Read, 1, u"ОРВИК 5 миним. версия 1.5"},
      {RunKind::Read, 2, u"ОРВИК 5 расшир. версия 1.5"},
      {RunKind::Read, 3, u"ОРВИК 9 версия 1.5"},
      {RunKind::Read, 0, u"ОРВИК 5 базовый версия 1.5"},
      {RunKind::Read, 4, u" НЛОверсия 1.5"},
      {RunKind::Write, 1, u"ОРВИК  5 миним. версия 1.5"},
      {RunKind::Write, 2, u"ОРВИК  5 расшир. версия 1.5"},
      {RunKind::Write, 3, u"ОРВИК  9  версия 1.5"},
      {RunKind::Write, 4, u" НЛО версия 1.5"},
      {RunKind::ClockRead, 3, u"ОРВИК  9 версия 1.5"},
      {RunKind::ClockWrite, 2, u"ОРВИК  5 расшир. версия 1.5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Greeting(c.kind, DeviceIdentity{1, 5, c.model}), QString::fromUtf16(c.text))
        << static_cast<int>(c.kind) << " model " << c.model;
  }
  EXPECT_EQ(ConnectedKindOf(4), 0);
  EXPECT_EQ(ConnectedKindOf(3), 3);
}

}  // namespace
}  // namespace nastrum
