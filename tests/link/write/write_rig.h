// The write run against the simulated device on an in-process line, through a
// session that keeps every request and lets a test answer one itself.
#pragma once

#include "link/read/read_rig.h"
#include "link/runs/intercepting_session.h"
#include "link/value_formats.h"
#include "link/write/device_write_run.h"

namespace nastrum::test {

struct WriteRig : ReadRig {
  DeviceWriteOutcome write(WriteChoice choice, WriteGroups groups = WriteGroups::all(), bool changePassword = false,
                     bool start = true) {
    RunContext c{workspace, spy, settings, observer, presenter};
    FixedWriteAnswerer answers(changePassword, start);
    return RunDeviceWrite(c, WriteRequest{choice, groups}, answers);
  }

  // Status bits 4 … 3 of the device: 00 working, 01 STOP.
  int workingState() { return StatusWord{devices.front().statusWord()}.workingState(); }

  InterceptingSession spy{session};
};

}  // namespace nastrum::test
