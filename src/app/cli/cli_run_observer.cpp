#include "app/cli/cli_run_observer.h"

#include <csignal>

#include "link/runs/run_retry.h"

namespace nastrum::cli {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void OnInterrupt(int) { gInterrupted = 1; }

using Handler = void (*)(int);
Handler gPreviousHandler = SIG_DFL;

}  // namespace

CliRunObserver::CliRunObserver(QTextStream& err, RunState& run, bool showProgress)
    : err_(err), run_(run), showProgress_(showProgress) {
  gInterrupted = 0;
  gPreviousHandler = std::signal(SIGINT, OnInterrupt);
}

CliRunObserver::~CliRunObserver() { std::signal(SIGINT, gPreviousHandler); }

void CliRunObserver::clearIndicator() {
  if (!indicatorShown_) return;
  err_ << '\r' << QString(60, QLatin1Char(' ')) << '\r';
  indicatorShown_ = false;
}

void CliRunObserver::logLine(const QString& line) {
  clearIndicator();
  err_ << line << Qt::endl;
}

void CliRunObserver::setProgress(int position) {
  position_ = position;
  if (!showProgress_ || position <= 0) return;
  const int width = 30;
  const int filled = maximum_ > 0 ? std::min(width, position * width / maximum_) : 0;
  err_ << '\r' << '[' << QString(filled, QLatin1Char('#')) << QString(width - filled, QLatin1Char(' ')) << "] "
       << position << '/' << maximum_;
  err_.flush();
  indicatorShown_ = true;
}

void CliRunObserver::pumpEvents() {
  if (!gInterrupted) return;
  gInterrupted = 0;
  RequestStop(run_);
}

void CliRunObserver::finish() { clearIndicator(); }

int CliPresenter::present(const MessageBoxSpec& box) {
  err_ << box.text << Qt::endl;
  return box.buttons == MessageButtons::Ok ? AnswerOk : AnswerNo;
}

}  // namespace nastrum::cli
