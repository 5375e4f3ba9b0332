// Every map of every kind, every page, for a configured plant, against golden
// files. Set NASTRUM_UPDATE_GOLDEN=1 to rewrite them after a deliberate change
// (and read the difference before committing it).
#include <gtest/gtest.h>

#include <QFile>

#include "maps/map_builder.h"
#include "maps/map_catalogue.h"
#include "maps/map_dump.h"
#include "maps/map_test_image.h"

namespace nastrum {
namespace {

QString dumpKind(Word kind) {
  const SettingsImage image = testing::mapPlant(kind);
  QString out;
  for (int number = 1; number <= kMapCount; ++number) {
    if (!kindProfile(kind).hasMap(number)) continue;
    for (int page = 1; page <= mapPageCount(kind, number); ++page)
      out += testing::dumpMapPage(buildMap(image, number, page, QLatin1Char(',')));
  }
  return out;
}

class MapGolden : public ::testing::TestWithParam<int> {};

TEST_P(MapGolden, EveryMapAndPageMatchesTheGoldenFile) {
  const Word kind = GetParam();
  const QString path = QStringLiteral(NASTRUM_TEST_DATA "/maps/kind%1.txt").arg(kind);
  const QString actual = dumpKind(kind);
  if (qEnvironmentVariableIsSet("NASTRUM_UPDATE_GOLDEN")) {
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(actual.toUtf8());
    return;
  }
  QFile in(path);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << path.toStdString();
  const QStringList expected = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
  const QStringList lines = actual.split(QLatin1Char('\n'));
  for (qsizetype i = 0; i < std::min(expected.size(), lines.size()); ++i)
    ASSERT_EQ(lines[i].toStdString(), expected[i].toStdString()) << "line " << i + 1 << " of " << path.toStdString();
  EXPECT_EQ(lines.size(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(Kinds, MapGolden, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace nastrum
