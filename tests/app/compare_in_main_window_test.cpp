// "Сравнение настроек..." from the main window: the open settings against
// another pair and against a simulated device on an in-process line (read
// through the exchange window), and a row's double-click opening the setup
// mode at that field.
#include <deque>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/actions/compare_action.h"
#include "app_rig.h"
#include "compare/comparison_forms.h"
#include "compare/ui/compare_window.h"
#include "link/runs/link_device_session.h"
#include "link/ui/exchange_window.h"
#include "model/settings_files.h"
#include "model/settings_record.h"
#include "sim/demo_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"

namespace nastrum {
namespace {

// The simulated device on its line; it outlives the program, whose exchange
// window may still hold the line open.
struct SimulatedLine {
  VirtualClock simClock;
  sim::SimSerialLine line{simClock};
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
};

class CompareInMainWindow : public ::testing::Test, protected SimulatedLine, protected AppRig {
 protected:
  CompareInMainWindow() {
    makeLink = [this] { return std::make_unique<LinkDeviceSession>(line, simClock); };
    program.exchangeWindow().settings().attempts = 1;
    program.exchangeWindow().settings().pauseSeconds = 0;
    EXPECT_TRUE(writeSettingsPair(dir.path("plant.bfm"), plant).settingsWritten);
    boxes.then(AnswerOk);  // the check finds nothing
    program.openAtStart(QStringLiteral("plant.bfm"));
    action("compareAction")->trigger();
  }

  void compareWith(const SettingsImage& other) {
    ASSERT_TRUE(writeSettingsPair(dir.path("other.bfm"), other).settingsWritten);
    files.openAnswers.push_back(dir.path("other.bfm"));
    window.findChild<QPushButton*>(QStringLiteral("compareFileButton"))->click();
  }

  // An expandable-model device holding `image` answers on the line.
  void attachDevice(const SettingsImage& image) {
    sim::DeviceConfig config;
    config.modelCode = 2;
    devices.emplace_back(config, image, simClock);
    ports.emplace_back(devices.back());
    line.attach(ports.back());
  }

  QWidget* editorTabChild(const char* name) const {
    QWidget* tab = form.editorPages()->currentWidget();
    return tab ? tab->findChild<QWidget*>(QString::fromLatin1(name)) : nullptr;
  }

  const SettingsImage plant = sim::demoPlantImage();
  CompareWindow& window = program.compare().window();
};

TEST_F(CompareInMainWindow, DoubleClickOpensSetupAtTheObjectWithTheControlFocused) {
  ASSERT_TRUE(window.isVisible());
  SettingsImage other = plant;
  other.sensors[6].maxValue = 2.5;
  other.pipelines[2].pipeDiameter = 70;
  compareWith(other);

  QTableWidget* table = window.table();
  ASSERT_EQ(table->rowCount(), 2);
  EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("датчик 6"));
  EXPECT_EQ(table->item(0, 2)->text(), QStringLiteral("Максимальное значение"));
  EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("1.600000"));
  EXPECT_EQ(table->item(0, 4)->text(), QStringLiteral("2.500000"));

  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QRect cell = table->visualItemRect(table->item(0, 2));
  // An item view takes a double-click on the cell its press chose.
  QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
  EXPECT_EQ(form.flows().state().pages, PageSet::Editor);
  EXPECT_EQ(form.editorPages()->currentIndex(), static_cast<int>(EditorPage::Sensors));
  auto* number = qobject_cast<QSpinBox*>(editorTabChild("sensorNumber"));
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->value(), 6);
  EXPECT_EQ(form.focusWidget(), editorTabChild("maxEdit"));

  // Keyboard only: the second row and Enter.
  table->setFocus();
  table->setCurrentCell(1, 0);
  QTest::keyClick(table, Qt::Key_Return);
  EXPECT_EQ(form.editorPages()->currentIndex(), static_cast<int>(EditorPage::Pipelines));
  EXPECT_EQ(form.pipelinePages()->currentIndex(), static_cast<int>(PipelinePage::Description));
  QWidget* pipelineTab = form.pipelinePages()->currentWidget();
  auto* pipeNumber = pipelineTab->findChild<QSpinBox*>(QStringLiteral("pipeNumber"));
  ASSERT_NE(pipeNumber, nullptr);
  EXPECT_EQ(pipeNumber->value(), 2);
  EXPECT_EQ(form.focusWidget(), pipelineTab->findChild<QWidget*>(QStringLiteral("pipeDiameter")));

  // Comparing changed nothing of the open settings but the clock words,
  // which the time page keeps running while setup is open.
  EXPECT_FALSE(ws.file.isModified());
  SettingsImage open = ws.image, before = plant;
  for (SettingsImage* image : {&open, &before})
    for (const int word : {sys::TimeHHMM, sys::DateDDMM, sys::DateYear}) image->sys(word) = 0;
  EXPECT_EQ(encodeSettingsRecord(open), encodeSettingsRecord(before));
}

TEST_F(CompareInMainWindow, FiltersAndAnUnreadableFile) {
  SettingsImage other = plant;
  other.sys(sys::TimeHHMM) = 1230;
  other.names.sensorNames[0].setBytes("T");
  compareWith(other);
  QTableWidget* table = window.table();
  EXPECT_EQ(table->rowCount(), 2);
  window.findChild<QCheckBox*>(QStringLiteral("withoutClock"))->click();
  EXPECT_EQ(table->rowCount(), 1);
  auto* pages = window.findChild<QComboBox*>(QStringLiteral("pageFilter"));
  pages->setCurrentIndex(pages->findText(QStringLiteral("Датчики")));
  EXPECT_EQ(table->rowCount(), 0);
  window.findChild<QCheckBox*>(QStringLiteral("onlyDifferences"))->click();
  EXPECT_GT(table->rowCount(), 500) << "every sensor field, equal ones too";

  boxes.then(AnswerOk);
  EXPECT_FALSE(window.compareWithFile(dir.path("missing.bfm")));
  EXPECT_EQ(boxes.codes().back(), 2);
  EXPECT_TRUE(boxes.allAnswered());
}

TEST_F(CompareInMainWindow, TheDeviceIsReadIntoAnImageOfItsOwn) {
  attachDevice(plant);
  ws.image.sensors[1].maxValue = 120;  // an edit not yet written to the device

  ExchangeWindow& exchange = program.exchangeWindow();
  QTimer::singleShot(0, &exchange, [&] {
    exchange.start();
    exchange.close();
  });
  window.findChild<QPushButton*>(QStringLiteral("compareDeviceButton"))->click();

  const Comparison& c = window.comparison();
  EXPECT_EQ(c.otherName, QStringLiteral("ОРВИК №1234"));
  ASSERT_EQ(c.differences, 1) << "only what the read brought is compared: "
                               << comparisonFieldLines(c).join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(window.table()->item(0, 2)->text(), QStringLiteral("Максимальное значение"));
  EXPECT_EQ(ws.image.sensors[1].maxValue, 120) << "the open image is not touched";

  // "Чтение с ОРВИК" reads as before afterwards.
  EXPECT_TRUE(action("readAction")->isEnabled());
}

// "СТОП" during the device read: nothing is compared with a device that was
// only partly read, and the open image is left alone.
TEST_F(CompareInMainWindow, AStoppedDeviceReadComparesNothing) {
  attachDevice(plant);
  SettingsImage other = plant;
  other.sys(sys::TimeHHMM) = 1230;
  compareWith(other);
  ASSERT_EQ(window.comparison().differences, 1);
  const Comparison before = window.comparison();
  const SettingsImage open = ws.image;

  ExchangeWindow& exchange = program.exchangeWindow();
  auto* stop = exchange.findChild<QPushButton*>(QStringLiteral("B_stop"));
  QTimer user;  // presses "СТОП" once the read is well under way
  user.setInterval(0);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (stop->isVisible() && ports.back().requests() > 20) {
      user.stop();
      QTest::mouseClick(stop, Qt::LeftButton);
    }
  });
  QTimer::singleShot(0, &exchange, [&] {
    user.start();
    exchange.start();
    exchange.close();
  });
  window.findChild<QPushButton*>(QStringLiteral("compareDeviceButton"))->click();

  EXPECT_FALSE(user.isActive()) << "the read ended before the user could stop it";
  EXPECT_EQ(ws.run.runError, 23);
  EXPECT_EQ(window.comparison().otherName, before.otherName) << "the comparison before stays";
  EXPECT_EQ(window.comparison().differences, before.differences);
  EXPECT_TRUE(storesSame(ws.image, open)) << "the open image is not touched";
  EXPECT_TRUE(action("readAction")->isEnabled());
}

}  // namespace
}  // namespace nastrum
