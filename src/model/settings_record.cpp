#include "model/settings_record.h"

#include <algorithm>

#include "model/byte_stream.h"

namespace nastrum {

namespace {

// One description of the record's layout serves both directions: the visitor
// is handed every field in file order.
template <class Image, class Visit>
void visitSettingsRecord(Image& image, Visit&& v) {
  v.word(image.deviceKind);
  for (auto& s : image.sensors) {
    v.word(s.number);
    v.word(s.mainDescriptor);
    v.word(s.auxDescriptor);
    v.word(s.rtdStandard);
    for (double* r : {&s.const1, &s.const2, &s.const3, &s.maxValue, &s.minValue, &s.substAboveMax,
                      &s.substBelowMin, &s.substOnFault, &s.monthFactor})
      v.real(*r);
  }
  for (auto& p : image.pipelines) {
    for (Word* w : {&p.number, &p.mainDescriptor, &p.flowSensors, &p.tempSensors, &p.pressureSensors,
                    &p.densityCalorLink, &p.bigPipeRef, &p.cutoffSource, &p.impurityTariff})
      v.word(*w);
    for (double* r : {&p.pipeDiameter, &p.orificeDiameter, &p.pipeExpansion, &p.orificeExpansion,
                      &p.roughness, &p.co2Fraction, &p.n2Fraction, &p.gasCalorific, &p.gasDensity,
                      &p.monthFactor, &p.mainTariff, &p.nightTariff})
      v.real(*r);
  }
  auto words = [&](auto& array) {
    for (auto& w : array) v.word(w);
  };
  words(image.hourArcDesc);
  words(image.hourArcPos);
  words(image.hourArcNeg);
  words(image.dayArcDesc);
  words(image.dayArcPos);
  words(image.dayArcNeg);
  words(image.monthArcDesc);
  words(image.monthArcPos);
  words(image.monthArcNeg);
  words(image.intervalArcDesc);
  words(image.intervalArcPos);
  words(image.intervalArcNeg);
  v.word(image.eventPrefixWord);
  words(image.eventType);
  words(image.eventParam);
  words(image.logicLaw);
  words(image.logicParam);
  words(image.logicK1);
  words(image.logicK2);
  words(image.logicT1);
  words(image.logicT2);
  words(image.systemBlock);
  for (auto& table : image.tableFunctions)
    for (auto& r : table) v.real(r);
  for (auto& g : image.currentGenerators) {
    v.word(g.paramDescriptor);
    v.word(g.lawDescriptor);
    v.real(g.scaleEnd);
    v.real(g.scaleStart);
  }
  v.real(image.defaultValues.coldSourceTemp);
  v.real(image.defaultValues.carrierTemp);
  v.real(image.defaultValues.carrierPressure);
  v.real(image.defaultValues.atmPressure);
  words(image.reservedPairs);
  v.bytes(image.modemInitMain.data(), static_cast<int>(image.modemInitMain.size()));
}

template <class Names, class Visit>
void visitNamesRecord(Names& names, Visit&& v) {
  auto nameSlots = [&](auto& array) {
    for (auto& slot : array) {
      v.byte(slot.length);
      v.bytes(slot.chars.data(), NameSlot::kMaxLength);
    }
  };
  auto spare = [&](auto& array) { v.bytes(array.data(), static_cast<int>(array.size())); };
  nameSlots(names.sensorNames);
  nameSlots(names.pipelineNames);
  nameSlots(names.hourArcNames);
  spare(names.hourArcSpare);
  nameSlots(names.dayArcNames);
  nameSlots(names.monthArcNames);
  nameSlots(names.intervalArcNames);
  spare(names.intervalArcSpare);
  nameSlots(names.desktopNames);
  for (auto& w : names.desktopParams) v.word(w);
  spare(names.reserved);
}

struct Writer {
  ByteWriter out;
  void word(Word w) { out.i32(w); }
  void real(double r) { out.f64(r); }
  void byte(std::uint8_t b) { out.u8(b); }
  void bytes(const void* p, int n) { out.raw(p, n); }
};

struct Reader {
  ByteReader in;
  void word(Word& w) { w = in.i32(); }
  void real(double& r) { r = in.f64(); }
  void byte(std::uint8_t& b) { b = in.u8(); }
  void bytes(void* p, int n) { in.raw(p, n); }
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
  if (stored.deviceKind == 3) storeModemAuxInLogicK2(stored);
  Writer w{ByteWriter(kSettingsRecordSize)};
  visitSettingsRecord(stored, w);
  Q_ASSERT(w.out.size() == kSettingsRecordSize);
  return w.out.bytes();
}

void decodeSettingsRecord(const QByteArray& record, SettingsImage& image) {
  Q_ASSERT(record.size() >= kSettingsRecordSize);
  Reader r{ByteReader(record)};
  visitSettingsRecord(image, r);
  if (image.deviceKind == 3) takeModemAuxFromLogicK2(image);
}

QByteArray encodeNamesRecord(const NamesRegion& names) {
  Writer w{ByteWriter(kNamesRecordSize)};
  visitNamesRecord(names, w);
  Q_ASSERT(w.out.size() == kNamesRecordSize);
  return w.out.bytes();
}

void decodeNamesRecord(const QByteArray& record, NamesRegion& names) {
  Reader r{ByteReader(record)};
  visitNamesRecord(names, r);
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
