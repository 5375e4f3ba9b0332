// The exchange window's controls and their rules, offscreen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QStyle>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include "link/clock/clock_runs.h"
#include "link/read/device_read_job.h"
#include "link/runs/connection.h"
#include "link/runs/fake_device.h"
#include "link/runs/link_device_session.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"
#include "link/ui/exchange_window.h"
#include "link/ui/radio_group.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

class ExchangeWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { widgetApplication(); }

  ExchangeWindowTest()
      : window(workspace, presenter, [this] {
          auto d = std::make_unique<test::FakeDevice>();
          d->portExists = portExists;
          device = d.get();
          return d;
        }) {}

  template <typename T>
  T* child(const char* name) {
    T* w = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  bool portExists = true;  // of the next device the window makes
  bool shown(const char* name) { return child<QWidget>(name)->isVisibleTo(&window); }
  QStringList logLines() { return child<QPlainTextEdit>("M")->toPlainText().split(QLatin1Char('\n')); }
  // The user picks an item of `RadioGroup1`.
  void clickChoice(int item) {
    child<QAbstractButton>(item == 0 ? "RadioGroup1_0" : "RadioGroup1_1")->click();
  }

  Workspace workspace;
  ScriptedPresenter presenter;
  test::FakeDevice* device = nullptr;
  ExchangeWindow window;
};

TEST_F(ExchangeWindowTest, ControlsCarryTheirNamesItemsAndDefaults) {
  EXPECT_EQ(window.objectName(), QStringLiteral("TForm1"));
  struct Group {
    const char* name;
    QString title;
    int count;
    int checked;
    QString checkedText;
  };
  const Group groups[] = {
      {"RGcom", QStringLiteral("Сом-порт:"), 9, 1, QStringLiteral("Com2")},
      {"RGsk", QStringLiteral("Скорость:"), 7, 5, QStringLiteral(" 9600")},
      {"RGVs", QStringLiteral("Вид связи:"), 3, 1, QStringLiteral("ИРПС (4x-пр)")},
      {"Rprot", QStringLiteral("Протокол обмена:"), 3, 0, QStringLiteral("Традиционный")},
      {"RCRC", QStringLiteral("CRC:"), 3, 0, QStringLiteral("не раcсчитывается")},
      {"RGim", QStringLiteral("Канал обмена:"), 2, 0, QStringLiteral("Основной")},
      {"RadioGroup1", QStringLiteral("Считать:"), 2, 0, QStringLiteral("Константы пользователя")},
  };
  for (const auto& g : groups) {
    auto* group = child<RadioGroup>(g.name);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), g.title);
    EXPECT_EQ(group->count(), g.count) << g.name;
    EXPECT_EQ(group->itemIndex(), g.checked) << g.name;
    EXPECT_EQ(group->itemText(g.checked), g.checkedText) << g.name;
  }
  EXPECT_EQ(child<RadioGroup>("RGcom")->itemText(8), QStringLiteral("Др"));
  struct Spin {
    const char* name;
    int minimum, maximum, value;
  };
  for (const Spin s : {Spin{"SpinEdit2", 1, 99, 3}, Spin{"SpinEdit1", 0, 15, 3}, Spin{"SpinEdit3", 0, 127, 1}}) {
    auto* spin = child<QSpinBox>(s.name);
    EXPECT_EQ(spin->minimum(), s.minimum) << s.name;
    EXPECT_EQ(spin->maximum(), s.maximum) << s.name;
    EXPECT_EQ(spin->value(), s.value) << s.name;
  }
  EXPECT_EQ(child<QLineEdit>("PortEditM")->text(), QStringLiteral("1"));
  EXPECT_FALSE(child<QLineEdit>("PortEditM")->isEnabled());
  EXPECT_FALSE(child<QCheckBox>("RBset")->isChecked());
  EXPECT_EQ(child<QCheckBox>("RBset")->text(), QStringLiteral("Сеть:"));
  EXPECT_EQ(child<QPushButton>("Set_OnLine")->text(), QStringLiteral("Чтение параметров"));
  EXPECT_EQ(child<QPushButton>("B_stop")->text(), QStringLiteral("СТОП"));
  EXPECT_EQ(child<QPushButton>("Button2")->text(), QStringLiteral("Выход"));
  EXPECT_EQ(child<QLabel>("Label4")->text(), QStringLiteral("Пароль:"));
  EXPECT_EQ(child<QProgressBar>("ProgressBar1")->maximum(), 2968);
  EXPECT_FALSE(shown("B_stop"));
  EXPECT_FALSE(shown("RCRC"));
  EXPECT_FALSE(shown("SpinEdit3"));
  for (const char* name : {"Panel1", "Panel2", "Panel3", "M", "Label2", "Label7", "Edit1", "StatusBar1"})
    child<QWidget>(name);
}

TEST_F(ExchangeWindowTest, ProtocolAndNetworkRules) {
  auto* protocol = child<RadioGroup>("Rprot");
  auto* network = child<QCheckBox>("RBset");
  auto* number = child<QSpinBox>("SpinEdit3");

  protocol->clickItem(1);
  EXPECT_TRUE(network->isChecked());
  EXPECT_FALSE(network->isEnabled());
  EXPECT_TRUE(shown("RCRC"));
  EXPECT_TRUE(shown("SpinEdit3"));
  EXPECT_EQ(number->maximum(), 254);
  EXPECT_EQ(number->value(), 1);
  number->setValue(200);
  EXPECT_EQ(ChosenAddress(window.settings()), 200);

  protocol->clickItem(0);
  EXPECT_TRUE(network->isChecked());
  EXPECT_TRUE(network->isEnabled());
  EXPECT_FALSE(shown("RCRC"));
  EXPECT_EQ(number->maximum(), 127);
  EXPECT_EQ(number->value(), 127);

  network->click();  // off
  EXPECT_FALSE(shown("SpinEdit3"));
  EXPECT_EQ(window.settings().networkNumber, 0);
  EXPECT_EQ(ChosenAddress(window.settings()), 0);
  network->click();  // on again
  EXPECT_TRUE(shown("SpinEdit3"));
  EXPECT_EQ(number->value(), 1);
  EXPECT_EQ(ChosenAddress(window.settings()), 1);
}

TEST_F(ExchangeWindowTest, PortChoiceAndTypedPort) {
  auto* ports = child<RadioGroup>("RGcom");
  auto* edit = child<QLineEdit>("PortEditM");
  ports->clickItem(8);
  EXPECT_TRUE(edit->isEnabled());
  edit->clear();
  QTest::keyClicks(edit, QStringLiteral("12"));
  EXPECT_EQ(window.settings().otherPort, QStringLiteral("12"));
  EXPECT_EQ(ChosenPort(window.settings()).path, PortAddress::fromNumber(12).path);
  QTest::keyClicks(edit, QStringLiteral("x"));  // refused, the number stays
  EXPECT_EQ(edit->text(), QStringLiteral("12"));
  edit->setText(QString());
  emit edit->textEdited(QStringLiteral("/tmp/orvik-sim"));
  EXPECT_EQ(ChosenPort(window.settings()).path, QStringLiteral("/tmp/orvik-sim"));
  ports->clickItem(0);
  EXPECT_FALSE(edit->isEnabled());
}

TEST_F(ExchangeWindowTest, PasswordTakesHexDigitsOnly) {
  window.setMode(kWriteMode);
  window.activate();
  auto* edit = child<QLineEdit>("Edit1");
  QTest::keyClicks(edit, QStringLiteral("1gA-z2f9"));
  EXPECT_EQ(edit->text(), QStringLiteral("1A2f"));
  EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
  EXPECT_EQ(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), '*');
  EXPECT_EQ(window.settings().password, QStringLiteral("1A2f"));
}

TEST_F(ExchangeWindowTest, ModesLayTheWindowOut) {
  struct Case {
    int mode;
    bool fileOpen;
    QString caption;
    bool panel1, log, progress, start, password, choice;
  };
  const Case cases[] = {
      {kWriteMode, false, QStringLiteral("Запись в ОРВИК"), false, true, true, true, true, false},
      {kReadMode, false, QStringLiteral("Обмен с ОРВИК"), false, true, true, true, false, false},
      {kReadMode, true, QStringLiteral("Обмен с ОРВИК"), false, true, true, true, false, true},
      {kSettingsMode, true, QStringLiteral("Параметры обмена с ОРВИК"), true, false, false, false, false, false},
      {kClockReadMode, false, QStringLiteral("Обмен с ОРВИК"), false, true, false, false, false, false},
      {kClockWriteMode, false, QStringLiteral("Запись в ОРВИК"), false, true, false, false, false, false},
  };
  for (const auto& c : cases) {
    workspace.file = c.fileOpen ? DocumentFile::opened(QStringLiteral("plant.bfm")) : DocumentFile();
    window.setMode(c.mode);
    window.activate();
    EXPECT_EQ(window.windowTitle(), c.caption) << c.mode;
    EXPECT_EQ(shown("Panel1"), c.panel1) << c.mode;
    EXPECT_EQ(shown("Panel3"), c.log) << c.mode;
    EXPECT_EQ(shown("Panel2"), c.log) << c.mode;
    EXPECT_EQ(shown("ProgressBar1"), c.progress) << c.mode;
    EXPECT_EQ(shown("Set_OnLine"), c.start) << c.mode;
    EXPECT_EQ(shown("Edit1"), c.password) << c.mode;
    EXPECT_EQ(shown("RadioGroup1"), c.choice) << c.mode;
    EXPECT_FALSE(shown("B_stop")) << c.mode;
  }
}

TEST_F(ExchangeWindowTest, ReadWriteChoiceSetsTheStartCaption) {
  auto* start = child<QPushButton>("Set_OnLine");
  workspace.file = DocumentFile::opened(QStringLiteral("plant.bfm"));
  window.setMode(kReadMode);
  window.activate();
  clickChoice(1);
  EXPECT_EQ(start->text(), QStringLiteral("Чтение имен"));
  EXPECT_TRUE(shown("Edit1"));
  clickChoice(0);
  EXPECT_EQ(start->text(), QStringLiteral("Чтение параметров"));
  EXPECT_FALSE(shown("Edit1"));

  // The write group window chooses before the window is shown.
  window.prepare(kWriteMode, 1);
  window.activate();
  EXPECT_EQ(start->text(), QStringLiteral("Запись имен"));
  window.prepare(kWriteMode, 0);
  window.activate();
  EXPECT_EQ(start->text(), QStringLiteral("Запись параметров"));
  EXPECT_TRUE(shown("Edit1"));

  window.setMode(kClockWriteMode);
  window.activate();
  EXPECT_EQ(start->text(), QStringLiteral("Запись времени"));
}

TEST_F(ExchangeWindowTest, StartRunsTheModesRunAndFramesItsLog) {
  window.setModeRun(kClockReadMode, [](RunContext& ctx, int) {
    const Connection c = Connect(ctx, RunKind::ClockRead);
    EndConnection(ctx, RunKind::ClockRead, c);
    return RunOutcome{};
  });
  window.setMode(kClockReadMode);
  window.activate();
  window.start();
  EXPECT_EQ(logLines(), (QStringList{QStringLiteral("** Обмен с ОРВИК **"), QStringLiteral("Подключенный прибор:   OK"),
                                     QStringLiteral("ОРВИК  5 расшир. версия 1.5"),
                                     QStringLiteral("** Конец обмена **")}));
  EXPECT_EQ(child<QStatusBar>("StatusBar1")->currentMessage(), QStringLiteral("Вас приветствует ОРВИК  5 расшир. версия 1.5"));
  EXPECT_EQ(child<QLabel>("Label2")->text(), QStringLiteral("ОРВИК"));
  EXPECT_FALSE(shown("B_stop"));
  ASSERT_NE(device, nullptr);
  EXPECT_TRUE(device->isOpen());
  window.close();
  EXPECT_FALSE(device->isOpen());  // closing the window closes the port
}

TEST_F(ExchangeWindowTest, StopPressedDuringARunEndsIt) {
  window.settings().pauseSeconds = 15;
  int attempts = 0;
  window.setModeRun(kReadMode, [&](RunContext& ctx, int) {
    device->dead = true;
    const int r = RetryExchange(ctx, [&] {
      ++attempts;
      if (attempts == 1) QTimer::singleShot(0, child<QPushButton>("B_stop"), &QPushButton::click);
      QByteArray out;
      return toInt(ctx.link.commands().ReadParam(device_param::kStatusWord, 2, out));
    });
    EXPECT_TRUE(ctx.stopped());
    ctx.log(ResultText(run_code::kStoppedByUser));
    return RunOutcome{r, false};
  });
  window.setMode(kReadMode);
  window.activate();
  child<QPushButton>("Set_OnLine")->click();
  EXPECT_EQ(attempts, 1);
  EXPECT_TRUE(workspace.run.stopRequested);
  EXPECT_EQ(workspace.run.runError, 23);
  EXPECT_EQ(logLines().mid(1), (QStringList{QStringLiteral("Чтение/запись прервано пользователем."),
                                            QStringLiteral("** Конец обмена **")}));
  EXPECT_TRUE(shown("Set_OnLine"));  // offered again after a stopped run
  EXPECT_FALSE(shown("B_stop"));
}

// A port that would not open ends the run with no code; the user picks
// another port and starts again, in every mode that runs on the device.
TEST_F(ExchangeWindowTest, APortThatWouldNotOpenOffersTheStartAgain) {
  DeviceReadJob job;
  std::optional<QDateTime> reading;
  const struct {
    int mode;
    ExchangeWindow::ModeRun run;
  } cases[] = {
      {kReadMode, [&](RunContext& ctx, int) { return job.run(ctx, ReadChoice::Constants); }},
      {kClockReadMode, [&](RunContext& ctx, int) { return RunClockRead(ctx, reading); }},
  };
  for (const auto& c : cases) {
    portExists = false;
    if (device) device->portExists = false;
    window.setModeRun(c.mode, c.run);
    window.setMode(c.mode);
    window.activate();
    presenter.then(AnswerOk);  // "Неверный номер СОМ-порта …"
    child<QPushButton>("Set_OnLine")->click();
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(presenter.allAnswered()) << c.mode;
    EXPECT_TRUE(device->requests.empty()) << c.mode;
    EXPECT_EQ(workspace.run.runError, 0) << c.mode;
    EXPECT_FALSE(workspace.run.runDone) << c.mode;
    EXPECT_TRUE(shown("Set_OnLine")) << c.mode;

    device->portExists = true;
    child<QPushButton>("Set_OnLine")->click();
    EXPECT_FALSE(device->requests.empty()) << "the second start reached the device, mode " << c.mode;
    device->requests.clear();
  }
}

TEST_F(ExchangeWindowTest, ClockModesStartAsSoonAsShown) {
  int runs = 0;
  window.setModeRun(kClockWriteMode, [&](RunContext& ctx, int) {
    ++runs;
    EXPECT_EQ(ctx.settings.password, QStringLiteral("12AB"));
    return RunOutcome{};
  });
  window.setMode(kClockWriteMode);
  window.setPassword(QStringLiteral("12AB"));
  window.show();
  QTRY_COMPARE(runs, 1);
  EXPECT_EQ(child<QPushButton>("Set_OnLine")->text(), QStringLiteral("Запись времени"));
  window.close();
}

TEST(ExchangeWindowOnSimulator, ReadsTheDevicesGreetingThroughTheLink) {
  widgetApplication();
  VirtualClock clock;
  sim::SimSerialLine line(clock);
  sim::SimulatedDevice device(sim::DeviceConfig{}, SettingsImage{}, clock);
  sim::DevicePort port(device);
  line.attach(port);
  Workspace workspace;
  ScriptedPresenter presenter;
  ExchangeWindow window(workspace, presenter, [&] { return std::make_unique<LinkDeviceSession>(line, clock); });
  window.setModeRun(kClockReadMode, [](RunContext& ctx, int) {
    const Connection c = Connect(ctx, RunKind::ClockRead);
    EndConnection(ctx, RunKind::ClockRead, c);
    return RunOutcome{};
  });
  window.setMode(kClockReadMode);
  window.activate();
  window.start();
  EXPECT_EQ(window.findChild<QPlainTextEdit*>(QStringLiteral("M"))->toPlainText(),
            QStringLiteral("** Обмен с ОРВИК **\nПодключенный прибор:   OK\nОРВИК  5 расшир. версия 3.2\n"
                           "** Конец обмена **"));
  EXPECT_EQ(workspace.run.connectedKind, 2);
}

// The window lives while the device is silent: "СТОП" pressed during the
// first reply window is taken there and ends the read after that exchange.
TEST(ExchangeWindowOnSimulator, StopWhileTheDeviceIsSilentEndsTheRead) {
  widgetApplication();
  VirtualClock clock;
  sim::SimSerialLine line(clock);
  sim::SimulatedDevice device(sim::DeviceConfig{}, SettingsImage{}, clock);
  constexpr int kAnswered = 10;
  device.faults().add({sim::FaultKind::StopAnswering, false, kAnswered});
  sim::DevicePort port(device);
  line.attach(port);
  Workspace workspace;
  ScriptedPresenter presenter;
  ExchangeWindow window(workspace, presenter, [&] { return std::make_unique<LinkDeviceSession>(line, clock); });
  window.settings().pauseSeconds = 15;
  DeviceReadJob job;
  window.setModeRun(kReadMode, [&](RunContext& ctx, int) { return job.run(ctx, ReadChoice::Constants); });

  // The user presses "СТОП" as soon as the window takes input while the
  // device is silent.
  auto* stop = window.findChild<QPushButton*>(QStringLiteral("B_stop"));
  int requestsAtPress = -1;
  QTimer user;
  user.setInterval(0);
  QObject::connect(&user, &QTimer::timeout, [&] {
    if (requestsAtPress < 0 && port.requests() > kAnswered && stop->isVisible()) {
      requestsAtPress = port.requests();
      QTest::mouseClick(stop, Qt::LeftButton);
    }
  });
  user.start();
  window.setMode(kReadMode);
  window.show();
  window.findChild<QPushButton*>(QStringLiteral("Set_OnLine"))->click();
  user.stop();

  EXPECT_EQ(requestsAtPress, kAnswered + 1);  // taken within the first try's reply window
  EXPECT_EQ(port.requests(), kAnswered + 2);  // that exchange ended; nothing after it
  EXPECT_EQ(workspace.run.runError, 23);
  EXPECT_TRUE(workspace.run.stopRequested);
  EXPECT_FALSE(workspace.run.runDone);
  EXPECT_EQ(job.result(), nullptr);
  const QStringList log = window.findChild<QPlainTextEdit*>(QStringLiteral("M"))->toPlainText().split(QLatin1Char('\n'));
  EXPECT_EQ(log.mid(log.size() - 2, 1).first().section(QStringLiteral("   "), 1), ResultText(23));
  EXPECT_TRUE(window.findChild<QPushButton*>(QStringLiteral("Set_OnLine"))->isVisible());
  EXPECT_FALSE(stop->isVisible());
  window.close();
}

// "Др" offers the ports the system reports, with what is known of them; a
// port chosen there is the typed port; a name "Др" cannot take is left out.
TEST_F(ExchangeWindowTest, PortListChoosesAPortForOther) {
  window.setPortLister([] {
    return QList<SerialPortEntry>{{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("USB-Serial Controller"),
                                   QStringLiteral("Prolific"), QStringLiteral("USB 067b:2303")},
                                  {QStringLiteral("/dev/ttyS0"), {}, {}, {}},
                                  {QStringLiteral("COMX"), {}, {}, {}}};
  });
  auto* button = child<QToolButton>("portListButton");
  ASSERT_NE(button->menu(), nullptr);
  emit button->menu()->aboutToShow();
  const QList<QAction*> items = button->menu()->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text(), QStringLiteral("/dev/ttyUSB0 — USB-Serial Controller (Prolific, USB 067b:2303)"));
  EXPECT_EQ(items[1]->text(), QStringLiteral("/dev/ttyS0"));

  items[0]->trigger();
  EXPECT_EQ(window.settings().portItem, kOtherPortItem);
  EXPECT_EQ(window.settings().otherPort, QStringLiteral("/dev/ttyUSB0"));
  EXPECT_EQ(child<QLineEdit>("PortEditM")->text(), QStringLiteral("/dev/ttyUSB0"));
  EXPECT_TRUE(child<QLineEdit>("PortEditM")->isEnabled());

  window.setPortLister([] { return QList<SerialPortEntry>{}; });
  emit button->menu()->aboutToShow();
  ASSERT_EQ(button->menu()->actions().size(), 1);
  EXPECT_FALSE(button->menu()->actions()[0]->isEnabled()) << "says that none was found";
}

// The log shows a run's usual lines without scrolling.
TEST_F(ExchangeWindowTest, LogIsTallEnoughForItsLines) {
  auto* log = child<QPlainTextEdit>("M");
  EXPECT_GE(log->minimumHeight(), 12 * log->fontMetrics().lineSpacing());
}

}  // namespace
}  // namespace nastrum
