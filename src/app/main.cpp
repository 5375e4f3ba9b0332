// The program: one application object, one window message loop.
//
// The program keeps its window places, link settings and recent files in the
// user's settings file (see NastrumApplication). It takes one settings file to open at
// start (`nastrum plant.bfm`); the option --demo-port PATH is given only by
// the demonstration script: it chooses "Др" with the simulated device's port
// in the exchange window. --version prints the version once every window is
// made, and quits: the package test starts the installed program so.
#include <QApplication>
#include <QStringList>
#include <QTextStream>

#include "app/russian_language.h"
#include "app/start_arguments.h"
#include "nastrum_application.h"

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Nastrum-ORVIK"));
  QApplication::setApplicationVersion(QStringLiteral(NASTRUM_VERSION));
  nastrum::installRussian(qtApp);
  const nastrum::StartArguments start = nastrum::parseStartArguments(QApplication::arguments());
  nastrum::NastrumApplication program;
  if (QApplication::arguments().contains(QStringLiteral("--version"))) {
    program.rememberNothing();
    QTextStream(stdout) << "nastrum " << QApplication::applicationVersion() << Qt::endl;
    return 0;
  }
  if (!start.demoPort.isEmpty()) program.preselectPort(start.demoPort);
  program.show();
  program.openAtStart(start.settingsFile);
  return QApplication::exec();
}
