#include "descriptors/archive_words.h"
#include "model/kind_profile.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_codes.h"
#include "descriptors/sensor_codes.h"

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

bool isChained(ArchiveFamily f) { return f != ArchiveFamily::Monthly; }
bool hasLevels(ArchiveFamily f) { return f == ArchiveFamily::Hourly || f == ArchiveFamily::Interval; }

// Level digits that make a head: hourly and interval 0 or 8, otherwise 0.
bool isHeadLevel(ArchiveFamily f, int d1) { return d1 == 0 || (hasLevels(f) && d1 == 8); }

bool isFree(Word w, int test) {
  const int hi = highByte(w);
  switch (test) {
    case 0: return !isArchiveWorking(w);   // full test
    case 1: return hi == 0x00 || hi == 0xFF;  // high-byte test
    default: return (w & 0xFFFF) == 0;     // zero test
  }
}

QString joined(std::initializer_list<int> numbers) {
  QStringList parts;
  for (int n : numbers) parts << QString::number(n);
  return parts.join(u',');
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

std::optional<int> headOf(ArchiveFamily f, Word desc) {
  if (archiveState(f, desc) != ArchiveState::Continuation) return std::nullopt;
  if (hasLevels(f) && digitOf(desc, 1) == 9) return std::nullopt;
  const int lo = lowByte(desc);
  if (lo == kNoReference) return std::nullopt;
  return lo;
}

int continuationLevel(ArchiveFamily f, Word desc) {
  if (archiveState(f, desc) != ArchiveState::Continuation) return 0;
  if (f == ArchiveFamily::Daily) return 1;
  const int d1 = digitOf(desc, 1);
  return d1 <= 7 ? d1 : 0;
}

std::vector<int> continuationsOf(const SettingsImage& image, ArchiveFamily f, int head) {
  std::vector<int> out;
  if (!isChained(f)) return out;
  const int count = archiveCount(f, image.deviceKind);
  for (int n = 0; n < count; ++n) {
    if (n == head) continue;
    const Word d = archiveWords(image, f, n).desc;
    if (f == ArchiveFamily::Daily) {
      if (highByte(d) == 0x10 && lowByte(d) == head) out.push_back(n);
    } else {
      const int d1 = digitOf(d, 1);
      // Level 1..7 is never a head, so the level and the operand decide.
      if (d1 >= 1 && d1 <= 7 && isArchiveWorking(d) && lowByte(d) == head) out.push_back(n);
    }
  }
  return out;
}

std::vector<int> headCandidates(const SettingsImage& image, ArchiveFamily f, int self) {
  std::vector<int> out;
  const int count = archiveCount(f, image.deviceKind);
  for (int n = 0; n < count; ++n) {
    if (n == self) continue;
    const Word d = archiveWords(image, f, n).desc;
    if (!isArchiveWorking(d)) continue;
    bool ok = false;
    switch (f) {
      case ArchiveFamily::Hourly: ok = digitOf(d, 1) != 8 && digitOf(d, 2) != 8; break;
      case ArchiveFamily::Interval: ok = digitOf(d, 2) != 8; break;
      case ArchiveFamily::Daily: ok = highByte(d) != 0x10; break;
      case ArchiveFamily::Monthly: break;
    }
    if (ok) out.push_back(n);
  }
  return out;
}

ChoiceList headChoices(const SettingsImage& image, ArchiveFamily f, int self) {
  return numberChoices(headCandidates(image, f, self), kNoReference);
}

std::array<std::optional<int>, 8> chainCells(const SettingsImage& image, ArchiveFamily f, int n) {
  std::array<std::optional<int>, 8> cells{};
  const auto head = headOf(f, archiveWords(image, f, n).desc);
  if (!head) return cells;
  cells[0] = *head;
  for (int c : continuationsOf(image, f, *head)) {
    const int level = continuationLevel(f, archiveWords(image, f, c).desc);
    if (level >= 1 && level <= 7) cells[static_cast<std::size_t>(level)] = c;
  }
  return cells;
}

void detachContinuation(SettingsImage& image, ArchiveFamily f, int n) {
  ArchiveWords w = archiveWords(image, f, n);
  if (f == ArchiveFamily::Daily) {
    setArchiveWords(image, f, n, {kUnattachedDailyContinuation, 0, 0});
    return;
  }
  const auto head = headOf(f, w.desc);
  const int level = continuationLevel(f, w.desc);
  setArchiveWords(image, f, n, {kUnattachedContinuation, 0, 0});
  if (!head || level == 0) return;
  // Later levels move down one so the chain stays contiguous.
  for (int c : continuationsOf(image, f, *head)) {
    ArchiveWords cw = archiveWords(image, f, c);
    const int l = digitOf(cw.desc, 1);
    if (l > level) {
      cw.desc = withDigit(cw.desc, 1, l - 1);
      setArchiveWords(image, f, c, cw);
    }
  }
}

int attachContinuation(SettingsImage& image, ArchiveFamily f, int n, std::optional<int> head) {
  if (f == ArchiveFamily::Daily) {
    setArchiveWords(image, f, n, {kUnattachedDailyContinuation, 0, 0});
    if (!head) return 0;
    if (!continuationsOf(image, f, *head).empty()) return 28;
    setArchiveWords(image, f, n, {makeWord(0x10, *head), 0, 0});
    return 0;
  }
  detachContinuation(image, f, n);
  if (!head) return 0;
  const int count = static_cast<int>(continuationsOf(image, f, *head).size());
  if (count >= kMaxContinuations) return 26;
  setArchiveWords(image, f, n, {((count + 1) << 12) | 0x0800 | (*head & 0xFF), 0, 0});
  return 0;
}

int continuationRefusal(const SettingsImage& image, ArchiveFamily f, int n) {
  return headCandidates(image, f, n).empty() ? 61 : 0;
}

void deleteContinuations(SettingsImage& image, ArchiveFamily f, int head) {
  for (int c : continuationsOf(image, f, head)) setArchiveWords(image, f, c, {});
}

void applyArchiveState(SettingsImage& image, ArchiveFamily f, int n, ArchiveState state) {
  switch (state) {
    case ArchiveState::Head: {
      ArchiveWords w{0x0140, 0, 0};
      applyArchiveItem(w, ItemSensorValue);
      setArchiveWords(image, f, n, w);
      break;
    }
    case ArchiveState::Continuation:
      setArchiveWords(image, f, n,
                      {f == ArchiveFamily::Daily ? kUnattachedDailyContinuation : kUnattachedContinuation, 0, 0});
      break;
    default:
      setArchiveWords(image, f, n, {});
      break;
  }
}

void repairArchiveState(SettingsImage& image, ArchiveFamily f, int n, ArchiveState state) {
  ArchiveWords w = archiveWords(image, f, n);
  switch (state) {
    case ArchiveState::Head:
      w.desc = f == ArchiveFamily::Daily ? withHighByte(w.desc, 0x01) : withDigit(w.desc, 2, 1);
      break;
    case ArchiveState::Continuation:
      w.desc = f == ArchiveFamily::Daily ? withHighByte(w.desc, 0x10) : withDigit(w.desc, 2, 8);
      break;
    default:
      w = {};
      break;
  }
  setArchiveWords(image, f, n, w);
}

void applyMonthlyPresence(SettingsImage& image, int n, bool present) {
  setArchiveWords(image, ArchiveFamily::Monthly, n, present ? ArchiveWords{0x0140, 0, 0} : ArchiveWords{});
}

void applyExtension(SettingsImage& image, int hourly, bool extended) {
  Word& d = image.hourArcDesc[static_cast<std::size_t>(hourly)];
  d = withDigit(d, 1, extended ? 8 : 0);
}

namespace {

// Interval archives an extended hourly archive 8..27 occupies: which are
// tested (0 full, 1 high byte, 2 zero) and which the refusal names.
struct ExtensionRule {
  int hourly;
  int interval1, test1;
  int interval2, test2;  // -1: none
};
constexpr ExtensionRule kExtensionRules[] = {
    {8, 0, 0, -1, 0},  {9, 0, 0, 1, 1},   {10, 1, 0, -1, 0}, {11, 2, 0, -1, 0},
    {12, 2, 0, 3, 1},  {13, 3, 0, -1, 0}, {14, 4, 0, -1, 0}, {15, 5, 0, 4, 1},
    {16, 5, 0, -1, 0}, {17, 6, 0, -1, 0}, {18, 7, 0, 6, 1},  {19, 7, 0, -1, 0},
    {20, 8, 0, -1, 0}, {21, 8, 0, 9, 2},  {22, 9, 0, -1, 0}, {23, 10, 0, -1, 0},
    {24, 10, 0, 11, 1}, {25, 11, 0, -1, 0}, {26, 12, 0, -1, 0}, {27, 12, 0, -1, 0},
};

// The two hourly archives whose extension excludes interval archive k.
constexpr std::array<std::array<int, 2>, 13> kIntervalExclusions{{
    {8, 9}, {9, 10}, {11, 12}, {12, 13}, {14, 15}, {15, 16}, {17, 18},
    {18, 19}, {20, 21}, {21, 22}, {23, 24}, {24, 25}, {26, 27},
}};

constexpr int kAlwaysExtensible = 7;  // hourly archives 0..7 need no interval archive

// The interval archive a kind keeps its events in, or -1.
int eventsInterval(int kind) { return kindProfile(kind).eventsShareIntervalArchive; }

}  // namespace

// Hourly archives 8..27 may be extended only where the kind has every
// interval archive their extension occupies.
bool isInExtensionRange(int kind, int hourly) {
  if (hourly < 0) return false;
  if (hourly <= kAlwaysExtensible) return true;
  const int intervals = kindProfile(kind).intervalArchives;
  for (const ExtensionRule& r : kExtensionRules)
    if (r.hourly == hourly) return r.interval1 < intervals && r.interval2 < intervals;
  return false;
}

std::optional<Refusal> extensionRefusal(const SettingsImage& image, int hourly) {
  const int kind = image.deviceKind;
  if (!isInExtensionRange(kind, hourly)) return Refusal{};
  if (hourly <= kAlwaysExtensible) return std::nullopt;
  for (const auto& r : kExtensionRules) {
    if (r.hourly != hourly) continue;
    const Word w1 = image.intervalArcDesc[static_cast<std::size_t>(r.interval1)];
    bool blocked = !isFree(w1, r.test1);
    if (r.interval2 >= 0)
      blocked = blocked || !isFree(image.intervalArcDesc[static_cast<std::size_t>(r.interval2)], r.test2);
    if (blocked) {
      const int a = std::min(r.interval1, r.interval2 < 0 ? r.interval1 : r.interval2);
      const int b = std::max(r.interval1, r.interval2);
      return Refusal{43, r.interval2 < 0 ? QString::number(r.interval1) : joined({a, b})};
    }
    const int shared = eventsInterval(kind);
    if (shared >= 0 && (r.interval1 == shared || r.interval2 == shared) && anyEventDescribed(image))
      return Refusal{63, {}};
    return std::nullopt;
  }
  return std::nullopt;
}

std::optional<ExtensionSlots> extensionSlots(int hourly) {
  for (const auto& r : kExtensionRules)
    if (r.hourly == hourly) return ExtensionSlots{r.interval1, r.interval2};
  return std::nullopt;
}

bool IntervalSlotFree(const SettingsImage& image, int slot) {
  if (slot < 0 || slot >= archiveCount(ArchiveFamily::Interval, image.deviceKind)) return false;
  for (int h : kIntervalExclusions[static_cast<std::size_t>(slot)])
    if (isExtendedHead(image.hourArcDesc[static_cast<std::size_t>(h)])) return false;
  return true;
}

QString intervalSlotHourPair(int slot) {
  if (slot < 0 || slot >= static_cast<int>(kIntervalExclusions.size())) return {};
  const auto& pair = kIntervalExclusions[static_cast<std::size_t>(slot)];
  return joined({pair[0], pair[1]});
}

std::optional<Refusal> intervalCreationRefusal(const SettingsImage& image, int k) {
  if (k < 0 || k >= archiveCount(ArchiveFamily::Interval, image.deviceKind)) return Refusal{};
  if (!IntervalSlotFree(image, k)) return Refusal{44, intervalSlotHourPair(k)};
  if (k == eventsInterval(image.deviceKind) && anyEventDescribed(image)) return Refusal{64, {}};
  return std::nullopt;
}

int eventCreationRefusal(const SettingsImage& image) {
  const int shared = eventsInterval(image.deviceKind);
  if (shared < 0) return 0;
  if (isArchiveWorking(image.intervalArcDesc[static_cast<std::size_t>(shared)])) return 66;
  for (int h : kIntervalExclusions[static_cast<std::size_t>(shared)])
    if (isExtendedHead(image.hourArcDesc[static_cast<std::size_t>(h)])) return 65;
  return 0;
}

bool anyEventDescribed(const SettingsImage& image) {
  const int count = eventCount(image.deviceKind);
  for (int n = 0; n < count; ++n)
    if (isEventDescribed(image.eventType[static_cast<std::size_t>(n)])) return true;
  return false;
}

bool anyIntervalWorking(const SettingsImage& image) {
  const int count = archiveCount(ArchiveFamily::Interval, image.deviceKind);
  for (int n = 0; n < count; ++n)
    if (isArchiveWorking(image.intervalArcDesc[static_cast<std::size_t>(n)])) return true;
  return false;
}

bool isEventDescribed(Word type) { return highByte(type) != 0; }
int eventMask(Word type) { return highByte(type); }
Word withEventMask(Word type, int mask) { return withHighByte(type, mask); }
bool isEventByAddress(Word type) { return lowByte(type) == kEventByAddress; }
int eventByteNumber(Word type) { return digitOf(type, 4); }

ChoiceList eventAddressingChoices() {
  return {{0, QStringLiteral("№ пар.")}, {1, QStringLiteral("адрес")}};
}

Word withEventAddressing(Word type, bool byAddress) {
  return withLowByte(type, byAddress ? kEventByAddress : 0x00);
}

Word withEventByteNumber(Word type, int byteNumber) {
  return withLowByte(type, byteNumber >= 0 && byteNumber <= 15 ? byteNumber : 0);
}

int eventByteMessage(int byteNumber) { return byteNumber >= 0 && byteNumber <= 15 ? 0 : 15; }

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
