// "Запись в ОРВИК" from the main window: the check's verdict, the group window
// and its ticks, and a write through the exchange window to a simulated
// device on an in-process line.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <deque>

#include <gtest/gtest.h>

#include "app/actions/device_write_action.h"
#include "editor/ui/base_form.h"
#include "editor/ui/scripted_file_dialogs.h"
#include "link/read/full_image.h"
#include "link/runs/link_device_session.h"
#include "link/ui/exchange_window.h"
#include "link/ui/radio_group.h"
#include "link/value_formats.h"
#include "link/write/ui/write_group_window.h"
#include "model/settings_files.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"
#include "support/scripted_presenter.h"
#include "support/temp_current_dir.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

QCheckBox* Box(WriteGroupWindow& w, int n) { return w.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n)); }
QPushButton* Button(QWidget& w, const char* name) { return w.findChild<QPushButton*>(QString::fromLatin1(name)); }

class WriteInMainWindow : public ::testing::Test {
 protected:
  WriteInMainWindow() {
    exchange.settings().attempts = 1;
    exchange.settings().pauseSeconds = 0;
    exchange.settings().backupRoot = QDir::current().filePath(QStringLiteral("backups"));
    // The user says "Записать" to what will change, having seen it.
    action.setConfirmWrite([this](const WritePreview& p) {
      previews.push_back(p);
      return confirmAnswer;
    });
  }

  sim::SimulatedDevice& addDevice(int model, const SettingsImage& image) {
    sim::DeviceConfig config;
    config.modelCode = model;
    devices.emplace_back(config, image, clock);
    ports.emplace_back(devices.back());
    line.attach(ports.back());
    return devices.back();
  }

  void openImage(const SettingsImage& image) {
    form.flows().NewImage();
    form.flows().ChooseNewKind(image.deviceKind);
    form.flows().ConfirmNewKind();
    ws.image = image;
    form.refresh();
  }

  // "Запись в ОРВИК"; `inGroups` plays the group window, and when the exchange
  // window opens it is started and closed.
  void writeToDevice(const std::function<void(WriteGroupWindow&)>& inGroups) {
    QTimer::singleShot(0, &action.groupWindow(), [this, inGroups] {
      groupWindowShown = action.groupWindow().isVisible();
      QTimer::singleShot(0, &exchange, [this] {
        exchangeShown = exchange.isVisible();
        if (!exchangeShown) return;
        exchange.start();
        exchange.close();
      });
      inGroups(action.groupWindow());
    });
    form.findChild<QAction*>(QStringLiteral("writeAction"))->trigger();
  }

  QApplication& app = widgetApplication();
  TempCurrentDir dir;
  VirtualClock clock;
  sim::SimSerialLine line{clock};
  std::deque<sim::SimulatedDevice> devices;
  std::deque<sim::DevicePort> ports;
  Workspace ws;
  ScriptedPresenter boxes;
  ScriptedFileDialogs files;
  Tbase_form form{ws, boxes, files};
  ExchangeWindow exchange{ws, boxes, [this] { return std::make_unique<LinkDeviceSession>(line, clock); }, &form};
  // The check is another area's: here it only reports what the test says it found.
  DeviceWriteAction action{ws, boxes, form,
                           [this](bool) {
                             ++checks;
                             if (checkCannotReport) return false;  // message 62: no rule ran, every mark stays
                             ws.image.sys(sys::CheckErrorsMark) = checkFindsErrors ? 1 : 0;
                             return true;
                           },
                           exchange};
  int checks = 0;
  bool checkFindsErrors = false;
  bool checkCannotReport = false;
  std::vector<WritePreview> previews;
  bool confirmAnswer = true;
  bool groupWindowShown = false;
  bool exchangeShown = false;
};

TEST_F(WriteInMainWindow, TheChosenGroupsGoToTheDeviceAndItWorksAgain) {
  sim::SimulatedDevice& device = addDevice(1, test::FullImage(1, 1));
  SettingsImage image = test::FullImage(1, 2);
  image.sys(sys::DevicePassword) = 0;  // the password field is left empty: no change asked
  openImage(image);
  checks = 0;
  boxes.then(AnswerYes);  // "Перевести ОРВИК в режим работы?"

  writeToDevice([](WriteGroupWindow& w) {
    Box(w, 3)->setChecked(true);  // "Архивы"
    Button(w, "BitBtn1")->click();
  });

  EXPECT_EQ(checks, 1);
  EXPECT_TRUE(groupWindowShown);
  EXPECT_TRUE(exchangeShown);
  EXPECT_EQ(ws.run.runError, 0);
  EXPECT_FALSE(ws.run.runDone);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Перевести ОРВИК в режим работы?"));
  const SettingsImage held = device.exportImage();
  EXPECT_TRUE(std::equal(image.hourArcDesc.begin(), image.hourArcDesc.begin() + 32, held.hourArcDesc.begin()));
  EXPECT_TRUE(std::equal(image.monthArcNeg.begin(), image.monthArcNeg.begin() + 32, held.monthArcNeg.begin()));
  EXPECT_NE(held.sensors[0].mainDescriptor, image.sensors[0].mainDescriptor) << "sensors were not ticked";
  EXPECT_EQ(StatusWord{device.statusWord()}.workingState(), StatusWord::kWorking);
}

TEST_F(WriteInMainWindow, ACancelSendsNothingAndTheNextWriteTicksTheGroupsThatDiffer) {
  sim::SimulatedDevice& device = addDevice(1, test::FullImage(1, 1));
  SettingsImage image = test::FullImage(1, 1);
  image.hourArcDesc[4] = 0x0123;
  image.sys(sys::ClockCorrection) = 7;
  image.sys(sys::DevicePassword) = 0;
  openImage(image);
  confirmAnswer = false;

  writeToDevice([](WriteGroupWindow& w) {
    for (int n = 1; n <= 5; ++n) Box(w, n)->setChecked(n == 3);  // "Архивы" only
    Button(w, "BitBtn1")->click();
  });

  ASSERT_EQ(previews.size(), 1u);
  EXPECT_EQ(previews[0].items.size(), 1u);
  EXPECT_EQ(device.writesAccepted(), 0) << "cancelled: nothing sent";
  EXPECT_EQ(ws.run.runError, 23);
  // The device was backed up; the next group window ticks the groups in which it differs.
  std::array<bool, 5> ticked{};
  writeToDevice([&](WriteGroupWindow& w) {
    for (int n = 1; n <= 5; ++n) ticked[static_cast<std::size_t>(n - 1)] = Box(w, n)->isChecked();
    Button(w, "BitBtn2")->click();
  });
  EXPECT_EQ(ticked, (std::array<bool, 5>{false, false, true, true, false}));
}

TEST_F(WriteInMainWindow, AfterAWriteTheSettingsDifferingFromTheFileAreMarkedModified) {
  sim::SimulatedDevice& device = addDevice(1, test::FullImage(1, 1));
  SettingsImage image = test::FullImage(1, 1);
  image.sys(sys::DevicePassword) = 0;
  image.sensors[0].mainDescriptor = 0x9472;  // the write adjusts this converter in the image
  openImage(image);
  const QString path = QDir::current().filePath(QStringLiteral("plant.bfm"));
  ASSERT_TRUE(writeSettingsPair(path, image).settingsWritten);
  form.flows().document().renameTo(path);
  form.flows().document().markUnmodified();
  boxes.then(AnswerNo);  // leave the device in STOP

  writeToDevice([](WriteGroupWindow& w) {
    for (int n = 1; n <= 5; ++n) Box(w, n)->setChecked(n == 1);
    Button(w, "BitBtn1")->click();
  });

  EXPECT_EQ(ws.run.runError, 0);
  ASSERT_EQ(previews.size(), 1u);
  EXPECT_EQ(previews[0].items.size(), 1u) << "only the adjusted descriptor differs";
  EXPECT_EQ(device.exportImage().sensors[0].mainDescriptor, 0x9502);
  EXPECT_EQ(ws.image.sensors[0].mainDescriptor, 0x9502);
  EXPECT_TRUE(ws.file.isModified()) << "the open settings are the device's, not the file's";
}

TEST_F(WriteInMainWindow, ACheckWithErrorsRefusesUnlessPrivileged) {
  addDevice(2, test::FullImage(2, 1));
  openImage(test::FullImage(2, 2));
  checkFindsErrors = true;
  boxes.then(AnswerOk);

  form.findChild<QAction*>(QStringLiteral("writeAction"))->trigger();
  EXPECT_EQ(boxes.codes(), std::vector<int>{67});
  EXPECT_FALSE(action.groupWindow().isVisible());
  EXPECT_TRUE(line.sent().isEmpty());

  ws.editor.accessLevel = 1;
  writeToDevice([](WriteGroupWindow& w) { Button(w, "BitBtn2")->click(); });
  EXPECT_TRUE(groupWindowShown);
  EXPECT_FALSE(exchangeShown);
  EXPECT_EQ(boxes.codes(), std::vector<int>{67});
}

// A check that could not create its report ran no rule: the mark it would
// have set is an earlier check's, and says nothing of the settings now.
TEST_F(WriteInMainWindow, ACheckThatDidNotRunRefusesUnlessPrivileged) {
  addDevice(2, test::FullImage(2, 1));
  SettingsImage image = test::FullImage(2, 2);
  image.sys(sys::CheckErrorsMark) = 0;  // clean when it was last checked
  openImage(image);
  checks = 0;
  checkCannotReport = true;

  bool shown = false;  // closed again at once should it open
  QTimer::singleShot(0, &action.groupWindow(), [&] {
    shown = action.groupWindow().isVisible();
    if (shown) Button(action.groupWindow(), "BitBtn2")->click();
  });
  form.findChild<QAction*>(QStringLiteral("writeAction"))->trigger();
  QCoreApplication::processEvents();
  EXPECT_EQ(checks, 1);
  EXPECT_FALSE(shown);
  EXPECT_TRUE(line.sent().isEmpty());
  EXPECT_EQ(ws.image.sys(sys::CheckErrorsMark), 0) << "the mark is left as it was";

  ws.editor.accessLevel = 1;
  writeToDevice([](WriteGroupWindow& w) { Button(w, "BitBtn2")->click(); });
  EXPECT_TRUE(groupWindowShown);
}

TEST_F(WriteInMainWindow, TheGroupWindowKeepsItsTicksAndHidesTheRegulatorsOfTheSmallModel) {
  WriteGroupWindow& w = action.groupWindow();
  w.activate(2);
  EXPECT_TRUE(Box(w, 5)->isVisibleTo(&w));
  Button(w, "BitBtn3")->click();  // "Выделить все"
  for (int n = 1; n <= 5; ++n) EXPECT_TRUE(Box(w, n)->isChecked()) << n;
  w.accept();
  EXPECT_TRUE(w.groups().regulators);

  w.activate(1);
  EXPECT_FALSE(Box(w, 5)->isVisibleTo(&w));
  EXPECT_FALSE(Box(w, 5)->isChecked());
  EXPECT_TRUE(Box(w, 1)->isChecked());
  // "Имена" hides the boxes; showing the window again chooses the constants.
  w.findChild<RadioGroup*>(QStringLiteral("RadioGroup1"))->clickItem(1);
  EXPECT_FALSE(w.findChild<QWidget*>(QStringLiteral("Panel1"))->isVisibleTo(&w));
  w.activate(3);
  EXPECT_TRUE(w.findChild<QWidget*>(QStringLiteral("Panel1"))->isVisibleTo(&w));
}

TEST_F(WriteInMainWindow, ConstantsWithNoGroupTickedStartNothing) {
  addDevice(3, test::FullImage(3, 1));
  openImage(test::FullImage(3, 2));
  writeToDevice([](WriteGroupWindow& w) {
    for (int n = 1; n <= 5; ++n) Box(w, n)->setChecked(false);
    Button(w, "BitBtn1")->click();
  });
  EXPECT_TRUE(groupWindowShown);
  EXPECT_FALSE(exchangeShown);
  EXPECT_TRUE(line.sent().isEmpty());
}

// "Выделить все" ticks the small model's hidden "Регуляторы" too: a group
// the user cannot see is no group to write, nor one the confirmation names.
TEST_F(WriteInMainWindow, TheHiddenRegulatorsOfTheSmallModelAreNoGroupToWrite) {
  addDevice(1, test::FullImage(1, 1));
  openImage(test::FullImage(1, 2));
  writeToDevice([](WriteGroupWindow& w) {
    Button(w, "BitBtn3")->click();
    for (int n = 1; n <= 4; ++n) Box(w, n)->setChecked(false);
    Button(w, "BitBtn1")->click();
  });
  EXPECT_TRUE(groupWindowShown);
  EXPECT_FALSE(exchangeShown);
  EXPECT_TRUE(line.sent().isEmpty());
  EXPECT_FALSE(action.groupWindow().groups().regulators);
}

TEST_F(WriteInMainWindow, TheDesktopOfTheLargeModelIsClosedUpBeforeTheGroups) {
  addDevice(3, test::FullImage(3, 1));
  SettingsImage image = test::FullImage(3, 2);
  image.names.desktopNames[0].clear();
  image.names.desktopNames[1].clear();
  const QByteArray third = image.names.desktopNames[2].bytes();
  openImage(image);
  writeToDevice([](WriteGroupWindow& w) { Button(w, "BitBtn2")->click(); });
  EXPECT_EQ(ws.image.names.desktopNames[0].bytes(), third);
  EXPECT_TRUE(ws.image.names.desktopNames[14].isEmpty());
  EXPECT_TRUE(ws.image.names.desktopNames[15].isEmpty());
}

}  // namespace
}  // namespace nastrum
