#include <gtest/gtest.h>

#include <map>

#include "model/field_walk.h"
#include "model/image_fields.h"
#include "model/settings_record.h"
#include "support/fresh_image.h"

using namespace nastrum;
using nastrum::testing::freshImage;

namespace {

std::map<QString, ImageField> byPath(SettingsImage& image) {
  std::map<QString, ImageField> fields;
  for (const ImageField& f : imageFields(image)) fields.emplace(f.path(), f);
  return fields;
}

// Sets every byte the field holds to a value that differs from `seed`.
void scribble(const ImageField& field, int seed) {
  std::visit(
      [&](auto value) {
        using Value = decltype(value);
        if constexpr (std::is_same_v<Value, Word*>) {
          *value = 0x01020304 ^ seed;
        } else if constexpr (std::is_same_v<Value, double*>) {
          *value = -1234.5 - seed;
        } else if constexpr (std::is_same_v<Value, NameSlot*>) {
          value->length = 16;
          value->chars.fill('x');
        } else {
          for (std::uint8_t& b : value) b = 0xA5;
        }
      },
      field.value);
}

}  // namespace

TEST(ImageFields, OffsetsFollowTheRecordLayout) {
  SettingsImage image = freshImage(2);
  const auto fields = byPath(image);
  const std::pair<const char*, int> places[] = {
      {"DeviceKind", 0},          {"Sensors[0].Number", 4},          {"Sensors[1].Number", 92},
      {"Pipelines[0].Number", 5636}, {"Pipelines[0].PipeDiameter", 5672}, {"HourArcDesc[0]", 7748},
      {"IntervalArcDesc[0]", 9656}, {"EventPrefixWord", 9812},       {"LogicT2[0]", 15192},
      {"SystemBlock.TimeHHMM", 15448}, {"TableFunctions[0][0]", 15524}, {"CurrentGenerators[0].ParamDescriptor", 16884},
      {"DefaultValues.ColdSourceTemp", 17076}, {"ReservedPairs[0]", 17108}, {"ModemInitMain", 17156},
      {"SensorNames[0]", 0},       {"PipelineNames[0]", 1088},         {"HourArcNames[0]", 1360},
      {"DayArcNames[0]", 1921},    {"MonthArcNames[0]", 3009},         {"IntervalArcNames[0]", 4097},
      {"DesktopNames[0]", 4335},   {"DesktopParams[0]", 4607},         {"NamesReserved", 4671},
  };
  for (const auto& [path, offset] : places) {
    const auto it = fields.find(QString::fromLatin1(path));
    ASSERT_NE(it, fields.end()) << path;
    EXPECT_EQ(it->second.offset, offset) << path;
  }
  EXPECT_EQ(fields.at(QStringLiteral("ModemInitMain")).offset + fields.at(QStringLiteral("ModemInitMain")).size,
            kSettingsRecordSize);
  EXPECT_EQ(fields.at(QStringLiteral("NamesReserved")).offset + fields.at(QStringLiteral("NamesReserved")).size,
            kNamesRecordSize);
  EXPECT_EQ(fields.at(QStringLiteral("ModemInitAux")).offset, -1);
}

// A write through each field's reference changes exactly the bytes its
// offset and size name in the stored record, and nothing else.
TEST(ImageFields, EachFieldOwnsItsBytesOfTheRecord) {
  const SettingsImage base = freshImage(2);
  const QByteArray baseSettings = encodeSettingsRecord(base);
  const QByteArray baseNames = encodeNamesRecord(base.names);
  SettingsImage probe = base;
  const std::vector<ImageField> fields = imageFields(probe);
  ASSERT_EQ(fields.size(), walkFields(base).size());
  int seed = 0;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const ImageField& field = fields[i];
    if (field.info.home == FieldHome::Elsewhere) continue;
    // DeviceKind is left out: kind 3 would also move ModemInitAux into LogicK2.
    if (field.path() == QLatin1String("DeviceKind")) continue;
    const bool inSettings = field.info.home == FieldHome::SettingsRecord;
    probe = base;  // the references stay bound to `probe`
    scribble(field, ++seed);
    const QByteArray before = inSettings ? baseSettings : baseNames;
    const QByteArray after = inSettings ? encodeSettingsRecord(probe) : encodeNamesRecord(probe.names);
    ASSERT_EQ(after.size(), before.size());
    for (int b = 0; b < after.size(); ++b) {
      const bool inside = b >= field.offset && b < field.offset + field.size;
      if (!inside && after[b] != before[b]) {
        ADD_FAILURE() << field.path().toStdString() << " changed byte " << b;
        break;
      }
    }
    EXPECT_NE(after.mid(field.offset, field.size), before.mid(field.offset, field.size)) << field.path().toStdString();
  }
}

TEST(ImageFields, KindsFollowTheProfileCounts) {
  SettingsImage image = freshImage(2);
  const auto fields = byPath(image);
  struct Case {
    const char* path;
    bool kind1, kind2, kind3;
  };
  const Case cases[] = {
      {"DeviceKind", true, true, true},
      {"Sensors[15].MainDescriptor", true, true, true},
      {"Sensors[16].MainDescriptor", false, true, true},
      {"Pipelines[4].Number", false, true, true},
      // The minimal model keeps the roughness real but never uses it.
      {"Pipelines[0].Roughness", false, true, true},
      {"Pipelines[3].PipeDiameter", true, true, true},
      {"DayArcNeg[31]", true, true, true},
      {"DayArcNeg[32]", false, true, true},
      {"IntervalArcDesc[12]", false, true, false},
      {"EventType[64]", false, true, false},
      {"EventPrefixWord", false, false, false},
      {"LogicLaw[63]", false, true, true},
      {"LogicLaw[254]", false, true, false},
      {"LogicLaw[255]", false, false, false},
      {"LogicK2[0]", false, true, false},
      {"LogicT1[0]", false, true, true},
      {"SystemBlock.MainChannelBaud", true, true, true},
      {"SystemBlock.AuxChannelBaud", false, true, true},
      {"SystemBlock.Reserved16", false, false, false},
      {"TableFunctions[3][16]", true, true, true},
      {"TableFunctions[4][0]", false, true, true},
      {"CurrentGenerators[7].ScaleEnd", false, true, true},
      {"ReservedPairs[0]", false, false, false},
      {"ModemInitAux", false, false, true},
      {"MonthArcNames[62]", false, true, true},
      {"MonthArcNames[63]", false, false, false},
      {"DesktopParams[15]", false, false, true},
      {"NamesReserved", false, false, false},
  };
  for (const Case& c : cases) {
    const auto it = fields.find(QString::fromLatin1(c.path));
    ASSERT_NE(it, fields.end()) << c.path;
    const FieldInfo& info = it->second.info;
    EXPECT_EQ(info.usedBy(1), c.kind1) << c.path;
    EXPECT_EQ(info.usedBy(2), c.kind2) << c.path;
    EXPECT_EQ(info.usedBy(3), c.kind3) << c.path;
    EXPECT_FALSE(info.usedBy(4)) << c.path;
  }
}

TEST(ImageFields, ReferencesReadAndWriteTheImage) {
  SettingsImage image = freshImage(3);
  auto fields = byPath(image);
  const ImageField& descriptor = fields.at(QStringLiteral("Pipelines[2].TempSensors"));
  EXPECT_EQ(descriptor.info.type(), FieldType::Word);
  EXPECT_EQ(fieldText(descriptor), QStringLiteral("0x4040"));
  *std::get<Word*>(descriptor.value) = 0x1203;
  EXPECT_EQ(image.pipelines[2].tempSensors, 0x1203);
  EXPECT_EQ(fieldText(descriptor), QStringLiteral("0x1203"));

  const ImageField& table = fields.at(QStringLiteral("TableFunctions[9][16]"));
  EXPECT_EQ(table.info.type(), FieldType::Real);
  *std::get<double*>(table.value) = 0.25;
  EXPECT_EQ(image.tableFunctions[9][16], 0.25);

  const ImageField& name = fields.at(QStringLiteral("DesktopNames[1]"));
  EXPECT_EQ(name.info.type(), FieldType::Name);
  std::get<NameSlot*>(name.value)->setBytes("Desk");
  EXPECT_EQ(fieldText(name), QStringLiteral("\"Desk\""));

  const ImageField& modem = fields.at(QStringLiteral("ModemInitAux"));
  EXPECT_EQ(modem.info.type(), FieldType::Bytes);
  EXPECT_EQ(std::get<std::span<std::uint8_t>>(modem.value).data(), image.modemInitAux.data());
}

// Every loop bounded by a profile count indexes an image array: no count may
// pass the array's end.
TEST(ImageFields, ProfileCountsFitTheImageArrays) {
  const SettingsImage image;
  for (Word kind = 1; kind <= 3; ++kind) {
    const KindProfile& p = kindProfile(kind);
    EXPECT_EQ(toWord(p.kind), kind);
    const std::pair<int, std::size_t> fits[] = {
        {p.sensors, image.sensors.size()},          {p.pipelines, image.pipelines.size()},
        {p.hourArchives, image.hourArcDesc.size()}, {p.dayArchives, image.dayArcDesc.size()},
        {p.monthArchives, image.monthArcDesc.size()}, {p.intervalArchives, image.intervalArcDesc.size()},
        {p.events, image.eventType.size()},         {p.logicFlags, image.logicLaw.size()},
        {p.logicTimes, image.logicT1.size()},       {p.regulators, image.logicT1.size()},
        {p.desktopEntries, image.names.desktopNames.size()}, {p.tables, image.tableFunctions.size()},
        {p.generators, image.currentGenerators.size()},
        {p.eventsShareIntervalArchive, image.intervalArcDesc.size() - 1},
    };
    for (const auto& [count, size] : fits) EXPECT_LE(count, static_cast<int>(size)) << "kind " << kind;
  }
}

// The stored kind word stays a word: only 1, 2 and 3 name a kind, and an
// invalid word reads as the expandable model's profile.
TEST(ImageFields, StoredKindWordNamesAKindOnlyWhenValid) {
  EXPECT_EQ(deviceKindOf(1), DeviceKind::Minimal);
  EXPECT_EQ(deviceKindOf(2), DeviceKind::Expandable);
  EXPECT_EQ(deviceKindOf(3), DeviceKind::Large);
  for (Word stored : {0, 4, -1, 0x10001}) {
    EXPECT_FALSE(deviceKindOf(stored).has_value()) << stored;
    EXPECT_EQ(kindProfile(stored).kind, DeviceKind::Expandable) << stored;
  }
}
