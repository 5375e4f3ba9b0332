#include "app/actions/device_clock_action.h"

#include <QLineEdit>

#include "editor/pages/time/ui/time_page_widget.h"
#include "editor/ui/base_form.h"
#include "link/clock/clock_runs.h"
#include "link/clock/device_clock_time.h"
#include "link/ui/exchange_window.h"

namespace nastrum {

DeviceClockAction::DeviceClockAction(Workspace& workspace, Tbase_form& mainWindow, ExchangeWindow& exchangeWindow,
                                     QObject* parent)
    : QObject(parent), workspace_(workspace), main_(mainWindow), exchange_(exchangeWindow) {
  exchange_.setModeRun(kClockReadMode, [this](RunContext& ctx, int /*choice*/) {
    const RunOutcome outcome = RunClockRead(ctx, reading_);
    // The page shows the device's time as soon as it is known, not when the window closes.
    if (reading_) takeReading(*reading_);
    return outcome;
  });
  exchange_.setModeRun(kClockWriteMode, [this](RunContext& ctx, int /*choice*/) {
    return RunClockWrite(ctx, timeToWrite_);
  });
}

void DeviceClockAction::takeReading(const QDateTime& time) {
  if (page_) {
    page_->takeDeviceClock(time);
  } else {
    TakeDeviceClock(workspace_.image, time);
  }
  if (QLineEdit* field = main_.diagnosticField1()) field->setText(time.time().toString(QStringLiteral("HH:mm")));
  main_.imageModified();
}

void DeviceClockAction::attach(TimePageWidget& page) {
  page_ = &page;
  connect(&page, &TimePageWidget::clockReadRequested, this, &DeviceClockAction::readClock);
  connect(&page, &TimePageWidget::clockWriteRequested, this, &DeviceClockAction::writeClock);
}

void DeviceClockAction::readClock() {
  main_.closeCheckWindows();
  reading_.reset();
  exchange_.openModal(kClockReadMode);
  reading_.reset();
}

void DeviceClockAction::writeClock(const QString& password) {
  main_.closeCheckWindows();
  exchange_.setPassword(password);
  if (page_) {
    timeToWrite_ = page_->timeToWrite();
  } else {
    const QDateTime words = ImageClockTime(workspace_.image).value_or(QDateTime());
    timeToWrite_ = [words] { return words; };
  }
  exchange_.openModal(kClockWriteMode);
  timeToWrite_ = {};
  if (page_) page_->showCurrent();
}

}  // namespace nastrum
