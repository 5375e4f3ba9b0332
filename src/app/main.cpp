// The program: one application object, one window message loop.
#include <QApplication>

#include "nastrum_application.h"

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Nastrum-ORVIK"));
  nastrum::NastrumApplication program;
  program.show();
  return QApplication::exec();
}
