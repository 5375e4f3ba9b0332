// The read map: what each kind asks the device for, in which order, and the
// conversions with their special cases.
#include <algorithm>

#include <gtest/gtest.h>

#include <QStringList>

#include "link/read/read_map.h"

namespace nastrum {
namespace {

std::vector<std::uint16_t> Addresses(const std::vector<ReadStep>& steps) {
  std::vector<std::uint16_t> out;
  for (const ReadStep& s : steps) out.push_back(s.address);
  return out;
}

TEST(ReadMap, EachKindReadsItsOwnFamilies) {
  struct Case {
    int kind;
    std::size_t exchanges;
    bool roughness, secondEvents, logic, regulators;
  };
  for (const Case c : {Case{1, 615, false, false, false, false}, Case{2, 3155, true, true, true, false},
                       Case{3, 2065, true, false, false, true}}) {
    SCOPED_TRACE(c.kind);
    SettingsImage image;
    const std::vector<ReadStep> steps = PlanConstantsRead(c.kind, image);
    const std::vector<std::uint16_t> a = Addresses(steps);
    // Regulators share their numbers with the logic flags of group 1; the constant is a real kept as two words.
    EXPECT_EQ(std::count_if(steps.begin(), steps.end(),
                            [](const ReadStep& s) { return s.conversion == ReadConversion::RegulatorReal; }),
              c.regulators ? 64 : 0);
    EXPECT_EQ(a.size(), c.exchanges);
    auto count = [&a](std::uint16_t address) { return std::count(a.begin(), a.end(), address); };
    EXPECT_EQ(count(0x803C), c.roughness ? 1 : 0);        // pipeline 0, parameter 60
    EXPECT_EQ(count(0x7F4C), c.kind == 1 ? 0 : 1);        // event 64: (0x40, 76, 63)
    EXPECT_EQ(count(0x7F4D), c.secondEvents ? 1 : 0);     // event 128: (0x40, 77, 63)
    EXPECT_EQ(count(0x0B2D), c.kind == 1 ? 0 : 1);        // interval archive 11: (0x00, 45, 11)
    EXPECT_EQ(count(0x0C2D), c.kind == 2 ? 1 : 0);        // interval archive 12 (kind 2 has 13)
    EXPECT_EQ(count(0x7F23), c.logic ? 1 : 0);            // flag 256: (0x40, 31 + 4, 63)
    EXPECT_EQ(count(0x4F52), 1);                          // table 1, value 16: (0x40, 82, 15)
    EXPECT_EQ(count(0x4F56), c.kind == 1 ? 0 : 1);        // table 5, value 16
    EXPECT_EQ(count(0x405B), c.kind == 1 ? 0 : 1);        // table 10, value 1: (0x40, 91, 0)
  }
}

TEST(ReadMap, ReadingOrderWithinAnObject) {
  SettingsImage image;
  const std::vector<ReadStep> steps = PlanConstantsRead(2, image);
  const std::vector<std::uint16_t> a = Addresses(steps);
  const std::vector<std::uint16_t> sensor1 = {0x0100, 0x010A, 0x0101, 0x0102, 0x0103, 0x0104,
                                              0x0105, 0x0106, 0x0107, 0x0108, 0x0109};
  EXPECT_TRUE(std::equal(sensor1.begin(), sensor1.end(), a.begin() + 11));
  const std::vector<std::uint16_t> pipe0 = {0x8000, 0x8001, 0x8002, 0x8003, 0x8004, 0x8005, 0x8006, 0x8007, 0x8008, 0x8009,
                                            0x800A, 0x800B, 0x800C, 0x800D, 0x803C, 0x800F, 0x8010, 0x8011, 0x8012, 0x8013};
  EXPECT_TRUE(std::equal(pipe0.begin(), pipe0.end(), a.begin() + 64 * 11));
  // A logic flag of group 1: law, parameter, K1 (four bytes), K2, then its two times.
  const auto flag0 = std::find(a.begin(), a.end(), 0x4020);
  ASSERT_NE(flag0, a.end());
  EXPECT_TRUE(std::equal(flag0, flag0 + 6, std::vector<std::uint16_t>{0x4020, 0x4024, 0x4028, 0x402C, 0x4030, 0x4031}.begin()));
  EXPECT_EQ(steps[static_cast<std::size_t>(flag0 - a.begin()) + 2].size, 4);
  // Group 2 has no times of its own.
  const auto group2 = std::find(a.begin(), a.end(), 0x4021);
  EXPECT_TRUE(std::equal(group2, group2 + 5, std::vector<std::uint16_t>{0x4021, 0x4025, 0x4029, 0x402D, 0x4121}.begin()));
}

TEST(ReadMap, ModemStrings) {
  struct Case {
    int kind;
    std::vector<std::pair<ReadSource, std::uint16_t>> reads;
  };
  for (const Case& c : {Case{1, {{ReadSource::Memory, 0xAF00}}}, Case{2, {{ReadSource::Param, 0x404B}}},
                        Case{3, {{ReadSource::Memory, 0xAB80}, {ReadSource::Param, 0x404B}}}}) {
    SettingsImage image;
    std::vector<std::pair<ReadSource, std::uint16_t>> got;
    for (const ReadStep& s : PlanConstantsRead(c.kind, image))
      if (s.conversion == ReadConversion::Text128) {
        got.emplace_back(s.source, s.address);
        EXPECT_EQ(s.size, 128);
      }
    EXPECT_EQ(got, c.reads) << c.kind;
  }
}

TEST(ReadMap, Conversions) {
  Word word = -1, word2 = -1, param = 0;
  double real = -1;
  ReadTarget t{&word, nullptr, &real, nullptr, &param};
  struct Case {
    ReadConversion conversion;
    const char* bytes;
    Word param;
    Word want;
  };
  const Case cases[] = {
      {ReadConversion::Word, "1234", 0, 0x1234},
      {ReadConversion::WordFfffAsZero, "ffff", 0, 0},  // pipeline parameter 7 of a pipeline without one
      {ReadConversion::WordFfffAsZero, "fffe", 0, 0xFFFE},
      {ReadConversion::BcdPair, "2315", 0, 2315},
      {ReadConversion::BcdPair, "ff15", 0, 15},
      {ReadConversion::DecimalPair, "0c1f", 0, 1231},
      {ReadConversion::LogicK1, "0c1f0000", 0x4016, 1231},  // a clock threshold
      {ReadConversion::LogicK1, "0c1f0000", 0x4015, 1231},
      {ReadConversion::LogicK1, "0c1f0000", 0x1234, 0x0C1F},
  };
  for (const Case& c : cases) {
    param = c.param;
    StoreReadValue(c.conversion, QByteArray::fromHex(c.bytes), t);
    EXPECT_EQ(word, c.want) << c.bytes << " " << c.param;
  }
  StoreReadValue(ReadConversion::Real, QByteArray::fromHex("81400000"), t);
  EXPECT_EQ(real, 1.0);

  ReadTarget regulator{&word, &word2, nullptr, nullptr, nullptr};
  StoreReadValue(ReadConversion::RegulatorReal, QByteArray::fromHex("81400000"), regulator);
  EXPECT_EQ(word, 0x8140);
  EXPECT_EQ(word2, 0x0000);
  // What the device calls zero is kept in its own encoding.
  StoreReadValue(ReadConversion::RegulatorReal, QByteArray::fromHex("01123456"), regulator);
  EXPECT_EQ(word, 0x8000);
  EXPECT_EQ(word2, 0x0000);
}

TEST(ReadMap, TheDiagnosticFieldNamesOnlyTheListedSections) {
  const QStringList fixed = {QStringLiteral("чтение архива событий 1 часть"), QStringLiteral("чтение таблиц"),
                             QStringLiteral("чтение генераторов тока"), QStringLiteral("Коррекция хода часов"),
                             QStringLiteral("Способ записи в архивы"),
                             QStringLiteral("Летнее время, длительность интервалов"),
                             QStringLiteral("Расчетный час и дата"), QStringLiteral("Основной канал связи ИРПС"),
                             QStringLiteral("Базовая скорость обмена по ИРПС")};
  for (const int kind : {1, 2, 3}) {
    SCOPED_TRACE(kind);
    SettingsImage image;
    QStringList shown;
    for (const ReadStep& step : PlanConstantsRead(kind, image)) {
      const QString label = ReadSectionLabel(step);
      if (label.isEmpty() || shown.contains(label)) continue;
      shown << label;
      const bool numbered = label.startsWith(QStringLiteral("Расширенный архив интервала № ")) ||
                            label.startsWith(QStringLiteral("Регулятор № "));
      EXPECT_TRUE(numbered || fixed.contains(label)) << label.toStdString();
    }
    // Kind 2 reads its events in two parts; the field names the first only.
    EXPECT_EQ(shown.contains(fixed[0]), kind != 1);
  }
}

TEST(ReadMap, ProgressMaxima) {
  EXPECT_EQ(ReadProgressMaximum(1), 619);
  EXPECT_EQ(ReadProgressMaximum(2), 2919);
  EXPECT_EQ(ReadProgressMaximum(3), 2081);
}

}  // namespace
}  // namespace nastrum
