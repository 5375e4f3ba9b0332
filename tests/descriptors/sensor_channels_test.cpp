#include <gtest/gtest.h>

#include <set>

#include "descriptors/sensor_channels.h"

namespace nastrum {
namespace {

QStringList moduleNames(const std::vector<ChannelModule>& modules) {
  QStringList out;
  for (const auto& m : modules) out << m.name;
  return out;
}

TEST(SensorChannels, ModuleListsPerKind) {
  EXPECT_EQ(moduleNames(channelModules(1, SensorFamily::Analog)), (QStringList{"МИ1", "МИ2"}));
  EXPECT_EQ(moduleNames(channelModules(2, SensorFamily::Analog)),
            (QStringList{"МИ1", "МИ2", "МКН1", "МКН2", "МКН3", "МКН4", "МКН5", "МКН6", "МКН7", "МКН8"}));
  EXPECT_EQ(moduleNames(channelModules(3, SensorFamily::Analog)),
            (QStringList{"МИ", "МКН1", "МКН2", "МКН3", "МКН4", "МКН5", "МКН6", "МКН7"}));
  EXPECT_EQ(moduleNames(channelModules(1, SensorFamily::PulseMchv)), QStringList{"МЧВ1"});
  EXPECT_EQ(moduleNames(channelModules(2, SensorFamily::PulseMvv)),
            (QStringList{"МВВ1", "МВВ2", "МЧВ1", "МЧВ2", "МЧВ3", "МЧВ4"}));
  EXPECT_EQ(moduleNames(channelModules(3, SensorFamily::PulseMchv)),
            (QStringList{"МЧВ0", "МЧВ1", "МЧВ2 - 4х", "МЧВ2 - 8х", "МЧВ3"}));
  EXPECT_EQ(moduleNames(channelModules(1, SensorFamily::Frequency)), QStringList{"МЧВ1"});
  EXPECT_EQ(channelModules(3, SensorFamily::Analog)[0].pairs.at(4), QStringLiteral("+9    -10"));
  EXPECT_EQ(channelModules(3, SensorFamily::PulseMchv)[0].pairs.at(0), QStringLiteral("+10    -9"));
  EXPECT_EQ(channelModules(2, SensorFamily::Analog)[1].pairs.size(), 3);  // "МИ2" has no fourth pair
}

TEST(SensorChannels, CodesFromTheTables) {
  struct Case {
    int kind;
    SensorFamily family;
    const char* module;
    const char* pair;
    bool filtered;
    int code;
  } cases[] = {
      {2, SensorFamily::Analog, "МКН1", "+1    -2", false, 0x08},
      {2, SensorFamily::Analog, "МКН8", "+11  -12", false, 0x37},
      {3, SensorFamily::Analog, "МКН7", "+15  -16", false, 0x3F},
      {2, SensorFamily::PulseMchv, "МЧВ1", "+7    -8", false, 0x02},
      {2, SensorFamily::PulseMchv, "МЧВ1", "+7    -8", true, 0x82},
      {2, SensorFamily::PulseMchv, "МЧВ3", "+9    -10", true, 0x23},  // no filtering there
      {2, SensorFamily::PulseMvv, "МВВ2", "+10  -11", false, 0x0F},
      {3, SensorFamily::PulseMchv, "МЧВ2 - 8х", "+12  -11", true, 0xB1},
      {3, SensorFamily::Frequency, "МЧВ1", "+4     -3", true, 0x11},  // never 91
  };
  for (const auto& c : cases)
    EXPECT_EQ(channelCode(c.kind, c.family, QString::fromUtf8(c.module), QString::fromUtf8(c.pair), c.filtered),
              c.code)
        << c.module << " " << c.pair;
  EXPECT_FALSE(channelCode(2, SensorFamily::Analog, QStringLiteral("МИ2"), QStringLiteral("+9    -10"), false));
}

// Every offered module and pair makes a code that shows that module and pair
// again, except the codes two kind-3 modules share.
TEST(SensorChannels, EveryChoiceDecodesBack) {
  for (int kind = 1; kind <= 3; ++kind) {
    for (SensorFamily family : {SensorFamily::Analog, SensorFamily::PulseMchv, SensorFamily::Frequency}) {
      for (const auto& m : channelModules(kind, family)) {
        for (bool filtered : {false, true}) {
          if (filtered && !m.filterable) continue;
          for (const QString& pair : m.pairs) {
            const auto code = channelCode(kind, family, m.name, pair, filtered);
            ASSERT_TRUE(code);
            const SensorFamily stored = m.pulseD1 == 0xA ? SensorFamily::PulseMvv : family;
            ASSERT_TRUE(isValidChannel(kind, stored, *code)) << kind << " " << m.name.toStdString();
            const auto place = decodeChannel(kind, stored, *code);
            ASSERT_TRUE(place);
            EXPECT_EQ(place->filtered, filtered);
            EXPECT_EQ(channelCode(kind, family, place->module, place->pair, filtered), *code);
            if (kind == 3 && m.name == QStringLiteral("МЧВ2 - 8х")) {
              // Shared codes show the single-purpose module.
              EXPECT_EQ(place->module, *code & 0x10 ? QStringLiteral("МЧВ3") : QStringLiteral("МЧВ2 - 4х"));
            } else {
              EXPECT_EQ(place->module, m.name);
              EXPECT_EQ(place->pair, pair);
            }
          }
        }
      }
    }
  }
}

int validCount(int kind, SensorFamily family) {
  int n = 0;
  for (int code = 0; code <= 0xFF; ++code) n += isValidChannel(kind, family, code) ? 1 : 0;
  return n;
}

TEST(SensorChannels, ValidCodeRanges) {
  EXPECT_EQ(validCount(1, SensorFamily::Analog), 7);
  EXPECT_EQ(validCount(2, SensorFamily::Analog), 55);  // 0..0x37 without 07
  EXPECT_FALSE(isValidChannel(2, SensorFamily::Analog, 0x07));
  EXPECT_TRUE(isValidChannel(2, SensorFamily::Analog, 0x37));
  EXPECT_EQ(validCount(3, SensorFamily::Analog), 64);
  EXPECT_EQ(validCount(1, SensorFamily::PulseMchv), 8);
  EXPECT_EQ(validCount(2, SensorFamily::PulseMchv), 20);
  EXPECT_EQ(validCount(3, SensorFamily::PulseMchv), 32);
  EXPECT_EQ(validCount(1, SensorFamily::Frequency), 4);
  EXPECT_EQ(validCount(3, SensorFamily::Frequency), 16);
  EXPECT_EQ(validCount(2, SensorFamily::PulseMvv), 16);
  EXPECT_FALSE(decodeChannel(2, SensorFamily::Analog, 0x07));
  const auto shared = decodeChannel(3, SensorFamily::PulseMchv, 0x31);
  ASSERT_TRUE(shared);
  EXPECT_EQ(*shared, (ChannelPlace{QStringLiteral("МЧВ3"), QStringLiteral("+4     -3"), false}));
}

TEST(SensorChannels, RangeTexts) {
  EXPECT_EQ(channelRangeText(2, SensorFamily::PulseMchv, {QStringLiteral("МЧВ1"), {}, true}),
            QStringLiteral("Входная частота от 0 до 70 Гц"));
  EXPECT_EQ(channelRangeText(2, SensorFamily::PulseMchv, {QStringLiteral("МЧВ1"), {}, false}),
            QStringLiteral("Входная частота от 0 до 1000 Гц"));
  EXPECT_EQ(channelRangeText(2, SensorFamily::Frequency, {QStringLiteral("МЧВ4"), {}, false}),
            QStringLiteral("Входная частота от 0 до 10 кГц"));
  EXPECT_EQ(channelRangeText(3, SensorFamily::PulseMchv, {QStringLiteral("МЧВ0"), {}, false}),
            QStringLiteral("Входная частота от 0 до 5000 Гц"));
  EXPECT_EQ(channelRangeText(2, SensorFamily::PulseMvv, {QStringLiteral("МВВ2"), {}, false}),
            QStringLiteral("Входная частота от 0 до 70 Гц"));
}

TEST(SensorCutoff, ModulesDefaultsAndRoundTrip) {
  EXPECT_EQ(moduleNames(cutoffModules(1)), QStringList{"МЧВ"});
  EXPECT_EQ(cutoffModules(1)[0].pairs.last(), QStringLiteral("+9   -10"));
  QStringList large{"МЧВ1", "МЧВ2 - 4х", "МЧВ2 - 8х", "МЧВ3"};
  for (int k = 3; k <= 8; ++k) large << QStringLiteral("МДВ%1").arg(k);
  for (int k = 1; k <= 16; ++k) large << QStringLiteral("МУ%1").arg(k);
  EXPECT_EQ(moduleNames(cutoffModules(3)), large);
  EXPECT_EQ(defaultCutoffCode(1), 0x00);
  EXPECT_EQ(defaultCutoffCode(2), 0x00);
  EXPECT_EQ(defaultCutoffCode(3), 0x04);
  EXPECT_EQ(cutoffCode(2, QStringLiteral("МВВ8"), QStringLiteral("+10  -11")), 0x3F);
  EXPECT_EQ(cutoffCode(3, QStringLiteral("МУ16"), QStringLiteral("+11   -15")), 0x7F);
  EXPECT_EQ(cutoffCode(3, QStringLiteral("МДВ3"), QStringLiteral("+2     -1")), 0x10);
  EXPECT_EQ(decodeCutoff(3, 0x02)->module, QStringLiteral("МИ"));
  EXPECT_FALSE(decodeCutoff(3, kNoCutoff));
  EXPECT_TRUE(isValidCutoff(1, kNoCutoff));
  EXPECT_FALSE(isValidCutoff(1, 0x04));
  for (int kind = 1; kind <= 3; ++kind) {
    std::set<int> seen;
    for (const auto& m : cutoffModules(kind))
      for (const QString& pair : m.pairs) {
        const int code = *cutoffCode(kind, m.name, pair);
        const auto place = decodeCutoff(kind, code);
        ASSERT_TRUE(place);
        if (m.name != QStringLiteral("МЧВ2 - 8х")) {
          EXPECT_EQ(*place, (ChannelPlace{m.name, pair, false}));
        }
        EXPECT_EQ(cutoffCode(kind, place->module, place->pair), code);
        seen.insert(code);
      }
    EXPECT_EQ(static_cast<int>(seen.size()), kind == 1 ? 4 : kind == 2 ? 64 : 124);
  }
}

}  // namespace
}  // namespace nastrum
