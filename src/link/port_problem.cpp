#include "link/port_problem.h"

#include <QFileInfo>

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace nastrum {

PortProblem DiagnosePortProblem(const QString& path) {
#ifdef Q_OS_WIN
  Q_UNUSED(path);
  return PortProblem::Unknown;
#else
  if (!path.startsWith(QLatin1Char('/'))) return PortProblem::Unknown;
  const QByteArray native = QFile::encodeName(path);
  const bool exists = QFileInfo::exists(path);
  // access() asks with the user's own rights, as the open did.
  const bool readWrite = exists && ::access(native.constData(), R_OK | W_OK) == 0;
  return ClassifyPortProblem(exists, readWrite);
#endif
}

PortProblem ClassifyPortProblem(bool exists, bool readWrite) {
  if (!exists) return PortProblem::Missing;
  if (!readWrite) return PortProblem::NoPermission;
  return PortProblem::Busy;
}

QString PortProblemText(PortProblem problem) {
  switch (problem) {
    case PortProblem::Missing:
      return QStringLiteral("Такого порта нет в системе: проверьте номер порта и подключение преобразователя.");
    case PortProblem::NoPermission:
      return QStringLiteral("Нет прав на работу с портом. В Linux добавьте пользователя в группу dialout "
                            "(sudo usermod -aG dialout $USER) и войдите в систему заново.");
    case PortProblem::Busy:
      return QStringLiteral("Порт занят другой программой или не отвечает: закройте другие программы, "
                            "работающие с портом, и повторите.");
    case PortProblem::Unknown: break;
  }
  return {};
}

}  // namespace nastrum
