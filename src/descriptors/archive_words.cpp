#include "descriptors/archive_words.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_codes.h"
#include "descriptors/sensor_codes.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

struct Arrays {
  Word* desc;
  Word* pos;
  Word* neg;
  int count;
};

Arrays arrays(SettingsImage& im, ArchiveFamily f) {
  switch (f) {
    case ArchiveFamily::Hourly: return {im.hourArcDesc.data(), im.hourArcPos.data(), im.hourArcNeg.data(), 32};
    case ArchiveFamily::Daily: return {im.dayArcDesc.data(), im.dayArcPos.data(), im.dayArcNeg.data(), 64};
    case ArchiveFamily::Monthly: return {im.monthArcDesc.data(), im.monthArcPos.data(), im.monthArcNeg.data(), 63};
    case ArchiveFamily::Interval: break;
  }
  return {im.intervalArcDesc.data(), im.intervalArcPos.data(), im.intervalArcNeg.data(), 13};
}

}  // namespace

int archiveCount(ArchiveFamily f, int kind) {
  const KindProfile& c = kindProfile(kind);
  switch (f) {
    case ArchiveFamily::Hourly: return c.hourArchives;
    case ArchiveFamily::Daily: return c.dayArchives;
    case ArchiveFamily::Monthly: return c.monthArchives;
    case ArchiveFamily::Interval: return c.intervalArchives;
  }
  return 0;
}

int eventCount(int kind) { return kindProfile(kind).events; }

ArchiveWords archiveWords(const SettingsImage& image, ArchiveFamily f, int n) {
  Arrays a = arrays(const_cast<SettingsImage&>(image), f);
  if (n < 0 || n >= a.count) return {};
  return {a.desc[n], a.pos[n], a.neg[n]};
}

void setArchiveWords(SettingsImage& image, ArchiveFamily f, int n, const ArchiveWords& w) {
  Arrays a = arrays(image, f);
  if (n < 0 || n >= a.count) return;
  a.desc[n] = w.desc;
  a.pos[n] = w.pos;
  a.neg[n] = w.neg;
}

NameSlot& archiveName(SettingsImage& image, ArchiveFamily f, int n) {
  const auto i = static_cast<std::size_t>(n);
  switch (f) {
    case ArchiveFamily::Hourly: return image.names.hourArcNames.at(i);
    case ArchiveFamily::Daily: return image.names.dayArcNames.at(i);
    case ArchiveFamily::Monthly: return image.names.monthArcNames.at(i);
    case ArchiveFamily::Interval: break;
  }
  return image.names.intervalArcNames.at(i);
}

const NameSlot& archiveName(const SettingsImage& image, ArchiveFamily f, int n) {
  return archiveName(const_cast<SettingsImage&>(image), f, n);
}

bool isArchiveWorking(Word desc) {
  const int hi = highByte(desc), lo = lowByte(desc);
  return !((hi == 0x00 && lo != 0x40) || hi == 0xFF);
}

ArchiveState archiveState(ArchiveFamily f, Word desc) {
  if (!isArchiveWorking(desc)) return ArchiveState::NotWorking;
  const int d1 = digitOf(desc, 1), d2 = digitOf(desc, 2);
  if (!(d2 == 0 || d2 == 1 || d2 == 2 || d2 == 4 || d2 == 8)) return ArchiveState::Invalid;
  if (d1 == 0) return ArchiveState::Head;
  switch (f) {
    case ArchiveFamily::Hourly:
    case ArchiveFamily::Interval:
      if (d1 == 8) return ArchiveState::Head;
      if ((d1 >= 1 && d1 <= 7) || d1 == 9) return ArchiveState::Continuation;
      return ArchiveState::Invalid;
    case ArchiveFamily::Daily:
      return highByte(desc) == 0x10 ? ArchiveState::Continuation : ArchiveState::Invalid;
    case ArchiveFamily::Monthly:
      return ArchiveState::Invalid;
  }
  return ArchiveState::Invalid;
}

ChoiceList archiveStateChoices(ArchiveFamily f) {
  if (f == ArchiveFamily::Monthly)
    return {{static_cast<int>(ArchiveState::Head), QStringLiteral("Есть")},
            {static_cast<int>(ArchiveState::NotWorking), QStringLiteral("Нет")}};
  return {{static_cast<int>(ArchiveState::NotWorking), QStringLiteral("не работает")},
          {static_cast<int>(ArchiveState::Head), QStringLiteral("головной")},
          {static_cast<int>(ArchiveState::Continuation), QStringLiteral("продолжение")}};
}

bool isExtendedHead(Word desc) { return isArchiveWorking(desc) && digitOf(desc, 1) == 8; }

ChoiceList archiveItemChoices(ArchiveFamily f) {
  const bool payment = f == ArchiveFamily::Daily || f == ArchiveFamily::Monthly;
  ChoiceList list;
  list.add(ItemSensorValue, QStringLiteral("измеренного датчиком значения"));
  list.add(ItemSensorDiff, QStringLiteral("разности измер. значений 2-х датч."));
  list.add(ItemPipeFlow, QStringLiteral("расхода из трубопровода"));
  list.add(ItemPipeHeat, QStringLiteral("количества тепла из трубопровода"));
  if (payment) list.add(ItemPipePayment, QStringLiteral("оплаты для трубы"));
  list.add(ItemSumFlow, QStringLiteral("алгебр. суммы расходов трубопров."));
  list.add(ItemSumHeat, QStringLiteral("алгебр. суммы колич. тепла трубоп."));
  if (payment) list.add(ItemSumPayment, QStringLiteral("алгебр. суммы оплаты по трубам"));
  list.add(ItemParameter, QStringLiteral("произвольного параметра"));
  return list;
}

std::optional<int> decodeArchiveItem(Word desc) {
  const int d2 = digitOf(desc, 2), d3 = digitOf(desc, 3);
  if (d2 == 0) return ItemParameter;
  if (d2 != 1 && d2 != 2 && d2 != 4 && d2 != 8) return std::nullopt;
  return (d2 << 8) | (d3 == 8 ? 0x80 : 0x40);
}

bool isSingleSensorItem(int item) { return item == ItemSensorValue; }
bool isSinglePipelineItem(int item) {
  return item == ItemPipeFlow || item == ItemPipeHeat || item == ItemPipePayment;
}
bool isSumItem(int item) { return item == ItemSumFlow || item == ItemSumHeat || item == ItemSumPayment; }

int archiveSensorOperand(Word desc) { return lowByte(desc); }
int archivePipelineOperand(Word desc) { return digitOf(desc, 4); }

void applyArchiveItem(ArchiveWords& w, int item) {
  w.desc = (digitOf(w.desc, 1) << 12) | (item & 0xFFF);
  w.pos = w.neg = 0;
  if (item == ItemSensorDiff) w.pos = w.neg = kNoReference;
}

void applyArchiveOperand(ArchiveWords& w, int byte) { w.desc = withLowByte(w.desc, byte); }

std::optional<int> differenceOperand(Word component) {
  // The low byte names the sensor, as the device and the check read it.
  const int lo = lowByte(component);
  if (lo > 0x3F) return std::nullopt;
  return lo;
}

int applyDifferenceOperand(ArchiveWords& w, bool x1, std::optional<int> sensor) {
  Word& mine = x1 ? w.pos : w.neg;
  const Word other = x1 ? w.neg : w.pos;
  if (sensor && differenceOperand(other) == sensor) {
    mine = kNoReference;
    return 49;
  }
  mine = sensor ? *sensor : kNoReference;
  return 0;
}

bool applySumTick(ArchiveWords& w, int k, bool positive, bool ticked) {
  Word& mine = positive ? w.pos : w.neg;
  const Word other = positive ? w.neg : w.pos;
  if (ticked && ((other >> k) & 1)) return false;
  mine = ticked ? ((mine | (1 << k)) & 0xFFFF) : (mine & ~(1 << k) & 0xFFFF);
  return true;
}

void applyParameterNumber(ArchiveWords& w, int number) { w.pos = number & 0xFFFF; }

ChoiceList archiveSensorChoices(const SettingsImage& image) {
  std::vector<int> described;
  const int count = kindProfile(image.deviceKind).sensors;
  for (int s = 0; s < count; ++s)
    if (isDescribedSensor(image.sensors[static_cast<std::size_t>(s)].mainDescriptor)) described.push_back(s);
  return numberChoices(described, kNoReference);
}

ChoiceList archivePipelineChoices(const SettingsImage& image) {
  std::vector<int> active;
  const int count = kindProfile(image.deviceKind).pipelines;
  for (int p = 0; p < count; ++p)
    if (isActivePipeline(image.pipelines[static_cast<std::size_t>(p)].mainDescriptor)) active.push_back(p);
  return numberChoices(active, kNoReference);
}

}  // namespace nastrum
