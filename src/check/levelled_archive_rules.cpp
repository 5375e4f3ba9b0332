// Hourly (210..227) and interval (310..328) archives: the families whose
// continuations carry a level 1..7 under a head, and which the hourly
// extension ties together.
#include <algorithm>
#include <map>

#include "check/archive_operand_rules.h"
#include "check/archive_rules.h"
#include "check/rule_helpers.h"

namespace nastrum {
namespace {

using namespace rules;

constexpr int kContinuation = 8;  // D2 of a continuation
constexpr int kExtendedLevel = 8;  // D1 of an extended hourly head

// A continuation the editor left without a head ("продолжение" before a head
// is chosen): it has no level, and the head rule says what is missing.
constexpr Word kUnattached = kUnattachedContinuation;

bool isHourly(ArchiveFamily f) { return f == ArchiveFamily::Hourly; }
int base(ArchiveFamily f) { return isHourly(f) ? 200 : 300; }

bool isLevel(int d1) { return d1 >= 1 && d1 <= 7; }

// The type rule's first case: a working word whose kind digit names nothing.
bool unknownKindDigit(Word d) {
  const int high = highByte(d);
  return high != 0x00 && high != 0xFF && !oneOf(digitOf(d, 2), {0, 1, 2, 4, 8});
}

// The level digits a head of the kind digit may have: the hourly family reads
// 8 as "extended"; an interval head recording a sensor must have level 0.
bool headLevelValid(ArchiveFamily f, int d1, int d2) {
  if (d2 == 1 && !isHourly(f)) return d1 == 0;
  return d1 == 0 || d1 == kExtendedLevel;
}

bool typeBroken(ArchiveFamily f, Word d) {
  const int d1 = digitOf(d, 1), d2 = digitOf(d, 2);
  if (unknownKindDigit(d)) return true;
  if (d2 == 0) return lowByte(d) == kNoReference ? !oneOf(highByte(d), {0x00, 0x80}) : d1 != 0;
  if (oneOf(d2, {1, 2, 4})) return !headLevelValid(f, d1, d2);
  return false;
}

// The word the later rules read: a head with a wrong level digit as level 0,
// a continuation with a wrong level as 0000 (the level rule reports it).
Word reading(ArchiveFamily f, Word d) {
  const int d1 = digitOf(d, 1), d2 = digitOf(d, 2);
  if (oneOf(d2, {1, 2, 4}) && !headLevelValid(f, d1, d2)) return withDigit(d, 1, 0);
  if (d2 == kContinuation && !isLevel(d1) && (d & 0xFFFF) != kUnattached) return 0;
  return d;
}

struct FamilyTexts {
  QString type;           // x10
  QString level;          // x17
  QString headNumber;     // x18
  QString archive;        // x19, x20: "У часового архива №"
  QString archiveIs;      // x21, x22: "Часовой архив №"
  QString sameLevel;      // x22 ending
  OperandTexts operands;
};

FamilyTexts textsOf(ArchiveFamily f) {
  if (isHourly(f)) {
    const QString of = QStringLiteral("У часового архива №");
    return {QStringLiteral("Неверный тип часового архива №"),
            QStringLiteral("Не правильно задан уровень вложенности у часового архива продолжения №"),
            QStringLiteral("Не правильно задан (или не указан) номер головного архива у часового архива №"),
            of,
            QStringLiteral("Часовой архив №"),
            QStringLiteral(" имеет одинаковый уровень продолжения с архивами продолжения №"),
            {of, of, QStringLiteral(" неверный номер (или номер не задан) датчика"),
             QStringLiteral(" либо не указан либо указан не существующий датчик X1"),
             QStringLiteral(" задан неверный номер (или номер не указан) трубопровода.")}};
  }
  const QString of = QStringLiteral("У архива интервалов №");
  return {QStringLiteral("Неверный тип расширенного архива интервалов №"),
          QStringLiteral("Не правильно задан уровень вложенности у архива интервалов №"),
          QStringLiteral("Не правильно задан (или не указан) номер головного архива у архива интервалов №"),
          of,
          QStringLiteral("Архив интервалов №"),
          QStringLiteral(" имеет одинаковый уровень продолжения с  архивами продолжения №"),
          {QStringLiteral("У расширенного архива интервалов №"), of,
           QStringLiteral(" неверный номер (или номер не задан) датчика "),
           QStringLiteral(" либо не указан либо указан не существующий датчик X1"),
           QStringLiteral(" задан неверный номер (или номер не указан) трубопровода.")}};
}

// Rule 211: whether the kind lets hourly archive n be extended. Archives 0..7
// always may; higher ones only where the kind's extension range reaches and
// the interval archives whose memory the extension takes are free.
bool mayBeExtended(const SettingsImage& image, int n) {
  if (n <= 7) return true;
  if (!isInExtensionRange(image.deviceKind, n)) return false;
  const std::optional<ExtensionSlots> taken = extensionSlots(n);
  if (!taken) return false;
  const Word first = image.intervalArcDesc[static_cast<std::size_t>(taken->first)];
  if (isArchiveWorking(first)) return false;
  if (taken->second < 0) return true;
  return oneOf(highByte(image.intervalArcDesc[static_cast<std::size_t>(taken->second)]), {0x00, 0xFF});
}

// Rule 328: whether an hourly extension the kind allows takes interval slot
// `slot`. An extension that rule 211 refuses does not count: its repair
// gives the slot back, so the interval archive is kept rather than both
// being undone.
bool slotTakenByExtension(const SettingsImage& image, int slot) {
  if (!IntervalSlotFree(image, slot)) {
    for (int h = 0; h < static_cast<int>(image.hourArcDesc.size()); ++h) {
      const std::optional<ExtensionSlots> taken = extensionSlots(h);
      if (!taken || (taken->first != slot && taken->second != slot)) continue;
      if (isExtendedHead(image.hourArcDesc[static_cast<std::size_t>(h)]) && mayBeExtended(image, h)) return true;
    }
  }
  return false;
}

// Rule 328: an interval archive counts as in use unless its high byte is FF
// or it is 00 with a third digit other than 4.
bool intervalInUse(Word d) {
  const int high = highByte(d);
  return high != 0xFF && !(high == 0x00 && digitOf(d, 3) != 4);
}

// The continuations of every head, as (level, archive) in the order of
// their levels; a continuation names its head in its low byte. Only heads
// that are archives of the family count: continuations naming none (the head
// rule reports them) are no chain, so their levels stay as the user left them.
std::map<int, std::vector<std::pair<int, int>>> chains(const SettingsImage& image, ArchiveFamily f) {
  std::map<int, std::vector<std::pair<int, int>>> byHead;
  const int count = archiveCount(f, image.deviceKind);
  for (int n = 0; n < count; ++n) {
    const Word d = archiveWords(image, f, n).desc;
    if (digitOf(d, 2) == kContinuation && isLevel(digitOf(d, 1)) && lowByte(d) < count)
      byHead[lowByte(d)].push_back({digitOf(d, 1), n});
  }
  for (auto& [head, members] : byHead) std::sort(members.begin(), members.end());
  return byHead;
}

// After the rules: every head's continuations take the levels 1, 2, 3, … in
// the order of their old levels, closing the gaps a cleared duplicate or an
// edit left.
void renumberLevels(SettingsImage& image, ArchiveFamily f) {
  for (const auto& [head, members] : chains(image, f)) {
    int level = 0;
    for (const auto& [oldLevel, n] : members) {
      // Duplicates the rules could not clear (their head is wrong) may make
      // more than seven; those keep their level for the user to sort out.
      if (++level > kMaxContinuations) break;
      if (level != oldLevel) setArchiveDescriptor(image, f, n, withDigit(archiveWords(image, f, n).desc, 1, level));
    }
  }
}

RuleGroup levelledGroup(ArchiveFamily f, CheckGroup group) {
  RuleGroup g{group, [f](const SettingsImage& image) { return archiveCount(f, image.deviceKind); }, {}, {}};
  auto& r = g.rules;
  const int b = base(f);
  const FamilyTexts t = textsOf(f);

  auto raw = [f](const RuleContext& c) { return archiveOf(c, f).desc; };
  auto desc = [f, raw](const RuleContext& c) { return reading(f, raw(c)); };
  auto continuation = [desc](const RuleContext& c) { return digitOf(desc(c), 2) == kContinuation; };
  auto headWord = [f, desc](const RuleContext& c) { return archiveWords(c.image, f, lowByte(desc(c))).desc; };

  r.push_back({b + 10, {}, when([f, raw](const RuleContext& c) { return typeBroken(f, raw(c)); }), numbered(t.type), {}, {},
               [f](SettingsImage& image, int n) { return !unknownKindDigit(archiveWords(image, f, n).desc); }});

  if (isHourly(f)) {
    // Every word with first digit 8 takes the extension's memory, a
    // continuation with that digit as much as a head, so the rule reads the
    // word as it stands rather than as the level rule will read it.
    r.push_back({211, [raw](const RuleContext& c) { return digitOf(raw(c), 1) == kExtendedLevel; },
                 when([](const RuleContext& c) { return !mayBeExtended(c.image, c.number); }),
                 [raw](const RuleContext& c, const Finding&) {
                   return QStringLiteral("Часовой архив №") + num(c.number) + QStringLiteral(" не может быть расширенным. (") +
                          replacement(hex4(raw(c)), hex4(withDigit(raw(c), 1, 0)));
                 },
                 {}, [](SettingsImage& image, int n) {
                   Word& d = image.hourArcDesc[static_cast<std::size_t>(n)];
                   d = withDigit(d, 1, 0);
                 }});
  }

  addOperandRules(r, {f, b, desc, t.operands, {2, 4}, {0x280, 0x480},
                      [](const SettingsImage& image, int k) { return !isActivePipeline(pipelineMain(image, k)); },
                      isHourly(f)});

  r.push_back({b + 17, [raw](const RuleContext& c) { return digitOf(raw(c), 2) == kContinuation; },
               when([raw](const RuleContext& c) { return !isLevel(digitOf(raw(c), 1)) && (raw(c) & 0xFFFF) != kUnattached; }),
               numbered(t.level), {}, {}});
  r.push_back({b + 18, continuation, when([f](const RuleContext& c) { return lowByte(archiveOf(c, f).desc) >= archiveCount(f, c.kind); }),
               numbered(t.headNumber), {}, {}});
  r.push_back({b + 19, continuation, when([headWord](const RuleContext& c) { return digitOf(headWord(c), 2) == kContinuation; }),
               numbered(t.archive, QStringLiteral(" в качестве головного не может быть указан архив продолжения")), {b + 18}, {}});
  r.push_back({b + 20, continuation, when([headWord](const RuleContext& c) {
                 const Word h = headWord(c);
                 return (highByte(h) == 0x00 && lowByte(h) != kNoReference) || highByte(h) == 0xFF;
               }),
               [t, raw](const RuleContext& c, const Finding&) {
                 return t.archive + num(c.number) + QStringLiteral(" в качестве головного архива указан не существующий архив. (") +
                        replacement(hex4(raw(c)), hex4(kUnattached));
               },
               {b + 18}, [f](SettingsImage& image, int n) { setArchiveDescriptor(image, f, n, kUnattached); }});
  r.push_back({b + 21, continuation, when([headWord](const RuleContext& c) {
                 const Word h = headWord(c);
                 return digitOf(h, 1) == kExtendedLevel && digitOf(h, 2) != kContinuation;
               }),
               numbered(t.archiveIs, QStringLiteral(" ссылается на расширенный часовой архив")), {b + 18}, {}});
  // Continuations with the very same word share head and level.
  r.push_back({b + 22, continuation,
               [f, raw](const RuleContext& c) -> std::optional<Finding> {
                 QList<int> same;
                 const int count = archiveCount(f, c.kind);
                 for (int m = 0; m < count; ++m)
                   if (m != c.number && (archiveWords(c.image, f, m).desc & 0xFFFF) == (raw(c) & 0xFFFF)) same.append(m);
                 if (same.isEmpty()) return std::nullopt;
                 return Finding{same};
               },
               [t](const RuleContext& c, const Finding& found) { return t.archiveIs + num(c.number) + t.sameLevel + objectList(found.listed); },
               {b + 17, b + 18, b + 19, b + 20, b + 21}, {},
               // The first archive of a level keeps it; the later ones are cleared.
               [f](SettingsImage& image, int n) {
                 const Word mine = archiveWords(image, f, n).desc & 0xFFFF;
                 const int count = archiveCount(f, image.deviceKind);
                 for (int m = n + 1; m < count; ++m)
                   if ((archiveWords(image, f, m).desc & 0xFFFF) == mine) setArchiveDescriptor(image, f, m, 0);
                 return true;
               }});

  if (!isHourly(f)) {
    r.push_back({328, [raw](const RuleContext& c) { return intervalInUse(raw(c)); }, when([](const RuleContext& c) {
                   // An interval archive that shares its memory with the events.
                   const bool sharedWithEvents = c.number == c.counts.eventsShareIntervalArchive;
                   return (sharedWithEvents && anyEventDescribed(c.image)) || slotTakenByExtension(c.image, c.number);
                 }),
                 [raw](const RuleContext& c, const Finding&) {
                   return QStringLiteral("Расширенный архив интервалов №") + num(c.number) +
                          QStringLiteral(" при данных настройках часовых архивов и архивов событий существовать не может. (") +
                          replacement(hex4(raw(c)), QStringLiteral("0000"));
                 },
                 {}, [](SettingsImage& image, int n) { image.intervalArcDesc[static_cast<std::size_t>(n)] = 0; }});
  }

  g.afterRules = [f](SettingsImage& image, const QList<CheckError>&) { renumberLevels(image, f); };
  return g;
}

}  // namespace

RuleGroup hourArchiveRuleGroup() { return levelledGroup(ArchiveFamily::Hourly, CheckGroup::HourArchive); }
RuleGroup intervalArchiveRuleGroup() { return levelledGroup(ArchiveFamily::Interval, CheckGroup::IntervalArchive); }

}  // namespace nastrum
