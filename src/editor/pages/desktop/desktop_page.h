// The rules of the desktop list (lower group "Рабочий стол:" of the
// "Регуляторы/Рабочий стол" page): which entry is shown, what the presence,
// group, item, number and name write, and the refusal of gaps. The shown
// entry is the page's only state.
#pragma once

#include <optional>

#include <QString>

#include "descriptors/desktop_params.h"
#include "model/image_changes.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

struct DesktopView {
  int entry = 0;
  bool present = false;
  std::optional<DesktopGroup> group;  // nullopt: the word fits no group
  bool showNumber = false;            // "ИЗМЕРЕНИЕ" and "РАСЧЕТ"
  QString numberCaption;              // "№ датчика:" / "№ трубопровода:"
  int number = 0;
  int numberMaximum = 0;
  QString numberHint;  // "ИЗМЕРЕНИЕ": the sensor's name and quantity
  std::optional<int> itemCode;  // the selected item; nullopt selects none
  QString name;
};

class DesktopPage {
 public:
  DesktopPage(Workspace& workspace, MessagePresenter& presenter);

  std::optional<int> current() const { return entry_; }
  // A number from the box: below 0 gives 15, above 15 gives 0. An absent entry
  // with a present one above it closes that gap (an edit). Returns the entry.
  int select(int typed);

  DesktopView view() const;

  // Refused with message 74 while a lower entry is absent (false, image
  // unchanged). Ticking creates the default entry; unticking removes the
  // entry and moves the higher ones down.
  bool setPresent(bool present);
  void chooseGroup(DesktopGroup group);
  void chooseItem(int itemCode);
  // Wraps within the group's range; returns the number stored.
  int setNumber(int typed);
  // False when the name rule refuses the text (nothing stored).
  bool setName(const QString& text);

  // Before a write: entries 0..14 shown in turn, closing gaps. An edit when
  // anything moved; the shown entry stays.
  bool stepForWrite();

  // Whether the operations since the last call changed the image.
  bool takeChange() { return changes_.take(); }

 private:
  bool hasDesktop() const;  // the large model only; other kinds show nothing
  bool shown() const;
  Word& word();

  Workspace& ws_;
  MessagePresenter& presenter_;
  std::optional<int> entry_{0};
  ImageChanges changes_{ws_.image};
};

}  // namespace nastrum
