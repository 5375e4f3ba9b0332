// Daily (410..429) and monthly (510..527) archives. Unlike the hourly rules,
// their type rule writes its repair back into the image at once.
#include "check/archive_operand_rules.h"
#include "check/archive_rules.h"
#include "check/rule_helpers.h"

namespace nastrum {
namespace {

using namespace rules;

constexpr int kDailyContinuation = 0x10;  // high byte of a daily continuation

bool isDaily(ArchiveFamily f) { return f == ArchiveFamily::Daily; }

// The descriptor after the type rule: 0000 for a word that cannot be read,
// level digit 0 for an item with another one. Daily continuations (10 and
// the head's number) are the one word with level digit 1.
Word typeRepaired(ArchiveFamily f, Word d) {
  const int high = highByte(d), d1 = digitOf(d, 1), d2 = digitOf(d, 2);
  const bool daily = isDaily(f);
  if (high != 0x00 && high != 0xFF && !oneOf(d2, {0, 1, 2, 4, 8})) return 0;
  if (d2 == 0) {
    if (lowByte(d) == kNoReference) return (high == 0x00 || (daily && high == kDailyContinuation)) ? d : 0;
    return (d1 == 0 || (daily && d1 == 1)) ? d : 0;
  }
  if (oneOf(d2, {1, 2, 4, 8}) && d1 != 0) return withDigit(d, 1, 0);
  return d;
}

bool typeBroken(ArchiveFamily f, Word d) { return (typeRepaired(f, d) & 0xFFFF) != (d & 0xFFFF); }

OperandTexts operandTexts(ArchiveFamily f) {
  const QString of = isDaily(f) ? QStringLiteral("У суточного архива №") : QStringLiteral("У месячного архива №");
  return {of, of, QStringLiteral(" неверный номер (или номер не задан) датчика"),
          isDaily(f) ? QStringLiteral(" либо не указан либо указан не существующий датчик X1.")
                     : QStringLiteral(" либо не указан либо указан не существующий датчик X1"),
          QStringLiteral(" задан неверный номер (или номер не указан) трубопровода")};
}

// Daily continuations: 418 (head number beyond the archives), 420 (the head
// records nothing a continuation can extend) and 429 (the head already has a
// continuation). Heads are read as the type rule leaves them, so the outcome
// does not depend on which archive the check reached first.
void addDailyChainRules(std::vector<CheckRule>& r) {
  constexpr ArchiveFamily f = ArchiveFamily::Daily;
  auto desc = [](const RuleContext& c) { return archiveOf(c, f).desc; };
  auto chained = [desc](const RuleContext& c) { return highByte(desc(c)) == kDailyContinuation; };
  auto named = [chained, desc](const RuleContext& c) { return chained(c) && lowByte(desc(c)) != kNoReference; };
  auto detachText = [desc](const QString& prefix, const QString& middle) {
    return [desc, prefix, middle](const RuleContext& c, const Finding&) {
      return prefix + num(c.number) + middle + replacement(hex4(desc(c)), hex4(withLowByte(desc(c), kNoReference)));
    };
  };
  auto detach = [](SettingsImage& image, int n) {
    Word& d = image.dayArcDesc[static_cast<std::size_t>(n)];
    d = withLowByte(d, kNoReference);
  };

  r.push_back({418, named, when([desc](const RuleContext& c) { return lowByte(desc(c)) > c.counts.dayArchives - 1; }),
               detachText(QStringLiteral("Не правильно задан (или не указан) номер головного архива у суточного архива №"),
                          QStringLiteral(". (")),
               {}, detach});
  r.push_back({420, named, when([desc](const RuleContext& c) {
                 const Word head = typeRepaired(f, archiveWords(c.image, f, lowByte(desc(c))).desc);
                 return (head & 0xFFFF) != 0x0040 && !oneOf(highByte(head), {0x01, 0x02, 0x04, 0x08});
               }),
               numbered("У суточного архива №", " в качестве головного архива указан не существующий архив"), {418}, {}});
  // A head takes one continuation: the first archive naming it keeps it, every
  // later one is flagged (and detached by the correction).
  r.push_back({429, named, when([desc](const RuleContext& c) {
                 for (int m = 0; m < c.number; ++m) {
                   const Word other = typeRepaired(f, archiveWords(c.image, f, m).desc);
                   if (highByte(other) == kDailyContinuation && lowByte(other) == lowByte(desc(c))) return true;
                 }
                 return false;
               }),
               detachText(QStringLiteral("Суточный архив №"),
                          QStringLiteral(" в качестве головного архива не может быть указан уже расширенный архив. (")),
               {418, 420}, detach});
}

RuleGroup accountGroup(ArchiveFamily f, CheckGroup group) {
  RuleGroup g{group, [f](const SettingsImage& image) { return archiveCount(f, image.deviceKind); }, {}, {}};
  auto& r = g.rules;
  const int b = isDaily(f) ? 400 : 500;
  auto desc = [f](const RuleContext& c) { return archiveOf(c, f).desc; };

  r.push_back({b + 10, {}, when([f, desc](const RuleContext& c) { return typeBroken(f, desc(c)); }),
               numbered(isDaily(f) ? "Неверный тип суточного архива №" : "Неверный тип месячного архива №"), {}, {},
               [f](SettingsImage& image, int n) {
                 const Word repaired = typeRepaired(f, archiveWords(image, f, n).desc);
                 setArchiveDescriptor(image, f, n, repaired);
                 return repaired != 0;
               }});
  if (isDaily(f)) addDailyChainRules(r);
  addOperandRules(r, {f, b, desc, operandTexts(f), {2, 4, 8}, {0x280, 0x480, 0x880},
                      [](const SettingsImage& image, int k) { return pipelineUnused(image, k); }, true});
  return g;
}

}  // namespace

RuleGroup dayArchiveRuleGroup() { return accountGroup(ArchiveFamily::Daily, CheckGroup::DayArchive); }
RuleGroup monthArchiveRuleGroup() { return accountGroup(ArchiveFamily::Monthly, CheckGroup::MonthArchive); }

}  // namespace nastrum
