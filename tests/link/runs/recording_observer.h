// An observer that keeps what a run reported, for the tests to compare.
#pragma once

#include <functional>

#include <QStringList>

#include "link/runs/run_observer.h"

namespace nastrum::test {

class RecordingObserver final : public RunObserver {
 public:
  void logLine(const QString& line) override { log << line; }
  void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
  void setProgress(int position) override { progressPosition = position; }
  int progress() const override { return progressPosition; }
  void setStatusText(const QString& text) override { status = text; }
  void setDeviceLabel(const QString& text) override { deviceLabel = text; }
  void setSpeedLabel(const QString& text) override { speedLabel = text; }
  void pumpEvents() override {
    ++pumps;
    if (onPump) onPump();
  }
  bool stopRequested() const override { return stop; }

  QStringList log;
  QString status, deviceLabel, speedLabel;
  int progressMaximum = 0, progressPosition = 0, pumps = 0;
  std::function<void()> onPump;  // plays the user: may press "СТОП"
  bool stop = false;             // "СТОП" was pressed
};

}  // namespace nastrum::test
