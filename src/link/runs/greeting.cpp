#include "link/runs/greeting.h"

namespace nastrum {

QString BasicModelRefusalText() {
  return QStringLiteral("Программа не работает с базовым типом прибора (толстым).");
}

QString Greeting(RunKind kind, const DeviceIdentity& identity) {
  const bool readRun = kind == RunKind::Read;
  const bool clockRun = kind == RunKind::ClockRead || kind == RunKind::ClockWrite;
  QString family = readRun ? QStringLiteral("ОРВИК") : QStringLiteral("ОРВИК ");
  QString fragment;
  switch (identity.modelCode) {
    case 0: fragment = QStringLiteral(" 5 базовый "); break;
    case 1: fragment = readRun ? QStringLiteral(" 5 миним. ") : QStringLiteral(" 5 миним."); break;
    case 2: fragment = readRun ? QStringLiteral(" 5 расшир. ") : QStringLiteral(" 5 расшир."); break;
    case 3: fragment = clockRun ? QStringLiteral(" 9") : QStringLiteral(" 9 "); break;
    default:
      family = QStringLiteral(" НЛО");
      break;
  }
  const QString version = readRun ? QStringLiteral("версия ") : QStringLiteral(" версия ");
  return family + fragment + version + QString::number(identity.versionMajor) + QLatin1Char('.') +
         QString::number(identity.versionMinor);
}

QString DeviceKindText(int modelCode) {
  DeviceIdentity identity;
  identity.modelCode = modelCode;
  // The write run's greeting without its " версия …" tail.
  const QString greeting = Greeting(RunKind::Write, identity);
  return greeting.left(greeting.indexOf(QStringLiteral(" версия "))).simplified();
}

int ConnectedKindOf(int modelCode) { return modelCode >= 1 && modelCode <= 3 ? modelCode : 0; }

}  // namespace nastrum
