// Opening a settings pair of any bytes: two files of any length, or missing.
// Whatever the files hold, the program opens them or refuses them, and an
// opened pair saves back to bytes that open to the same image. The pair is
// taken apart in memory (the file reading around it only fetches the bytes),
// so a run reaches millions of inputs.
#include <cstdlib>

#include <QByteArray>

#include "fuzz_input.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_files.h"
#include "model/settings_record.h"

using namespace nastrum;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  // The first byte says which files exist; two more bytes give the settings
  // file's share of the rest, so both files take any length. A missing file
  // reads as no bytes at all.
  const std::uint8_t presence = in.byte();
  const std::size_t high = in.byte();
  const std::size_t split = high << 8 | in.byte();
  QByteArray settingsBytes = in.take(split);
  QByteArray namesBytes = in.rest();
  if (presence & 1) settingsBytes.clear();
  if (presence & 2) namesBytes.clear();

  static const SettingsImage reset = [] {
    SettingsImage image;
    EditorState editor;
    ResetImage(image, editor);
    image.names.sensorNames[0].setBytes("before");
    return image;
  }();
  static const QByteArray before = encodeSettingsRecord(reset) + encodeNamesRecord(reset.names);

  SettingsImage image = reset;
  EditorState editor;
  const ReadOutcome outcome = decodeSettingsPair(settingsBytes, namesBytes, image, editor);
  const QByteArray settingsRecord = encodeSettingsRecord(image);
  const QByteArray namesRecord = encodeNamesRecord(image.names);
  if (!outcome.ok()) {
    if (settingsRecord + namesRecord != before) std::abort();  // a refused pair changes nothing
    return 0;
  }
  if (!isValidDeviceKind(image.deviceKind)) std::abort();
  if (outcome.namesRead != (namesBytes.size() >= kNamesRecordSize)) std::abort();

  // What was opened saves and opens again to the same bytes.
  SettingsImage again;
  decodeSettingsRecord(settingsRecord, again);
  decodeNamesRecord(namesRecord, again.names);
  if (encodeSettingsRecord(again) != settingsRecord) std::abort();
  if (encodeNamesRecord(again.names) != namesRecord) std::abort();
  return 0;
}
