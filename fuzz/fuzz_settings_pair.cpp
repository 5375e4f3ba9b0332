// Opening a settings pair of any bytes: two files of any length. Whatever the
// files hold, the program opens them or refuses them, and an opened pair saves
// back to bytes that open to the same image.
#include <cstdlib>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "fuzz_input.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "model/settings_record.h"

using namespace nastrum;

namespace {

void writeFile(const QString& path, const QByteArray& bytes, bool present) {
  QFile::remove(path);
  if (!present) return;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static QTemporaryDir dir;
  const QString settingsPath = dir.filePath(QStringLiteral("plant.bfm"));

  fuzz::Input in(data, size);
  // The first byte says which files exist; two more bytes give the settings
  // file's share of the rest, so both files take any length.
  const std::uint8_t presence = in.byte();
  const std::size_t high = in.byte();
  const std::size_t split = high << 8 | in.byte();
  const QByteArray settingsBytes = in.take(split);
  const QByteArray namesBytes = in.rest();
  writeFile(settingsPath, settingsBytes, !(presence & 1));
  writeFile(namesPathFor(settingsPath), namesBytes, !(presence & 2));

  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  image.names.sensorNames[0].setBytes("before");
  const QByteArray before = encodeSettingsRecord(image) + encodeNamesRecord(image.names);

  const ReadOutcome outcome = readSettingsPair(settingsPath, image, editor);
  const QByteArray after = encodeSettingsRecord(image) + encodeNamesRecord(image.names);
  if (!outcome.ok()) {
    if (after != before) std::abort();  // a refused pair changes nothing
    return 0;
  }
  if (!isValidDeviceKind(image.deviceKind)) std::abort();

  // What was opened saves and opens again to the same bytes.
  SettingsImage again;
  decodeSettingsRecord(encodeSettingsRecord(image), again);
  decodeNamesRecord(encodeNamesRecord(image.names), again.names);
  if (encodeSettingsRecord(again) != encodeSettingsRecord(image)) std::abort();
  if (encodeNamesRecord(again.names) != encodeNamesRecord(image.names)) std::abort();
  return 0;
}
