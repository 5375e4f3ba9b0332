// The rule engine as a further object family uses it: its own group after
// the sensors and pipelines, silent normalisation, skipping, list findings.
#include <gtest/gtest.h>

#include "check/pipeline_rules.h"
#include "check/sensor_rules.h"
#include "check_test_image.h"
#include "rule_case.h"

namespace nastrum::testing {
namespace {

// Daily archives: a type rule that clears a bad descriptor and ends the
// archive, a rule that would flag the cleared descriptor, and a list rule.
RuleGroup dailyGroup() {
  RuleGroup g{CheckGroup::DayArchive, [](const SettingsImage&) { return 3; }, {}, {}};
  auto desc = [](const RuleContext& c) { return c.image.dayArcDesc[static_cast<std::size_t>(c.number)]; };
  g.rules.push_back({410, {}, when([=](const RuleContext& c) { return desc(c) == 0x7777; }),
                     [](const RuleContext& c, const Finding&) { return QStringLiteral("type %1").arg(c.number); }, {}, {},
                     [](SettingsImage& image, int n) {
                       image.dayArcDesc[static_cast<std::size_t>(n)] = 0;
                       return false;
                     }});
  g.rules.push_back({411, {}, when([=](const RuleContext& c) { return desc(c) == 0; }),
                     [](const RuleContext& c, const Finding&) { return QStringLiteral("empty %1").arg(c.number); }, {}, {}});
  g.rules.push_back({425, {},
                     [=](const RuleContext& c) -> std::optional<Finding> {
                       if (desc(c) != 0x0280) return std::nullopt;
                       return Finding{{2, 5}};
                     },
                     [](const RuleContext& c, const Finding& f) { return QStringLiteral("sum %1:").arg(c.number) + objectList(f.listed); },
                     {}, {}});
  return g;
}

TEST(RuleEngine, FurtherFamiliesSlotInAfterThePipelines) {
  SettingsImage image = meteredImage(2);
  image.dayArcDesc = {};
  image.dayArcDesc[0] = 0x7777;
  image.dayArcDesc[1] = 0x0280;
  image.dayArcDesc[2] = 0x0001;
  setSensor(image, 9, 0x5000);
  const std::vector<RuleGroup> groups{sensorRuleGroup(), pipelineRuleGroup(), dailyGroup()};

  const CheckResult result = evaluateRules(image, groups, false);

  EXPECT_EQ(flagsOf(result), (std::vector<Flag>{{CheckGroup::Sensor, 9, 10},
                                                {CheckGroup::DayArchive, 0, 410},
                                                {CheckGroup::DayArchive, 1, 425}}));
  EXPECT_EQ(image.dayArcDesc[0], 0);  // cleared silently, and rule 411 skipped for it
  EXPECT_EQ(result.errors[2].text, QStringLiteral("sum 1: 2, 5,"));
  EXPECT_EQ(result.errors[2].listed, (QList<int>{2, 5}));
}

}  // namespace
}  // namespace nastrum::testing
