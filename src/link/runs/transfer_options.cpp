#include "link/runs/transfer_options.h"

#include <QDir>
#include <QSaveFile>

namespace nastrum {

bool WriteDumpFile(const TransferOptions& options, const QString& fileName, const QByteArray& bytes) {
  QSaveFile file(QDir(options.dumpFolder).filePath(fileName));
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(bytes);
  return file.commit();
}

}  // namespace nastrum
