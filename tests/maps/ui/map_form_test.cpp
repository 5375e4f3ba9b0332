// The map window: its controls per map, paging, rebuilding on activation,
// copy, map 1's names, and the exports' outcomes.
#include <gtest/gtest.h>

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "maps/map_test_image.h"
#include "maps/ui/map_form.h"
#include "support/scripted_presenter.h"
#include "support/text_recorder.h"

namespace nastrum {
namespace {

class MapFormTest : public ::testing::Test {
 protected:
  MapFormTest() { workspace.image = testing::freshImage(2); }

  MapForm& form(MapFormHooks hooks = {}) {
    if (hooks.exportFolder.isEmpty()) hooks.exportFolder = dir.path();
    window = std::make_unique<MapForm>(workspace, presenter, nullptr, std::move(hooks));
    return *window;
  }
  template <class T>
  T* child(const char* name) { return window->findChild<T*>(QLatin1String(name)); }
  QPushButton* buttonNamed(const char* name) { return child<QPushButton>(name); }
  void activate() {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &event);
  }

  Workspace workspace;
  ScriptedPresenter presenter;
  QTemporaryDir dir;
  std::unique_ptr<MapForm> window;
};

TEST_F(MapFormTest, PagedMapShowsItsPageControlsAndActivationStartsAgainAtPageOne) {
  for (int n = 0; n <= 5; ++n) testing::sensorAt(workspace.image, n).mainDescriptor = 0x1400;
  MapForm& f = form();
  f.showMap(2);
  EXPECT_EQ(f.objectName(), QStringLiteral("Tmap_form"));
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Карта программирования ОРВИК 5 расширяемый:   Описание датчиков"));
  EXPECT_TRUE(child<QLabel>("pageLabel")->isVisible());
  EXPECT_EQ(child<QLabel>("pageLabel")->text(), QStringLiteral("Стр. 1"));
  EXPECT_FALSE(buttonNamed("prevButton")->isEnabled());
  EXPECT_FALSE(buttonNamed("nextButton")->isEnabled());
  EXPECT_EQ(buttonNamed("nextButton")->toolTip(), QStringLiteral("Следуюая страница"));
  EXPECT_EQ(buttonNamed("wordButton")->toolTip(), QStringLiteral("Передать карту программирования в MS Word 97 или выше"));
  EXPECT_FALSE(buttonNamed("clearNamesButton")->isVisible());
  EXPECT_EQ(f.table()->rowCount(), 13);
  EXPECT_EQ(f.table()->columnWidth(0), 220);

  testing::sensorAt(workspace.image, 40).mainDescriptor = 0x1400;
  activate();  // the image changed while the user was elsewhere
  EXPECT_EQ(f.table()->rowCount(), 27);
  EXPECT_EQ(f.table()->rowSpan(0, 0), 2);
  EXPECT_EQ(f.table()->columnSpan(0, 1), 8);
  ASSERT_TRUE(buttonNamed("nextButton")->isEnabled());
  buttonNamed("nextButton")->click();
  buttonNamed("nextButton")->click();
  EXPECT_EQ(child<QLabel>("pageLabel")->text(), QStringLiteral("Стр. 3"));
  EXPECT_TRUE(buttonNamed("prevButton")->isEnabled());
  EXPECT_EQ(f.table()->item(1, 1)->text(), QStringLiteral("32"));
  activate();
  EXPECT_EQ(f.session().page().page, 1);
  EXPECT_EQ(child<QLabel>("pageLabel")->text(), QStringLiteral("Стр. 1"));
  EXPECT_FALSE(buttonNamed("prevButton")->isEnabled());

  f.showMap(9);
  EXPECT_FALSE(child<QLabel>("pageLabel")->isVisible());
  EXPECT_FALSE(buttonNamed("nextButton")->isVisible());
  f.close();
  EXPECT_FALSE(f.isMapOpen());
}

TEST_F(MapFormTest, TheGridShowsEveryNumberWholeInsideItsCell) {
  workspace.image = testing::mapPlant(2);
  testing::sensorAt(workspace.image, 1).const1 = -5.77499918108515E-7;
  testing::sensorAt(workspace.image, 2).maxValue = 1.23456789012345E+30;
  testing::pipelineAt(workspace.image, 0).pipeExpansion = -5.77499918108515E-7;
  workspace.image.currentGenerators[0] = {0x0100, 0x4001, 1.23456789012345E+30, -5.77499918108515E-7};
  MapForm& f = form();
  for (const int number : {2, 3, 8}) {
    SCOPED_TRACE(number);
    f.showMap(number);
    QTableWidget* grid = f.table();
    const MapTable& table = f.session().table();
    int numbers = 0;
    for (int r = 0; r < table.rowCount(); ++r)
      for (int c = 0; c < table.columnCount(); ++c) {
        const QString text = grid->item(r, c)->text();
        if (table.isCovered(c, r) || text.trimmed().isEmpty()) continue;
        const QModelIndex index = grid->model()->index(r, c);
        QStyleOptionViewItem option;
        option.initFrom(grid->viewport());
        option.widget = grid;
        option.rect = grid->visualRect(index);  // the region's box for a merged cell
        option.features |= QStyleOptionViewItem::WrapText;
        testing::TextRecorder recorder;
        QPainter painter(&recorder);
        grid->itemDelegateForIndex(index)->paint(&painter, option, index);
        painter.end();
        EXPECT_EQ(testing::textIn(recorder.runs(), option.rect).remove(QLatin1Char(' ')), QString(text).remove(QLatin1Char(' ')))
            << "cell " << c << "," << r;
        EXPECT_TRUE(testing::runsInside(recorder.runs(), option.rect)) << "cell " << c << "," << r << ": " << text.toStdString();
        if (text.contains(QLatin1Char('E'))) ++numbers;
      }
    EXPECT_GE(numbers, 1);
  }
}

TEST_F(MapFormTest, NamesOfMapOneSurviveActivationUntilCleared) {
  MapForm& f = form();
  f.showMap(1);
  EXPECT_TRUE(buttonNamed("clearNamesButton")->isVisible());
  EXPECT_FALSE(f.table()->item(3, 0)->flags() & Qt::ItemIsEditable);
  ASSERT_TRUE(f.table()->item(3, 1)->flags() & Qt::ItemIsEditable);
  f.table()->item(3, 1)->setText(QStringLiteral("Отопление"));
  f.table()->item(3, 2)->setText(QStringLiteral("77"));
  activate();
  EXPECT_EQ(f.table()->item(3, 1)->text(), QStringLiteral("Отопление"));
  EXPECT_EQ(f.table()->item(3, 2)->text(), QString());

  presenter.then(AnswerNo).then(AnswerYes);
  buttonNamed("clearNamesButton")->click();
  EXPECT_EQ(f.table()->item(3, 1)->text(), QStringLiteral("Отопление"));
  buttonNamed("clearNamesButton")->click();
  EXPECT_EQ(f.table()->item(3, 1)->text(), QString());
  ASSERT_EQ(presenter.shown().size(), 2u);
  EXPECT_EQ(presenter.shown()[0].caption, QStringLiteral("Наструм - ОРВИК"));
  EXPECT_EQ(presenter.shown()[0].icon, MessageIcon::Question);
}

TEST_F(MapFormTest, CopyPutsTheSelectedCellsOnTheClipboard) {
  workspace.image.currentGenerators[0] = {0x0100, 0x4001, 20.0, 4.0};
  MapForm& f = form();
  f.showMap(8);
  f.table()->setRangeSelected(QTableWidgetSelectionRange(1, 0, 3, 2), true);
  f.copySelection();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("\t00\t01\nОписатель закона\t4001\t0000\nОписатель параметра\t0100\t \n"));
}

TEST_F(MapFormTest, ExportOpensTheWrittenDocumentOrSaysWhyNot) {
  QString opened;
  MapForm& f = form({.openDocument = [&](const QString& path) { opened = path; return true; }});
  f.showMap(1);
  buttonNamed("wordButton")->click();
  EXPECT_TRUE(opened.endsWith(QStringLiteral(".odt")));
  EXPECT_TRUE(QFile::exists(opened));
  EXPECT_TRUE(presenter.shown().empty());

  presenter.acknowledgeOkBoxes();
  MapForm& failing = form({.openDocument = [](const QString&) { return false; }});
  failing.showMap(1);
  buttonNamed("wordButton")->click();
  ASSERT_EQ(presenter.shown().size(), 1u);
  EXPECT_EQ(presenter.shown()[0].caption, QStringLiteral("Ошибка передачи в MS Word"));
  EXPECT_EQ(presenter.shown()[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(failing.isVisible());
}

TEST_F(MapFormTest, PdfAndPrintWriteLandscapePages) {
  const QString pdf = dir.filePath(QStringLiteral("map"));
  MapForm& f = form({.choosePdfPath = [&](const QString&) { return pdf; }});
  f.showMap(3);
  buttonNamed("pdfButton")->click();
  EXPECT_TRUE(QFile::exists(pdf + QStringLiteral(".pdf")));

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
  EXPECT_GE(f.printTo(printer), 1);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

  presenter.acknowledgeOkBoxes();
  MapForm& g = form({.choosePdfPath = [&](const QString&) { return dir.filePath(QStringLiteral("no/such/dir/map.pdf")); }});
  g.showMap(3);
  buttonNamed("pdfButton")->click();
  EXPECT_EQ(presenter.shown().size(), 1u);
}

}  // namespace
}  // namespace nastrum
