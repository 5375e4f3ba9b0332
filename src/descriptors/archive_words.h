// Archive words: the descriptor (level digit D1, kind digit D2, operand byte
// D3 D4) and the two component words of every hourly, daily, monthly and
// interval archive, the event words, and the chain, extension and exclusion
// rules that tie them together.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "descriptors/choice_list.h"
#include "model/settings_image.h"

namespace nastrum {

enum class ArchiveFamily { Hourly, Daily, Monthly, Interval };

// Archives of the family the device kind uses (hourly 32; daily 32/64/64;
// monthly 32/63/63; interval 0/13/12).
int archiveCount(ArchiveFamily family, int kind);
// Events the device kind uses (0/128/64).
int eventCount(int kind);

struct ArchiveWords {
  Word desc = 0, pos = 0, neg = 0;
  bool operator==(const ArchiveWords&) const = default;
};
ArchiveWords archiveWords(const SettingsImage& image, ArchiveFamily family, int n);
void setArchiveWords(SettingsImage& image, ArchiveFamily family, int n, const ArchiveWords& w);
NameSlot& archiveName(SettingsImage& image, ArchiveFamily family, int n);
const NameSlot& archiveName(const SettingsImage& image, ArchiveFamily family, int n);

// Not working: high byte 00 with a low byte other than 40, or high byte FF.
bool isArchiveWorking(Word desc);

enum class ArchiveState { NotWorking, Head, Continuation, Invalid };
ArchiveState archiveState(ArchiveFamily family, Word desc);
// The state box ("не работает", "головной", "продолжение"; monthly: "Архив:"
// "Есть"/"Нет" with codes Head / NotWorking).
ChoiceList archiveStateChoices(ArchiveFamily family);
// An hourly head with level digit 8.
bool isExtendedHead(Word desc);

// "запись в архив": codes are D2 D3 D4 of the item with its operand placeholder.
enum ArchiveItem : int {
  ItemSensorValue = 0x140,
  ItemSensorDiff = 0x180,
  ItemPipeFlow = 0x240,
  ItemPipeHeat = 0x440,
  ItemPipePayment = 0x840,
  ItemSumFlow = 0x280,
  ItemSumHeat = 0x480,
  ItemSumPayment = 0x880,
  ItemParameter = 0x040,
};
ChoiceList archiveItemChoices(ArchiveFamily family);
// The item a head's descriptor records, nullopt when D2 is not 0, 1, 2, 4, 8.
std::optional<int> decodeArchiveItem(Word desc);
bool isSingleSensorItem(int item);
bool isSinglePipelineItem(int item);
bool isSumItem(int item);
// The operand of a single sensor item (D3 D4) or pipeline item (D4).
int archiveSensorOperand(Word desc);
int archivePipelineOperand(Word desc);

// A head choosing an item: D1 stays, components reset (0040 for a difference).
void applyArchiveItem(ArchiveWords& w, int item);
void applyArchiveOperand(ArchiveWords& w, int byte);    // sensor or pipeline, kNoReference for none
// Difference operands X1 (positive word) / X2: refused with 49 when the
// other one names the same sensor (the changed one then becomes "нет").
int applyDifferenceOperand(ArchiveWords& w, bool x1, std::optional<int> sensor);
// The sensor of a component: its low byte, nullopt for 40 ("нет") and above.
std::optional<int> differenceOperand(Word component);
// Algebraic sums: "+" sets bit k of the positive mask, "—" of the negative;
// a pipeline already in the other mask is left alone (returns false).
bool applySumTick(ArchiveWords& w, int pipeline, bool positive, bool ticked);
void applyParameterNumber(ArchiveWords& w, int number);

// Operand lists: described sensors / active pipelines in number order, then "нет".
ChoiceList archiveSensorChoices(const SettingsImage& image);
ChoiceList archivePipelineChoices(const SettingsImage& image);

// --- Chains -----------------------------------------------------------------
constexpr int kMaxContinuations = 7;
constexpr Word kUnattachedContinuation = 0x9840;
constexpr Word kUnattachedDailyContinuation = 0x1040;
// The head a continuation is attached to, nullopt when none.
std::optional<int> headOf(ArchiveFamily family, Word desc);
int continuationLevel(ArchiveFamily family, Word desc);  // 1..7, daily 1, else 0
// Continuations of `head` in ascending archive number.
std::vector<int> continuationsOf(const SettingsImage& image, ArchiveFamily family, int head);
// Archives the head box of `self` offers.
std::vector<int> headCandidates(const SettingsImage& image, ArchiveFamily family, int self);
ChoiceList headChoices(const SettingsImage& image, ArchiveFamily family, int self);
// Chain grid of a continuation: cell 0 its head, cell k the archive at level k.
std::array<std::optional<int>, 8> chainCells(const SettingsImage& image, ArchiveFamily family, int n);
// Leaves its chain (later levels close the gap) and becomes unattached.
void detachContinuation(SettingsImage& image, ArchiveFamily family, int n);
// Attaches continuation n to `head`; returns 26 / 28 when the head is full
// (n then stays unattached), 0 on success. nullopt head: detach only.
int attachContinuation(SettingsImage& image, ArchiveFamily family, int n, std::optional<int> head);
// 61 when n cannot become a continuation (no possible head), else 0.
int continuationRefusal(const SettingsImage& image, ArchiveFamily family, int n);
// Sets every continuation of head to 0000.
void deleteContinuations(SettingsImage& image, ArchiveFamily family, int head);
// The words a state choice writes (after the chain questions).
void applyArchiveState(SettingsImage& image, ArchiveFamily family, int n, ArchiveState state);
// With the descriptor-error flag: the state choice repairs the word only.
void repairArchiveState(SettingsImage& image, ArchiveFamily family, int n, ArchiveState state);
// Monthly "Архив:": "Есть" writes 0140 (sensor value, "нет"), "Нет" zeros.
void applyMonthlyPresence(SettingsImage& image, int n, bool present);

// --- Extension and exclusions --------------------------------------------------
bool isInExtensionRange(int kind, int hourly);
// "Расширение:" of an hourly head: level digit 8 / 0 (after the checks below
// and, for "есть", the removal of its continuations).
void applyExtension(SettingsImage& image, int hourly, bool extended);
struct Refusal {
  int message = 0;   // catalogue code
  QString value;     // the list the message names, e.g. "0,1"
  bool operator==(const Refusal&) const = default;
};
// Why hourly archive n may not be extended (43 with the interval list, 63
// for an event on kind 2; message 0 outside the extension range), nullopt
// when it may.
std::optional<Refusal> extensionRefusal(const SettingsImage& image, int hourly);
// Interval archives (0-based) whose memory the extension of hourly archive h
// (8..27) takes: the first one always, the second one where given (-1 none).
struct ExtensionSlots {
  int first = -1;
  int second = -1;
  bool operator==(const ExtensionSlots&) const = default;
};
std::optional<ExtensionSlots> extensionSlots(int hourly);
// True when neither hourly archive paired with interval slot `slot` (0-based)
// is extended. Slots the kind does not have are never free.
bool IntervalSlotFree(const SettingsImage& image, int slot);
// The two hourly archive numbers paired with the slot, as message 44 names
// them ("8,9"); empty for a slot that does not exist.
QString intervalSlotHourPair(int slot);
// Why interval archive k may not become working (44 with the hourly list,
// 64 for an event on kind 2), nullopt when it may.
std::optional<Refusal> intervalCreationRefusal(const SettingsImage& image, int interval);
// Why an event may not be created where the events share an interval
// archive's memory (kind 2: 66 interval 12 works, 65 hourly 26/27 extended).
int eventCreationRefusal(const SettingsImage& image);
bool anyEventDescribed(const SettingsImage& image);
bool anyIntervalWorking(const SettingsImage& image);

// --- Events -----------------------------------------------------------------
constexpr int kEventByAddress = 0x10;
bool isEventDescribed(Word type);
int eventMask(Word type);                       // high byte, bit 15 first
Word withEventMask(Word type, int mask);
bool isEventByAddress(Word type);
int eventByteNumber(Word type);                 // D4 when addressed by parameter
ChoiceList eventAddressingChoices();            // 0 "№ пар.", 1 "адрес"
Word withEventAddressing(Word type, bool byAddress);
Word withEventByteNumber(Word type, int byteNumber);
int eventByteMessage(int byteNumber);           // 15 outside 0..15

// --- References ---------------------------------------------------------------
bool archiveRefersToSensor(ArchiveFamily family, const ArchiveWords& w, int sensor);
enum class PipelineUse { None, Operand, Term };
PipelineUse archivePipelineUse(ArchiveFamily family, const ArchiveWords& w, int pipeline);
// The archive's three words become 0; a head with level digit 0 takes its
// continuations with it.
void deleteArchive(SettingsImage& image, ArchiveFamily family, int n);
void removePipelineFromSum(ArchiveWords& w, int pipeline);

}  // namespace nastrum
