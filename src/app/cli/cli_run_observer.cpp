#include "app/cli/cli_run_observer.h"

#include <csignal>

namespace nastrum::cli {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void OnInterrupt(int) { gInterrupted = 1; }

using Handler = void (*)(int);
Handler gPreviousHandler = SIG_DFL;

}  // namespace

CliRunObserver::CliRunObserver(QTextStream& err, bool showProgress) : err_(err), showProgress_(showProgress) {
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
  stopRequested_ = true;
}

void CliRunObserver::finish() { clearIndicator(); }

int CliPresenter::present(const MessageBoxSpec& box) {
  err_ << box.text << Qt::endl;
  return box.buttons == MessageButtons::Ok ? AnswerOk : AnswerNo;
}

}  // namespace nastrum::cli
