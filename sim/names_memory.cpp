#include "sim/names_memory.h"

#include <vector>

#include "sim/device_font.h"

namespace nastrum::sim {
namespace {

constexpr int kSlot = 16;

struct SlotRun {
  int offset;
  int count;
  NameSlot* (*slot)(SettingsImage&, int);
};

NameSlot* sensorName(SettingsImage& im, int i) { return &im.names.sensorNames[static_cast<std::size_t>(i)]; }
NameSlot* pipelineName(SettingsImage& im, int i) { return &im.names.pipelineNames[static_cast<std::size_t>(i)]; }
NameSlot* hourName(SettingsImage& im, int i) { return &im.names.hourArcNames[static_cast<std::size_t>(i)]; }
NameSlot* dayName(SettingsImage& im, int i) { return &im.names.dayArcNames[static_cast<std::size_t>(i)]; }
NameSlot* monthName(SettingsImage& im, int i) { return &im.names.monthArcNames[static_cast<std::size_t>(i)]; }
NameSlot* intervalName(SettingsImage& im, int i) { return &im.names.intervalArcNames[static_cast<std::size_t>(i)]; }

std::vector<SlotRun> layoutFor(int kind) {
  if (kind == 1)
    return {{0, 32, hourName}, {512, 32, dayName}, {1024, 32, monthName}, {1536, 16, sensorName}, {1792, 4, pipelineName}};
  return {{0, 64, sensorName},   {1024, 16, pipelineName}, {1280, 32, hourName},
          {1792, 64, dayName},   {2816, 63, monthName},    {3840, kind == 3 ? 12 : 13, intervalName}};
}

QByteArray trimmedPad(QByteArray text) {
  while (!text.isEmpty() && text.back() == ' ') text.chop(1);
  return text;
}

bool isFree(const QByteArray& bytes) {
  for (char c : bytes)
    if (static_cast<std::uint8_t>(c) != 0xFF) return false;
  return true;
}

}  // namespace

NamesGeometry namesGeometryFor(int kind) {
  switch (kind) {
    case 1: return {1856, 1856, 2048, 2047, 0x90, 0x0F, 0x1F};
    case 3: return {4032, 4608, 4608, 4095, 0x80, 0x08, 0x18};
    default: return {4048, 4096, 4096, 4095, 0x80, 0x08, 0x18};
  }
}

std::uint8_t namesChecksum(const QByteArray& memory, int checksumAt) {
  unsigned sum = 0;
  for (int i = 0; i < checksumAt && i < memory.size(); ++i) sum += static_cast<std::uint8_t>(memory[i]);
  return static_cast<std::uint8_t>(~sum);
}

bool namesChecksumValid(const QByteArray& memory, int kind) {
  const NamesGeometry g = namesGeometryFor(kind);
  return memory.size() >= g.imageSize && static_cast<std::uint8_t>(memory[g.checksumAt]) == namesChecksum(memory, g.checksumAt);
}

QByteArray namesMemoryFromImage(const SettingsImage& source, int kind) {
  const NamesGeometry g = namesGeometryFor(kind);
  QByteArray memory(g.imageSize, static_cast<char>(0xFF));
  SettingsImage image = source;  // the slot accessors are not const
  for (const SlotRun& run : layoutFor(kind)) {
    for (int i = 0; i < run.count; ++i) {
      const NameSlot* slot = run.slot(image, i);
      const bool sensorsAlwaysWritten = kind != 1 && run.slot == sensorName;
      if (slot->isEmpty() && !sensorsAlwaysWritten) continue;
      memory.replace(run.offset + i * kSlot, kSlot, encodeDeviceName(slot->bytes()));
    }
  }
  memory[g.checksumAt] = static_cast<char>(namesChecksum(memory, g.checksumAt));
  if (kind == 3) {
    for (int e = 0; e < 16; ++e) {
      const NameSlot& name = image.names.desktopNames[static_cast<std::size_t>(e)];
      if (name.isEmpty()) continue;
      const int at = kWorkTableOffset + 32 * e;
      memory.replace(at, kSlot, encodeDeviceName(name.bytes()));
      const auto param = static_cast<std::uint16_t>(image.names.desktopParams[static_cast<std::size_t>(e)]);
      memory[at + 16] = static_cast<char>(param >> 8);
      memory[at + 17] = static_cast<char>(param & 0xFF);
    }
  }
  return memory;
}

void namesMemoryToImage(const QByteArray& memory, int kind, SettingsImage& image) {
  for (const SlotRun& run : layoutFor(kind)) {
    for (int i = 0; i < run.count; ++i) {
      const QByteArray bytes = memory.mid(run.offset + i * kSlot, kSlot);
      NameSlot* slot = run.slot(image, i);
      if (isFree(bytes))
        slot->clear();
      else
        slot->setBytes(trimmedPad(decodeDeviceName(bytes)));
    }
  }
  if (kind != 3) return;
  for (int e = 0; e < 16; ++e) {
    const QByteArray entry = memory.mid(kWorkTableOffset + 32 * e, 32);
    const QByteArray name = entry.left(kSlot);
    auto& slot = image.names.desktopNames[static_cast<std::size_t>(e)];
    if (isFree(name))
      slot.clear();
    else
      slot.setBytes(trimmedPad(decodeDeviceName(name)));
    image.names.desktopParams[static_cast<std::size_t>(e)] =
        (static_cast<std::uint8_t>(entry[16]) << 8) | static_cast<std::uint8_t>(entry[17]);
  }
}

}  // namespace nastrum::sim
