// The exported forms of a map: text for the clipboard and the command line,
// CSV, HTML, the OpenDocument file and the PDF.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "maps/map_document.h"
#include "maps/map_painter.h"
#include "maps/map_text.h"
#include "maps/map_test_image.h"

namespace nastrum {
namespace {

QGuiApplication& guiApplication() {
  static int argc = 1;
  static char name[] = "maps-export-tests";
  static char* argv[] = {name, nullptr};
  static auto* app = new QGuiApplication(argc, argv);  // lives until the process ends
  return *app;
}

class MapExport : public ::testing::Test {
 protected:
  void SetUp() override { guiApplication(); }
  const SettingsImage image = testing::mapPlant(2);
  QTemporaryDir dir;
};

int pdfPages(const QByteArray& pdf) {
  return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST_F(MapExport, TextGivesARegionsTextOnceAndASelectionItsRectangle) {
  const MapPage p = buildMap(image, 8, 1, QLatin1Char(','));
  const QStringList lines = mapTableText(p.table).split(QLatin1Char('\n'));
  EXPECT_EQ(lines[0], QStringLiteral("Название параметра\tНомер генератора тока\t\t\t\t\t\t\t"));
  EXPECT_EQ(lines[1], QStringLiteral("\t00\t01\t02\t03\t04\t05\t06\t07"));
  EXPECT_EQ(mapTableText(p.table, 1, 2, 2, 3), QStringLiteral("0100\tFF00\n4001\t \n"));
}

TEST_F(MapExport, CsvQuotesAndHtmlKeepsSpans) {
  MapPage p = buildMap(image, 9, 1, QLatin1Char(','));
  const QString csv = mapTableCsv(p.table);
  EXPECT_TRUE(csv.startsWith(QStringLiteral("Наименование параметра,Значение параметра\r\n")));
  EXPECT_TRUE(csv.contains(QStringLiteral("Летнее время, длительность интервала\"")));  // quoted for its comma
  EXPECT_TRUE(csv.contains(QStringLiteral("Давление энергоносителя,\"0,600000\"\r\n")));

  p = buildMap(image, 1, 1, QLatin1Char(','));
  p.table.setText(1, 3, QStringLiteral("<Котельная & ЦТП>"));
  const QString html = mapPageHtml(p);
  EXPECT_TRUE(html.contains(QStringLiteral("<td colspan=\"13\"")));
  EXPECT_TRUE(html.contains(QStringLiteral("<td rowspan=\"2\" align=\"center\"")));
  EXPECT_TRUE(html.contains(QStringLiteral("&lt;Котельная &amp; ЦТП&gt;")));
  EXPECT_EQ(html.count(QStringLiteral("<tr>")), 26);
}

TEST_F(MapExport, OdtOfMapOneIsAZipWithTheTable) {
  const MapPage p = buildMap(image, 1, 1, QLatin1Char(','));
  const QString path = dir.filePath(QStringLiteral("map1.odt"));
  ASSERT_TRUE(writeMapOdt(p, path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_TRUE(bytes.startsWith("PK\x03\x04"));
  EXPECT_TRUE(bytes.contains("application/vnd.oasis.opendocument.text"));
  EXPECT_TRUE(bytes.contains("content.xml"));

  if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty()) GTEST_SKIP() << "unzip is not installed";
  QProcess unzip;
  unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("content.xml")});
  ASSERT_TRUE(unzip.waitForFinished());
  const QString content = QString::fromUtf8(unzip.readAllStandardOutput());
  EXPECT_EQ(content.count(QStringLiteral("<table:table-row")), 26);
  EXPECT_EQ(content.count(QStringLiteral("<table:table-column ")), 13);
  EXPECT_TRUE(content.contains(QStringLiteral("table:number-columns-spanned=\"13\"")));
  EXPECT_TRUE(content.contains(QStringLiteral("table:number-rows-spanned=\"2\"")));
  EXPECT_TRUE(content.contains(QStringLiteral("Используемые датчики")));
  EXPECT_TRUE(content.contains(QStringLiteral("Карта программирования ОРВИК 5 расширяемый: Распределение трубопроводов и датчиков")));
}

TEST_F(MapExport, PdfOfMapTwoHasOnePagePerPrintedPage) {
  const MapPage p = buildMap(image, 2, 1, QLatin1Char(','));
  const QString path = dir.filePath(QStringLiteral("map2.pdf"));
  const int written = writeMapPdf(p, path);
  ASSERT_GE(written, 1);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray pdf = file.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(pdfPages(pdf), written);

  // On a small page the table breaks between rows, never inside a band heading.
  QBuffer small;
  small.open(QIODevice::WriteOnly);
  QPdfWriter writer(&small);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
  const int pages = paintMapPages(p, writer);
  EXPECT_GT(pages, 1);
  EXPECT_EQ(pdfPages(small.data()), pages);
}

TEST_F(MapExport, AnUnwritablePathFails) {
  const MapPage p = buildMap(image, 2, 1, QLatin1Char(','));
  const QString path = dir.filePath(QStringLiteral("missing/map.pdf"));
  EXPECT_EQ(writeMapPdf(p, path), 0);
  EXPECT_FALSE(writeMapOdt(p, dir.filePath(QStringLiteral("missing/map.odt"))));
}

}  // namespace
}  // namespace nastrum
