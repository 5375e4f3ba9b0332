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
  exchange_.setModeRun(kClockReadMode, [this](RunContext& ctx) { return RunClockRead(ctx, reading_); });
  exchange_.setModeRun(kClockWriteMode, [](RunContext& ctx) { return RunClockWrite(ctx); });
}

void DeviceClockAction::attach(TimePageWidget& page) {
  page_ = &page;
  connect(&page, &TimePageWidget::clockReadRequested, this, &DeviceClockAction::readClock);
  connect(&page, &TimePageWidget::clockWriteRequested, this, &DeviceClockAction::writeClock);
}

void DeviceClockAction::readClock() {
  main_.hooks().closeCheckWindows();
  reading_.reset();
  exchange_.openModal(kClockReadMode);
  if (!reading_) return;
  TakeDeviceClock(workspace_, *reading_);
  if (QLineEdit* field = main_.diagnosticField1()) field->setText(reading_->time().toString(QStringLiteral("HH:mm")));
  reading_.reset();
  if (page_) page_->showCurrent();
  main_.imageModified();
}

void DeviceClockAction::writeClock(const QString& password) {
  main_.hooks().closeCheckWindows();
  exchange_.setPassword(password);
  exchange_.openModal(kClockWriteMode);
}

}  // namespace nastrum
