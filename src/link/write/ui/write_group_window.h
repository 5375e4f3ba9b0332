// `Tviborform`: the window in which the user chooses what a write sends, the
// names or the user constants in up to five groups. Its ticks stay for the
// life of the program.
#pragma once

#include <array>
#include <optional>

#include <QDialog>

#include "link/write/device_write_run.h"

class QCheckBox;
class QFrame;
class QPushButton;

namespace nastrum {

class RadioGroup;

class WriteGroupWindow : public QDialog {
  Q_OBJECT
 public:
  explicit WriteGroupWindow(QWidget* parent = nullptr);

  // Lays the window out for an image of `kind` (the regulators box exists
  // only where the kind has regulators) and shows it modally. Returns the
  // write to run, or nothing when the user left or ticked no group.
  // `differing`, when known, are the groups in which the device differs: they
  // come ticked, the others not.
  std::optional<WriteRequest> choose(int kind, const std::optional<WriteGroups>& differing = std::nullopt);

  // What the window does every time it is shown.
  void activate(int kind, const std::optional<WriteGroups>& differing = std::nullopt);

  // "только изменения": send only what differs from the backup taken first.
  bool changedOnly() const;
  // "проверить записанное": read back every item written.
  bool verify() const;
  // "Записать": keeps the ticks and closes.
  void accept() override;

  // `WriteGroups`, as the last "Записать" left them.
  const WriteGroups& groups() const { return groups_; }

 private:
  void chooseWhat(int item);
  void tickAll();
  std::optional<WriteRequest> result() const;

  WriteGroups groups_;
  int kind_ = 0;  // of the settings to be written
  RadioGroup* what_ = nullptr;
  QFrame* panel_ = nullptr;
  std::array<QCheckBox*, kWriteGroupCount> boxes_{};
  QPushButton* tickAll_ = nullptr;
  QCheckBox* changedOnly_ = nullptr;
  QCheckBox* verify_ = nullptr;
  QPushButton* write_ = nullptr;
  QPushButton* exit_ = nullptr;
};

}  // namespace nastrum
