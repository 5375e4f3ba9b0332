// How an exchange run ended. A run returns it; its caller (the exchange
// window, nastrum-cli) keeps it in the run state where the program needs it.
#pragma once

#include "link/runs/run_codes.h"
#include "model/run_state.h"

namespace nastrum {

struct RunOutcome {
  int result = run_code::kOk;  // the first failing code; the stop code after "СТОП"
  bool done = false;           // the run reached its successful end
  bool portFailed = false;     // the port could not be opened: nothing was sent, and no code says so

  // A run keeps its first failing code.
  void keep(int code) {
    if (code != run_code::kOk && result == run_code::kOk) result = code;
  }
  bool failed() const { return result != run_code::kOk; }
};

// The run state after a run: RunError, RunDone and StopRequested as the main
// window reads them once the exchange window has closed.
inline void StoreOutcome(RunState& run, const RunOutcome& outcome, bool stopRequested) {
  run.runError = outcome.result;
  run.runDone = outcome.done;
  run.stopRequested = stopRequested;
}

}  // namespace nastrum
