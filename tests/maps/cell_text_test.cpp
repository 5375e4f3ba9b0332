// Every map cell shows its whole text on paper: a real in exponent form in a
// narrow column takes a smaller font or breaks inside the number, rows grow
// to take the lines, and the painter draws every character inside its cell.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QGuiApplication>

#include "maps/cell_text_fit.h"
#include "maps/map_painter.h"
#include "maps/map_test_image.h"
#include "support/text_recorder.h"

namespace nastrum {
namespace {

using testing::TextRecorder;

void guiApplication() {
  static int argc = 1;
  static char name[] = "maps-cell-text-tests";
  static char* argv[] = {name, nullptr};
  static auto* app = new QGuiApplication(argc, argv);  // lives until the process ends
  (void)app;
}

QString withoutSpaces(QString text) { return text.remove(QLatin1Char(' ')); }

// Reals as FormatReal8 gives them for very small and very large values.
const QString kLongNumbers[] = {QStringLiteral("-5,77499918108515E-7"), QStringLiteral("1,23456789012345E+30"),
                                QStringLiteral("-1,7976931348623E+308")};

TEST(CellText, AShortTextKeepsItsFontAndBreaksOnlyBetweenWords) {
  guiApplication();
  for (const CellFont font : {CellFont::Body, CellFont::Heading}) {
    MapCell cell;
    cell.text = QStringLiteral("0040");
    cell.font = font;
    const CellTextLayout layout = layoutCellText(cell, 70);
    EXPECT_EQ(layout.font.pixelSize(), mapFont(font).pixelSize());
    EXPECT_TRUE(layout.flags & Qt::TextWordWrap);
    EXPECT_FALSE(layout.flags & Qt::TextWrapAnywhere);
  }
  MapCell caption;
  caption.text = QStringLiteral("Замена при выходе за максимум");
  const CellTextLayout wrapped = layoutCellText(caption, 100);
  EXPECT_EQ(wrapped.font.pixelSize(), mapFont(CellFont::Body).pixelSize());
  EXPECT_GT(wrapped.height, QFontMetricsF(wrapped.font).height() * 2);  // on more lines, whole words
}

TEST(CellText, ALongNumberIsDrawnWholeInsideItsBoxAtEveryWidthTheMapsUse) {
  guiApplication();
  for (const QString& number : kLongNumbers)
    for (const double width : {42.0, 50.0, 65.0, 70.0, 85.0})
      for (const CellFont font : {CellFont::Body, CellFont::Heading}) {
        SCOPED_TRACE(number.toStdString() + " in " + std::to_string(width));
        MapCell cell;
        cell.text = number;
        cell.font = font;
        cell.align = CellAlign::Center;
        const CellTextLayout layout = layoutCellText(cell, width);
        EXPECT_LE(layout.font.pixelSize(), mapFont(font).pixelSize());
        TextRecorder recorder;
        QPainter painter(&recorder);
        const QRectF box(10, 10, width, layout.height);
        drawCellText(painter, cell, box);
        painter.end();
        EXPECT_EQ(testing::textIn(recorder.runs(), box), number);
        EXPECT_TRUE(testing::runsInside(recorder.runs(), box));
      }
}

// A sensor, a pipeline and a generator map with reals that need the exponent form.
std::vector<MapPage> pagesWithLongReals() {
  SettingsImage image = testing::mapPlant(2);
  testing::sensorAt(image, 1).const1 = -5.77499918108515E-7;
  testing::sensorAt(image, 2).maxValue = 1.23456789012345E+30;
  testing::sensorAt(image, 3).substOnFault = -1.7976931348623E+308;
  testing::pipelineAt(image, 0).pipeExpansion = -5.77499918108515E-7;
  image.currentGenerators[0] = {0x0100, 0x4001, 1.23456789012345E+30, -5.77499918108515E-7};
  return {buildMap(image, 2, 1, QLatin1Char(',')), buildMap(image, 3, 1, QLatin1Char(',')),
          buildMap(image, 8, 1, QLatin1Char(',')), buildMap(image, 9, 1, QLatin1Char(','))};
}

TEST(MapPainter, EveryCellsTextIsDrawnWholeInsideTheCell) {
  guiApplication();
  for (const MapPage& page : pagesWithLongReals()) {
    SCOPED_TRACE(page.number);
    const MapGeometry g = measureMapPage(page);
    TextRecorder recorder;
    QPainter painter(&recorder);
    // At one device pixel per table pixel on a sheet that takes the whole table.
    ASSERT_EQ(paintMapSheets({page}, painter, QSizeF(4000, 4000), 1.0, [] {}), 1);
    painter.end();

    const QRectF header(0, 0, g.width(), g.headerHeight);
    EXPECT_EQ(withoutSpaces(testing::textIn(recorder.runs(), header)), withoutSpaces(page.pageHeader));
    EXPECT_TRUE(testing::runsInside(recorder.runs(), header));
    int longOnes = 0;
    const MapTable& t = page.table;
    for (int r = 0; r < t.rowCount(); ++r)
      for (int c = 0; c < t.columnCount(); ++c) {
        if (t.isCovered(c, r) || t.cell(c, r).text.trimmed().isEmpty()) continue;
        const QRectF box = g.cellBox(t, c, r).translated(0, g.headerHeight);
        const QString text = t.cell(c, r).text;
        EXPECT_EQ(withoutSpaces(testing::textIn(recorder.runs(), box)), withoutSpaces(text)) << "cell " << c << "," << r;
        EXPECT_TRUE(testing::runsInside(recorder.runs(), box)) << "cell " << c << "," << r << ": " << text.toStdString();
        if (text.contains(QLatin1Char('E'))) ++longOnes;
      }
    if (page.number != 9) {
      EXPECT_GE(longOnes, 1);
    }
  }
}

}  // namespace
}  // namespace nastrum
