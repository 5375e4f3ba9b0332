#include <gtest/gtest.h>

#include "check_test_image.h"
#include "rule_case.h"

namespace nastrum::testing {
namespace {

struct TextCase {
  std::string name;
  std::function<void(SettingsImage&)> setup;  // on a metered kind-2 image
  int code;
  QString text;
};
std::ostream& operator<<(std::ostream& os, const TextCase& c) { return os << c.name; }

PipelineRecord& pipe3(SettingsImage& i) { return i.pipelines[3]; }
void water3(SettingsImage& i) { setWaterPipeline(i, 3); }

class CheckTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(CheckTexts, AreTheSystemsOwnCharacterForCharacter) {
  const TextCase& c = GetParam();
  SettingsImage image = meteredImage(2);
  c.setup(image);
  const CheckResult result = evaluateRules(image, false);
  ASSERT_EQ(result.errorCount(), 1);
  EXPECT_EQ(result.errors[0].code, c.code);
  EXPECT_EQ(result.errors[0].text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckTexts,
    ::testing::Values(
        TextCase{"Sensor10", [](SettingsImage& i) { setSensor(i, 7, 0x5000); }, 10, "Тип датчика №7"},
        TextCase{"Sensor16", [](SettingsImage& i) {
                   setSensor(i, 7, 0x1440);
                   i.sensors[7].const2 = 12;
                 }, 16, "Ссылка в арифметичсеком датчике № 7 на не существующий датчик температуры №12"},
        TextCase{"Sensor20", [](SettingsImage& i) { setSensor(i, 7, 0x2140, 0x0100); }, 20,
                 "Измеряемый параметр у датчика расхода №7. В основном описателе датчика (2140) второй разряд должен быть равен 3."},
        TextCase{"Sensor29", [](SettingsImage& i) { setSensor(i, 7, 0x1100, 0x0040); }, 29,
                 "Номер входного канала прекращающий обработку датчика №7"},
        TextCase{"Pipeline139", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).mainDescriptor = 0x3000;
                   pipe3(i).tempSensors = 0xFF40;
                   pipe3(i).pressureSensors = 0xFF40;
                 }, 139,
                 "Для трубопровода №3 типа насыщенный пар одновременно сделана ссылка на вычисление как температуры так и давления"},
        TextCase{"Pipeline144", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).mainDescriptor = 0x3000;
                 }, 144, "Для трубопровода №3 типа насыщенный пар указывается либо датчик температуры, либо датчик давления"},
        TextCase{"Pipeline141", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).densityCalorLink = 0x0008;
                 }, 141,
                 "Трубопровод №3 в параметре \"Отказы с других трубопроводов\" ссылается сам на себя. (0008 должен замениться на 0000)"},
        TextCase{"Pipeline142", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).densityCalorLink = 0x0024;
                 }, 142,
                 "Трубопровод №3 в параметре \"Отказы с других трубопроводов\" ссылается на не допустимый тип трубопровода № 2, 5,"},
        TextCase{"Pipeline143", [](SettingsImage& i) {
                   water3(i);
                   i.pipelines[0].densityCalorLink = 0x0010;
                   setWaterPipeline(i, 4);
                   pipe3(i).densityCalorLink = 0x0001;
                 }, 143,
                 "Трубопровод №3 в параметре \"Отказы с других трубопроводов\" ссылается на \"основной\" трубопровод № 0,"},
        TextCase{"Pipeline127", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).flowSensors = 0x8540;
                 }, 127,
                 "У трубопровода №3 не правильно задан расход из другого трубопровода. ( 8540 должен замениться на 0540)"},
        TextCase{"Pipeline140", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).flowSensors = 0x8007;
                 }, 140,
                 "При ссылке на расход из другой трубы у трубопровода №3 задан датчик поддиапазона. (8007 должен замениться на 8040)"},
        TextCase{"Pipeline125", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).flowSensors = 0x0007;
                 }, 125,
                 "При основном датчике расхода у трубопровода №3 задан еще и датчик поддиапазона. ( 0007 должен замениться на 0040)"},
        TextCase{"Pipeline126", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).bigPipeRef = 0x0540;
                 }, 126,
                 "При датчике расхода у трубопровода №3 имеется ссылка на \"большую трубу\". ( 0540 должен замениться на 0040)"},
        TextCase{"Pipeline124", [](SettingsImage& i) {
                   setSensor(i, 1, 0x1200);
                   water3(i);
                   pipe3(i).flowSensors = 0x0140;
                   pipe3(i).bigPipeRef = 0x0340;
                 }, 124, "У трубопровода №3 не правильная ссылка на \"большую трубу\""},
        TextCase{"Pipeline129", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).mainDescriptor = 0x1500;
                   pipe3(i).cutoffSource = 0x8009;
                 }, 129, "У трубопровода №3 датчик давления в обратном трубопроводе"},
        TextCase{"Pipeline132", [](SettingsImage& i) {
                   setGasPipeline(i, 3);
                   pipe3(i).co2Fraction = -0.5;
                 }, 132, "Константа \"Объемная мольная доля CO2 в газе\" у трубопровода №3"},
        TextCase{"Pipeline134", [](SettingsImage& i) {
                   setGasPipeline(i, 3);
                   pipe3(i).n2Fraction = 101;
                 }, 134, "Константа \"Объемная мольная доля N2 в газе\" у трубопровода №3"},
        TextCase{"Pipeline136", [](SettingsImage& i) {
                   water3(i);
                   pipe3(i).flowSensors = 0x8040;
                   pipe3(i).pipeDiameter = -0.1;
                 }, 136, "Доля расхода получаемая трубопроводом №3"},
        TextCase{"Hourly210", [](SettingsImage& i) { i.hourArcDesc[4] = 0x0350; }, 210, "Неверный тип часового архива №4"},
        TextCase{"Hourly211", [](SettingsImage& i) { i.hourArcDesc[28] = 0x8040; }, 211,
                 "Часовой архив №28 не может быть расширенным. (8040 должен замениться на 0040)"},
        TextCase{"Hourly212", [](SettingsImage& i) { i.hourArcDesc[4] = 0x0141; }, 212,
                 "У часового архива №4 неверный номер (или номер не задан) датчика"},
        TextCase{"Hourly213", [](SettingsImage& i) { i.hourArcDesc[4] = 0x0105; }, 213, "У часового архива №4 неверный номер датчика"},
        TextCase{"Hourly214", [](SettingsImage& i) {
                   i.hourArcDesc[4] = 0x0180;
                   i.hourArcPos[4] = i.hourArcNeg[4] = 0x0000;
                 }, 214, "У часового архива №4 указана разность одинаковых датчиков. (0000 должен замениться на 0040)"},
        TextCase{"Hourly215", [](SettingsImage& i) {
                   i.hourArcDesc[4] = 0x0180;
                   i.hourArcPos[4] = 0x0005;
                 }, 215, "У часового архива №4 либо не указан либо указан не существующий датчик X1"},
        TextCase{"Hourly216", [](SettingsImage& i) {
                   i.hourArcDesc[4] = 0x0180;
                   i.hourArcNeg[4] = 0x0040;
                 }, 216, "У часового архива №4 либо не указан либо указан не существующий датчик X2"},
        TextCase{"Hourly217", [](SettingsImage& i) { i.hourArcDesc[4] = 0x0800; }, 217,
                 "Не правильно задан уровень вложенности у часового архива продолжения №4"},
        TextCase{"Hourly218", [](SettingsImage& i) { i.hourArcDesc[4] = 0x1820; }, 218,
                 "Не правильно задан (или не указан) номер головного архива у часового архива №4"},
        TextCase{"Hourly219", [](SettingsImage& i) { i.hourArcDesc[4] = 0x1804; }, 219,
                 "У часового архива №4 в качестве головного не может быть указан архив продолжения"},
        TextCase{"Hourly220", [](SettingsImage& i) { i.hourArcDesc[4] = 0x1805; }, 220,
                 "У часового архива №4 в качестве головного архива указан не существующий архив. (1805 должен замениться на 9840)"},
        // The texts quote a continuation as the level renumbering left it.
        TextCase{"Hourly220QuotesTheRenumberedWord", [](SettingsImage& i) { i.hourArcDesc[4] = 0x2812; }, 220,
                 "У часового архива №4 в качестве головного архива указан не существующий архив. (1812 должен замениться на 9840)"},
        TextCase{"Hourly221", [](SettingsImage& i) {
                   i.hourArcDesc[5] = 0x8040;
                   i.hourArcDesc[4] = 0x1805;
                 }, 221, "Часовой архив №4 ссылается на расширенный часовой архив"},
        TextCase{"Hourly222", [](SettingsImage& i) {
                   i.hourArcDesc[0] = 0x0040;
                   i.hourArcDesc[4] = i.hourArcDesc[9] = i.hourArcDesc[30] = 0x1800;
                 }, 222, "Часовой архив №4 имеет одинаковый уровень продолжения с архивами продолжения № 9, 30,"},
        TextCase{"Hourly223", [](SettingsImage& i) { i.hourArcDesc[4] = 0x0210; }, 223,
                 "У часового архива №4 задан неверный номер (или номер не указан) трубопровода."},
        TextCase{"Hourly224", [](SettingsImage& i) { i.hourArcDesc[4] = 0x0403; }, 224, "У часового архива №4 задан неверный номер трубопровода"},
        TextCase{"Hourly225", [](SettingsImage& i) {
                   i.hourArcDesc[4] = 0x0280;
                   i.hourArcPos[4] = 0x0022;
                 }, 225, "У часового архива №4 неверный номер трубопровода № 1, 5, в алгебраической сумме"},
        TextCase{"Hourly226", [](SettingsImage& i) {
                   i.hourArcDesc[4] = 0x0280;
                   i.hourArcPos[4] = i.hourArcNeg[4] = 0x0001;
                 }, 226, "У часового архива №4 в алгебраичесокй сумме трубопровод № 0, указан как с плюсом так и с минусом"},
        TextCase{"Hourly227", [](SettingsImage& i) {
                   i.hourArcDesc[4] = 0x0480;
                   i.hourArcNeg[4] = 0x0002;
                 }, 227, "У часового архива №4 неверный номер трубопровода № 1, в алгебраической сумме (отрицательная составляющая)"},
        TextCase{"Interval310", [](SettingsImage& i) { i.intervalArcDesc[4] = 0x0350; }, 310, "Неверный тип расширенного архива интервалов №4"},
        TextCase{"Interval312", [](SettingsImage& i) { i.intervalArcDesc[4] = 0x0141; }, 312,
                 "У расширенного архива интервалов №4 неверный номер (или номер не задан) датчика "},
        TextCase{"Interval314", [](SettingsImage& i) {
                   i.intervalArcDesc[4] = 0x0180;
                   i.intervalArcPos[4] = i.intervalArcNeg[4] = 0x0000;
                 }, 314, "У расширенного архива интервалов №4 указана разность одинаковых датчиков. (0000 должен замениться на 0040)"},
        TextCase{"Interval317", [](SettingsImage& i) { i.intervalArcDesc[4] = 0x0800; }, 317,
                 "Не правильно задан уровень вложенности у архива интервалов №4"},
        TextCase{"Interval318", [](SettingsImage& i) { i.intervalArcDesc[4] = 0x180D; }, 318,
                 "Не правильно задан (или не указан) номер головного архива у архива интервалов №4"},
        TextCase{"Interval320", [](SettingsImage& i) { i.intervalArcDesc[4] = 0x1805; }, 320,
                 "У архива интервалов №4 в качестве головного архива указан не существующий архив. (1805 должен замениться на 9840)"},
        TextCase{"Interval320QuotesTheRenumberedWord", [](SettingsImage& i) { i.intervalArcDesc[4] = 0x3805; }, 320,
                 "У архива интервалов №4 в качестве головного архива указан не существующий архив. (1805 должен замениться на 9840)"},
        TextCase{"Interval319", [](SettingsImage& i) { i.intervalArcDesc[4] = 0x1804; }, 319,
                 "У архива интервалов №4 в качестве головного не может быть указан архив продолжения"},
        TextCase{"Interval321", [](SettingsImage& i) {
                   i.intervalArcDesc[5] = 0x8040;
                   i.intervalArcDesc[4] = 0x1805;
                 }, 321, "Архив интервалов №4 ссылается на расширенный часовой архив"},
        TextCase{"Interval326", [](SettingsImage& i) {
                   i.intervalArcDesc[4] = 0x0480;
                   i.intervalArcPos[4] = i.intervalArcNeg[4] = 0x0001;
                 }, 326, "У архива интервалов №4 в алгебраичесокй сумме трубопровод № 0, указан как с плюсом так и с минусом"},
        TextCase{"Interval322", [](SettingsImage& i) {
                   i.intervalArcDesc[0] = 0x0040;
                   i.intervalArcDesc[4] = i.intervalArcDesc[9] = 0x1800;
                 }, 322, "Архив интервалов №4 имеет одинаковый уровень продолжения с  архивами продолжения № 9,"},
        TextCase{"Interval323", [](SettingsImage& i) { i.intervalArcDesc[4] = 0x0210; }, 323,
                 "У архива интервалов №4 задан неверный номер (или номер не указан) трубопровода."},
        TextCase{"Interval328", [](SettingsImage& i) {
                   i.intervalArcDesc[12] = 0x0040;
                   i.eventType[127] = 0x8000;
                 }, 328,
                 "Расширенный архив интервалов №12 при данных настройках часовых архивов и архивов событий существовать не может. (0040 должен замениться на 0000)"},
        TextCase{"Interval328QuotesTheRenumberedWord", [](SettingsImage& i) {
                   i.intervalArcDesc[1] = 0x0040;
                   i.intervalArcDesc[12] = 0x2801;
                   i.eventType[0] = 0x0100;
                 }, 328,
                 "Расширенный архив интервалов №12 при данных настройках часовых архивов и архивов событий существовать не может. (1801 должен замениться на 0000)"},
        TextCase{"Daily410", [](SettingsImage& i) { i.dayArcDesc[40] = 0x0350; }, 410, "Неверный тип суточного архива №40"},
        TextCase{"Daily418", [](SettingsImage& i) { i.dayArcDesc[40] = 0x1041; }, 418,
                 "Не правильно задан (или не указан) номер головного архива у суточного архива №40. (1041 должен замениться на 1040)"},
        TextCase{"Daily420", [](SettingsImage& i) { i.dayArcDesc[40] = 0x1005; }, 420,
                 "У суточного архива №40 в качестве головного архива указан не существующий архив"},
        TextCase{"Daily429", [](SettingsImage& i) {
                   i.dayArcDesc[5] = 0x0040;
                   i.dayArcDesc[6] = i.dayArcDesc[40] = 0x1005;
                 }, 429,
                 "Суточный архив №40 в качестве головного архива не может быть указан уже расширенный архив. (1005 должен замениться на 1040)"},
        TextCase{"Daily412", [](SettingsImage& i) { i.dayArcDesc[40] = 0x0141; }, 412,
                 "У суточного архива №40 неверный номер (или номер не задан) датчика"},
        TextCase{"Daily415", [](SettingsImage& i) {
                   i.dayArcDesc[40] = 0x0180;
                   i.dayArcPos[40] = 0x0005;
                 }, 415, "У суточного архива №40 либо не указан либо указан не существующий датчик X1."},
        TextCase{"Daily423", [](SettingsImage& i) { i.dayArcDesc[40] = 0x0810; }, 423,
                 "У суточного архива №40 задан неверный номер (или номер не указан) трубопровода"},
        TextCase{"Daily425", [](SettingsImage& i) {
                   i.dayArcDesc[40] = 0x0880;
                   i.dayArcPos[40] = 0x8000;
                 }, 425, "У суточного архива №40 неверный номер трубопровода № 15, в алгебраической сумме"},
        TextCase{"Monthly510", [](SettingsImage& i) { i.monthArcDesc[62] = 0x1040; }, 510, "Неверный тип месячного архива №62"},
        TextCase{"Monthly514", [](SettingsImage& i) {
                   i.monthArcDesc[62] = 0x0180;
                   i.monthArcPos[62] = i.monthArcNeg[62] = 0x0000;
                 }, 514, "У месячного архива №62 указана разность одинаковых датчиков. (0000 должен замениться на 0040)"},
        TextCase{"Monthly515", [](SettingsImage& i) {
                   i.monthArcDesc[62] = 0x0180;
                   i.monthArcPos[62] = 0x0005;
                 }, 515, "У месячного архива №62 либо не указан либо указан не существующий датчик X1"},
        TextCase{"Monthly523", [](SettingsImage& i) { i.monthArcDesc[62] = 0x0210; }, 523,
                 "У месячного архива №62 задан неверный номер (или номер не указан) трубопровода"},
        TextCase{"Monthly527", [](SettingsImage& i) {
                   i.monthArcDesc[62] = 0x0880;
                   i.monthArcNeg[62] = 0x0004;
                 }, 527, "У месячного архива №62 неверный номер трубопровода № 2, в алгебраической сумме (отрицательная составляющая)"},
        TextCase{"Monthly524", [](SettingsImage& i) { i.monthArcDesc[62] = 0x0805; }, 524, "У месячного архива №62 задан неверный номер трубопровода"},
        TextCase{"System601", [](SettingsImage& i) { i.sys(sys::SummerTimeInterval) = 0x1A0F; }, 601,
                 "Переход на летнее/зимнее время. (1A0F должен замениться на 3A0F)"},
        TextCase{"System602", [](SettingsImage& i) { i.sys(sys::SummerTimeInterval) = 0x4910; }, 602,
                 "Длительность измерительного интервала интегрирования. (4910 должен замениться на 4905)"},
        TextCase{"System603", [](SettingsImage& i) { i.sys(sys::SettlementHourDate) = 2400; }, 603, "Расчетный час и дата"},
        TextCase{"System604", [](SettingsImage& i) { i.sys(sys::MainChannelBaud) = 0x0100; }, 604,
                 "Не допустимая скорость обмена на основном канале связи. (0100 должен замениться на 0960)"},
        TextCase{"System605", [](SettingsImage& i) { i.sys(sys::AuxChannelBaud) = 0x9600; }, 605,
                 "Не допустимая скорость обмена на дополнительном канале связи. (9600 должен замениться на 0960)"},
        TextCase{"System606", [](SettingsImage& i) { i.sys(sys::MainChannelSetup) = 0x8000; }, 606,
                 "Не допустимый сетевой номер на основном канале связи"},
        TextCase{"System607", [](SettingsImage& i) { i.sys(sys::AuxChannelSetup) = 0xFF00; }, 607,
                 "Не допустимый сетевой номер на дополнительном канале связи"},
        TextCase{"System608", [](SettingsImage& i) { i.sys(sys::BatteryControl) = 0x0000; }, 608,
                 "Указан не допустимый датчик в контроле аккумулятора."},
        TextCase{"Generator701", [](SettingsImage& i) { i.currentGenerators[7].lawDescriptor = 0x1234; }, 701,
                 "Не допустимый тип у генератора тока №7. (1234 должен замениться на 0034)"},
        TextCase{"Generator702", [](SettingsImage& i) { i.currentGenerators[7].scaleStart = 20; }, 702,
                 "У генератора тока №7 начало шкалы должно быть меньше конца шкалы"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(CheckTextsSpyMode, EndWithASpaceAndTheCode) {
  SettingsImage image = meteredImage(2);
  setSensor(image, 7, 0x5000);
  const CheckResult result = evaluateRules(image, true);
  ASSERT_EQ(result.errorCount(), 1);
  EXPECT_EQ(result.errors[0].text, QStringLiteral("Тип датчика №7 10"));
}

TEST(CheckTextsSpyMode, SystemTextsTooEvenWithoutANumber) {
  SettingsImage image = meteredImage(2);
  image.sys(sys::SettlementHourDate) = 2400;
  const CheckResult result = evaluateRules(image, true);
  ASSERT_EQ(result.errorCount(), 1);
  EXPECT_EQ(result.errors[0].text, QStringLiteral("Расчетный час и дата 603"));
}

TEST(CheckTextsRegulatorFlags, EndWithTheSectionAndASpace) {
  SettingsImage image = meteredImage(3);
  image.logicLaw[63] = 0x0300;
  const CheckResult result = evaluateRules(image, false);
  ASSERT_EQ(result.errorCount(), 1);
  EXPECT_EQ(result.errors[0].text, QStringLiteral("Не допустимый тип у логического признака №63, раздел \"Регуляторы\" "));
}

TEST(CheckTextsLists, NameTheListedObjects) {
  SettingsImage image = meteredImage(2);
  setWaterPipeline(image, 3);
  image.pipelines[3].densityCalorLink = 0x8002;
  const CheckResult result = evaluateRules(image, false);
  ASSERT_EQ(result.errorCount(), 1);
  EXPECT_EQ(result.errors[0].listed, (QList<int>{1, 15}));
}

}  // namespace
}  // namespace nastrum::testing
