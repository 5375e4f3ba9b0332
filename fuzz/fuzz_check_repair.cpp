// The settings check and the automatic correction on arbitrary images: the
// check walks any image, and after one correction none of the repaired rows
// is flagged again (each repair wrote what its row announced).
#include <cstdlib>

#include <QByteArray>

#include "check/check_rules.h"
#include "check/repair_image.h"
#include "fuzz_input.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_record.h"

using namespace nastrum;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t choice = in.byte();

  static const SettingsImage reset = [] {
    SettingsImage image;
    EditorState editor;
    ResetImage(image, editor);
    return image;
  }();
  static const QByteArray resetRecord = encodeSettingsRecord(reset);
  // The rest sets words of a reset record: a word's number (two bytes), then
  // its four bytes, so a short input reaches any field.
  QByteArray record = resetRecord;
  const int words = static_cast<int>(record.size() / 4);
  while (!in.empty()) {
    const int high = in.byte();
    const int word = (high << 8 | in.byte()) % words;
    const QByteArray value = in.take(4);
    record.replace(word * 4, value.size(), value);
  }
  SettingsImage image = reset;
  decodeSettingsRecord(record, image);
  // Most images carry a kind the program serves; a few keep what they say.
  if ((choice & 3) != 0) image.deviceKind = choice & 3;

  const bool spy = choice & 4;
  const CheckResult found = evaluateRules(image, spy);
  RepairImage(image, found);
  const CheckResult after = evaluateRules(image, spy);
  for (const CheckError& e : found.errors)
    if (e.repairable && after.flagged(e.group, e.object, e.code)) std::abort();  // the user would correct the same row twice
  return 0;
}
