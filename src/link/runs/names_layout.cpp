#include "link/runs/names_layout.h"

#include <span>
#include <vector>

#include "link/frames.h"
#include "link/runs/device_text.h"

namespace nastrum {

namespace {

constexpr NamesKindLayout kLayouts[3] = {
    {1856, 0, 1856, 2048, 2047, 0x90, 0x0F, 0x1F},
    {4048, 0, 4096, 4096, 4095, 0x80, 0x08, 0x18},
    {4032, kWorkTableSize, 4608, 4608, 4095, 0x80, 0x08, 0x18},
};

// One run of consecutive name slots in the names area.
struct SlotRun {
  int offset;
  std::span<NameSlot> entries;  // the image array, cut to the slots the kind uses
  bool alwaysWritten;         // sensor names of kinds 2 and 3
};

std::vector<SlotRun> SlotRuns(NamesRegion& n, int kind) {
  if (kind == 1)
    return {{0, std::span(n.hourArcNames).first(32), false},
            {512, std::span(n.dayArcNames).first(32), false},
            {1024, std::span(n.monthArcNames).first(32), false},
            {1536, std::span(n.sensorNames).first(16), false},
            {1792, std::span(n.pipelineNames).first(4), false}};
  return {{0, std::span(n.sensorNames).first(64), true},
          {1024, std::span(n.pipelineNames).first(16), false},
          {1280, std::span(n.hourArcNames).first(32), false},
          {1792, std::span(n.dayArcNames).first(64), false},
          {2816, std::span(n.monthArcNames).first(63), false},
          {3840, std::span(n.intervalArcNames).first(kind == 2 ? 13 : 12), false}};
}

void Put(QByteArray& target, int offset, const QByteArray& bytes) {
  for (int i = 0; i < bytes.size(); ++i) target[offset + i] = bytes[i];
}

}  // namespace

const NamesKindLayout* NamesLayoutFor(int kind) {
  return kind >= 1 && kind <= 3 ? &kLayouts[kind - 1] : nullptr;
}

std::uint8_t ReadSelector(int kind, int protocol) {
  if (kind == 1) return protocol == 0 ? 0x0F : 0xFF;
  return 0xF8;
}

NamesBuffers EncodeNames(const NamesRegion& names, int kind) {
  NamesBuffers out;
  if (!NamesLayoutFor(kind)) return out;
  NamesRegion copy = names;  // SlotRuns hands out spans into a mutable region
  for (const SlotRun& run : SlotRuns(copy, kind)) {
    for (std::size_t i = 0; i < run.entries.size(); ++i) {
      const NameSlot& slot = run.entries[i];
      if (slot.isEmpty() && !run.alwaysWritten) continue;
      Put(out.names, run.offset + static_cast<int>(i) * kNameSlotSize,
          EncodeDeviceText(slot.bytes()).left(kNameSlotSize));
    }
  }
  if (kind == 3) {
    for (int e = 0; e < 16; ++e) {
      const NameSlot& slot = names.desktopNames[static_cast<std::size_t>(e)];
      if (slot.isEmpty()) continue;
      const int at = e * kWorkTableEntrySize;
      Put(out.workTable, at, EncodeDeviceText(slot.bytes()).left(kNameSlotSize));
      const auto param = static_cast<std::uint16_t>(names.desktopParams[static_cast<std::size_t>(e)]);
      out.workTable[at + 16] = static_cast<char>(param >> 8);
      out.workTable[at + 17] = static_cast<char>(param & 0xFF);
    }
  }
  return out;
}

void DecodeNames(const NamesBuffers& buffers, int kind, NamesRegion& names) {
  if (!NamesLayoutFor(kind)) return;
  for (const SlotRun& run : SlotRuns(names, kind)) {
    for (std::size_t i = 0; i < run.entries.size(); ++i) {
      const int at = run.offset + static_cast<int>(i) * kNameSlotSize;
      run.entries[i].setBytes(DecodeDeviceText(buffers.names.mid(at, kNameSlotSize)));
    }
  }
  if (kind == 3) {
    for (int e = 0; e < 16; ++e) {
      const int at = e * kWorkTableEntrySize;
      names.desktopNames[static_cast<std::size_t>(e)].setBytes(
          DecodeDeviceText(buffers.workTable.mid(at, kNameSlotSize)));
      const auto hi = static_cast<std::uint8_t>(buffers.workTable[at + 16]);
      const auto lo = static_cast<std::uint8_t>(buffers.workTable[at + 17]);
      names.desktopParams[static_cast<std::size_t>(e)] = hi << 8 | lo;
    }
  }
}

QByteArray TransferImage(const NamesBuffers& buffers, int kind) {
  const NamesKindLayout* layout = NamesLayoutFor(kind);
  if (!layout) return {};
  QByteArray image(layout->transferSize, static_cast<char>(kFreeByte));
  Put(image, 0, buffers.names.left(layout->areaSize));
  image[layout->checksumIndex] = static_cast<char>(~ByteSum(image.left(layout->checksumIndex)));
  if (layout->workTableSize > 0) Put(image, kNamesBufferSize, buffers.workTable.left(layout->workTableSize));
  return image;
}

}  // namespace nastrum
