// The number box of an archive group: digits only, spin buttons that wrap
// round (one step past either end reaches the other), and an empty box that
// shows no archive.
#pragma once

#include <optional>

#include <QSpinBox>

namespace nastrum {

class ArchiveNumberBox : public QSpinBox {
  Q_OBJECT

 public:
  explicit ArchiveNumberBox(const QString& objectName, QWidget* parent = nullptr);

  // The box offers 0..highest; -1 and highest + 1 only pass through on the
  // way round. Shows `number` when there is one; signals blocked.
  void showNumber(int highest, std::optional<int> number);

 signals:
  // The user stepped or typed: the box's text, to be read by the page's rules.
  void numberEntered(const QString& text);

 protected:
  QValidator::State validate(QString& input, int& pos) const override;

 private:
  bool emptied_ = false;  // the user cleared the box and has typed nothing since
};

}  // namespace nastrum
