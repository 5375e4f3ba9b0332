// The event group of the "Архивы" page: presence, registered bits and how the
// event's parameter is addressed.
#include "descriptors/descriptor_digits.h"
#include "editor/pages/archives/archive_page.h"
#include "model/hex_text.h"
#include "model/message_catalogue.h"

namespace nastrum {

EventView ArchivePage::eventView() const {
  EventView v;
  const auto n = current(ArchiveGroup::Event);
  if (!n) return v;
  v.number = *n;
  const Word type = ws_.image.eventType[static_cast<std::size_t>(*n)];
  v.present = isEventDescribed(type) || eventPanelOpen_;
  if (!v.present) return v;
  const int mask = eventMask(type);
  for (int box = 0; box < 8; ++box) v.bits[static_cast<std::size_t>(box)] = (mask >> (7 - box)) & 1;
  v.byAddress = digitOf(type, 3) != 0;
  v.byteText = QString::number(digitOf(type, 4));
  v.paramText = HexWord(ws_.image.eventParam[static_cast<std::size_t>(*n)] & 0xFFFF);
  v.paramCaption = v.byAddress ? QStringLiteral("Адрес ячейки памяти:") : QStringLiteral("№ параметра:");
  return v;
}

void ArchivePage::setEventPresence(bool present) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(ArchiveGroup::Event);
  if (!n) return;
  const auto i = static_cast<std::size_t>(*n);
  if (present && (eventPanelOpen_ || isEventDescribed(ws_.image.eventType[i]))) return;  // already there
  if (present) {
    if (const int refusal = eventCreationRefusal(ws_.image)) {
      tell(refusal);
      return;
    }
    eventPanelOpen_ = true;
  } else {
    eventPanelOpen_ = false;
  }
  // A fresh panel shows "№ пар." with both fields 0; the words say the same.
  if (ws_.image.eventType[i] != 0 || ws_.image.eventParam[i] != 0) {
    ws_.image.eventType[i] = 0;
    ws_.image.eventParam[i] = 0;
  }
  syncEventFlag();
}

void ArchivePage::tickEventBit(int box, bool ticked) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(ArchiveGroup::Event);
  if (!n || box < 0 || box > 7 || !eventView().present) return;
  Word& type = ws_.image.eventType[static_cast<std::size_t>(*n)];
  const int bit = 1 << (7 - box);
  const int mask = ticked ? (eventMask(type) | bit) : (eventMask(type) & ~bit);
  type = withEventMask(type, mask);
  eventPanelOpen_ = mask != 0;
  syncEventFlag();
}

void ArchivePage::chooseEventAddressing(bool byAddress) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(ArchiveGroup::Event);
  if (!n || !eventView().present) return;
  const auto i = static_cast<std::size_t>(*n);
  // A click on the choice already made keeps the byte number and the parameter.
  if (eventView().byAddress == byAddress && isEventByAddress(ws_.image.eventType[i]) == byAddress) return;
  ws_.image.eventType[i] = withEventAddressing(ws_.image.eventType[i], byAddress);
  ws_.image.eventParam[i] = 0;
}

void ArchivePage::setEventByteText(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(ArchiveGroup::Event);
  if (!n || !eventView().present) return;
  Word& type = ws_.image.eventType[static_cast<std::size_t>(*n)];
  if (isEventByAddress(type)) return;
  bool ok = true;
  const QString trimmed = text.trimmed();
  const int byteNumber = trimmed.isEmpty() ? 0 : trimmed.toInt(&ok);
  const int refusal = ok ? eventByteMessage(byteNumber) : 15;
  type = withEventByteNumber(type, refusal == 0 ? byteNumber : 0);
  if (refusal != 0) tell(refusal);
}

void ArchivePage::setEventParamText(const QString& hex) {
  const ImageChanges::Scope edit = changes_.scope();
  const auto n = current(ArchiveGroup::Event);
  const auto value = HexToInt(hex);
  if (!n || !eventView().present || !value || *value > 0xFFFF) return;
  ws_.image.eventParam[static_cast<std::size_t>(*n)] = *value;
}

}  // namespace nastrum
