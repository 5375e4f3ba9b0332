// The view pages as the user sees them: every cell of every table shows its
// field of a populated image of each kind; an edit without the privileged
// password asks for it and stores nothing, a wrong password changes nothing,
// and after the right one a typed value is stored at once.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QPainter>

#include "editor/pages/view/ui/view_page_widget.h"
#include "editor/ui/base_form.h"
#include "editor/ui/page_host.h"
#include "editor/ui/scripted_file_dialogs.h"
#include "editor/ui/privileged_login_dialog.h"
#include "model/device_real.h"
#include "model/device_text.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"
#include "model/real_text.h"
#include "support/populated_image.h"
#include "support/page_driver.h"
#include "support/scripted_presenter.h"
#include "support/temp_current_dir.h"
#include "support/text_recorder.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

const QChar kComma(u',');

QString hex(Word w) { return HexWord(w); }
QString real(double x) { return FormatReal8(x, kComma); }
QString dec4(Word w) { return QStringLiteral("%1").arg(w, 4, 10, QLatin1Char('0')); }

// What a cell must show: rows of (caption-free) expected values, per object.
using Expect = std::function<QString(int object)>;

struct Page : testing::PageDriver<ViewPageWidget> {
  Page(ViewSheet sheet, Word kind) {
    ws.image = testing::populatedImage(kind);
    open(std::make_unique<ViewPageWidget>(sheet, ws, boxes, kComma, nullptr));
    widget->showCurrent();
  }
  QTableWidget* table(const char* name) { return widget->findChild<QTableWidget*>(QLatin1String(name)); }
  QString cell(const char* name, int row, int column) {
    QTableWidgetItem* item = table(name)->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
  }
  // Compares every field cell of a table with header row against `rows`.
  void expectTable(const char* name, int objects, const std::vector<Expect>& rows) {
    QTableWidget* t = table(name);
    ASSERT_NE(t, nullptr) << name;
    ASSERT_EQ(t->columnCount(), objects + 1) << name;
    ASSERT_EQ(t->rowCount(), static_cast<int>(rows.size()) + 1) << name;
    for (int object = 0; object < objects; ++object) {
      EXPECT_EQ(cell(name, 0, object + 1), QString::number(object)) << name;
      for (std::size_t r = 0; r < rows.size(); ++r)
        EXPECT_EQ(cell(name, static_cast<int>(r) + 1, object + 1), rows[r](object))
            << name << " row " << r + 1 << " object " << object;
    }
  }
  // Types `text` key by key into the editor of a cell (opening it if it is not
  // open yet) and presses Enter.
  void typeInto(const char* name, int row, int column, const QString& text) {
    QTableWidget* t = table(name);
    const QModelIndex index = t->model()->index(row, column);
    if (!t->indexWidget(index)) {
      t->setCurrentCell(row, column);
      t->editItem(t->item(row, column));
    }
    auto* editor = qobject_cast<QLineEdit*>(t->indexWidget(index));
    ASSERT_NE(editor, nullptr);
    editor->clear();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the view commits and closes the editor queued
  }
};

class EveryKind : public ::testing::TestWithParam<Word> {};

TEST_P(EveryKind, SensorAndTableCellsEqualTheImage) {
  Page p(ViewSheet::Sensors, GetParam());
  const auto& s = p.ws.image.sensors;
  const auto at = [&](int i) -> const SensorRecord& { return s[static_cast<std::size_t>(i)]; };
  const KindProfile& kind = kindProfile(GetParam());
  p.expectTable("sensorTable", kind.sensors,
                {[&](int i) {
                   QString t = hex(at(i).mainDescriptor);
                   if ((t[0] == u'9' || t[0] == u'A') && t.mid(1, 2) == "47") t.replace(1, 2, "50");
                   return t;
                 },
                 [&](int i) { return hex(at(i).auxDescriptor); }, [&](int i) { return real(at(i).const1); },
                 [&](int i) { return real(at(i).const2); }, [&](int i) { return real(at(i).const3); },
                 [&](int i) { return real(at(i).maxValue); }, [&](int i) { return real(at(i).minValue); },
                 [&](int i) { return real(at(i).substAboveMax); }, [&](int i) { return real(at(i).substBelowMin); },
                 [&](int i) { return real(at(i).substOnFault); }, [&](int i) { return real(at(i).monthFactor); }});
  EXPECT_EQ(p.cell("sensorTable", 0, 0), "№ датчика:");
  EXPECT_EQ(p.cell("sensorTable", 1, 0), "Описатель датчика основной");
  EXPECT_GE(p.table("sensorTable")->columnWidth(0), 200);  // wider where a caption needs it

  std::vector<Expect> points;
  for (int k = 0; k < 16; ++k)
    points.push_back([&, k](int t) {
      return real(p.ws.image.tableFunctions[static_cast<std::size_t>(t)][static_cast<std::size_t>(k)]);
    });
  p.expectTable("tableFunctionTable", kind.tables, points);
  EXPECT_EQ(p.cell("tableFunctionTable", 0, 0), "№ таблицы:");
}

TEST_P(EveryKind, PipelineCellsEqualTheImage) {
  Page p(ViewSheet::Pipelines, GetParam());
  const auto at = [&](int i) -> const PipelineRecord& { return p.ws.image.pipelines[static_cast<std::size_t>(i)]; };
  p.expectTable("pipelineTable", kindProfile(GetParam()).pipelines,
                {[&](int i) { return hex(at(i).mainDescriptor); }, [&](int i) { return hex(at(i).flowSensors); },
                 [&](int i) { return hex(at(i).tempSensors); }, [&](int i) { return hex(at(i).pressureSensors); },
                 [&](int i) { return hex(at(i).densityCalorLink); }, [&](int i) { return hex(at(i).bigPipeRef); },
                 [&](int i) { return hex(at(i).cutoffSource); }, [&](int i) { return hex(at(i).impurityTariff); },
                 [&](int i) { return real(at(i).pipeDiameter); }, [&](int i) { return real(at(i).orificeDiameter); },
                 [&](int i) { return real(at(i).pipeExpansion); }, [&](int i) { return real(at(i).orificeExpansion); },
                 [&](int i) { return real(at(i).roughness); }, [&](int i) { return real(at(i).co2Fraction); },
                 [&](int i) { return real(at(i).n2Fraction); }, [&](int i) { return real(at(i).gasCalorific); },
                 [&](int i) { return real(at(i).gasDensity); }, [&](int i) { return real(at(i).monthFactor); },
                 [&](int i) { return real(at(i).mainTariff); }, [&](int i) { return real(at(i).nightTariff); }});
  EXPECT_EQ(p.cell("pipelineTable", 20, 0),
            GetParam() == 3 ? "Ночной тариф (электроэнергия)" : "Влажность газа/Ночной тариф");
}

TEST_P(EveryKind, ArchiveCellsEqualTheImage) {
  Page p(ViewSheet::Archives, GetParam());
  const KindProfile& kind = kindProfile(GetParam());
  const auto& im = p.ws.image;
  const auto rows = [](const auto& desc, const auto& pos, const auto& neg) {
    const auto of = [](const auto& a) { return [&a](int i) { return hex(a[static_cast<std::size_t>(i)]); }; };
    return std::vector<Expect>{of(desc), of(pos), of(neg)};
  };
  p.expectTable("hourArchiveTable", kind.hourArchives, rows(im.hourArcDesc, im.hourArcPos, im.hourArcNeg));
  p.expectTable("dayArchiveTable", kind.dayArchives, rows(im.dayArcDesc, im.dayArcPos, im.dayArcNeg));
  p.expectTable("monthArchiveTable", kind.monthArchives, rows(im.monthArcDesc, im.monthArcPos, im.monthArcNeg));
  if (kind.intervalArchives > 0) {
    p.expectTable("intervalArchiveTable", kind.intervalArchives,
                  rows(im.intervalArcDesc, im.intervalArcPos, im.intervalArcNeg));
    p.expectTable("eventTable", kind.events,
                  {[&](int i) { return hex(im.eventType[static_cast<std::size_t>(i)]); },
                   [&](int i) { return hex(im.eventParam[static_cast<std::size_t>(i)]); }});
  } else {
    EXPECT_EQ(p.table("intervalArchiveTable"), nullptr);
    EXPECT_EQ(p.table("eventTable"), nullptr);
  }
}

TEST_P(EveryKind, SystemGeneratorAndModemCellsEqualTheImage) {
  Page p(ViewSheet::System, GetParam());
  auto& im = p.ws.image;
  im.sys(sys::SettlementHourDate) = 1531;
  im.sys(sys::PasswordPresent) = GetParam() == 2 ? 0 : 1;
  im.modemInitMain = EditToDeviceText("ATZ");
  im.modemInitAux = EditToDeviceText("AT");
  p.widget->showCurrent();
  const KindProfile& kind = kindProfile(GetParam());
  const bool aux = kind.hasAuxChannel;
  const std::vector<QString> values = {
      hex(im.sys(sys::ClockCorrection)), hex(im.sys(sys::ArchiveWriteMode)), hex(im.sys(sys::SummerTimeInterval)),
      "1531", hex(im.sys(sys::MainChannelSetup)), hex(im.sys(sys::MainChannelBaud)),
      aux ? hex(im.sys(sys::AuxChannelSetup)) : " ", aux ? hex(im.sys(sys::AuxChannelBaud)) : " ",
      aux ? hex(im.sys(sys::BatteryControl)) : " ", aux ? hex(im.sys(sys::SpecialFunctions)) : " ",
      real(im.defaultValues.coldSourceTemp), real(im.defaultValues.carrierTemp),
      real(im.defaultValues.carrierPressure), real(im.defaultValues.atmPressure),
      GetParam() == 2 ? "****" : hex(im.sys(sys::DevicePassword))};
  ASSERT_EQ(p.table("systemTable")->rowCount(), 15);
  for (int row = 0; row < 15; ++row) EXPECT_EQ(p.cell("systemTable", row, 1), values[static_cast<std::size_t>(row)]) << row;
  EXPECT_EQ(p.cell("systemTable", 14, 0), "Пароль доступа");
  EXPECT_GE(p.table("systemTable")->columnWidth(0), 270);

  if (kind.generators > 0) {
    const auto at = [&](int i) -> const CurrentGenRecord& { return im.currentGenerators[static_cast<std::size_t>(i)]; };
    p.expectTable("generatorTable", kind.generators,
                  {[&](int i) { return hex(at(i).paramDescriptor); }, [&](int i) { return hex(at(i).lawDescriptor); },
                   [&](int i) { return real(at(i).scaleEnd); }, [&](int i) { return real(at(i).scaleStart); }});
  } else {
    EXPECT_EQ(p.table("generatorTable"), nullptr);
  }
  auto* main = p.widget->findChild<QLineEdit*>("modemMainField");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->text(), "41 54 5A 0D 00 ");
  auto* auxField = p.widget->findChild<QLineEdit*>("modemAuxField");
  EXPECT_EQ(auxField != nullptr, kind.hasAuxModemText);
  if (auxField) {
    EXPECT_EQ(auxField->text(), "41 54 0D 00 ");
  }
}

TEST_P(EveryKind, RegulatorCellsEqualTheImage) {
  Page p(ViewSheet::Regulators, GetParam());
  const KindProfile& kind = kindProfile(GetParam());
  auto& im = p.ws.image;
  const auto of = [](const auto& a) { return [&a](int i) { return hex(a[static_cast<std::size_t>(i)]); }; };
  if (kind.hasLogicFlags) {
    im.logicParam[3] = 0x4017;
    p.widget->showCurrent();
    const auto k1 = [&](int i) {
      const Word param = im.logicParam[static_cast<std::size_t>(i)];
      return param >= 0x4015 && param <= 0x4017 ? dec4(im.logicK1[static_cast<std::size_t>(i)]) : hex(im.logicK1[static_cast<std::size_t>(i)]);
    };
    const auto delay = [&](const auto& a) {
      return [&a](int i) { return i < 64 ? dec4(a[static_cast<std::size_t>(i)]) : QStringLiteral("нет"); };
    };
    p.expectTable("logicFlagTable", 255,
                  {of(im.logicLaw), of(im.logicParam), k1, of(im.logicK2), delay(im.logicT1), delay(im.logicT2)});
    EXPECT_EQ(p.cell("logicFlagTable", 3, 4), dec4(im.logicK1[3]));
  } else if (kind.regulators > 0) {
    const auto constant = [&](int i) {
      const auto b = [](Word w, int shift) { return static_cast<std::uint8_t>((w >> shift) & 0xFF); };
      const Word t1 = im.logicT1[static_cast<std::size_t>(i)];
      const Word t2 = im.logicT2[static_cast<std::size_t>(i)];
      return ShortenRealText(real(DecodeDeviceReal(DeviceRealBytes{b(t1, 8), b(t1, 0), b(t2, 8), b(t2, 0)})), 8, kComma);
    };
    p.expectTable("regulatorTable", 64, {of(im.logicLaw), of(im.logicParam), constant});
  } else {
    EXPECT_TRUE(p.widget->findChildren<QTableWidget*>().isEmpty());
  }
}

// Paints the whole table as the screen would and checks every cell's drawn
// text: all of it, inside the cell. An elided or clipped text fails.
void expectEveryCellWhole(QTableWidget* grid) {
  testing::TextRecorder recorder;
  QPainter painter(&recorder);
  grid->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  painter.end();
  const QPoint origin = grid->viewport()->mapTo(grid, QPoint(0, 0));
  int shown = 0;
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < grid->columnCount(); ++c) {
      const QString text = grid->item(r, c)->text().trimmed();
      const QRect cell = grid->visualRect(grid->model()->index(r, c));
      if (text.isEmpty() || !grid->viewport()->rect().contains(cell)) continue;  // scrolled out of sight
      ++shown;
      const QRectF box = cell.translated(origin);
      EXPECT_EQ(testing::textIn(recorder.runs(), box).trimmed(), text) << grid->objectName().toStdString() << " " << r << "," << c;
      EXPECT_TRUE(testing::runsInside(recorder.runs(), box)) << grid->objectName().toStdString() << " " << r << "," << c;
    }
  EXPECT_GT(shown, grid->rowCount());  // the captions and at least one object
}

TEST_P(EveryKind, EveryCaptionAndValueShowsWholeWithTheCaptionAsItsHint) {
  for (const ViewSheet sheet : {ViewSheet::Sensors, ViewSheet::Pipelines, ViewSheet::Archives, ViewSheet::System,
                                ViewSheet::Regulators}) {
    Page p(sheet, GetParam());
    // Reals whose display needs the exponent form, in every real row of the sensor table.
    p.ws.image.sensors[1].const1 = -5.77499918108515E-7;
    p.ws.image.sensors[2].maxValue = 1.23456789012345E+30;
    p.ws.image.pipelines[0].pipeExpansion = -5.77499918108515E-7;
    p.widget->showCurrent();
    p.widget->resize(1200, 800);
    p.widget->show();
    for (QTableWidget* grid : p.widget->findChildren<QTableWidget*>()) {
      SCOPED_TRACE(grid->objectName().toStdString());
      expectEveryCellWhole(grid);
      for (int r = 0; r < grid->rowCount(); ++r) EXPECT_EQ(grid->item(r, 0)->toolTip(), grid->item(r, 0)->text());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKind, ::testing::Values(1, 2, 3));

TEST(ViewPage, TheRegulatorConstantLosesOnlyFractionDigitsToItsEightCharacters) {
  Page p(ViewSheet::Regulators, 3);
  const auto put = [&](double value) {
    const DeviceRealBytes b = EncodeDeviceReal(value);
    p.ws.image.logicT1[0] = static_cast<Word>((b[0] << 8) | b[1]);
    p.ws.image.logicT2[0] = static_cast<Word>((b[2] << 8) | b[3]);
    p.widget->showCurrent();
    return p.cell("regulatorTable", 3, 1);
  };
  EXPECT_EQ(put(1.5), "1,500000");
  EXPECT_EQ(put(4294966784.0), "4294966784");
  EXPECT_EQ(put(5.77499918108515E-7), real(5.77499918108515E-7));  // the exponent form whole
}

// Answers the password window the next time it is shown modally.
void answerPasswordWindow(const QString& password) {
  QTimer::singleShot(0, [password] {
    auto* dialog = qobject_cast<PrivilegedLoginDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    // Let the edit take the focus first: receiving it counts as "Ввод".
    dialog->passwordEdit()->setFocus();
    QApplication::processEvents();
    dialog->passwordEdit()->setText(password);
    dialog->submit(LoginTrigger::EnterButton);
  });
}

TEST(ViewPagePrivilege, EditWithoutPasswordAsksAndStoresNothing) {
  Page p(ViewSheet::Sensors, 2);
  const SettingsImage before = p.ws.image;
  int asked = 0;
  p.widget->setLoginRequest([&] { ++asked; });
  QSignalSpy edited(p.widget.get(), &ViewPageWidget::imageEdited);
  QTableWidget* t = p.table("sensorTable");

  t->setCurrentCell(1, 6);
  QTest::keyClick(t, Qt::Key_2);  // typing into a cell
  EXPECT_EQ(asked, 1);
  emit t->cellDoubleClicked(1, 6);  // double click
  EXPECT_EQ(asked, 2);
  emit t->cellDoubleClicked(0, 6);  // a header cell is no field: no question
  EXPECT_EQ(asked, 2);

  EXPECT_EQ(t->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(std::memcmp(&before.sensors, &p.ws.image.sensors, sizeof before.sensors), 0);
  EXPECT_EQ(p.cell("sensorTable", 1, 6), hex(before.sensors[5].mainDescriptor));
  EXPECT_FALSE(p.modified());
  EXPECT_EQ(edited.count(), 0);
}

// Clicks a cell as the user does and lets the page answer the move.
void clickCell(QTableWidget* grid, int row, int column) {
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, column)).center());
  QApplication::processEvents();
}

TEST(ViewPagePrivilege, MovingToAnotherCellAsksForThePasswordAndTheDiagnosticTextFollows) {
  Page p(ViewSheet::Sensors, 2);
  p.widget->resize(1000, 700);
  p.widget->show();
  const SettingsImage before = p.ws.image;
  int asked = 0;
  p.widget->setLoginRequest([&] { ++asked; });
  QSignalSpy diagnostic(p.widget.get(), &ViewPageWidget::diagnosticText);
  QTableWidget* t = p.table("sensorTable");

  clickCell(t, 1, 6);  // into the table: no cell is left
  EXPECT_EQ(asked, 0);
  clickCell(t, 3, 2);  // from one cell to another
  EXPECT_EQ(asked, 1);
  QTest::keyClick(t, Qt::Key_Down);  // by key as well
  QApplication::processEvents();
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(t->currentRow(), 4);
  clickCell(t, 0, 4);  // the number row is no field
  EXPECT_EQ(asked, 2);

  ASSERT_EQ(diagnostic.count(), 3);
  EXPECT_EQ(diagnostic.at(0).at(0).toString(), p.cell("sensorTable", 1, 6));
  EXPECT_EQ(diagnostic.at(1).at(0).toString(), p.cell("sensorTable", 3, 2));
  EXPECT_EQ(diagnostic.at(2).at(0).toString(), p.cell("sensorTable", 4, 2));
  EXPECT_EQ(std::memcmp(&before.sensors, &p.ws.image.sensors, sizeof before.sensors), 0);
  EXPECT_FALSE(p.modified());

  // The privileged user moves freely.
  p.ws.editor.accessLevel = 1;
  clickCell(t, 5, 3);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(diagnostic.last().at(0).toString(), p.cell("sensorTable", 5, 3));
}

TEST(ViewPagePrivilege, APrivilegedDoubleClickOffersSavingAndMarksTheImage) {
  Page p(ViewSheet::Pipelines, 3);
  p.ws.editor.accessLevel = 1;
  p.ws.image.sys(sys::PrivilegedMark) = 0;  // saved since the password was given
  p.widget->showCurrent();
  QSignalSpy offered(p.widget.get(), &ViewPageWidget::saveOffered);
  QTableWidget* t = p.table("pipelineTable");

  emit t->cellDoubleClicked(0, 2);  // the number row: nothing
  EXPECT_EQ(offered.count(), 0);
  EXPECT_EQ(p.ws.image.sys(sys::PrivilegedMark), 0);

  emit t->cellDoubleClicked(2, 2);
  EXPECT_EQ(offered.count(), 1);
  EXPECT_EQ(p.ws.image.sys(sys::PrivilegedMark), 1);
  EXPECT_NE(t->indexWidget(t->model()->index(2, 2)), nullptr);  // the cell editor is open
  EXPECT_FALSE(p.modified());                         // nothing typed yet
}

TEST(ViewPagePrivilege, WrongPasswordLeavesEverythingAsItWas) {
  Page p(ViewSheet::Sensors, 2);
  const SettingsImage before = p.ws.image;
  p.boxes.then(AnswerNo);  // "Пароль не верен, введете снова? " → Нет
  answerPasswordWindow("lentaro57");
  emit p.table("sensorTable")->cellDoubleClicked(1, 6);

  EXPECT_EQ(p.boxes.shown().size(), 1u);
  EXPECT_EQ(p.ws.editor.accessLevel, 0);
  EXPECT_EQ(p.table("sensorTable")->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(p.ws.image.sys(sys::PrivilegedMark), before.sys(sys::PrivilegedMark));
  EXPECT_EQ(std::memcmp(&before.sensors, &p.ws.image.sensors, sizeof before.sensors), 0);
  EXPECT_FALSE(p.modified());
}

TEST(ViewPagePrivilege, WithThePasswordATypedValueIsStoredAtOnce) {
  Page p(ViewSheet::Sensors, 2);
  p.boxes.acknowledgeOkBoxes();
  answerPasswordWindow("lentaro58");
  QSignalSpy edited(p.widget.get(), &ViewPageWidget::imageEdited);
  emit p.table("sensorTable")->cellDoubleClicked(1, 6);
  ASSERT_EQ(p.ws.editor.accessLevel, 1);

  p.typeInto("sensorTable", 1, 6, "2340");
  EXPECT_EQ(p.ws.image.sensors[5].mainDescriptor, 0x2340);
  EXPECT_TRUE(p.modified());
  EXPECT_EQ(edited.count(), 1);
  EXPECT_EQ(p.cell("sensorTable", 1, 6), "2340");

  // Keys outside the filter never reach the cell; "." becomes the separator.
  p.typeInto("sensorTable", 3, 2, "-1.5xyz");
  EXPECT_EQ(p.ws.image.sensors[1].const1, -1.5);
  EXPECT_EQ(edited.count(), 2);

  // A text that is no number is refused with a message; the field keeps its value.
  const double before = p.ws.image.sensors[2].const2;
  p.typeInto("sensorTable", 4, 3, "1.2.3");
  EXPECT_EQ(p.boxes.codes().back(), 7);
  EXPECT_EQ(p.ws.image.sensors[2].const2, before);
  EXPECT_EQ(p.cell("sensorTable", 4, 3), real(before));
  EXPECT_EQ(edited.count(), 2);
}

TEST(ViewPagePrivilege, APasswordGivenOnOnePageOpensTheOthers) {
  Page sensors(ViewSheet::Sensors, 3);
  auto pipelines = std::make_unique<ViewPageWidget>(ViewSheet::Pipelines, sensors.ws, sensors.boxes, kComma, nullptr);
  pipelines->showCurrent();
  sensors.boxes.acknowledgeOkBoxes();
  answerPasswordWindow("lentaro58");
  emit sensors.table("sensorTable")->cellDoubleClicked(2, 1);
  ASSERT_EQ(sensors.ws.editor.accessLevel, 1);

  auto* grid = pipelines->findChild<QTableWidget*>("pipelineTable");
  emit grid->cellDoubleClicked(9, 3);  // no second question: the cell editor opens
  auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(9, 3)));
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("0,25"));
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(sensors.ws.image.pipelines[2].pipeDiameter, 0.25);
}

TEST(ViewPagePrivilege, PrivilegedModemBytesAreStored) {
  Page p(ViewSheet::System, 3);
  auto* field = p.widget->findChild<QLineEdit*>("modemMainField");
  ASSERT_NE(field, nullptr);
  EXPECT_TRUE(field->isReadOnly());
  p.ws.editor.accessLevel = 1;
  p.widget->showCurrent();
  EXPECT_FALSE(field->isReadOnly());
  field->setText(QStringLiteral("41 54 0D"));
  emit field->editingFinished();
  EXPECT_EQ(p.ws.image.modemInitMain, EditToDeviceText("AT"));
  EXPECT_TRUE(p.modified());
}

TEST(ViewMode, PagesInTheMainWindowFillOnViewAndAskThroughItsPasswordWindow) {
  widgetApplication();
  TempCurrentDir dir;
  Workspace ws;
  ScriptedPresenter boxes;
  ScriptedFileDialogs files;
  Tbase_form form{ws, boxes, files};
  PageHost pages{form};
  for (int i = 0; i < 5; ++i) {
    auto* page = pages.add(static_cast<ViewPage>(i), new ViewPageWidget(static_cast<ViewSheet>(i), ws, boxes, kComma, nullptr));
    page->setLoginRequest([&form] { form.PrivilegedLogin(); });
  }
  const auto action = [&](const char* name) { return form.findChild<QAction*>(QString::fromLatin1(name)); };
  action("newAction")->trigger();
  form.findChild<QRadioButton*>(QStringLiteral("radioMinimal"))->click();
  form.findChild<QPushButton*>(QStringLiteral("typeOk"))->click();
  action("prosmotr")->trigger();

  auto* viewPages = form.findChild<QTabWidget*>(QStringLiteral("viewPages"));
  ASSERT_FALSE(viewPages->isHidden());
  EXPECT_EQ(viewPages->currentIndex(), static_cast<int>(ViewPage::Sensors));
  EXPECT_FALSE(viewPages->isTabVisible(static_cast<int>(ViewPage::Regulators)));
  auto* sensors = form.findChild<QTableWidget*>(QStringLiteral("sensorTable"));
  ASSERT_NE(sensors, nullptr);
  EXPECT_EQ(sensors->columnCount(), 17);
  EXPECT_EQ(form.findChild<QTableWidget*>(QStringLiteral("tableFunctionTable"))->columnCount(), 5);
  EXPECT_EQ(form.findChild<QTableWidget*>(QStringLiteral("pipelineTable"))->columnCount(), 5);
  EXPECT_FALSE(action("saveAction")->isEnabled());

  boxes.acknowledgeOkBoxes();
  answerPasswordWindow("lentaro58");
  emit sensors->cellDoubleClicked(1, 6);
  ASSERT_EQ(ws.editor.accessLevel, 1);
  EXPECT_TRUE(action("saveAction")->isEnabled());  // offered as soon as the cell opens
  EXPECT_FALSE(ws.file.isModified());
  auto* editor = qobject_cast<QLineEdit*>(sensors->indexWidget(sensors->model()->index(1, 6)));
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("2340"));
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(ws.image.sensors[5].mainDescriptor, 0x2340);
  EXPECT_TRUE(action("saveAction")->isEnabled());
  EXPECT_TRUE(form.findChild<QToolButton*>(QStringLiteral("save_b"))->isEnabled());

  // The first diagnostic field follows the cell the user moves to.
  sensors->setCurrentCell(3, 2);
  QApplication::processEvents();
  EXPECT_EQ(form.diagnosticField1()->text(), sensors->item(3, 2)->text());
}

}  // namespace
}  // namespace nastrum
