#include <gtest/gtest.h>

#include <QSet>

#include "model/cp1251.h"
#include "model/field_walk.h"
#include "model/settings_record.h"
#include "support/fresh_image.h"

using namespace nastrum;

namespace {

using nastrum::testing::freshImage;

const Field& fieldAt(const std::vector<Field>& fields, const QString& path) {
  for (const Field& f : fields)
    if (f.path == path) return f;
  static const Field none;
  ADD_FAILURE() << "no field " << path.toStdString();
  return none;
}

}  // namespace

TEST(FieldWalk, NamesEveryFieldOnceInFileOrder) {
  const std::vector<Field> fields = walkFields(freshImage(2));
  // 3333 fields of the settings record (with both modem strings) and 288 of the names.
  EXPECT_EQ(fields.size(), 3621u);
  QSet<QString> paths;
  for (const Field& f : fields) paths.insert(f.path);
  EXPECT_EQ(static_cast<std::size_t>(paths.size()), fields.size());
  EXPECT_EQ(fields.front().path, QStringLiteral("DeviceKind"));
  EXPECT_EQ(fields.back().path, QStringLiteral("NamesReserved"));
}

TEST(FieldWalk, ValuesAsListingsShowThem) {
  SettingsImage image = freshImage(3);
  image.names.sensorNames[1].setBytes(toCp1251(QStringLiteral("Датчик \"Т1\"")));
  image.modemInitMain = {'A', 'T', 13, 'A', 'T', 'Z', 13};
  image.modemInitAux = {'A', 'T', 0};  // not in the form the editor writes
  image.tableFunctions[9][16] = -2.5;
  const std::vector<Field> fields = walkFields(image);
  struct Case {
    const char* path;
    const char* text;
  };
  const Case cases[] = {
      {"DeviceKind", "3"},
      {"Sensors[63].Number", "64"},
      {"Pipelines[0].TempSensors", "0x4040"},
      {"Pipelines[15].CutoffSource", "0x8040"},
      {"Pipelines[0].MonthFactor", "1"},
      {"EventPrefixWord", "0xFF00"},
      {"SystemBlock.DateDDMM", "2010"},
      {"SystemBlock.SummerTimeInterval", "0x3A05"},
      {"SystemBlock.BatteryControl", "0xFFFF"},
      {"TableFunctions[9][16]", "-2.5"},
      {"DefaultValues.CarrierPressure", "0.6"},
      {"ModemInitMain", "\"AT*ATZ\""},
      {"ModemInitAux", "4154"},
      {"SensorNames[1]", "\"Датчик \\\"Т1\\\"\""},
      {"SensorNames[0]", "\"\""},
      {"DesktopParams[15]", "1"},
      {"NamesReserved", "(zero)"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(fieldAt(fields, QString::fromUtf8(c.path)).text, QString::fromUtf8(c.text)) << c.path;
  EXPECT_EQ(fieldAt(fields, QStringLiteral("SensorNames[1]")).plainText, QStringLiteral("Датчик \"Т1\""));
}

TEST(FieldWalk, EveryChangedByteOfTheRecordShowsInExactlyOneField) {
  const SettingsImage base = freshImage(2);
  const QByteArray record = encodeSettingsRecord(base);
  const std::vector<Field> before = walkFields(base);
  // A sample of offsets across every part, the last byte included. (Byte 0
  // would turn kind 2 into kind 3, which also takes ModemInitAux from LogicK2.)
  std::vector<int> offsets = {1, 4, 5636, 7748, 9812, 13912, 15448, 15524, 16884, 17076, 17108, 17156,
                              kSettingsRecordSize - 1};
  for (int offset = 3; offset < kSettingsRecordSize; offset += 89) offsets.push_back(offset);
  for (int offset : offsets) {
    QByteArray changed = record;
    changed[offset] = static_cast<char>(changed[offset] ^ 0x01);
    SettingsImage image = base;
    decodeSettingsRecord(changed, image);
    const std::vector<Field> after = walkFields(image);
    int differing = 0;
    for (std::size_t i = 0; i < after.size(); ++i) differing += after[i].text != before[i].text ? 1 : 0;
    EXPECT_EQ(differing, 1) << "byte " << offset;
  }
}
