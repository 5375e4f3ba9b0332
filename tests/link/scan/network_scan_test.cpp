// The scan of a shared line with simulated devices at scattered numbers:
// exactly the devices are found, in every protocol; silence, unreadable
// replies and two devices of one number are results, not the end.
#include <gtest/gtest.h>

#include "model/editor_state.h"
#include "model/reset_image.h"
#include "scan_rig.h"
#include "sim/faults.h"

namespace nastrum::test {
namespace {

SettingsImage Fresh() {
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  return image;
}

struct Expected {
  int number, model, factory;
};
const Expected kSite[] = {{3, 1, 0x0101}, {17, 2, 0x0202}, {29, 3, 0x0303}};

void AddSite(ScanRig& rig) {
  for (const Expected& e : kSite) rig.addDevice(e.number, e.model, Fresh(), static_cast<std::uint16_t>(e.factory));
}

class ScanEveryProtocol : public ::testing::TestWithParam<int> {};

TEST_P(ScanEveryProtocol, FindsExactlyTheDevicesAndReportsEveryNumber) {
  ScanRig rig;
  AddSite(rig);
  ChooseProtocol(rig.settings, protocolOfItem(GetParam()));

  const ScanReport report = rig.scan({1, 32});

  EXPECT_TRUE(report.complete({1, 32}));
  const std::vector<ProbeResult> devices = report.devices();
  ASSERT_EQ(devices.size(), std::size(kSite));
  EXPECT_EQ(report.answered.size(), std::size(kSite)) << "nothing else answered";
  for (std::size_t i = 0; i < std::size(kSite); ++i) {
    const ProbeResult& found = devices[i];
    EXPECT_EQ(found.number, kSite[i].number);
    EXPECT_EQ(found.identity.modelCode, kSite[i].model);
    EXPECT_EQ(found.factoryNumber, kSite[i].factory);
    EXPECT_EQ(VersionText(found.identity), QStringLiteral("3.2"));
  }
  QList<int> all;
  for (int n = 1; n <= 32; ++n) all << n;
  EXPECT_EQ(rig.probes.tried, all);
  EXPECT_EQ(rig.probes.results.size(), 32u);
  EXPECT_EQ(rig.observer.progressMaximum, 32);
  EXPECT_EQ(rig.observer.progressPosition, 32);
  EXPECT_TRUE(rig.observer.log.contains(QStringLiteral("№ 29: ОРВИК 9, версия 3.2, заводской № 0303")))
      << rig.observer.log.join('\n').toStdString();
  EXPECT_FALSE(rig.session.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Protocols, ScanEveryProtocol, ::testing::Values(0, 1, 2));

TEST(NetworkScan, TwoDevicesOfOneNumberAreACollisionAndTheScanGoesOn) {
  for (const int protocol : {0, 1, 2}) {
    ScanRig rig;
    rig.addDevice(4, 2, Fresh(), 0x0004);
    rig.addDevice(9, 2, Fresh(), 0x0091);
    rig.addDevice(9, 3, Fresh(), 0x0092);
    rig.addDevice(12, 1, Fresh(), 0x0012);
    ChooseProtocol(rig.settings, protocolOfItem(protocol));

    const ScanReport report = rig.scan({1, 16});

    EXPECT_TRUE(report.complete({1, 16})) << protocol;
    ASSERT_EQ(report.answered.size(), 3u) << protocol;
    EXPECT_EQ(report.answered[0].status, ProbeStatus::Found) << protocol;
    EXPECT_EQ(report.answered[1].number, 9) << protocol;
    EXPECT_EQ(report.answered[1].status, ProbeStatus::Collision) << protocol;
    EXPECT_EQ(report.answered[2].status, ProbeStatus::Found) << protocol;
    EXPECT_EQ(report.answered[2].number, 12) << protocol;
    EXPECT_TRUE(rig.observer.log.join('\n').contains(QStringLiteral("№ 9: ответили сразу несколько приборов"))) << protocol;
  }
}

TEST(NetworkScan, ADeviceAnsweringGarbledRepliesIsListedAsSuch) {
  ScanRig rig;
  rig.addDevice(2, 2, Fresh(), 0x0002).faults().add(sim::Fault{sim::FaultKind::BadChecksum});
  rig.addDevice(5, 3, Fresh(), 0x0005);

  const ScanReport report = rig.scan({1, 6});

  ASSERT_EQ(report.answered.size(), 2u);
  EXPECT_EQ(report.answered[0].status, ProbeStatus::BadReply);
  EXPECT_EQ(report.answered[0].result, 4);
  EXPECT_EQ(ProbeText(report.answered[0]), QStringLiteral("№ 2: ответ не разобран: Несовпадение контрольной суммы приема"));
  EXPECT_EQ(report.answered[1].status, ProbeStatus::Found);
}

TEST(NetworkScan, AnEmptyLineIsAnEmptyList) {
  ScanRig rig;
  const ScanReport report = rig.scan({1, 8});
  EXPECT_TRUE(report.complete({1, 8}));
  EXPECT_TRUE(report.answered.empty());
  EXPECT_EQ(rig.probes.results.size(), 8u);
}

TEST(NetworkScan, StopEndsTheScanAfterTheNumberUnderWay) {
  ScanRig rig;
  AddSite(rig);
  rig.observer.onPump = [&] {
    if (rig.probes.tried.size() == 5) rig.observer.stop = true;
  };

  const ScanReport report = rig.scan({1, 32});

  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(report.tried, 5);
  EXPECT_EQ(rig.probes.tried.size(), 5);
  ASSERT_EQ(report.devices().size(), 1u);
  EXPECT_EQ(report.devices()[0].number, 3);
}

TEST(NetworkScan, APortThatCannotBeOpenedEndsItWithTheMessage) {
  ScanRig rig;
  rig.line.setMissingPort(true);
  const ScanReport report = rig.scan({1, 32});
  EXPECT_TRUE(report.portFailed);
  EXPECT_EQ(report.tried, 0);
  ASSERT_EQ(rig.presenter.shown().size(), 1u);
  EXPECT_TRUE(rig.presenter.shown()[0].text.startsWith(QStringLiteral("Неверный номер СОМ-порта ")));
}

}  // namespace
}  // namespace nastrum::test
