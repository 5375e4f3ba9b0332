#include "link/write/ui/write_group_window.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/ui/radio_group.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

constexpr int kConstantsItem = 0;
constexpr int kNamesItem = 1;
constexpr int kRegulatorsBox = static_cast<int>(WriteGroup::Regulators);

}  // namespace

WriteGroupWindow::WriteGroupWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Tviborform"));
  setWindowTitle(QStringLiteral("Запись в ОРВИК"));
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  what_ = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Записать:"),
                         {QStringLiteral("Константы пользователя"), QStringLiteral("Имена")}, this);
  layout->addWidget(what_);

  panel_ = new QFrame(this);
  panel_->setObjectName(QStringLiteral("Panel1"));
  panel_->setFrameShape(QFrame::StyledPanel);
  auto* boxes = new QVBoxLayout(panel_);
  for (int i = 0; i < kWriteGroupCount; ++i) {
    auto* box = new QCheckBox(WriteGroupCaption(static_cast<WriteGroup>(i)), panel_);
    box->setObjectName(QStringLiteral("CheckBox") + QString::number(i + 1));
    boxes->addWidget(box);
    boxes_[static_cast<std::size_t>(i)] = box;
  }
  tickAll_ = new QPushButton(QStringLiteral("Выделить все"), panel_);
  tickAll_->setObjectName(QStringLiteral("BitBtn3"));
  boxes->addWidget(tickAll_);
  layout->addWidget(panel_);

  // Both on from the start: every write backs the device up first.
  changedOnly_ = new QCheckBox(QStringLiteral("только изменения"), this);
  changedOnly_->setObjectName(QStringLiteral("changedOnly"));
  changedOnly_->setChecked(true);
  changedOnly_->setToolTip(QStringLiteral("Записать только значения, отличающиеся от копии настроек прибора"));
  layout->addWidget(changedOnly_);
  verify_ = new QCheckBox(QStringLiteral("проверить записанное"), this);
  verify_->setObjectName(QStringLiteral("verify"));
  verify_->setChecked(true);
  verify_->setToolTip(QStringLiteral("Прочитать из ОРВИК каждое записанное значение или имена и сравнить"));
  layout->addWidget(verify_);

  auto* buttons = new QHBoxLayout;
  write_ = new QPushButton(QStringLiteral("Записать"), this);
  write_->setObjectName(QStringLiteral("BitBtn1"));
  write_->setDefault(true);
  exit_ = new QPushButton(QStringLiteral("Выход"), this);
  exit_->setObjectName(QStringLiteral("BitBtn2"));
  buttons->addWidget(write_);
  buttons->addWidget(exit_);
  layout->addLayout(buttons);

  connect(what_, &RadioGroup::itemClicked, this, &WriteGroupWindow::chooseWhat);
  connect(tickAll_, &QPushButton::clicked, this, &WriteGroupWindow::tickAll);
  connect(write_, &QPushButton::clicked, this, &WriteGroupWindow::accept);
  connect(exit_, &QPushButton::clicked, this, &WriteGroupWindow::reject);

  // The keyboard walks the window as it reads: the choice, the boxes, then the buttons.
  QWidget* previous = what_;
  for (QCheckBox* box : boxes_) {
    setTabOrder(previous, box);
    previous = box;
  }
  setTabOrder(previous, tickAll_);
  setTabOrder(tickAll_, changedOnly_);
  setTabOrder(changedOnly_, verify_);
  setTabOrder(verify_, write_);
  setTabOrder(write_, exit_);
}

void WriteGroupWindow::activate(int kind, const std::optional<WriteGroups>& differing) {
  kind_ = kind;
  // The boxes keep their ticks between showings, unless the groups that differ are known.
  if (differing)
    for (int i = 0; i < kWriteGroupCount; ++i)
      boxes_[static_cast<std::size_t>(i)]->setChecked(differing->has(static_cast<WriteGroup>(i)));
  // Only the regulators depend on the kind.
  QCheckBox* regulators = boxes_[kRegulatorsBox];
  const bool hasRegulators = kindProfile(kind).hasViewRegulators();
  regulators->setVisible(hasRegulators);
  if (!hasRegulators) regulators->setChecked(false);
  what_->setItemIndex(kConstantsItem);
  chooseWhat(kConstantsItem);
}

std::optional<WriteRequest> WriteGroupWindow::choose(int kind, const std::optional<WriteGroups>& differing) {
  activate(kind, differing);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return result();
}

void WriteGroupWindow::accept() {
  for (int i = 0; i < kWriteGroupCount; ++i)
    groups_.set(static_cast<WriteGroup>(i), boxes_[static_cast<std::size_t>(i)]->isChecked());
  // "Выделить все" ticks the box the kind hides as well.
  groups_ = groups_.ofKind(kind_);
  QDialog::accept();
}

bool WriteGroupWindow::changedOnly() const { return changedOnly_->isChecked(); }

bool WriteGroupWindow::verify() const { return verify_->isChecked(); }

void WriteGroupWindow::chooseWhat(int item) { panel_->setVisible(item == kConstantsItem); }

void WriteGroupWindow::tickAll() {
  for (QCheckBox* box : boxes_) box->setChecked(true);
}

std::optional<WriteRequest> WriteGroupWindow::result() const {
  WriteRequest request;
  request.choice = what_->itemIndex() == kNamesItem ? WriteChoice::Names : WriteChoice::Constants;
  request.groups = groups_;
  if (request.choice == WriteChoice::Constants && !groups_.any()) return std::nullopt;
  return request;
}

}  // namespace nastrum
