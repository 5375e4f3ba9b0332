// The rules of the system page against the words they store, per kind.
#include <gtest/gtest.h>

#include "editor/pages/system/system_page.h"
#include "model/device_text.h"
#include "support/fresh_image.h"
#include "support/scripted_presenter.h"

namespace nastrum {
namespace {

using namespace channel_word;

struct Rig {
  explicit Rig(Word kind) { workspace.image = testing::freshImage(kind); }
  Word& word(int index) { return workspace.image.sys(index); }
  Workspace workspace;
  ScriptedPresenter presenter;
  SystemPage page{workspace, presenter, QLatin1Char(',')};
};

TEST(SystemPage, ClockCorrectionSummerTimeIntervalAndSettlement) {
  Rig r(2);
  r.page.setHourlyCorrection(-10);
  r.page.setDailyCorrection(3);
  EXPECT_EQ(r.word(sys::ClockCorrection), 0x1A03);
  EXPECT_EQ(r.page.hourlyCorrection(), -10);
  EXPECT_EQ(r.page.dailyCorrection(), 3);
  EXPECT_TRUE(r.page.takeChange());

  EXPECT_EQ(r.word(sys::SummerTimeInterval), 0x3A05);
  EXPECT_TRUE(r.page.summerTime());
  EXPECT_FALSE(r.page.aprilSwitch());
  EXPECT_FALSE(r.page.septemberSwitch());
  r.page.setSummerTime(true);
  EXPECT_EQ(r.word(sys::SummerTimeInterval), 0x3A05);
  r.page.setSummerTime(false);
  EXPECT_EQ(r.word(sys::SummerTimeInterval), 0x0005);
  EXPECT_FALSE(r.page.summerTime());
  r.page.setSummerTime(true);
  r.page.setAprilSwitch(true);
  EXPECT_EQ(r.word(sys::SummerTimeInterval), 0x4A05);
  r.page.setSeptemberSwitch(true);
  EXPECT_EQ(r.word(sys::SummerTimeInterval), 0x4905);

  r.page.setInterval(10);  // "30"
  EXPECT_EQ(r.word(sys::SummerTimeInterval) & 0xFF, 0x1D);
  EXPECT_EQ(r.page.intervalIndex(), 10);
  r.page.setInterval(9);  // "20"
  EXPECT_EQ(r.word(sys::SummerTimeInterval) & 0xFF, 0x14);
  r.word(sys::SummerTimeInterval) = 0x3A1E;
  EXPECT_FALSE(r.page.intervalIndex()) << "1E is no interval the page offers";

  r.page.setDailyArchiveMode(1);
  r.page.setMonthlyArchiveMode(1);
  EXPECT_EQ(r.word(sys::ArchiveWriteMode), 0x1100);

  r.page.setSettlementHour(8);
  r.page.setSettlementDate(1);
  EXPECT_EQ(r.word(sys::SettlementHourDate), 801);
  EXPECT_EQ(r.page.setSettlementHour(24), 0);
  EXPECT_EQ(r.page.setSettlementHour(-1), 23);
  EXPECT_EQ(r.page.setSettlementDate(32), 1);
  EXPECT_EQ(r.page.setSettlementDate(0), 31);
  EXPECT_EQ(r.word(sys::SettlementHourDate), 2331);
  r.word(sys::SettlementHourDate) = 1;
  EXPECT_EQ(r.page.settlementHour(), 0);
  EXPECT_EQ(r.page.settlementDate(), 1);
}

TEST(SystemPage, DefaultValuesAndPassword) {
  Rig r(1);
  r.page.setDefaultValue(0, QStringLiteral("7,5"));
  r.page.setDefaultValue(1, QString());
  r.page.setDefaultValue(2, QStringLiteral("abc"));
  r.page.setDefaultValue(3, QStringLiteral("740"));
  const DefaultValueSet& d = r.workspace.image.defaultValues;
  EXPECT_DOUBLE_EQ(d.coldSourceTemp, 7.5);
  EXPECT_DOUBLE_EQ(d.carrierTemp, 0) << "an empty field stores 0";
  EXPECT_DOUBLE_EQ(d.carrierPressure, 0.6) << "an unreadable field keeps its value";
  EXPECT_DOUBLE_EQ(d.atmPressure, 740);

  EXPECT_EQ(r.page.passwordText(), QStringLiteral("0000"));
  r.page.setPassword(QStringLiteral("1a"));
  EXPECT_EQ(r.word(sys::PasswordPresent), 1);
  EXPECT_EQ(r.word(sys::DevicePassword), 0x1A);
  EXPECT_EQ(r.page.passwordText(), QStringLiteral("001A"));
}

TEST(SystemPage, FrameProtocolsLinkTypesAndCrc) {
  Rig r(3);
  r.page.showChannel(0);
  r.word(sys::MainChannelSetup) = 0x7F25;
  r.page.chooseProtocol(Ft12);
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0148);
  EXPECT_TRUE(r.page.chooseLinkType(Rs485));
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x01C8);
  r.page.chooseCrc(CrcInData);
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x01CE);
  const ChannelView v = r.page.channelView();
  EXPECT_EQ(v.protocol, Ft12);
  EXPECT_EQ(v.linkType, Rs485);
  EXPECT_EQ(v.crc, CrcInData);
  EXPECT_TRUE(v.crcShown);
  EXPECT_FALSE(v.networkEnabled);
  EXPECT_FALSE(v.linkTypes.contains(QStringLiteral("ПМК-3")));

  r.presenter.acknowledgeOkBoxes();
  EXPECT_FALSE(r.page.chooseLinkType(Pmk3));
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x01CE);
  ASSERT_EQ(r.presenter.shown().size(), 1u);
  EXPECT_EQ(r.presenter.shown()[0].text, QStringLiteral("Новый протокол обмена не работает с модемом ПМК-3"));

  EXPECT_TRUE(r.page.chooseLinkType(Hayes));
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0158);
  EXPECT_EQ(r.word(sys::MainChannelBaud), 0x0960);
  r.page.chooseProtocol(Ft11);
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0140);
}

// Editing one default value stores that one only: the other three keep every
// digit, never the rounded eight characters their fields show.
TEST(SystemPage, EditingOneDefaultValueLeavesTheOthersExact) {
  const std::array<double, 4> exact{1.0 / 3, 65.123456789, 0.612345678912, 735.000000049};
  for (int edited = 0; edited < 4; ++edited) {
    Rig r(2);
    DefaultValueSet& d = r.workspace.image.defaultValues;
    d = {exact[0], exact[1], exact[2], exact[3]};
    r.page.setDefaultValue(edited, QStringLiteral("12,5"));
    const std::array<double, 4> now{d.coldSourceTemp, d.carrierTemp, d.carrierPressure, d.atmPressure};
    for (std::size_t i = 0; i < now.size(); ++i)
      EXPECT_EQ(now[i], static_cast<int>(i) == edited ? 12.5 : exact[i]) << "edited " << edited << ", field " << i;
  }
}

// Under an FT protocol a direct line ("RS-232, ИРПС", "RS-485") chosen after a
// modem clears the modem bits, so the list and the device both say what was
// chosen; the network byte becomes 01 and the FT and CRC bits stay.
TEST(SystemPage, DirectLineAfterAModemUnderFtClearsTheModemBits) {
  struct Case {
    Word before;
    LinkType chosen;
    Word after;
  };
  const Case cases[] = {
      {0x0158, Rs232, 0x0148},  // FT 1.2 with "Hayes-модем"
      {0x0158, Rs485, 0x01C8},
      {0x0150, Rs485, 0x01C0},  // FT 1.1
      {0x05DE, Rs232, 0x014E},  // network 5, RS-485 bit, CRC "в данных"
      {0x0168, Rs485, 0x01C8},  // a stray "ПМК-3" bit from a file
      {0x0010, Rs485, 0x0080},  // "Традиционный": the whole word anew
  };
  for (const Case& c : cases) {
    Rig r(3);
    r.page.showChannel(0);
    r.word(sys::MainChannelSetup) = c.before;
    ASSERT_TRUE(r.page.chooseLinkType(c.chosen));
    EXPECT_EQ(r.word(sys::MainChannelSetup), c.after) << std::hex << c.before << " " << c.chosen;
    EXPECT_EQ(r.page.channelView().linkType, c.chosen) << std::hex << c.before;
  }
}

TEST(SystemPage, ModemLineUnderTheTraditionalProtocol) {
  Rig r(3);
  r.page.chooseProtocol(Traditional);
  EXPECT_TRUE(r.page.chooseLinkType(Pmk3));
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0020);
  EXPECT_EQ(r.word(sys::MainChannelBaud), 0x0120);
  ChannelView v = r.page.channelView();
  EXPECT_EQ(v.speeds, (QStringList{"300", "600", "1200"}));
  EXPECT_EQ(v.speedIndex, 2);
  EXPECT_TRUE(v.lineShown);
  EXPECT_FALSE(v.switched);

  r.page.setNetwork(true);
  r.page.setSwitchedLine(true);
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0025);
  v = r.page.channelView();
  EXPECT_FALSE(v.networkShown);
  EXPECT_EQ(v.rings, 5);
  EXPECT_EQ(r.page.setRings(QStringLiteral("16")), 1);
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0021);
  r.page.setSwitchedLine(false);
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0x0020);
  EXPECT_TRUE(r.page.channelView().networkShown);

  EXPECT_TRUE(r.page.chooseLinkType(Rs232));
  EXPECT_EQ(r.page.channelView().speeds.size(), 7);
}

TEST(SystemPage, NetworkNumbersWrap) {
  Rig r(3);
  r.page.setNetwork(true);
  struct Case {
    const char* typed;
    int shown;
  };
  for (const Case& c : {Case{"5", 5}, Case{"128", 0}, Case{"-1", 127}, Case{"", 1}}) {
    r.page.setNetwork(true);
    EXPECT_EQ(r.page.setNetworkNumber(QString::fromLatin1(c.typed)), c.shown) << c.typed;
  }
  r.page.setNetworkNumber(QStringLiteral("5"));
  EXPECT_EQ(r.word(sys::MainChannelSetup) >> 8, 5);
  r.page.chooseProtocol(Ft11);
  EXPECT_EQ(r.page.setNetworkNumber(QStringLiteral("200")), 200);
  EXPECT_EQ(r.word(sys::MainChannelSetup), 0xC840);
  EXPECT_EQ(r.page.setNetworkNumber(QStringLiteral("255")), 0);
}

TEST(SystemPage, ChannelsAndListsPerKind) {
  Rig one(1);
  EXPECT_EQ(one.page.channels(), QStringList{QStringLiteral("Основной")});
  EXPECT_TRUE(one.page.channelView().linkTypes.contains(QStringLiteral("ПМК-3")));

  Rig two(2);
  two.page.showChannel(0);
  EXPECT_FALSE(two.page.channelView().linkTypeShown) << "the main channel shows the fixed loop label";
  EXPECT_TRUE(two.page.chooseLinkType(Rs485));
  EXPECT_EQ(two.word(sys::AuxChannelSetup), 0x01C8) << "kind 2's link type always writes the additional channel";
  EXPECT_EQ(two.word(sys::MainChannelSetup), 0);
  two.page.showChannel(1);
  EXPECT_TRUE(two.page.channelView().linkTypeShown);
  EXPECT_EQ(two.page.channelView().linkType, Rs485);

  Rig three(3);
  three.page.showChannel(1);
  const ChannelView aux = three.page.channelView();
  EXPECT_FALSE(aux.protocols.contains(QStringLiteral("Традиционный")));
  EXPECT_FALSE(aux.linkTypes.contains(QStringLiteral("ПМК-3")));
  three.word(sys::AuxChannelBaud) = 0;
  EXPECT_EQ(three.page.channelView().speeds.at(three.page.channelView().speedIndex), QStringLiteral("9600"));
}

TEST(SystemPage, ModemTextIsStoredPerChannel) {
  EXPECT_EQ(SystemPage::modemFieldText(QStringLiteral("at&f*ats0=1~!#")), QStringLiteral("AT&F*ATS0=1~"));
  EXPECT_EQ(SystemPage::modemFieldText(QString(200, QLatin1Char('a'))).size(), 126);

  Rig r(3);
  const ModemText main = r.workspace.image.modemInitMain;
  r.page.showChannel(1);
  r.word(sys::AuxChannelSetup) = 0x0148;
  ASSERT_TRUE(r.page.chooseLinkType(Hayes));
  r.page.setModemText(QStringLiteral("atz*ate0"));
  const ModemText& aux = r.workspace.image.modemInitAux;
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(aux.data()), 10), QByteArray("ATZ\rATE0\r\0", 10));
  EXPECT_EQ(r.page.channelView().modemText, QStringLiteral("ATZ*ATE0"));
  EXPECT_EQ(DeviceTextToEdit(EditToDeviceText(QStringLiteral("ATZ*ATE0"))), QStringLiteral("ATZ*ATE0"));
  EXPECT_EQ(r.workspace.image.modemInitMain, main) << "kind 3's additional channel has its own string";

  Rig two(2);
  two.page.showChannel(1);
  two.page.setModemText(QStringLiteral("ath"));
  EXPECT_EQ(two.workspace.image.modemInitMain[0], 'A');
}

TEST(SystemPage, BatteryControlOutputs) {
  Rig two(2);
  two.workspace.image.sensors[3].mainDescriptor = 0x1000;  // battery voltage
  EXPECT_FALSE(two.page.batteryView().shown);
  ASSERT_TRUE(two.page.setFunction(SpecialFunction::BatteryControl, true));
  BatteryView v = two.page.batteryView();
  EXPECT_TRUE(v.shown);
  EXPECT_EQ(v.sensors, (QStringList{"3", "нет"}));
  EXPECT_EQ(v.sensorIndex, 1);
  EXPECT_EQ(v.channelText, QStringLiteral("№ канала: 00"));
  two.page.chooseBatteryModule(2);  // "МВВ3"
  two.page.chooseBatteryContact(2);  // "+5    -12"
  EXPECT_EQ(two.word(sys::BatteryControl) & 0xFF, 0x12);
  EXPECT_EQ(two.page.batteryView().channelText, QStringLiteral("№ канала: 12"));
  two.page.chooseBatterySensor(0);
  EXPECT_EQ(two.word(sys::BatteryControl), 0x0312);
  EXPECT_EQ(two.page.batteryView().sensorIndex, 0);
  two.workspace.image.sensors[3].mainDescriptor = 0x2000;
  EXPECT_EQ(two.page.batteryView().sensorIndex, -1) << "shown as ОШИБКА";
  ASSERT_TRUE(two.page.setFunction(SpecialFunction::BatteryControl, false));
  EXPECT_EQ(two.word(sys::BatteryControl), 0xFFFF);

  Rig three(3);
  three.word(sys::BatteryControl) = 0x4000;
  three.page.chooseBatteryModule(4);  // "МВ5"
  three.page.chooseBatteryContact(3);  // "+9    -10"
  EXPECT_EQ(three.word(sys::BatteryControl) & 0xFF, 0x13);
  BatteryView big = three.page.batteryView();
  EXPECT_EQ(big.module, 4);
  EXPECT_EQ(big.contact, 3);
  three.word(sys::BatteryControl) = 0x4140;
  EXPECT_FALSE(three.page.batteryView().shown) << "words out of bounds show as no control";
}

TEST(SystemPage, CurrentGenerators) {
  Rig r(2);
  r.page.showGenerator(8);
  EXPECT_EQ(r.page.generator(), 0);
  r.page.showGenerator(-1);
  EXPECT_EQ(r.page.generator(), 7);

  r.page.showGenerator(5);
  r.page.setGeneratorPresent(true);
  EXPECT_EQ(r.workspace.image.currentGenerators[5].lawDescriptor, 0x0100);
  EXPECT_TRUE(r.page.function(SpecialFunction::CurrentGenerator));
  r.page.setGeneratorDescribesAddress(true);
  r.page.setGeneratorRange(true);
  r.page.setGeneratorParameter(QStringLiteral("4102"));
  r.page.setGeneratorScaleEnd(QStringLiteral("12,5"));
  GeneratorView g = r.page.generatorView();
  EXPECT_TRUE(g.present);
  EXPECT_TRUE(g.describesAddress);
  EXPECT_TRUE(g.fourToTwenty);
  EXPECT_EQ(r.workspace.image.currentGenerators[5].lawDescriptor, 0x1011);
  EXPECT_EQ(g.parameter, QStringLiteral("4102"));
  EXPECT_DOUBLE_EQ(r.workspace.image.currentGenerators[5].scaleEnd, 12.5);

  r.presenter.then(AnswerNo);
  EXPECT_FALSE(r.page.setFunction(SpecialFunction::CurrentGenerator, false));
  EXPECT_TRUE(r.page.function(SpecialFunction::CurrentGenerator));
  EXPECT_TRUE(r.page.anyGeneratorPresent());
  r.presenter.then(AnswerYes);
  EXPECT_TRUE(r.page.setFunction(SpecialFunction::CurrentGenerator, false));
  EXPECT_FALSE(r.page.anyGeneratorPresent());
  EXPECT_FALSE(r.page.function(SpecialFunction::CurrentGenerator));
}

// Showing a generator puts "Генератор тока" (bit 13) in step with whether any
// generator is present, so the bit goes with the last generator.
TEST(SystemPage, ShowingAGeneratorPutsTheGeneratorFlagInStep) {
  struct Case {
    Word kind;
    Word law;  // generator 3's law descriptor
    bool bitBefore;
    bool bitAfter;
  };
  const Case cases[] = {
      {2, 0x0100, false, true}, {3, 0x1011, false, true}, {2, 0x0000, true, false},
      {3, 0xFF00, true, false}, {2, 0x0100, true, true},  {3, 0x0000, false, false},
      {1, 0x0000, true, true},  // the small model has no generators: its word is left alone
  };
  for (const Case& c : cases) {
    Rig r(c.kind);
    r.workspace.image.currentGenerators[3].lawDescriptor = c.law;
    if (c.bitBefore) r.word(sys::SpecialFunctions) = 1 << 13;
    const bool changed = r.page.showGenerator(0);
    EXPECT_EQ((r.word(sys::SpecialFunctions) >> 13 & 1) != 0, c.bitAfter) << c.kind << " " << std::hex << c.law;
    EXPECT_EQ(changed, c.bitBefore != c.bitAfter) << c.kind << " " << std::hex << c.law;
    EXPECT_EQ(r.page.takeChange(), changed) << c.kind << " " << std::hex << c.law;
  }

  Rig r(2);
  r.page.showGenerator(6);
  r.page.setGeneratorPresent(true);
  EXPECT_TRUE(r.page.function(SpecialFunction::CurrentGenerator));
  r.page.setGeneratorPresent(false);
  EXPECT_FALSE(r.page.function(SpecialFunction::CurrentGenerator)) << "the last generator removed takes the bit";
}

TEST(SystemPage, AdditionalFunctionsPerKind) {
  Rig r(2);
  r.page.setFunction(SpecialFunction::SlaveOrFaults, true);
  EXPECT_EQ(r.word(sys::SpecialFunctions), 1 << 4);
  r.presenter.then(AnswerNo).then(AnswerYes);
  EXPECT_FALSE(r.page.setFunction(SpecialFunction::Verification, true));
  EXPECT_TRUE(r.page.setFunction(SpecialFunction::AlgorithmTest, true));
  EXPECT_EQ(r.word(sys::SpecialFunctions), (1 << 4) | (1 << 3));

  r.workspace.image.eventType[7] = 0x0300;
  r.workspace.image.eventParam[7] = 0x0012;
  r.page.setFunction(SpecialFunction::EventArchive, true);
  r.presenter.then(AnswerYes);
  EXPECT_TRUE(r.page.setFunction(SpecialFunction::EventArchive, false));
  EXPECT_EQ(r.workspace.image.eventType[7], 0);
  EXPECT_EQ(r.workspace.image.eventParam[7], 0);

  Rig three(3);
  EXPECT_FALSE(three.page.functionOffered(SpecialFunction::Telesignalling));
  EXPECT_EQ(three.page.functionCaption(SpecialFunction::SlaveOrFaults), QStringLiteral("Отказы датч.в арх.событ."));
  EXPECT_EQ(three.page.functionCaption(SpecialFunction::EventArchive), QStringLiteral("Архив событий общего вида"));
  three.page.setFunction(SpecialFunction::SlaveOrFaults, true);
  EXPECT_EQ(three.word(sys::SpecialFunctions), 1 << 10);

  Rig one(1);
  EXPECT_FALSE(one.page.functionOffered(SpecialFunction::Regulators));
}

}  // namespace
}  // namespace nastrum
