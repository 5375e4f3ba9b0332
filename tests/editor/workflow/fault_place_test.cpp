// Every rule of the check has a place in the setup mode: the page of its
// object family, the object's number box and a control.
#include <gtest/gtest.h>

#include "check/check_rules.h"
#include "editor/workflow/fault_place.h"

namespace nastrum {
namespace {

EditorPage pageOf(CheckGroup group) {
  switch (group) {
    case CheckGroup::Sensor: return EditorPage::Sensors;
    case CheckGroup::Pipeline: return EditorPage::Pipelines;
    case CheckGroup::HourArchive:
    case CheckGroup::IntervalArchive:
    case CheckGroup::DayArchive:
    case CheckGroup::MonthArchive: return EditorPage::Archives;
    case CheckGroup::System:
    case CheckGroup::CurrentGenerator: return EditorPage::System;
    case CheckGroup::RegulatorFlag: return EditorPage::Regulators;
  }
  return EditorPage::Time;
}

TEST(FaultPlace, EveryRuleCodeOpensItsObjectOnTheFamilysPage) {
  int rules = 0;
  for (const RuleGroup& group : checkRuleGroups()) {
    for (const CheckRule& rule : group.rules) {
      SCOPED_TRACE(rule.code);
      ++rules;
      const std::optional<SetupPlace> place = faultPlace(group.group, rule.code, 5);
      ASSERT_TRUE(place.has_value());
      EXPECT_EQ(place->page, pageOf(group.group));
      EXPECT_FALSE(place->control.isEmpty());
      if (group.group == CheckGroup::System) {
        EXPECT_TRUE(place->numberBox.isEmpty()) << "the system words are one object";
      } else {
        EXPECT_FALSE(place->numberBox.isEmpty());
        EXPECT_EQ(place->object, 5);
      }
    }
  }
  EXPECT_GT(rules, 100);
}

TEST(FaultPlace, TheArchiveFamiliesShareTheirRulesControlsUnderTheirOwnNames) {
  const struct {
    CheckGroup group;
    int code;
    const char* numberBox;
    const char* control;
  } cases[] = {
      {CheckGroup::HourArchive, 212, "hourNumber", "hourSensor"},
      {CheckGroup::DayArchive, 412, "dayNumber", "daySensor"},
      {CheckGroup::MonthArchive, 527, "monthNumber", "monthMinus0"},
      {CheckGroup::IntervalArchive, 328, "intervalNumber", "intervalState"},
  };
  for (const auto& c : cases) {
    const std::optional<SetupPlace> place = faultPlace(c.group, c.code, 2);
    ASSERT_TRUE(place.has_value()) << c.code;
    EXPECT_EQ(place->numberBox, QLatin1String(c.numberBox));
    EXPECT_EQ(place->control, QLatin1String(c.control));
  }
  EXPECT_FALSE(faultPlace(CheckGroup::DayArchive, 212, 2)) << "a code of another family";
  EXPECT_FALSE(faultPlace(CheckGroup::Sensor, 99, 0));
}

TEST(FaultPlace, PipelineRulesOnTheSensorsTabOpenThatTab) {
  const std::optional<SetupPlace> sensors = faultPlace(CheckGroup::Pipeline, 115, 3);
  ASSERT_TRUE(sensors);
  EXPECT_EQ(sensors->pipelinePage, PipelinePage::ConnectedSensors);
  EXPECT_EQ(sensors->numberBox, QStringLiteral("pipeNumber2"));
  const std::optional<SetupPlace> description = faultPlace(CheckGroup::Pipeline, 137, 3);
  ASSERT_TRUE(description);
  EXPECT_EQ(description->pipelinePage, PipelinePage::Description);
  EXPECT_EQ(description->numberBox, QStringLiteral("pipeNumber"));
  EXPECT_EQ(description->control, QStringLiteral("monthFactor"));
}

}  // namespace
}  // namespace nastrum
