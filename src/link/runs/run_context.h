// Everything one exchange run works with, passed by reference: the workspace
// (image and run state), the device, the window's settings, the observer and
// the message boxes.
#pragma once

#include "link/clock.h"
#include "link/runs/device_session.h"
#include "link/runs/exchange_settings.h"
#include "link/runs/run_observer.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

struct RunContext {
  Workspace& workspace;
  DeviceSession& link;
  const ExchangeSettings& settings;
  RunObserver& observer;
  MessagePresenter& presenter;

  // The device facts a run leaves for the main window (ConnectedKind,
  // FactoryNumber); how the run ended is its returned RunOutcome.
  RunState& run() { return workspace.run; }
  bool stopped() const { return observer.stopRequested(); }
  bool spy() const { return workspace.editor.spyMode; }
  Clock& clock() { return link.clock(); }
  void log(const QString& line) { observer.logLine(line); }
};

}  // namespace nastrum
