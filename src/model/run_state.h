// State of the last exchange run, shared by the link and the main window.
#pragma once

#include <cstdint>

namespace nastrum {

struct RunState {
  int exchangeMode = 0;        // 0 write, 1 read, 2 link settings only, 3 clock read, 4 clock write
  bool runDone = false;        // the last run finished successfully
  int runError = 0;            // ResultCode of the last failing exchange
  bool stopRequested = false;  // "СТОП" was pressed during the run
  int connectedKind = 0;       // DeviceKind identified on the line
  std::uint16_t factoryNumber = 0;
};

}  // namespace nastrum
