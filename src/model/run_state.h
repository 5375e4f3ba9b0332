// State of the last exchange run, shared by the link and the main window.
#pragma once

#include <cstdint>

namespace nastrum {

struct RunState {
  int exchangeMode = 0;        // 0 none, 1 read, 2 write, 3 clock, 4 names (see the exchange window)
  bool runDone = false;        // the last run finished successfully
  int runError = 0;            // ResultCode of the last failing exchange
  bool stopRequested = false;  // "СТОП" was pressed during the run
  int connectedKind = 0;       // DeviceKind identified on the line
  std::uint16_t factoryNumber = 0;
};

}  // namespace nastrum
