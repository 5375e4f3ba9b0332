// What the program takes from its command line: a settings file to open, and
// the demonstration's port. Nothing else is read; other options are ignored.
#pragma once

#include <QString>
#include <QStringList>

namespace nastrum {

struct StartArguments {
  QString settingsFile;  // the first argument that is not an option; empty: none
  QString demoPort;      // after --demo-port
};

// `arguments` as QCoreApplication::arguments() gives them, the program first.
StartArguments parseStartArguments(const QStringList& arguments);

}  // namespace nastrum
