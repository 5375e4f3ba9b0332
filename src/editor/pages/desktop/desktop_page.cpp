#include "editor/pages/desktop/desktop_page.h"

#include "descriptors/desktop_steps.h"
#include "descriptors/name_rule.h"
#include "descriptors/sensor_hint.h"
#include "editor/pages/regulators/object_number.h"
#include "model/kind_profile.h"
#include "model/message_catalogue.h"

namespace nastrum {

namespace {

constexpr int kGapMessage = 74;

std::size_t at(int n) { return static_cast<std::size_t>(n); }

}  // namespace

DesktopPage::DesktopPage(Workspace& workspace, MessagePresenter& presenter) : ws_(workspace), presenter_(presenter) {}

int DesktopPage::select(int typed) {
  const ImageChanges::Scope edit = changes_.scope();
  entry_ = wrapped(typed, 0, kDesktopEntryCount - 1);
  if (hasDesktop()) closeDesktopGap(ws_.image.names, *entry_);
  return *entry_;
}

DesktopView DesktopPage::view() const {
  DesktopView v;
  if (!entry_ || !hasDesktop()) return v;
  v.entry = *entry_;
  v.present = desktopEntryPresent(ws_.image.names, v.entry);
  if (!v.present) return v;
  const Word w = ws_.image.names.desktopParams[at(v.entry)];
  v.name = nameText(ws_.image.names.desktopNames[at(v.entry)]);
  v.group = desktopGroupOf(w);
  if (!v.group) return v;
  v.showNumber = *v.group != DesktopGroup::Control;
  if (v.showNumber) {
    v.numberCaption = *v.group == DesktopGroup::Measurement ? QStringLiteral("№ датчика:") : QStringLiteral("№ трубопровода:");
    v.number = desktopNumberOf(*v.group, w);
    v.numberMaximum = desktopHighestNumber(*v.group);
    if (*v.group == DesktopGroup::Measurement) v.numberHint = sensorHint(ws_.image, v.number);
  }
  const int code = desktopItemCodeOf(*v.group, w);
  if (desktopItems(*v.group).containsCode(code)) v.itemCode = code;
  return v;
}

bool DesktopPage::hasDesktop() const { return kindProfile(ws_.image.deviceKind).hasDesktop; }

bool DesktopPage::shown() const { return hasDesktop() && entry_ && desktopEntryPresent(ws_.image.names, *entry_); }
Word& DesktopPage::word() { return ws_.image.names.desktopParams[at(*entry_)]; }

bool DesktopPage::setPresent(bool present) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!entry_ || !hasDesktop()) return false;
  if (desktopGapBelow(ws_.image.names, *entry_)) {
    ShowMessageCode(presenter_, kGapMessage);
    return false;
  }
  if (present) {
    storeName(ws_.image.names.desktopNames[at(*entry_)], desktopDefaultName());
    word() = kDesktopDefaultWord;
  } else {
    removeDesktopEntry(ws_.image.names, *entry_);
  }
  return true;
}

void DesktopPage::chooseGroup(DesktopGroup group) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  word() = desktopGroupDefault(group);
}

void DesktopPage::chooseItem(int itemCode) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return;
  const std::optional<DesktopGroup> group = desktopGroupOf(word());
  if (!group || !desktopItems(*group).containsCode(itemCode)) return;
  word() = desktopWord(*group, desktopNumberOf(*group, word()), itemCode);
}

int DesktopPage::setNumber(int typed) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!shown()) return 0;
  const std::optional<DesktopGroup> group = desktopGroupOf(word());
  if (!group || *group == DesktopGroup::Control) return 0;
  const int number = wrapped(typed, 0, desktopHighestNumber(*group));
  word() = desktopWord(*group, number, desktopItemCodeOf(*group, word()));
  return number;
}

bool DesktopPage::setName(const QString& text) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!entry_ || !hasDesktop() || !isNameAcceptable(text)) return false;
  storeName(ws_.image.names.desktopNames[at(*entry_)], text);
  return true;
}

bool DesktopPage::stepForWrite() {
  const ImageChanges::Scope edit = changes_.scope();
  if (!hasDesktop()) return false;
  return CloseDesktopGaps(ws_.image.names);
}

}  // namespace nastrum
