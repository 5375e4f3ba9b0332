#include "app/start_arguments.h"

namespace nastrum {

StartArguments parseStartArguments(const QStringList& arguments) {
  StartArguments start;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QStringLiteral("--demo-port")) {
      if (i + 1 < arguments.size()) start.demoPort = arguments[++i];
    } else if (argument.startsWith(QLatin1Char('-'))) {
      continue;
    } else if (start.settingsFile.isEmpty()) {
      start.settingsFile = argument;
    }
  }
  return start;
}

}  // namespace nastrum
