// The rules of the "Регуляторы" page (expandable model): which logic flag is
// shown, what every choice writes into the logic arrays, and keeping the
// system page's "Регуляторы" in step. No widgets: the page widget takes a
// choice, calls one of these and shows the view again.
#pragma once

#include "editor/pages/regulators/object_number.h"

#include <optional>

#include <QString>

#include "editor/pages/regulators/logic_flag_view.h"
#include "model/image_changes.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

class LogicFlagPage {
 public:
  LogicFlagPage(Workspace& workspace, MessagePresenter& presenter, QChar separator);

  // --- Which flag is shown ------------------------------------------------------
  std::optional<int> current() const { return number_; }
  // A number from the box: below 0 gives 254, above 254 gives 0. Returns the
  // flag shown and keeps "Регуляторы" in step (an edit when it changes).
  int select(int typed);

  LogicFlagView view() const;

  // --- Edits of the shown flag ------------------------------------------------------
  void setPresent(bool present);
  void chooseOutputKind(bool secondary);
  // Wraps within 0..maximum; returns the number stored.
  int setOutput(int typed);
  void chooseCombination(int combination);
  void chooseLawType(bool logical);
  void chooseOperandKind(bool byAddress);
  void chooseOneBit(bool oneBit);
  void chooseLaw(int lawListCode);
  void setOperandText(const QString& hex);
  void setMeanOperandText(const QString& hex);
  void chooseMeanFunction(bool function);
  void chooseTable(int table);
  int setPoints(int typed);
  void setK1Text(const QString& text);
  // Hours/minutes or day/month, each wrapping in its range; returns the pair stored.
  DecimalPair setClockPair(int first, int second);
  int setYear(int typed);
  void chooseShift(int shift);
  void tickMask(int box, bool ticked);       // box 0..7, left = bit 7
  void tickReference(int box, bool ticked);  // box 0..7, left = bit 7
  // Minutes and seconds wrap within 0..59; returns the pair stored.
  DecimalPair setOperateDelay(int minutes, int seconds);
  DecimalPair setReleaseDelay(int minutes, int seconds);

  // Sets "Регуляторы" of SpecialFunctions from the flags.
  void syncRegulatorsFlag();

  // Whether the operations since the last call changed the image.
  bool takeChange() { return changes_.take(); }

 private:
  Word& law();
  Word& param();
  Word& k1();
  Word& k2();
  bool shown() const;
  bool hasDelays() const;
  void clearOperands();
  void setLawCode(int code, bool oneBit);

  Workspace& ws_;
  MessagePresenter& presenter_;
  QChar separator_;
  std::optional<int> number_{0};
  ImageChanges changes_{ws_.image};
};

}  // namespace nastrum
