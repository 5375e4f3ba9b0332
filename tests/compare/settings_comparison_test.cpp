// The comparison in the words of the pages: one known difference on every
// page of populated images, the filters, and a pair of different kinds.
#include <functional>

#include <gtest/gtest.h>

#include "compare/settings_comparison.h"
#include "descriptors/logic_words.h"
#include "model/cp1251.h"
#include "model/device_text.h"
#include "sim/demo_image.h"

namespace nastrum {
namespace {

void setName(NameSlot& slot, const char* text) { slot.setBytes(toCp1251(QString::fromUtf8(text))); }

// The configured demonstration plant (kind 2), or the same plant on the large model.
SettingsImage plant(Word kind) {
  SettingsImage image = sim::demoPlantImage();
  image.deviceKind = kind;
  return image;
}

struct Case {
  const char* name;
  Word kind;
  std::function<void(SettingsImage&)> edit;
  const char* page;
  const char* object;
  const char* caption;
  const char* thisShown;
  const char* otherShown;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class OneDifference : public ::testing::TestWithParam<Case> {};

TEST_P(OneDifference, IsListedInThePagesWords) {
  const Case& c = GetParam();
  const SettingsImage self = plant(c.kind);
  SettingsImage other = self;
  c.edit(other);
  const Comparison comparison = compareSettings(self, QStringLiteral("a.bfm"), other, QStringLiteral("b.bfm"));
  ASSERT_FALSE(comparison.rows.empty());
  EXPECT_EQ(comparison.differences, static_cast<int>(comparison.rows.size()));
  const CompareRow& row = comparison.rows.front();
  EXPECT_TRUE(row.differs);
  EXPECT_EQ(comparePageCaption(row.place.page), QString::fromUtf8(c.page));
  EXPECT_EQ(row.place.objectText, QString::fromUtf8(c.object));
  EXPECT_EQ(row.title(), QString::fromUtf8(c.caption));
  EXPECT_EQ(row.thisShown, QString::fromUtf8(c.thisShown));
  EXPECT_EQ(row.otherShown, QString::fromUtf8(c.otherShown));
  EXPECT_NE(row.thisRaw, row.otherRaw);
}

const Case kCases[] = {
    {"SensorReal", 2, [](SettingsImage& im) { im.sensors[1].maxValue = 120; },
     "Датчики", "датчик 1", "Максимальное значение", "150.000", "120.000"},
    {"SensorKind", 2, [](SettingsImage& im) { im.sensors[6].mainDescriptor = 0x9400; },
     "Датчики", "датчик 6", "Описатель датчика основной", "аналоговый, давление", "аналоговый, температура"},
    {"TablePoint", 2, [](SettingsImage& im) { im.tableFunctions[2][4] = 2.5; },
     "Датчики", "таблица 2", "Точка 5", "0", "2.500000"},
    {"PipelineMedium", 2, [](SettingsImage& im) { im.pipelines[0].mainDescriptor = 0x4200; },
     "Трубопроводы", "трубопровод 0", "Основной описатель трубопровода", "вода", "газ природный"},
    {"PipelineReal", 2, [](SettingsImage& im) { im.pipelines[3].pipeDiameter = 65; },
     "Трубопроводы", "трубопровод 3", "Диаметр трубопровода", "50.0000", "65.0000"},
    {"ArchiveState", 2, [](SettingsImage& im) { im.hourArcDesc[0] = 0x0000; },
     "Архивы", "часовой архив 0", "Основной описатель архива", "головной, измеренного датчиком значения",
     "не работает"},
    {"ArchiveComponent", 2, [](SettingsImage& im) { im.dayArcNeg[1] = 0x0003; },
     "Архивы", "суточный архив 1", "Отрицательная составляющая", "0000", "0003"},
    {"Event", 2, [](SettingsImage& im) { im.eventParam[0] = 0x0105; },
     "Архивы", "событие 0", "Параметр/адрес события", "0100", "0105"},
    {"ChannelSpeed", 2, [](SettingsImage& im) { im.sys(sys::MainChannelBaud) = 0x1920; },
     "Системные параметры", "", "Базовая скорость обмена по основ. каналу", "9600", "19200"},
    {"DefaultValue", 2, [](SettingsImage& im) { im.defaultValues.atmPressure = 740; },
     "Системные параметры", "", "Атмосферное давление", "735.000", "740.000"},
    {"Generator", 2, [](SettingsImage& im) { im.currentGenerators[1].scaleEnd = 20; },
     "Системные параметры", "генератор тока 1", "Конец шкалы", "0", "20.0000"},
    {"ModemText", 2, [](SettingsImage& im) { im.modemInitMain = EditToDeviceText(QStringLiteral("ATM0")); },
     "Системные параметры", "", "Строка инициализации Hayes - модема:", "ATZ", "ATM0"},
    {"LogicFlag", 2, [](SettingsImage& im) { im.logicLaw[5] = 0x0100; },
     "Регуляторы", "логический признак 5", "Закон и выход", "0000", "0100"},
    {"SensorName", 2, [](SettingsImage& im) { setName(im.names.sensorNames[2], "Т верх"); },
     "Имена", "датчик 2", "Имя датчика:", "Т подачи 2", "Т верх"},
    {"ArchiveName", 2, [](SettingsImage& im) { setName(im.names.dayArcNames[1], "Тепло"); },
     "Имена", "суточный архив 1", "Имя суточного архива:", "Тепло подачи СО2", "Тепло"},
    {"Clock", 2, [](SettingsImage& im) { im.sys(sys::TimeHHMM) = 1230; },
     "Время", "", "Время ОРВИК:", "1", "1230"},
    {"Unshown", 2, [](SettingsImage& im) { im.sensors[3].number = 9; },
     "Поля без страницы", "", "Sensors[3].Number", "4", "9"},
    {"Regulator", 3,
     [](SettingsImage& im) {
       const auto [high, low] = deviceRealWords(12.5);
       im.logicT1[0] = high;
       im.logicT2[0] = low;
     },
     "Регуляторы", "регулятор 0", "Константа регулятора", "0", "12.50000"},
    {"DesktopEntry", 3, [](SettingsImage& im) { im.names.desktopParams[1] = 5; },
     "Рабочий стол", "параметр 1", "Тип параметра:", "1", "5"},
    {"DesktopName", 3, [](SettingsImage& im) { setName(im.names.desktopNames[0], "Тепло"); },
     "Имена", "параметр 0", "Имя параметра:", "", "Тепло"},
    {"SecondModemText", 3, [](SettingsImage& im) { im.modemInitAux = EditToDeviceText(QStringLiteral("AT&F")); },
     "Системные параметры", "", "Строка инициализации Hayes - модема (дополнительный канал):", "", "AT&F"},
};

INSTANTIATE_TEST_SUITE_P(EveryPage, OneDifference, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Comparison, EqualImagesHaveNoRowsUnlessAllAreAskedFor) {
  const SettingsImage image = plant(2);
  const Comparison same = compareSettings(image, QStringLiteral("a"), image, QStringLiteral("b"));
  EXPECT_TRUE(same.equal());
  EXPECT_TRUE(same.rows.empty());

  CompareOptions all;
  all.onlyDifferences = false;
  const Comparison listed = compareSettings(image, QStringLiteral("a"), image, QStringLiteral("b"), all);
  EXPECT_TRUE(listed.equal());
  EXPECT_GT(listed.rows.size(), 3000u);
  // Grouped by page, in the order the pages are listed.
  EXPECT_TRUE(std::is_sorted(listed.rows.begin(), listed.rows.end(), [](const CompareRow& a, const CompareRow& b) {
    return a.place.page < b.place.page;
  }));
}

TEST(Comparison, WithoutClockLeavesOutTheClockAndTheProgramsMarks) {
  const SettingsImage self = plant(2);
  SettingsImage other = self;
  other.sys(sys::TimeHHMM) = 1230;
  other.sys(sys::DateYear) = 2024;
  other.sys(sys::CheckErrorsMark) = 1;
  other.sys(sys::PrivilegedMark) = 1;
  EXPECT_EQ(compareSettings(self, {}, other, {}).differences, 4);
  CompareOptions noClock;
  noClock.withoutClock = true;
  EXPECT_TRUE(compareSettings(self, {}, other, {}, noClock).equal());

  other.sys(sys::ClockCorrection) = 5;  // a setting of the clock, not the clock
  EXPECT_EQ(compareSettings(self, {}, other, {}, noClock).differences, 1);
}

TEST(Comparison, ScopeComparesOnlyTheFieldsGiven) {
  const SettingsImage self = plant(2);
  SettingsImage other = self;
  other.sensors[0].const1 = 101;
  setName(other.names.sensorNames[0], "Другое");
  const Comparison full = compareSettings(self, {}, other, {});
  ASSERT_EQ(full.differences, 2);
  CompareOptions scoped;
  scoped.scope.assign(4000, true);
  scoped.scope[static_cast<std::size_t>(full.rows.back().position)] = false;  // the name
  const Comparison part = compareSettings(self, {}, other, {}, scoped);
  ASSERT_EQ(part.differences, 1);
  EXPECT_EQ(part.rows.front().path, QStringLiteral("Sensors[0].Const1"));
}

TEST(Comparison, AgainstADeviceRealsCountInTheDevicesPrecision) {
  const SettingsImage self = plant(2);  // sensor 6 holds 1.6, which the device's real rounds
  SettingsImage read = self;
  read.sensors[6].const1 = 1.5999999046325684;  // 1.6 after the device's four-byte real
  read.sensors[6].maxValue = 1.7;
  CompareOptions device;
  device.realsAsTheDeviceKeepsThem = true;
  const Comparison c = compareSettings(self, {}, read, {}, device);
  ASSERT_EQ(c.differences, 1);
  EXPECT_EQ(c.rows.front().path, QStringLiteral("Sensors[6].MaxValue"));
  EXPECT_EQ(compareSettings(self, {}, read, {}).differences, 2) << "two files compare exactly";
}

TEST(Comparison, OtherKindComparesTheCommonPartAndSaysSo) {
  const SettingsImage self = plant(2);
  SettingsImage other = plant(1);
  other.sensors[40].maxValue = 99;  // kind 1 has 16 sensors: not compared
  other.sensors[2].maxValue = 99;   // both kinds have sensor 2
  const Comparison c = compareSettings(self, QStringLiteral("a"), other, QStringLiteral("b"));
  EXPECT_TRUE(c.kindsDiffer());
  EXPECT_EQ(c.kindNote(),
            QStringLiteral("Типы приборов различаются: ОРВИК расширяемый и ОРВИК минимальный; сравнены только общие части."));
  ASSERT_GE(c.rows.size(), 2u);
  EXPECT_EQ(c.rows[0].title(), QStringLiteral("Тип прибора"));
  EXPECT_EQ(c.rows[0].thisShown, QStringLiteral("ОРВИК расширяемый"));
  EXPECT_EQ(c.rows[0].otherShown, QStringLiteral("ОРВИК минимальный"));
  bool sawSensor2 = false;
  for (const CompareRow& r : c.rows) {
    EXPECT_NE(r.path, QStringLiteral("Sensors[40].MaxValue"));
    sawSensor2 |= r.path == QStringLiteral("Sensors[2].MaxValue");
  }
  EXPECT_TRUE(sawSensor2);

  // A damaged kind word neither crashes nor hides the difference.
  other.deviceKind = 7;
  const Comparison damaged = compareSettings(self, QStringLiteral("a"), other, QStringLiteral("b"));
  EXPECT_TRUE(damaged.kindsDiffer());
  EXPECT_FALSE(damaged.equal());
  EXPECT_EQ(damaged.rows.front().otherShown, QStringLiteral("7"));
}

TEST(Comparison, RowsKnowWhereSetupEditsThem) {
  const SettingsImage self = plant(2);
  SettingsImage other = self;
  other.sensors[1].maxValue = 120;
  other.hourArcDesc[3] = 0;
  other.pipelines[2].tempSensors = 0x0040;
  const Comparison c = compareSettings(self, {}, other, {});
  ASSERT_EQ(c.rows.size(), 3u);
  ASSERT_TRUE(c.rows[0].place.setup);
  EXPECT_EQ(*c.rows[0].place.setup,
            (SetupPlace{EditorPage::Sensors, PipelinePage::Description, QStringLiteral("sensorNumber"), 1,
                        QStringLiteral("maxEdit")}));
  ASSERT_TRUE(c.rows[1].place.setup);
  EXPECT_EQ(*c.rows[1].place.setup,
            (SetupPlace{EditorPage::Pipelines, PipelinePage::ConnectedSensors, QStringLiteral("pipeNumber2"), 2,
                        QStringLiteral("temperatureSource")}));
  ASSERT_TRUE(c.rows[2].place.setup);
  EXPECT_EQ(*c.rows[2].place.setup,
            (SetupPlace{EditorPage::Archives, PipelinePage::Description, QStringLiteral("hourNumber"), 3,
                        QStringLiteral("hourState")}));
}

}  // namespace
}  // namespace nastrum
