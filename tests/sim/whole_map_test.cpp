// Every settings parameter of every kind through the program's link: read
// back as filled, then written from another image and exported as written.
#include <gtest/gtest.h>

#include "model/settings_record.h"
#include "populated_image.h"
#include "sim/param_map.h"
#include "sim_rig.h"

namespace nastrum::test {
namespace {

class WholeMap : public ::testing::TestWithParam<int> {};

TEST_P(WholeMap, EveryParameterReadsAndWritesThroughTheLink) {
  const int kind = GetParam();
  SimRig rig;
  sim::DeviceConfig config;
  config.modelCode = kind;
  const SettingsImage filled = freshImage(kind);
  rig.addDevice(config, filled);
  rig.open();
  DeviceCommands cmd(rig.link, rig.params(LinkProtocol::Traditional));

  const auto params = sim::settingsParams(kind);
  for (const sim::ParamBinding& p : params) {
    QByteArray bytes;
    ASSERT_EQ(cmd.ReadParam(ParamAddress::fromWord(p.key), p.size, bytes), ResultCode::Ok) << std::hex << p.key;
    ASSERT_EQ(bytes, p.encode(filled)) << std::hex << p.key;
  }

  const SettingsImage wanted = populated(kind);
  enterReprogramming(cmd);
  for (const sim::ParamBinding& p : params)
    ASSERT_EQ(cmd.WriteParam(ParamAddress::fromWord(p.key), p.encode(wanted).left(p.writeSize)), ResultCode::Ok)
        << std::hex << p.key;
  if (kind == 1) {
    const QByteArray modem(reinterpret_cast<const char*>(wanted.modemInitMain.data()), 128);
    ASSERT_EQ(cmd.WriteMemory(0x2F00, modem), ResultCode::Ok);
  }

  SettingsImage out = rig.device().exportImage();
  SettingsImage expected = filled;
  // Only what the write run sends changes: compare the fields of the map.
  for (const sim::ParamBinding& p : params) p.decode(expected, p.encode(wanted));
  expected.modemInitMain = wanted.modemInitMain;
  for (int i : {sys::TimeHHMM, sys::DateDDMM, sys::DateYear, sys::DevicePassword, sys::PasswordPresent})
    expected.sys(i) = out.sys(i);
  if (kind == 3) expected.names.desktopParams = out.names.desktopParams;
  EXPECT_EQ(encodeSettingsRecord(out), encodeSettingsRecord(expected));
  EXPECT_EQ(out.sensors[kind == 1 ? 15 : 63].monthFactor, wanted.sensors[kind == 1 ? 15 : 63].monthFactor);
}

INSTANTIATE_TEST_SUITE_P(Kinds, WholeMap, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace nastrum::test
