#include "model/settings_record.h"

#include <algorithm>

#include "model/byte_stream.h"
#include "model/image_fields.h"

namespace nastrum {

namespace {

// The records hold the fields of the one field description in its order:
// words as 32-bit integers, reals as doubles, a name as its length byte and
// its 16 characters, byte fields as they are.
struct Writer {
  ByteWriter out;
  void word(const FieldInfo&, Word w) { out.i32(w); }
  void real(const FieldInfo&, double r) { out.f64(r); }
  void name(const FieldInfo&, const NameSlot& n) {
    out.u8(n.length);
    out.raw(n.chars.data(), NameSlot::kMaxLength);
  }
  void bytes(const FieldInfo&, std::span<const std::uint8_t> b) { out.raw(b.data(), static_cast<int>(b.size())); }
};

struct Reader {
  ByteReader in;
  void word(const FieldInfo&, Word& w) { w = in.i32(); }
  void real(const FieldInfo&, double& r) { r = in.f64(); }
  void name(const FieldInfo&, NameSlot& n) {
    n.length = in.u8();
    in.raw(n.chars.data(), NameSlot::kMaxLength);
  }
  void bytes(const FieldInfo&, std::span<std::uint8_t> b) { in.raw(b.data(), static_cast<int>(b.size())); }
};

}  // namespace

void storeModemAuxInLogicK2(SettingsImage& image) {
  for (std::size_t j = 0; j < image.modemInitAux.size(); ++j) image.logicK2[j] = image.modemInitAux[j];
}

void takeModemAuxFromLogicK2(SettingsImage& image) {
  for (std::size_t j = 0; j < image.modemInitAux.size(); ++j)
    image.modemInitAux[j] = static_cast<std::uint8_t>(image.logicK2[j] & 0xFF);
}

QByteArray encodeSettingsRecord(const SettingsImage& image) {
  SettingsImage stored = image;
  if (kindProfile(stored.deviceKind).hasAuxModemText) storeModemAuxInLogicK2(stored);
  Writer w{ByteWriter(kSettingsRecordSize)};
  visitSettingsRecordFields(stored, w);
  Q_ASSERT(w.out.size() == kSettingsRecordSize);
  return w.out.bytes();
}

void decodeSettingsRecord(const QByteArray& record, SettingsImage& image) {
  Q_ASSERT(record.size() >= kSettingsRecordSize);
  Reader r{ByteReader(record)};
  visitSettingsRecordFields(image, r);
  if (kindProfile(image.deviceKind).hasAuxModemText) takeModemAuxFromLogicK2(image);
}

QByteArray encodeNamesRecord(const NamesRegion& names) {
  Writer w{ByteWriter(kNamesRecordSize)};
  visitNamesRecordFields(names, w);
  Q_ASSERT(w.out.size() == kNamesRecordSize);
  return w.out.bytes();
}

bool storesSame(const SettingsImage& a, const SettingsImage& b) {
  return encodeSettingsRecord(a) == encodeSettingsRecord(b) && encodeNamesRecord(a.names) == encodeNamesRecord(b.names);
}

void decodeNamesRecord(const QByteArray& record, NamesRegion& names) {
  Reader r{ByteReader(record)};
  visitNamesRecordFields(names, r);
  auto clamp = [](auto& array) {
    for (auto& slot : array) slot.length = std::min<std::uint8_t>(slot.length, NameSlot::kMaxLength);
  };
  clamp(names.sensorNames);
  clamp(names.pipelineNames);
  clamp(names.hourArcNames);
  clamp(names.dayArcNames);
  clamp(names.monthArcNames);
  clamp(names.intervalArcNames);
  clamp(names.desktopNames);
}

}  // namespace nastrum
