#include "link/runs/names_layout.h"

#include <algorithm>

#include <span>
#include <vector>

#include "link/frames.h"
#include "link/runs/device_text.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

// By device kind 1, 2, 3.
constexpr NamesKindLayout kLayouts[3] = {
    {1856, 0, 1856, 2048, 2047, 0x90, 0x0F, 0x1F, 0x0F, 0xFF, true},
    {4048, 0, 4096, 4096, 4095, 0x80, 0x08, 0x18, 0xF8, 0xF8, false},
    {4032, kWorkTableSize, 4608, 4608, 4095, 0x80, 0x08, 0x18, 0xF8, 0xF8, false},
};

// One run of consecutive name slots in the names area.
struct SlotRun {
  int offset;
  std::span<NameSlot> entries;  // the image array, cut to the slots the kind uses
  bool alwaysWritten;         // sensor names where the area starts with them
};

// The slot runs of a kind with a known layout, each cut to the kind's count.
std::vector<SlotRun> SlotRuns(NamesRegion& n, int kind) {
  const KindProfile& p = kindProfile(kind);
  const auto used = [](auto& array, int count) { return std::span(array).first(static_cast<std::size_t>(count)); };
  if (NamesLayoutFor(kind)->archiveNamesFirst)
    return {{0, used(n.hourArcNames, p.hourArchives), false},
            {512, used(n.dayArcNames, p.dayArchives), false},
            {1024, used(n.monthArcNames, p.monthArchives), false},
            {1536, used(n.sensorNames, p.sensors), false},
            {1792, used(n.pipelineNames, p.pipelines), false}};
  return {{0, used(n.sensorNames, p.sensors), true},
          {1024, used(n.pipelineNames, p.pipelines), false},
          {1280, used(n.hourArcNames, p.hourArchives), false},
          {1792, used(n.dayArcNames, p.dayArchives), false},
          {2816, used(n.monthArcNames, p.monthArchives), false},
          {3840, used(n.intervalArcNames, p.intervalArchives), false}};
}

void Put(QByteArray& target, int offset, const QByteArray& bytes) {
  for (int i = 0; i < bytes.size(); ++i) target[offset + i] = bytes[i];
}

}  // namespace

const NamesKindLayout* NamesLayoutFor(int kind) {
  const auto named = deviceKindOf(kind);
  return named ? &kLayouts[static_cast<std::size_t>(toWord(*named) - 1)] : nullptr;
}

std::uint8_t ReadSelector(int kind, LinkProtocol protocol) {
  const NamesKindLayout* layout = NamesLayoutFor(kind);
  if (!layout) layout = NamesLayoutFor(2);  // as before: any unknown kind reads like the expandable model
  return protocol == LinkProtocol::Traditional ? layout->readSelectorTraditional : layout->readSelectorFramed;
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
  // The desktop entries go to the work table.
  for (int e = 0; e < kindProfile(kind).desktopEntries; ++e) {
    const NameSlot& slot = names.desktopNames[static_cast<std::size_t>(e)];
    if (slot.isEmpty()) continue;
    const int at = e * kWorkTableEntrySize;
    Put(out.workTable, at, EncodeDeviceText(slot.bytes()).left(kNameSlotSize));
    const auto param = static_cast<std::uint16_t>(names.desktopParams[static_cast<std::size_t>(e)]);
    out.workTable[at + 16] = static_cast<char>(param >> 8);
    out.workTable[at + 17] = static_cast<char>(param & 0xFF);
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
  for (int e = 0; e < kindProfile(kind).desktopEntries; ++e) {
    const int at = e * kWorkTableEntrySize;
    NameSlot& slot = names.desktopNames[static_cast<std::size_t>(e)];
    slot.setBytes(DecodeDeviceText(buffers.workTable.mid(at, kNameSlotSize)));
    const auto hi = static_cast<std::uint8_t>(buffers.workTable[at + 16]);
    const auto lo = static_cast<std::uint8_t>(buffers.workTable[at + 17]);
    names.desktopParams[static_cast<std::size_t>(e)] = hi << 8 | lo;
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

bool NamesAreBlank(const NamesRegion& names) {
  const auto blank = [](const auto& group) {
    return std::all_of(group.begin(), group.end(), [](const NameSlot& slot) { return slot.isEmpty(); });
  };
  return blank(names.sensorNames) && blank(names.pipelineNames) && blank(names.hourArcNames) &&
         blank(names.dayArcNames) && blank(names.monthArcNames) && blank(names.intervalArcNames) &&
         blank(names.desktopNames);
}

}  // namespace nastrum
