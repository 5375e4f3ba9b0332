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
                 }, 136, "Доля расхода получаемая трубопроводом №3"}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(CheckTextsSpyMode, EndWithASpaceAndTheCode) {
  SettingsImage image = meteredImage(2);
  setSensor(image, 7, 0x5000);
  const CheckResult result = evaluateRules(image, true);
  ASSERT_EQ(result.errorCount(), 1);
  EXPECT_EQ(result.errors[0].text, QStringLiteral("Тип датчика №7 10"));
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
