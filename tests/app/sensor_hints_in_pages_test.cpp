// Every picker that names a sensor by number tells, as the item's tooltip,
// which sensor that is: its name and what it measures. The items keep their
// numbers.
#include <QComboBox>
#include <QSpinBox>

#include "app_rig.h"
#include "descriptors/archive_words.h"
#include "descriptors/name_rule.h"

namespace nastrum {
namespace {

constexpr int kSupply = 3;   // a named resistance thermometer
constexpr int kBattery = 2;  // a named battery voltage sensor

// A kind-3 image in which each picker shows sensor 3 (or the battery sensor).
void describePlant(SettingsImage& image) {
  auto sensor = [&image](int n, Word main, const char* name) {
    image.sensors[static_cast<std::size_t>(n)].mainDescriptor = main;
    image.sensors[static_cast<std::size_t>(n)].auxDescriptor = 0x0080;
    image.sensors[static_cast<std::size_t>(n)].monthFactor = 1.0;
    storeName(image.names.sensorNames[static_cast<std::size_t>(n)], QString::fromUtf8(name));
  };
  sensor(kSupply, 0x9400, "Т подачи");
  sensor(kBattery, 0x9000, "Аккумулятор");
  sensor(5, 0x9440, "Термопара");  // the cold junction list offers sensor 3
  image.sensors[5].const2 = kSupply;
  sensor(6, 0xB350, "");           // no name: the hint is the family alone

  setArchiveWords(image, ArchiveFamily::Hourly, 0, {0x0100 | kSupply, 0, 0});
  setArchiveWords(image, ArchiveFamily::Daily, 0, {0x0180, kSupply, 6});

  PipelineRecord& pipe = image.pipelines[0];
  pipe.mainDescriptor = 0x1200;
  pipe.flowSensors = 0x0640;
  pipe.tempSensors = (kSupply << 8) | 0x40;
  pipe.pressureSensors = 0x4040;
  pipe.bigPipeRef = 0x0040;
  pipe.cutoffSource = 0x8040;
  pipe.monthFactor = 1.0;

  image.sys(sys::BatteryControl) = kBattery << 8;  // output 0
  storeName(image.names.desktopNames[0], QStringLiteral("T1"));
  image.names.desktopParams[0] = (kSupply << 8) | 0x10;  // "ИЗМЕРЕНИЕ", sensor 3
}

TEST(SensorHintsInPages, EveryPickerThatNamesASensorByNumberHintsAtIt) {
  AppRig rig;
  rig.action("newAction")->trigger();
  rig.form.flows().ChooseNewKind(3);
  rig.form.flows().ConfirmNewKind();
  rig.form.refresh();
  describePlant(rig.ws.image);
  rig.action("nastroiki")->trigger();
  ASSERT_EQ(rig.form.flows().state().pages, PageSet::Editor);
  rig.form.findChild<QSpinBox*>(QStringLiteral("sensorNumber"))->setValue(5);  // the thermocouple

  const QString supply = QStringLiteral("Т подачи — температура");
  const struct {
    const char* picker;
    const char* item;
    QString hint;
  } cases[] = {
      {"hourSensor", "3", supply},
      {"dayX1", "3", supply},
      {"dayX2", "6", QStringLiteral("числоимпульсный")},
      {"dayX2", "нет", QString()},
      {"tempMeasure", "3", supply},
      {"flowList", "6", QStringLiteral("числоимпульсный")},
      {"coldJunctionBox", "3", supply},
      {"batterySensor", "2", QStringLiteral("Аккумулятор — напряжение аккумулятора")},
  };
  for (const auto& c : cases) {
    auto* picker = rig.form.findChild<QComboBox*>(QString::fromLatin1(c.picker));
    ASSERT_NE(picker, nullptr) << c.picker;
    const int item = picker->findText(QString::fromUtf8(c.item));
    ASSERT_GE(item, 0) << c.picker << " " << c.item;
    EXPECT_EQ(picker->itemData(item, Qt::ToolTipRole).toString(), c.hint) << c.picker << " " << c.item;
  }

  // The desktop's number box names one sensor at a time: the box itself hints.
  auto* desktopSensor = rig.form.findChild<QSpinBox*>(QStringLiteral("desktopObjectNumber"));
  ASSERT_NE(desktopSensor, nullptr);
  EXPECT_EQ(desktopSensor->value(), kSupply);
  EXPECT_EQ(desktopSensor->toolTip(), supply);
  EXPECT_TRUE(rig.boxes.shown().empty());
}

}  // namespace
}  // namespace nastrum
