// What a run reports while it talks to the device. The exchange window and the
// command-line tool implement it; a run never touches a widget.
#pragma once

#include <QString>

namespace nastrum {

class RunObserver {
 public:
  virtual ~RunObserver() = default;

  virtual void logLine(const QString& line) = 0;        // the exchange log `M`
  virtual void setProgressMaximum(int maximum) = 0;
  virtual void setProgress(int position) = 0;
  virtual int progress() const = 0;
  virtual void setStatusText(const QString& text) = 0;  // the status bar
  virtual void setDeviceLabel(const QString& text) = 0;  // `Label2`
  virtual void setSpeedLabel(const QString& text) = 0;   // `Label7`
  // Lets pending user input through: between exchanges, and while the link
  // waits for the device (at least every kIdleSliceMs of waiting). This is
  // where a press of "СТОП" is taken.
  virtual void pumpEvents() = 0;
  // "СТОП" was pressed since the run began: the exchange under way finishes,
  // every later one is skipped and the run ends with the stop code.
  virtual bool stopRequested() const { return false; }

  // Window parts a run shows or hides; a caller without a window ignores them.
  // After a failed names or write run the choice and the password are
  // offered again; after a successful one they and the start button go.
  virtual void offerAnotherTry(bool /*offered*/) {}
  virtual void setProgressVisible(bool /*visible*/) {}
  virtual void setStopVisible(bool /*visible*/) {}
};

// An observer that drops everything: for callers that only want the result.
class NullRunObserver : public RunObserver {
 public:
  void logLine(const QString&) override {}
  void setProgressMaximum(int) override {}
  void setProgress(int position) override { progress_ = position; }
  int progress() const override { return progress_; }
  void setStatusText(const QString&) override {}
  void setDeviceLabel(const QString&) override {}
  void setSpeedLabel(const QString&) override {}
  void pumpEvents() override {}

 private:
  int progress_ = 0;
};

}  // namespace nastrum
