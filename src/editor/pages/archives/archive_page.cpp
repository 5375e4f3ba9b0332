#include "editor/pages/archives/archive_page.h"

#include <algorithm>

#include "descriptors/archive_names.h"
#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "model/hex_text.h"
#include "model/message_catalogue.h"

namespace nastrum {

namespace {

std::size_t at(ArchiveGroup g) { return static_cast<std::size_t>(g); }

// The number boxes' messages name a fixed range whatever the device kind.
int numberMessage(ArchiveGroup g) {
  switch (g) {
    case ArchiveGroup::Hourly: return 25;
    case ArchiveGroup::Daily: return 27;
    case ArchiveGroup::Monthly: return 39;
    case ArchiveGroup::Interval: return 40;
    case ArchiveGroup::Event: break;
  }
  return 54;
}

}  // namespace

ArchivePage::ArchivePage(Workspace& workspace, MessagePresenter& presenter)
    : ws_(workspace), presenter_(presenter) {}

int ArchivePage::count(ArchiveGroup g) const {
  if (g == ArchiveGroup::Event) return eventCount(ws_.image.deviceKind);
  return archiveCount(familyOf(g), ws_.image.deviceKind);
}

bool ArchivePage::groupExists(ArchiveGroup g) const { return count(g) > 0; }
int ArchivePage::highestNumber(ArchiveGroup g) const { return count(g) - 1; }

std::optional<int> ArchivePage::current(ArchiveGroup g) const {
  const auto n = numbers_[at(g)];
  if (!n || !groupExists(g)) return std::nullopt;
  // A file of another kind may have fewer archives than the box holds.
  return *n <= highestNumber(g) ? *n : 0;
}

int ArchivePage::number(ArchiveGroup g) const { return current(g).value_or(-1); }

int ArchivePage::select(ArchiveGroup g, int typed) {
  if (!groupExists(g)) return 0;
  int n = typed;
  if (n < 0) n = highestNumber(g);
  if (n > highestNumber(g)) n = 0;
  if (g == ArchiveGroup::Event && numbers_[at(g)] != n) eventPanelOpen_ = false;
  numbers_[at(g)] = n;
  if (g == ArchiveGroup::Event) syncEventFlag();
  if (g == ArchiveGroup::Interval) syncIntervalFlag();
  return n;
}

std::optional<int> ArchivePage::selectText(ArchiveGroup g, const QString& text) {
  const QString trimmed = text.trimmed();
  bool ok = false;
  const int typed = trimmed.toInt(&ok);
  if (!ok) {
    numbers_[at(g)].reset();
    if (g == ArchiveGroup::Event) eventPanelOpen_ = false;
    if (!trimmed.isEmpty()) tell(numberMessage(g));
    return std::nullopt;
  }
  return select(g, typed);
}

ArchiveView ArchivePage::view(ArchiveFamily f) const {
  const auto n = current(groupOf(f));
  if (!n) return {};
  return viewArchive(ws_.image, f, *n);
}


bool ArchivePage::ask(int code, const QString& value) {
  return ShowMessageCode(presenter_, code, value) == AnswerYes;
}

void ArchivePage::tell(int code, const QString& value) { ShowMessageCode(presenter_, code, value); }

bool ArchivePage::releaseChain(ArchiveFamily f, int n) {
  const Word desc = archiveWords(ws_.image, f, n).desc;
  const ArchiveState state = archiveState(f, desc);
  if (state == ArchiveState::Continuation) {
    detachContinuation(ws_.image, f, n);
    return true;
  }
  if (state != ArchiveState::Head) return true;
  // An extended head should have no chain; if a file gives it one, the chain
  // is asked about all the same rather than left pointing at nothing.
  const auto chain = continuationsOf(ws_.image, f, n);
  if (chain.empty()) return true;
  if (!ask(38, QString::number(chain.front()))) return false;
  deleteContinuations(ws_.image, f, n);
  return true;
}

void ArchivePage::chooseState(ArchiveFamily f, ArchiveState state) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(groupOf(f));
  if (!n || f == ArchiveFamily::Monthly) return;
  const ArchiveState was = archiveState(f, archiveWords(ws_.image, f, *n).desc);
  if (was == ArchiveState::Invalid) {
    repairArchiveState(ws_.image, f, *n, state);
    return;
  }
  if (state == was) return;
  if (state == ArchiveState::Continuation && continuationRefusal(ws_.image, f, *n) != 0) {
    tell(61);
    return;
  }
  // Refusals come before any chain is removed, so a refused choice loses nothing.
  if (f == ArchiveFamily::Interval && state != ArchiveState::NotWorking) {
    if (const auto refusal = intervalCreationRefusal(ws_.image, *n)) {
      if (refusal->message != 0) tell(refusal->message, refusal->value);
      return;
    }
  }
  if (!releaseChain(f, *n)) return;
  applyArchiveState(ws_.image, f, *n, state);
  if (f == ArchiveFamily::Interval) syncIntervalFlag();
}

void ArchivePage::chooseMonthlyPresence(bool present) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(ArchiveGroup::Monthly);
  if (!n) return;
  applyMonthlyPresence(ws_.image, *n, present);
}

void ArchivePage::chooseHead(ArchiveFamily f, std::optional<int> head) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(groupOf(f));
  if (!n || f == ArchiveFamily::Monthly) return;
  const int refusal = attachContinuation(ws_.image, f, *n, head);
  if (refusal != 0) tell(refusal);
}

void ArchivePage::chooseExtension(bool extended) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(ArchiveGroup::Hourly);
  if (!n) return;
  if (!extended) {
    applyExtension(ws_.image, *n, false);
    return;
  }
  // The slot checks come before question 38, so a refusal costs no chain.
  if (const auto refusal = extensionRefusal(ws_.image, *n)) {
    if (refusal->message != 0) tell(refusal->message, refusal->value);
    return;
  }
  const auto chain = continuationsOf(ws_.image, ArchiveFamily::Hourly, *n);
  if (!chain.empty()) {
    if (!ask(38, QString::number(chain.front()))) return;
    deleteContinuations(ws_.image, ArchiveFamily::Hourly, *n);
  }
  applyExtension(ws_.image, *n, true);
}

void ArchivePage::chooseItem(ArchiveFamily f, int item) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(groupOf(f));
  if (!n) return;
  ArchiveWords w = archiveWords(ws_.image, f, *n);
  applyArchiveItem(w, item);
  setArchiveWords(ws_.image, f, *n, w);
}

void ArchivePage::chooseOperand(ArchiveFamily f, std::optional<int> number) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(groupOf(f));
  if (!n) return;
  ArchiveWords w = archiveWords(ws_.image, f, *n);
  applyArchiveOperand(w, number.value_or(kNoReference));
  setArchiveWords(ws_.image, f, *n, w);
}

void ArchivePage::chooseDifference(ArchiveFamily f, bool x1, std::optional<int> sensor) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(groupOf(f));
  if (!n) return;
  ArchiveWords w = archiveWords(ws_.image, f, *n);
  const int refusal = applyDifferenceOperand(w, x1, sensor);
  setArchiveWords(ws_.image, f, *n, w);
  if (refusal != 0) tell(refusal);
}

void ArchivePage::tickSum(ArchiveFamily f, int pipeline, bool positive, bool ticked) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(groupOf(f));
  if (!n || pipeline < 0 || pipeline > 15) return;
  ArchiveWords w = archiveWords(ws_.image, f, *n);
  if (!applySumTick(w, pipeline, positive, ticked)) return;
  setArchiveWords(ws_.image, f, *n, w);
}

void ArchivePage::setParameterText(ArchiveFamily f, const QString& hex) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(groupOf(f));
  const auto value = HexToInt(hex);
  if (!n || !value || *value > 0xFFFF) return;
  ArchiveWords w = archiveWords(ws_.image, f, *n);
  applyParameterNumber(w, *value);
  setArchiveWords(ws_.image, f, *n, w);
}

void ArchivePage::setName(ArchiveFamily f, const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(groupOf(f));
  if (!n) return;
  storeName(archiveName(ws_.image, f, *n), text);
}

void ArchivePage::copyArchive(ArchiveGroup g) {
  const auto n = current(g);
  if (!n) return;
  if (g == ArchiveGroup::Event) {
    const auto i = static_cast<std::size_t>(*n);
    clips_[at(g)] = {ws_.image.eventType[i], ws_.image.eventParam[i], 0};
    return;
  }
  const ArchiveWords w = archiveWords(ws_.image, familyOf(g), *n);
  clips_[at(g)] = {w.desc, w.pos, w.neg};
}

bool ArchivePage::canPasteArchive(ArchiveGroup g) const {
  return current(g) && (clips_[at(g)].desc & 0xFFFF) != 0;
}

void ArchivePage::pasteArchive(ArchiveGroup g) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!canPasteArchive(g)) return;
  const int n = number(g);
  const Clip& clip = clips_[at(g)];
  if (g == ArchiveGroup::Event) {
    const auto i = static_cast<std::size_t>(n);
    // A pasted event meets the same slot rules as one made by hand.
    if (isEventDescribed(clip.desc) && !isEventDescribed(ws_.image.eventType[i])) {
      if (const int refusal = eventCreationRefusal(ws_.image)) {
        tell(refusal);
        return;
      }
    }
    ws_.image.eventType[i] = clip.desc;
    ws_.image.eventParam[i] = clip.pos;
    eventPanelOpen_ = false;
    syncEventFlag();
    return;
  }
  const ArchiveFamily f = familyOf(g);
  if (f == ArchiveFamily::Monthly) {
    setArchiveWords(ws_.image, f, n, {clip.desc, clip.pos, clip.neg});
    return;
  }
  if (f == ArchiveFamily::Interval && isArchiveWorking(clip.desc)) {
    if (const auto refusal = intervalCreationRefusal(ws_.image, n)) {
      if (refusal->message != 0) tell(refusal->message, refusal->value);
      return;
    }
  }
  if (!releaseChain(f, n)) return;
  setArchiveWords(ws_.image, f, n, {});
  pasteChained(f, n, clip);
  if (f == ArchiveFamily::Interval) syncIntervalFlag();
}

void ArchivePage::pasteChained(ArchiveFamily f, int n, const Clip& clip) {
  const ArchiveWords words{clip.desc, clip.pos, clip.neg};
  const ArchiveState state = archiveState(f, clip.desc);
  if (state == ArchiveState::Continuation) {
    // A continuation joins its head's chain at the next free level (or stays
    // unattached), never duplicating a level or overfilling a head.
    applyArchiveState(ws_.image, f, n, ArchiveState::Continuation);
    const auto head = headOf(f, clip.desc);
    const auto heads = headCandidates(ws_.image, f, n);
    if (head && std::find(heads.begin(), heads.end(), *head) != heads.end()) {
      if (const int refusal = attachContinuation(ws_.image, f, n, head)) tell(refusal);
    }
    return;
  }
  setArchiveWords(ws_.image, f, n, words);
  if (f == ArchiveFamily::Hourly && isExtendedHead(clip.desc)) {
    // An extended head lands where extension is allowed, or as a plain head.
    if (const auto refusal = extensionRefusal(ws_.image, n)) {
      applyExtension(ws_.image, n, false);
      if (refusal->message != 0) tell(refusal->message, refusal->value);
    }
  }
}

void ArchivePage::copyNames(ArchiveFamily f) { copyArchiveNames(ws_.image, f, nameClipboard_); }

bool ArchivePage::canPasteNames(ArchiveFamily f) const {
  return clipboardHasNames(nameClipboard_, f, ws_.image.deviceKind);
}

void ArchivePage::pasteNames(ArchiveFamily f) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!canPasteNames(f)) return;
  if (familyHasNames(ws_.image, f) && !ask(73)) return;
  pasteArchiveNames(ws_.image, f, nameClipboard_);
}

void ArchivePage::clearNames(ArchiveFamily f) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!ask(72)) return;
  clearArchiveNames(ws_.image, f, nameClipboard_);
}

bool ArchivePage::setFlag(int bit, bool on) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!groupExists(ArchiveGroup::Interval)) return false;  // the flags exist on kinds 2 and 3
  Word& word = ws_.image.sys(sys::SpecialFunctions);
  if (bitOfWord(word, bit) == on) return false;
  word = withBit(word, bit, on);
  return true;
}

bool ArchivePage::syncIntervalFlag() { return setFlag(kIntervalArchiveFlagBit, anyIntervalWorking(ws_.image)); }
bool ArchivePage::syncEventFlag() { return setFlag(kEventArchiveFlagBit, anyEventDescribed(ws_.image)); }

bool ArchivePage::syncShownFlags() {
  bool changed = false;
  if (current(ArchiveGroup::Interval)) changed = syncIntervalFlag() || changed;
  if (current(ArchiveGroup::Event)) changed = syncEventFlag() || changed;
  return changed;
}

}  // namespace nastrum
