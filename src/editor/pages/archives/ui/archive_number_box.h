// The number box of an archive group: a wrapping number box whose text may
// also be emptied, which shows no archive.
#pragma once

#include <optional>

#include "widgets/wrap_spin_box.h"

namespace nastrum {

class ArchiveNumberBox : public WrapSpinBox {
  Q_OBJECT

 public:
  explicit ArchiveNumberBox(const QString& objectName, QWidget* parent = nullptr);

  // The box offers 0..highest; -1 and highest + 1 only pass through on the
  // way round. Shows `number` when there is one; signals blocked.
  void showNumber(int highest, std::optional<int> number);

 signals:
  // The user stepped or typed: the box's text, to be read by the page's rules.
  void numberEntered(const QString& text);

 private:
  bool emptied_ = false;  // the user cleared the box and has typed nothing since
};

}  // namespace nastrum
