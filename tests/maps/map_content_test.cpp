// The rules of the single maps: presence, bands, paging and the decoded cells.
#include <functional>
#include <map>

#include <gtest/gtest.h>

#include <QStringList>

#include "maps/map_builder.h"
#include "maps/map_catalogue.h"
#include "maps/map_test_image.h"
#include "model/device_real.h"
#include "model/real_text.h"

namespace nastrum {
namespace {

using testing::freshImage;
using testing::pipelineAt;
using testing::sensorAt;

const QChar kComma = QLatin1Char(',');

QString text(const MapPage& p, int column, int row) { return p.table.cell(column, row).text; }

// The object numbers of a band's number row, as shown.
QStringList numberRow(const MapPage& p, int row) {
  QStringList numbers;
  for (int c = 1; c < p.table.columnCount(); ++c) numbers << text(p, c, row);
  return numbers;
}

TEST(SensorMap, BandsAndPagesFollowThePresentSensors) {
  SettingsImage image = freshImage(2);
  for (int n = 0; n <= 5; ++n) sensorAt(image, n).mainDescriptor = 0x1400;
  MapPage p = buildMap(image, 2, 1, kComma);
  EXPECT_EQ(p.table.rowCount(), 13);
  EXPECT_TRUE(p.paged);
  EXPECT_FALSE(p.hasNextPage);
  EXPECT_EQ(text(p, 6, 2), QStringLiteral("1400"));
  EXPECT_EQ(text(p, 7, 2), QStringLiteral("0000"));  // absent: the main descriptor only
  EXPECT_EQ(text(p, 7, 3), QString());

  sensorAt(image, 40).mainDescriptor = 0x1400;
  p = buildMap(image, 2, 1, kComma);
  EXPECT_EQ(p.table.rowCount(), 27);  // two bands of 13 and a separator
  EXPECT_TRUE(p.hasNextPage);
  EXPECT_EQ(numberRow(p, 15).first(), QStringLiteral("08"));

  p = buildMap(image, 2, 3, kComma);
  EXPECT_EQ(p.page, 3);
  EXPECT_EQ(numberRow(p, 1).first(), QStringLiteral("32"));
  EXPECT_EQ(numberRow(p, 15).last(), QStringLiteral("47"));
  EXPECT_EQ(text(p, 1, 16 + 0), QStringLiteral("1400"));  // sensor 40 in band 2, column 1
  EXPECT_FALSE(p.hasNextPage);
}

TEST(PipelineMap, TheMinimalKindShowsItsFourPipelinesOnOnePage) {
  SettingsImage image = freshImage(1);
  pipelineAt(image, 3).mainDescriptor = 0x1200;
  const MapPage p = buildMap(image, 3, 1, kComma);
  EXPECT_EQ(p.table.columnCount(), 5);
  EXPECT_EQ(p.table.rowCount(), 22);
  EXPECT_EQ(p.table.columnWidth(0), 300);
  EXPECT_EQ(p.table.columnWidth(4), 85);
  EXPECT_EQ(numberRow(p, 1), (QStringList{"00", "01", "02", "03"}));
  EXPECT_EQ(p.pageCount, 1);
  EXPECT_FALSE(p.hasNextPage);
  EXPECT_EQ(text(p, 4, 3), QStringLiteral("0000"));  // FlowSensors of the present pipeline
  EXPECT_EQ(text(p, 1, 3), QString());               // pipeline 0 is off
}

TEST(PipelineMap, TheSecondPageIsOfferedOnlyForAPresentLaterPipeline) {
  SettingsImage image = freshImage(3);
  EXPECT_FALSE(buildMap(image, 3, 1, kComma).hasNextPage);
  pipelineAt(image, 12).mainDescriptor = 0x4000;
  EXPECT_TRUE(buildMap(image, 3, 1, kComma).hasNextPage);
  const MapPage second = buildMap(image, 3, 2, kComma);
  EXPECT_EQ(numberRow(second, 1).first(), QStringLiteral("08"));
  EXPECT_EQ(text(second, 5, 2), QStringLiteral("4000"));
  EXPECT_FALSE(second.hasNextPage);
}

TEST(ArchiveMaps, ComponentsAreShownForWorkingArchivesOnly) {
  SettingsImage image = freshImage(2);
  image.hourArcDesc[0] = 0x0000;
  image.hourArcPos[0] = 0x0007;
  image.hourArcDesc[1] = 0x0040;
  image.hourArcPos[1] = 0x0007;
  image.hourArcNeg[1] = 0x0008;
  const MapPage p = buildMap(image, 4, 1, kComma);
  EXPECT_EQ(p.table.rowCount(), 23);
  EXPECT_FALSE(p.paged);
  EXPECT_EQ(text(p, 1, 2), QStringLiteral("0000"));
  EXPECT_EQ(text(p, 1, 3), QStringLiteral(" "));
  EXPECT_EQ(text(p, 2, 2), QStringLiteral("0040"));
  EXPECT_EQ(text(p, 2, 3), QStringLiteral("0007"));
  EXPECT_EQ(text(p, 2, 4), QStringLiteral("0008"));
}

TEST(ArchiveMaps, DailyAndMonthlyBandsAndPages) {
  SettingsImage image = freshImage(2);
  MapPage p = buildMap(image, 5, 1, kComma);
  EXPECT_EQ(p.table.rowCount(), 5);  // one band
  EXPECT_FALSE(p.hasNextPage);
  image.dayArcDesc[20] = 0x1140;
  p = buildMap(image, 5, 1, kComma);
  EXPECT_EQ(p.table.rowCount(), 3 * 5 + 2);  // bands 1 … 3
  image.dayArcDesc[40] = 0x1140;
  p = buildMap(image, 5, 1, kComma);
  EXPECT_EQ(p.table.rowCount(), 4 * 5 + 3);
  EXPECT_TRUE(p.hasNextPage);

  image.monthArcDesc[62] = 0x1140;
  p = buildMap(image, 6, 2, kComma);
  EXPECT_EQ(p.table.rowCount(), 4 * 5 + 3);
  EXPECT_EQ(numberRow(p, 18).last(), QString());  // archive 63 does not exist
  EXPECT_EQ(text(p, 8, 20), QString());
  EXPECT_EQ(text(p, 7, 20), QStringLiteral("1140"));
}

TEST(ArchiveMaps, DailyAndMonthlyMapsHaveTheirSecondPageOnEveryKind) {
  for (const Word kind : {Word{1}, Word{2}, Word{3}}) {
    SCOPED_TRACE(kind);
    SettingsImage image = freshImage(kind);
    for (const int map : {5, 6}) {
      EXPECT_EQ(mapPageCount(kind, map), 2) << map;
      EXPECT_FALSE(buildMap(image, map, 1, kComma).hasNextPage) << map;
    }
    image.dayArcDesc[40] = 0x1140;
    image.monthArcDesc[62] = 0x1440;
    for (const int map : {5, 6}) {
      EXPECT_TRUE(buildMap(image, map, 1, kComma).hasNextPage) << map;
      const MapPage second = buildMap(image, map, 2, kComma);
      EXPECT_EQ(second.page, 2) << map;
      EXPECT_EQ(numberRow(second, 1).first(), QStringLiteral("32")) << map;
    }
    EXPECT_EQ(text(buildMap(image, 5, 2, kComma), 1, 6 + 2), QStringLiteral("1140"));  // archive 40: band 2, first column
  }
}

TEST(ArchiveMaps, IntervalBandTwoWhenALaterArchiveWorks) {
  SettingsImage image = freshImage(3);
  EXPECT_EQ(buildMap(image, 7, 1, kComma).table.rowCount(), 5);
  image.intervalArcDesc[11] = 0x1140;
  const MapPage p = buildMap(image, 7, 1, kComma);
  EXPECT_EQ(p.table.rowCount(), 11);
  EXPECT_EQ(numberRow(p, 7), (QStringList{"08", "09", "10", "11", "", "", "", ""}));
  EXPECT_EQ(text(p, 0, 10), QStringLiteral("Отрицательная составляющие"));
}

TEST(GeneratorMap, AnOffGeneratorShowsItsLawOnly) {
  SettingsImage image = freshImage(2);
  image.currentGenerators[0] = {0x0100, 0xFF00, 20.0, 4.0};
  image.currentGenerators[1] = {0x0100, 0x4001, 20.0, 4.0};
  const MapPage p = buildMap(image, 8, 1, kComma);
  EXPECT_EQ(text(p, 1, 2), QStringLiteral("FF00"));
  for (int row = 3; row <= 5; ++row) EXPECT_EQ(text(p, 1, row), QStringLiteral(" "));
  EXPECT_EQ(text(p, 2, 3), QStringLiteral("0100"));
  EXPECT_EQ(text(p, 2, 4), QStringLiteral("20,0000"));
}

TEST(SystemMap, SettlementIsFourDigitsAndTheMinimalKindBlanksItsMissingRows) {
  SettingsImage image = freshImage(1);
  image.sys(sys::SettlementHourDate) = 930;
  const MapPage p = buildMap(image, 9, 1, kComma);
  EXPECT_EQ(text(p, 1, 4), QStringLiteral("0930"));
  for (int row = 7; row <= 10; ++row) {
    EXPECT_EQ(text(p, 0, row), QStringLiteral(" "));
    EXPECT_EQ(text(p, 1, row), QStringLiteral(" "));
  }
  EXPECT_EQ(text(p, 0, 11), QStringLiteral("Температура холодного источника"));
  image.deviceKind = 2;
  EXPECT_EQ(text(buildMap(image, 9, 1, kComma), 0, 9), QStringLiteral("Контроль аккумулятора"));
}

// --- Map 1 ------------------------------------------------------------------

enum Col : int { DR = 2, DPosn, DPdop, DTvh, DTrab, DThi, DThs, DDrab, DDatm, DG, DK };

struct DistributionCase {
  const char* name;
  std::function<void(SettingsImage&)> setup;
  std::map<int, QString> expected;  // column -> text of pipeline 0's row; others empty
};

SettingsImage waterPlant() {
  SettingsImage image = freshImage(2);
  sensorAt(image, 5).mainDescriptor = 0x1300;  // analog flow
  PipelineRecord& p = pipelineAt(image, 0);
  p.mainDescriptor = 0x1200;
  p.flowSensors = 0x0540;
  p.tempSensors = 0x0708;
  p.pressureSensors = 0x0940;
  p.bigPipeRef = 0x000A;
  return image;
}

TEST(DistributionMap, RolesOfAPipelinesSensors) {
  const std::vector<DistributionCase> cases = {
      {"water", [](SettingsImage&) {}, {{DR, "05"}, {DTrab, "07"}, {DTvh, "08"}, {DDrab, "09"}, {DThi, "10"}}},
      {"differential pressure",
       [](SettingsImage& im) {
         sensorAt(im, 5).mainDescriptor = 0x1200;
         pipelineAt(im, 0).flowSensors = 0x0506;
       },
       {{DPosn, "05"}, {DPdop, "06"}, {DTrab, "07"}, {DTvh, "08"}, {DDrab, "09"}, {DThi, "10"}}},
      {"flow of another pipeline",
       [](SettingsImage& im) {
         pipelineAt(im, 3).flowSensors = 0x0C40;
         pipelineAt(im, 0).flowSensors = 0x8340;
       },
       {{DR, "12"}, {DTrab, "07"}, {DTvh, "08"}, {DDrab, "09"}, {DThi, "10"}}},
      {"thermocouple with its cold junction",
       [](SettingsImage& im) {
         sensorAt(im, 7).mainDescriptor = 0x1440;
         sensorAt(im, 7).const2 = 5.0;
       },
       {{DR, "05"}, {DTrab, "07"}, {DTvh, "08"}, {DThs, "05"}, {DDrab, "09"}, {DThi, "10"}}},
      {"thermocouple without a cold junction",
       [](SettingsImage& im) {
         sensorAt(im, 7).mainDescriptor = 0x1440;
         sensorAt(im, 7).const2 = 64.0;
       },
       {{DR, "05"}, {DTrab, "07"}, {DTvh, "08"}, {DDrab, "09"}, {DThi, "10"}}},
      {"saturated steam computes its temperature",
       [](SettingsImage& im) {
         pipelineAt(im, 0).mainDescriptor = 0x3000;
         pipelineAt(im, 0).tempSensors = 0xFFFF;
       },
       {{DR, "05"}, {DDrab, "09"}, {DThi, "10"}}},
      {"natural gas",
       [](SettingsImage& im) {
         PipelineRecord& p = pipelineAt(im, 0);
         p.mainDescriptor = 0x4000;
         p.tempSensors = 0x4040;
         p.pressureSensors = 0x4040;
         p.densityCalorLink = 0x0B40;
       },
       {{DR, "05"}, {DG, "11"}}},
      {"other carriers show their flow only",
       [](SettingsImage& im) { pipelineAt(im, 0).mainDescriptor = 0x8800; },
       {{DR, "05"}}},
      {"switched off", [](SettingsImage& im) { pipelineAt(im, 0).mainDescriptor = 0xF000; }, {}},
      // Only the bytes a role lists as "none" leave its cell empty; any other
      // byte is printed as its number, so a wrong reference shows on paper.
      {"a flow byte beyond the sensors is printed as it is",
       [](SettingsImage& im) { pipelineAt(im, 0).flowSensors = 0x7F40; },
       {{DR, "127"}, {DTrab, "07"}, {DTvh, "08"}, {DDrab, "09"}, {DThi, "10"}}},
      {"the subrange byte is empty only for 40",
       [](SettingsImage& im) {
         sensorAt(im, 5).mainDescriptor = 0x1200;
         pipelineAt(im, 0).flowSensors = 0x05FF;
       },
       {{DPosn, "05"}, {DPdop, "255"}, {DTrab, "07"}, {DTvh, "08"}, {DDrab, "09"}, {DThi, "10"}}},
      {"temperature and pressure bytes 40, 41, 42 and FF are empty, others printed",
       [](SettingsImage& im) {
         pipelineAt(im, 0).tempSensors = 0x4142;
         pipelineAt(im, 0).pressureSensors = 0xFF43;
       },
       {{DR, "05"}, {DDatm, "67"}, {DThi, "10"}}},
      {"the cold source is empty for 40, 41, 42 but FF is printed",
       [](SettingsImage& im) { pipelineAt(im, 0).bigPipeRef = 0x00FF; },
       {{DR, "05"}, {DTrab, "07"}, {DTvh, "08"}, {DDrab, "09"}, {DThi, "255"}}},
      {"the cold source constant leaves its cell empty",
       [](SettingsImage& im) { pipelineAt(im, 0).bigPipeRef = 0x0042; },
       {{DR, "05"}, {DTrab, "07"}, {DTvh, "08"}, {DDrab, "09"}}},
      {"gas density and calorific value are empty only for 40",
       [](SettingsImage& im) {
         PipelineRecord& p = pipelineAt(im, 0);
         p.mainDescriptor = 0x4000;
         p.tempSensors = 0x4040;
         p.pressureSensors = 0x4040;
         p.densityCalorLink = 0x41FF;
       },
       {{DR, "05"}, {DG, "65"}, {DK, "255"}}},
  };
  for (const DistributionCase& c : cases) {
    SCOPED_TRACE(c.name);
    SettingsImage image = waterPlant();
    c.setup(image);
    const MapPage p = buildMap(image, 1, 1, kComma);
    for (int col = DR; col <= DK; ++col) {
      const auto it = c.expected.find(col);
      EXPECT_EQ(text(p, col, 3), it == c.expected.end() ? QString() : it->second) << "column " << col;
    }
  }
}

TEST(DistributionMap, FrameAndNumbering) {
  const MapPage p = buildMap(freshImage(1), 1, 1, kComma);
  EXPECT_EQ(p.table.columnCount(), 13);
  EXPECT_EQ(p.table.rowCount(), 26);
  EXPECT_EQ(text(p, 0, 0), QStringLiteral("Карта программирования ОРВИК 5 минимальный: Распределение трубопроводов и датчиков"));
  EXPECT_TRUE(p.pageHeader.isEmpty());
  EXPECT_EQ(text(p, 0, 6), QStringLiteral("3"));
  EXPECT_EQ(text(p, 0, 7), QString());  // kind 1 numbers four pipelines
  EXPECT_EQ(text(p, 2, 23), QStringLiteral(" ДК   - датчик калорийности природного газа"));
  EXPECT_EQ(text(p, 2, 24), QStringLiteral(" ДГ   - датчик плотности природного газа"));
  EXPECT_EQ(text(p, 0, 25), QStringLiteral(" ДТхи  - датчик температуры холодного источника"));
  EXPECT_TRUE(p.table.cell(1, 3).editable);
  EXPECT_FALSE(p.table.cell(0, 3).editable);
}

// --- Maps 10 and 11 ------------------------------------------------------------

TEST(LogicFlagMap, DecimalConstantsAndDelays) {
  SettingsImage image = freshImage(2);
  for (int flag : {3, 70}) {
    image.logicLaw[static_cast<std::size_t>(flag)] = 0x0101;
    image.logicParam[static_cast<std::size_t>(flag)] = 0x4015;
    image.logicK1[static_cast<std::size_t>(flag)] = 705;
  }
  image.logicLaw[5] = 0x0101;
  image.logicParam[5] = 0x4102;
  image.logicK1[5] = 0x1234;
  image.logicT1[5] = 130;
  MapPage p = buildMap(image, 10, 1, kComma);
  EXPECT_EQ(text(p, 4, 3), QStringLiteral("0705"));
  EXPECT_EQ(text(p, 6, 3), QStringLiteral("1234"));
  EXPECT_EQ(text(p, 6, 5), QStringLiteral("0130"));
  EXPECT_EQ(text(p, 6, 6), QStringLiteral("0000"));
  EXPECT_EQ(text(p, 5, 1), QStringLiteral("0000"));  // law of every flag
  EXPECT_EQ(text(p, 5, 2), QString());               // but not described
  EXPECT_TRUE(p.table.cell(5, 0).yellow);
  EXPECT_EQ(p.table.cell(5, 0).font, CellFont::Heading);

  p = buildMap(image, 10, 2, kComma);
  EXPECT_EQ(text(p, 7, 0), QStringLiteral("70"));
  EXPECT_EQ(text(p, 7, 3), QStringLiteral("0705"));
  EXPECT_EQ(text(p, 7, 5), QStringLiteral("нет"));
  EXPECT_EQ(text(p, 7, 6), QStringLiteral("нет"));
}

TEST(LogicFlagMap, PagesFollowTheDescribedFlags) {
  SettingsImage image = freshImage(2);
  image.logicLaw[100] = 0x0101;
  image.logicLaw[200] = 0xFC00;  // not described
  MapPage p = buildMap(image, 10, 1, kComma);
  EXPECT_EQ(p.table.rowCount(), 28);
  EXPECT_TRUE(p.hasNextPage);
  p = buildMap(image, 10, 2, kComma);
  EXPECT_EQ(text(p, 1, 0), QStringLiteral("64"));
  ASSERT_EQ(p.table.rowCount(), 21);  // flag 100 is in band 3
  EXPECT_EQ(text(p, 16, 14), QStringLiteral("111"));
  EXPECT_FALSE(p.hasNextPage);
  p = buildMap(image, 10, 4, kComma);
  EXPECT_EQ(p.table.rowCount(), 7);
  EXPECT_EQ(text(p, 1, 0), QStringLiteral("192"));
  image.logicLaw[250] = 0x0101;
  p = buildMap(image, 10, 4, kComma);
  EXPECT_EQ(p.table.rowCount(), 28);
  EXPECT_EQ(text(p, 15, 21), QStringLiteral("254"));
  EXPECT_EQ(text(p, 16, 21), QString());
  EXPECT_EQ(text(p, 16, 22), QString());
}

TEST(RegulatorMap, ConstantAndBands) {
  SettingsImage image = freshImage(3);
  for (int n = 0; n <= 3; ++n) image.logicLaw[static_cast<std::size_t>(n)] = 0x0201;
  image.logicT1[2] = 0x8140;
  image.logicT2[2] = 0x0000;
  MapPage p = buildMap(image, 11, 1, kComma);
  EXPECT_FALSE(p.paged);
  EXPECT_EQ(p.table.rowCount(), 4);
  EXPECT_EQ(text(p, 3, 3), QStringLiteral("1,0000"));
  EXPECT_EQ(p.table.columnWidth(0), 145);
  image.logicLaw[63] = 0x0201;
  EXPECT_EQ(buildMap(image, 11, 1, kComma).table.rowCount(), 16);
}

TEST(RegulatorMap, TheConstantLosesOnlyFractionDigitsToItsSixCharacters) {
  const std::vector<std::pair<double, QString>> cases = {
      {-1.5, QStringLiteral("-1,500")},
      {123456.75, QStringLiteral("123456")},
      {4294966784.0, QStringLiteral("4294966784")},  // the largest device real, every digit
      {5.77499918108515E-7, FormatReal8(5.77499918108515E-7, kComma)},  // an exponent form stays whole
  };
  SettingsImage image = freshImage(3);
  image.logicLaw[0] = 0x0201;
  for (const auto& [value, shown] : cases) {
    const DeviceRealBytes b = EncodeDeviceReal(value);
    image.logicT1[0] = static_cast<Word>((b[0] << 8) | b[1]);
    image.logicT2[0] = static_cast<Word>((b[2] << 8) | b[3]);
    const double stored = DecodeDeviceReal(b);
    EXPECT_EQ(text(buildMap(image, 11, 1, kComma), 1, 3), shown) << value << " stored as " << stored;
  }
}

TEST(MapCatalogue, AMapTheKindLacksIsEmpty) {
  for (int number : {7, 8, 10, 11}) EXPECT_EQ(buildMap(freshImage(1), number, 1, kComma).table.rowCount(), 0) << number;
  EXPECT_EQ(buildMap(freshImage(3), 10, 1, kComma).table.rowCount(), 0);
  EXPECT_EQ(buildMap(freshImage(2), 11, 1, kComma).table.rowCount(), 0);
}

}  // namespace
}  // namespace nastrum
