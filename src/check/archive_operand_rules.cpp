#include "check/archive_operand_rules.h"

#include <algorithm>

#include "check/rule_helpers.h"

namespace nastrum::rules {
namespace {

constexpr int kDifference = 0x80;  // operand byte of a difference or a sum

// A sensor or pipeline number beyond the objects the kind has.
bool beyondSensors(const RuleContext& c, int number) { return number >= c.counts.sensors; }
bool beyondPipelines(const RuleContext& c, int number) { return number >= c.counts.pipelines; }

bool sensorAbsent(const RuleContext& c, int sensor) {
  return sensorFamily(sensorMain(c.image, sensor), c.kind) == SensorFamily::Absent;
}

// The pipelines of a 16-bit mask (bit k = pipeline k) that `pick` chooses.
QList<int> pipelinesOf(Word mask, const std::function<bool(int)>& pick) {
  QList<int> found;
  for (int k = 0; k < kPipelineCount; ++k)
    if (bitOfWord(mask, k) && pick(k)) found.append(k);
  return found;
}

std::optional<Finding> listed(const QList<int>& found) {
  if (found.isEmpty()) return std::nullopt;
  return Finding{found};
}

}  // namespace

ArchiveWords archiveOf(const RuleContext& c, ArchiveFamily family) { return archiveWords(c.image, family, c.number); }

void setArchiveDescriptor(SettingsImage& image, ArchiveFamily family, int n, Word desc) {
  ArchiveWords w = archiveWords(image, family, n);
  w.desc = desc;
  setArchiveWords(image, family, n, w);
}

void addOperandRules(std::vector<CheckRule>& r, const OperandRuleSet& set) {
  const ArchiveFamily f = set.family;
  const int base = set.base;
  const OperandTexts& t = set.texts;
  const DescriptorReading desc = set.descriptor;

  auto kindDigit = [desc](const RuleContext& c) { return digitOf(desc(c), 2); };
  auto operand = [desc](const RuleContext& c) { return lowByte(desc(c)); };
  auto sensorItem = [kindDigit](const RuleContext& c) { return kindDigit(c) == 1; };
  auto difference = [sensorItem, operand](const RuleContext& c) { return sensorItem(c) && operand(c) == kDifference; };
  auto pos = [f](const RuleContext& c) { return archiveOf(c, f).pos; };
  auto neg = [f](const RuleContext& c) { return archiveOf(c, f).neg; };
  // X1 and X2 of a difference: a described sensor the kind has.
  auto badDifferenceSensor = [](const RuleContext& c, Word component) {
    const int sensor = lowByte(component);
    return beyondSensors(c, sensor) || sensorAbsent(c, sensor);
  };

  r.push_back({base + 12, sensorItem, when([operand](const RuleContext& c) {
                 return beyondSensors(c, operand(c)) && operand(c) != kDifference;
               }),
               numbered(t.sensorArchive, t.sensorNumberEnding), {}, {}});
  r.push_back({base + 13, [sensorItem, operand](const RuleContext& c) { return sensorItem(c) && operand(c) != kDifference; },
               when([operand](const RuleContext& c) { return sensorAbsent(c, operand(c)); }),
               numbered(t.sensorArchive, QStringLiteral(" неверный номер датчика")), {base + 12}, {}});
  r.push_back({base + 14, difference, when([pos, neg](const RuleContext& c) {
                 return lowByte(pos(c)) == lowByte(neg(c)) && lowByte(neg(c)) != kNoReference;
               }),
               [t, neg](const RuleContext& c, const Finding&) {
                 return t.sensorArchive + num(c.number) + QStringLiteral(" указана разность одинаковых датчиков. (") +
                        replacement(hex4(neg(c)), hex4(withLowByte(neg(c), kNoReference)));
               },
               {}, [f](SettingsImage& image, int n) {
                 ArchiveWords w = archiveWords(image, f, n);
                 w.neg = withLowByte(w.neg, kNoReference);
                 setArchiveWords(image, f, n, w);
               }});
  r.push_back({base + 15, difference, when([pos, badDifferenceSensor](const RuleContext& c) { return badDifferenceSensor(c, pos(c)); }),
               numbered(t.sensorArchive, t.firstSensorEnding), {}, {}});
  r.push_back({base + 16, difference, when([neg, badDifferenceSensor](const RuleContext& c) { return badDifferenceSensor(c, neg(c)); }),
               numbered(t.sensorArchive, QStringLiteral(" либо не указан либо указан не существующий датчик X2")), {}, {}});

  const std::vector<int> pipelineItems = set.pipelineItems;
  auto pipelineItem = [kindDigit, pipelineItems](const RuleContext& c) {
    return std::find(pipelineItems.begin(), pipelineItems.end(), kindDigit(c)) != pipelineItems.end();
  };
  r.push_back({base + 23, pipelineItem, when([operand](const RuleContext& c) {
                 return beyondPipelines(c, operand(c)) && operand(c) != kDifference;
               }),
               numbered(t.otherArchive, t.pipelineNumberEnding), {}, {}});
  r.push_back({base + 24, [pipelineItem, operand](const RuleContext& c) { return pipelineItem(c) && operand(c) != kDifference; },
               when([operand](const RuleContext& c) { return pipelineUnused(c.image, operand(c)); }),
               numbered(t.otherArchive, QStringLiteral(" задан неверный номер трубопровода")), {base + 23}, {}});

  const std::vector<int> sumItems = set.sumItems;
  auto sumItem = [desc, sumItems](const RuleContext& c) {
    return std::find(sumItems.begin(), sumItems.end(), desc(c) & 0xFFF) != sumItems.end();
  };
  const auto refuses = set.sumRefuses;
  r.push_back({base + 25, sumItem,
               [pos, refuses](const RuleContext& c) { return listed(pipelinesOf(pos(c), [&](int k) { return refuses(c.image, k); })); },
               [t](const RuleContext& c, const Finding& found) {
                 return t.otherArchive + num(c.number) + QStringLiteral(" неверный номер трубопровода №") + objectList(found.listed) +
                        QStringLiteral(" в алгебраической сумме");
               },
               {}, {}});
  std::function<bool(SettingsImage&, int)> dropDouble;
  if (set.sumDropsDoubleFromNegative)
    dropDouble = [f](SettingsImage& image, int n) {
      ArchiveWords w = archiveWords(image, f, n);
      w.neg = (w.neg & ~w.pos) & 0xFFFF;
      setArchiveWords(image, f, n, w);
      return true;
    };
  r.push_back({base + 26, sumItem,
               [pos, neg](const RuleContext& c) { return listed(pipelinesOf(pos(c) & neg(c), [](int) { return true; })); },
               [t](const RuleContext& c, const Finding& found) {
                 return t.otherArchive + num(c.number) + QStringLiteral(" в алгебраичесокй сумме трубопровод №") +
                        objectList(found.listed) + QStringLiteral(" указан как с плюсом так и с минусом");
               },
               {}, {}, dropDouble});
  r.push_back({base + 27, sumItem,
               [neg](const RuleContext& c) { return listed(pipelinesOf(neg(c), [&](int k) { return pipelineUnused(c.image, k); })); },
               [t](const RuleContext& c, const Finding& found) {
                 return t.otherArchive + num(c.number) + QStringLiteral(" неверный номер трубопровода №") + objectList(found.listed) +
                        QStringLiteral(" в алгебраической сумме (отрицательная составляющая)");
               },
               {}, {}});
}

}  // namespace nastrum::rules
