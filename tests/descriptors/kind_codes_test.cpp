#include <gtest/gtest.h>

#include <algorithm>

#include "descriptors/kind_codes.h"
#include "descriptors/sensor_channels.h"

using namespace nastrum;

namespace {

constexpr SensorFamily kWiredFamilies[] = {SensorFamily::Analog, SensorFamily::PulseMvv, SensorFamily::PulseMchv,
                                           SensorFamily::Frequency};

}  // namespace

// What the page offers, the device accepts: every module and pair of a kind's
// row makes a valid code that decodes to a place with the same pair, with and
// without bounce filtering where the module filters. The pulse families share
// one list; the module's D1 decides which family the sensor becomes.
int sharers(const std::vector<ChannelModule>& modules, int code) {
  int n = 0;
  for (const ChannelModule& m : modules)
    n += static_cast<int>(std::count(m.codes.begin(), m.codes.end(), code));
  return n;
}

SensorFamily familyOf(Word kind, const ChannelModule& m, SensorFamily offeredFor) {
  if (!isPulseFamily(offeredFor)) return offeredFor;
  const int d1 = m.pulseD1 != 0 ? m.pulseD1 : kindCodes(kind).pulseFamilyDigit;
  return sensorFamily(static_cast<Word>(d1 << 12), kind);
}

TEST(KindCodes, EveryOfferedPairMakesAValidCodeThatDecodes) {
  for (DeviceKind kind : kDeviceKinds) {
    const Word k = toWord(kind);
    for (SensorFamily family : kWiredFamilies) {
      for (const ChannelModule& m : channelModules(k, family)) {
        const SensorFamily written = familyOf(k, m, family);
        for (const QString& pair : m.pairs) {
          for (bool filtered : {false, true}) {
            const auto code = channelCode(k, family, m.name, pair, filtered);
            ASSERT_TRUE(code) << k << " " << m.name.toStdString();
            EXPECT_TRUE(isValidChannel(k, written, *code)) << k << " " << m.name.toStdString() << " " << *code;
            const auto place = decodeChannel(k, written, *code);
            ASSERT_TRUE(place) << k << " " << *code;
            // A code two kind-3 modules share shows the single-purpose one.
            if (sharers(channelModules(k, family), *code & 0x7F) == 1) {
              EXPECT_EQ(place->pair, pair) << k << " " << *code;
            }
            EXPECT_EQ(place->filtered, filtered && m.filterable) << k << " " << *code;
          }
        }
      }
    }
    for (const ChannelModule& m : cutoffModules(k))
      for (const QString& pair : m.pairs) {
        const auto code = cutoffCode(k, m.name, pair);
        ASSERT_TRUE(code);
        EXPECT_TRUE(isValidCutoff(k, *code)) << k << " " << *code;
        EXPECT_TRUE(decodeCutoff(k, *code)) << k << " " << *code;
      }
  }
}

// The analog channels each kind wires, as the device counts them: the check's
// rule and the page read this one set.
TEST(KindCodes, AnalogChannelsPerKind) {
  struct Case {
    Word kind;
    int code;
    bool valid;
  };
  const Case cases[] = {
      {1, 0, true},  {1, 6, true},   {1, 7, false},  {2, 6, true},    {2, 7, false},  {2, 8, true},
      {2, 55, true}, {2, 56, false}, {3, 7, true},   {3, 63, true},   {3, 64, false}, {2, -1, false},
      {0, 55, true},  // a damaged kind word reads as the expandable model
  };
  for (const Case& c : cases)
    EXPECT_EQ(isValidChannel(c.kind, SensorFamily::Analog, c.code), c.valid) << c.kind << " " << c.code;
}

TEST(KindCodes, NewSensorDefaultsFollowTheKind) {
  EXPECT_EQ(defaultMainDescriptor(ChoosePulse, 1), 0xB350);
  EXPECT_EQ(defaultMainDescriptor(ChoosePulse, 2), 0xA350);
  EXPECT_EQ(defaultMainDescriptor(ChoosePulse, 3), 0xB350);
  EXPECT_EQ(defaultAuxDescriptor(ChooseConditional, 2), 0x1000);
  EXPECT_EQ(defaultAuxDescriptor(ChooseConditional, 3), 0);
  EXPECT_EQ(defaultMainDescriptor(ChooseAnalog, 3), 0x9101);
  EXPECT_EQ(defaultMainDescriptor(7, 2), 0);  // no such choice
  EXPECT_EQ(defaultMainDescriptor(-1, 2), 0);
}
