// Why a serial port could not be opened, in the user's words: the device
// file is missing, the user may not use it, or another program holds it.
#pragma once

#include <QString>

namespace nastrum {

enum class PortProblem { Unknown, Missing, NoPermission, Busy };

// What the system says about `path` after a failed open. Only device paths
// ("/dev/…") can be looked at; any other name (a Windows port) is Unknown.
PortProblem DiagnosePortProblem(const QString& path);
// The same for a path whose state is known: whether it exists and whether
// this user may read and write it.
PortProblem ClassifyPortProblem(bool exists, bool readWrite);
// One or two sentences for the message box; empty for Unknown.
QString PortProblemText(PortProblem problem);

}  // namespace nastrum
