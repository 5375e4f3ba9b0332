// The time page's clock buttons through the exchange window's clock modes,
// with a simulated device on an in-process line.
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/actions/device_clock_action.h"
#include "app_rig.h"
#include "editor/pages/time/ui/time_page_widget.h"
#include "link/runs/link_device_session.h"
#include "link/ui/exchange_window.h"
#include "model/reset_image.h"
#include "sim/device_port.h"
#include "sim/sim_serial_line.h"
#include "sim/simulated_device.h"

namespace nastrum {
namespace {

struct ClockDevice {
  ClockDevice() {
    SettingsImage image;
    EditorState editor;
    ResetImage(image, editor);
    sim::DeviceConfig config;
    config.modelCode = 2;
    config.password = 0x5A3C;
    config.clockStart = QDateTime(QDate(2005, 3, 7), QTime(9, 5, 40));
    device.emplace(config, image, simClock);
    port.emplace(*device);
    line.attach(*port);
  }
  VirtualClock simClock;
  sim::SimSerialLine line{simClock};
  std::optional<sim::SimulatedDevice> device;
  std::optional<sim::DevicePort> port;
};

class ClockInMainWindow : public ::testing::Test, protected ClockDevice, protected AppRig {
 protected:
  ClockInMainWindow() {
    makeLink = [this] { return std::make_unique<LinkDeviceSession>(line, simClock); };
    exchange.settings().attempts = 1;
    exchange.settings().pauseSeconds = 0;
    form.flows().NewImage();
    form.flows().ChooseNewKind(2);
    form.flows().ConfirmNewKind();
    form.refresh();
    form.flows().document().markUnmodified();
    page.setCountdownStepMs(0);
    // The computer's clock runs with the line's, as it does in the program.
    page.setComputerClock([this] { return computerStart.addMSecs(simClock.nowMs()); });
    action.attach(page);
  }

  // The window runs at once; it is closed once the run has ended.
  void closeExchangeWhenDone() {
    auto* poll = new QTimer(&exchange);
    QObject::connect(poll, &QTimer::timeout, &exchange, [this, poll] {
      const QString text = exchange.findChild<QPlainTextEdit*>()->toPlainText();
      if (!text.contains(QStringLiteral("** Конец обмена **"))) return;
      log = text;
      poll->deleteLater();
      exchange.close();
    });
    poll->start(0);
  }

  ExchangeWindow& exchange = program.exchangeWindow();
  QDateTime computerStart{QDate(2024, 12, 28), QTime(14, 30, 56)};
  TimePageWidget page{ws, boxes};
  DeviceClockAction action{ws, form, exchange};
  QString log;
};

TEST_F(ClockInMainWindow, TheReadBecomesThePagesTime) {
  closeExchangeWhenDone();
  page.findChild<QPushButton*>(QStringLiteral("Button5"))->click();
  EXPECT_TRUE(log.contains(QStringLiteral("Чтение времени прошло успешно."))) << log.toStdString();
  EXPECT_EQ(ws.image.sys(sys::DateYear), 2005);
  EXPECT_EQ(ws.image.sys(sys::DateDDMM), 703);
  EXPECT_EQ(ws.image.sys(sys::TimeHHMM), 905);
  EXPECT_EQ(page.page().deviceSeconds(), 9 * 3600 + 5 * 60);
  EXPECT_TRUE(ws.file.isModified());
  EXPECT_EQ(form.diagnosticField1()->text(), QStringLiteral("09:05"));
  EXPECT_EQ(exchange.windowTitle(), QStringLiteral("Обмен с ОРВИК"));
}

TEST_F(ClockInMainWindow, TheWriteSendsThePagesTimeWithItsPassword) {
  ws.image.sys(sys::TimeHHMM) = 1430;
  ws.image.sys(sys::DateDDMM) = 2812;
  ws.image.sys(sys::DateYear) = 2024;
  page.page().setDeviceTime(QTime(14, 30, 56));
  page.findChild<QLineEdit*>(QStringLiteral("Edit26"))->setText(QStringLiteral("5A3C"));
  closeExchangeWhenDone();
  page.findChild<QPushButton*>(QStringLiteral("Button4"))->click();
  while (page.countingDown() || log.isEmpty()) QCoreApplication::processEvents();
  EXPECT_TRUE(log.contains(QStringLiteral("Запись времени прошло успешно."))) << log.toStdString();
  // Pressed at second 56: the write waits for the minute's turn and sends the new minute.
  const QDateTime pageTime = QDateTime(QDate(2024, 12, 28), QTime(14, 30, 56)).addMSecs(simClock.nowMs());
  EXPECT_EQ(device->now().time().minute(), 31);
  EXPECT_LE(std::abs(device->now().msecsTo(pageTime)), 2000)
      << device->now().toString().toStdString() << " / " << pageTime.toString().toStdString();
}

TEST_F(ClockInMainWindow, ThePageShowsTheReadTimeBeforeTheWindowCloses) {
  QTime shownWhileOpen;
  auto* poll = new QTimer(&exchange);
  QObject::connect(poll, &QTimer::timeout, &exchange, [this, poll, &shownWhileOpen] {
    if (!exchange.findChild<QPlainTextEdit*>()->toPlainText().contains(QStringLiteral("** Конец обмена **"))) return;
    shownWhileOpen = page.findChild<QTimeEdit*>(QStringLiteral("tek_tektime"))->time();
    poll->deleteLater();
    exchange.close();
  });
  poll->start(0);
  page.findChild<QPushButton*>(QStringLiteral("Button5"))->click();
  EXPECT_EQ(shownWhileOpen, QTime(9, 5, 0));
}

TEST_F(ClockInMainWindow, TheRunningClockNeverMarksTheSettingsModified) {
  form.show();
  AppRig::action("nastroiki")->trigger();
  auto* installed = form.findChild<TimePageWidget*>(QStringLiteral("pageTime"));
  ASSERT_NE(installed, nullptr);
  for (QTabWidget* tabs : form.findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->widget(i)->isAncestorOf(installed)) tabs->setCurrentIndex(i);
  ASSERT_TRUE(installed->isVisible());
  form.flows().document().markUnmodified();
  form.refresh();
  for (int i = 0; i < 3; ++i) {
    installed->tick();
    QCoreApplication::processEvents();
  }
  EXPECT_FALSE(ws.file.isModified());
  EXPECT_FALSE(form.windowTitle().contains(QLatin1Char('*')));
}

}  // namespace
}  // namespace nastrum
