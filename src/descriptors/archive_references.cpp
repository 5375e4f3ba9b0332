// What archives refer to: the sensors and pipelines they record, and the
// deletions a removed object asks for.
#include "descriptors/archive_words.h"

#include "descriptors/archive_levels.h"
#include "descriptors/descriptor_digits.h"
#include "descriptors/sensor_codes.h"

namespace nastrum {

using archive_levels::isChained;
using archive_levels::isHeadLevel;

bool archiveRefersToSensor(ArchiveFamily f, const ArchiveWords& w, int sensor) {
  if (!isArchiveWorking(w.desc)) return false;
  const int d1 = digitOf(w.desc, 1);
  if (!isHeadLevel(f, d1)) return false;
  const int rest = w.desc & 0xFFF;
  if (digitOf(w.desc, 2) == 1 && digitOf(w.desc, 3) != 8 && lowByte(w.desc) == sensor) return true;
  if (rest == ItemSensorDiff)
    return lowByte(w.pos) == sensor || lowByte(w.neg) == sensor;
  return false;
}

PipelineUse archivePipelineUse(ArchiveFamily f, const ArchiveWords& w, int pipeline) {
  if (!isArchiveWorking(w.desc)) return PipelineUse::None;
  const int d1 = digitOf(w.desc, 1), d2 = digitOf(w.desc, 2), d3 = digitOf(w.desc, 3);
  if (d2 != 2 && d2 != 4 && d2 != 8) return PipelineUse::None;
  if (d3 == 8) {
    // An algebraic sum counts with level digit 0 or 8 in every family (daily
    // and monthly "8280", "8480", "8880" too).
    if ((w.desc & 0xFF) != 0x80 || (d1 != 0 && d1 != 8)) return PipelineUse::None;
    return (((w.pos | w.neg) >> pipeline) & 1) ? PipelineUse::Term : PipelineUse::None;
  }
  if (!isHeadLevel(f, d1)) return PipelineUse::None;
  // The pipeline the archive page shows: D4, unless the byte is "нет" (40).
  if (lowByte(w.desc) == kNoReference) return PipelineUse::None;
  return archivePipelineOperand(w.desc) == pipeline ? PipelineUse::Operand : PipelineUse::None;
}

void deleteArchive(SettingsImage& image, ArchiveFamily f, int n) {
  const Word desc = archiveWords(image, f, n).desc;
  const bool headWithChain = isChained(f) && isArchiveWorking(desc) && digitOf(desc, 1) == 0;
  setArchiveWords(image, f, n, {});
  if (headWithChain) deleteContinuations(image, f, n);
}

void removePipelineFromSum(ArchiveWords& w, int pipeline) {
  w.pos &= ~(1 << pipeline);
  w.neg &= ~(1 << pipeline);
}

}  // namespace nastrum
