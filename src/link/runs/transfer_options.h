// What the names transfer needs besides the device: the diagnostic mode with
// its log and the folder its dump files go to.
#pragma once

#include <functional>

#include <QString>

namespace nastrum {

struct TransferOptions {
  bool spyMode = false;
  // Receives the loader's diagnostic lines; may be empty.
  std::function<void(const QString&)> log;
  // Where the diagnostic dump files go.
  QString dumpFolder = QStringLiteral(".");
};

// Replaces `fileName` in the dump folder with `bytes`; false when it cannot
// be written (the transfer goes on: the dumps are only a diagnostic aid).
bool WriteDumpFile(const TransferOptions& options, const QString& fileName, const QByteArray& bytes);

}  // namespace nastrum
