// The plant `orvik-sim --demo` starts with is what a newcomer reads first: it
// must be a configuration the check accepts as it is.
#include <gtest/gtest.h>

#include "check/check_rules.h"
#include "descriptors/name_rule.h"
#include "sim/demo_image.h"

namespace nastrum::testing {
namespace {

TEST(DemoPlant, PassesEveryRuleAndIsLeftAsItWas) {
  SettingsImage image = sim::demoPlantImage();
  const SettingsImage before = image;

  const CheckResult result = evaluateRules(image, true);

  for (const CheckError& e : result.errors) ADD_FAILURE() << e.text.toStdString();
  EXPECT_TRUE(result.clean());
  EXPECT_EQ(image.sys(sys::SpecialFunctions), before.sys(sys::SpecialFunctions));
  EXPECT_EQ(image.hourArcDesc, before.hourArcDesc);
  EXPECT_EQ(image.dayArcDesc, before.dayArcDesc);
}

TEST(DemoPlant, UsesEveryArchiveFamilyAndNamesWhatItUses) {
  const SettingsImage image = sim::demoPlantImage();
  for (const auto* first : {&image.hourArcDesc[0], &image.dayArcDesc[0], &image.monthArcDesc[0], &image.intervalArcDesc[0]})
    EXPECT_NE(*first, 0);
  EXPECT_NE(image.eventType[0], 0);
  for (std::size_t p = 0; p < 5; ++p) EXPECT_FALSE(image.names.pipelineNames[p].isEmpty()) << p;
  EXPECT_FALSE(image.names.hourArcNames[0].isEmpty());
}

TEST(DemoPlant, EveryNameIsOneTheEditorWouldTake) {
  const NamesRegion& names = sim::demoPlantImage().names;
  auto expectAcceptable = [](const auto& family) {
    for (const NameSlot& slot : family) {
      const QString text = nameText(slot);
      EXPECT_TRUE(isNameAcceptable(text)) << text.toStdString();
    }
  };
  expectAcceptable(names.sensorNames);
  expectAcceptable(names.pipelineNames);
  expectAcceptable(names.hourArcNames);
  expectAcceptable(names.dayArcNames);
  expectAcceptable(names.monthArcNames);
  expectAcceptable(names.intervalArcNames);
}

}  // namespace
}  // namespace nastrum::testing
