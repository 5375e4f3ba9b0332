// The program: one application object, one window message loop.
//
// The program reads no configuration. The one option, --demo-port PATH, is
// given only by the demonstration script: it chooses "Др" with the simulated
// device's port in the exchange window.
#include <QApplication>
#include <QStringList>

#include "nastrum_application.h"

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Nastrum-ORVIK"));
  nastrum::NastrumApplication program;
  const QStringList args = QApplication::arguments();
  const qsizetype demoPort = args.indexOf(QStringLiteral("--demo-port"));
  if (demoPort > 0 && demoPort + 1 < args.size()) program.preselectPort(args[demoPort + 1]);
  program.show();
  return QApplication::exec();
}
