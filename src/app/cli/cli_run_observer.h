// How nastrum-cli follows an exchange run: every log line on stderr, a
// one-line progress indicator when stderr is a terminal, message boxes as
// lines, and Ctrl+C as the exchange window's "СТОП".
#pragma once

#include <QTextStream>

#include "link/runs/run_observer.h"
#include "model/message_presenter.h"

namespace nastrum::cli {

class CliRunObserver final : public RunObserver {
 public:
  // `showProgress`: draw the indicator (stderr is a terminal).
  CliRunObserver(QTextStream& err, bool showProgress);
  ~CliRunObserver() override;
  CliRunObserver(const CliRunObserver&) = delete;
  CliRunObserver& operator=(const CliRunObserver&) = delete;

  void logLine(const QString& line) override;
  void setProgressMaximum(int maximum) override { maximum_ = maximum; }
  void setProgress(int position) override;
  int progress() const override { return position_; }
  void setStatusText(const QString&) override {}
  void setDeviceLabel(const QString& text) override { deviceLabel_ = text; }
  void setSpeedLabel(const QString&) override {}
  // Ctrl+C pressed since the run began stops it as "СТОП" does; the link
  // pumps at least every kIdleSliceMs while it waits, so it is seen at once.
  void pumpEvents() override;
  bool stopRequested() const override { return stopRequested_; }

  QString deviceLabel() const { return deviceLabel_; }
  // Ends the indicator's line.
  void finish();

 private:
  void clearIndicator();

  QTextStream& err_;
  bool showProgress_;
  bool indicatorShown_ = false;
  bool stopRequested_ = false;
  int maximum_ = 0;
  int position_ = 0;
  QString deviceLabel_;
};

// Message boxes of a headless run: the text on stderr, answered OK (or No).
class CliPresenter final : public MessagePresenter {
 public:
  explicit CliPresenter(QTextStream& err) : err_(err) {}
  int present(const MessageBoxSpec& box) override;

 private:
  QTextStream& err_;
};

}  // namespace nastrum::cli
