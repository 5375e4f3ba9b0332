// The beginning and the end that every exchange run shares: open the port,
// select the device on a network, identify it and greet it; release a
// networked device at the end.
#pragma once

#include <QString>

#include "link/runs/device_session.h"
#include "link/runs/greeting.h"
#include "link/runs/run_context.h"

namespace nastrum {

enum class ConnectStage {
  PortFailed,      // the port could not be opened; the run ends at once
  SelectFailed,    // the network device did not answer its address
  IdentifyFailed,  // `result` holds the code
  Connected,
};

struct Connection {
  ConnectStage stage = ConnectStage::PortFailed;
  int result = 0;
  DeviceIdentity identity;
  QString greeting;  // not yet logged in the read run, which adds the factory number
};

Connection Connect(RunContext& ctx, RunKind kind);

// "Неверный номер СОМ-порта …" and, where the system tells, why `port` could
// not be opened.
void ShowPortError(RunContext& ctx, const PortAddress& port);

// The end of the run: the release command for a networked traditional run,
// also after a failure of the run's own work. Read and write runs that ended
// at the port or at the network select send nothing.
void EndConnection(RunContext& ctx, RunKind kind, const Connection& connection);

// "Вас приветствует …" as the status bar shows it.
QString WelcomeText(const QString& greeting);

}  // namespace nastrum
