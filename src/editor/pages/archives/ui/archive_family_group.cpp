#include "editor/pages/archives/ui/archive_family_group.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "descriptors/descriptor_digits.h"
#include "editor/pages/archives/ui/archive_operand_panel.h"
#include "editor/pages/archives/ui/archive_number_box.h"
#include "editor/pages/archives/ui/choice_combo.h"
#include "widgets/input_filters.h"
#include "widgets/page_parts.h"

namespace nastrum {

namespace {

struct FamilyTexts {
  const char* prefix;
  QString title;
  QString nameCaption;
};

FamilyTexts textsOf(ArchiveFamily f) {
  switch (f) {
    case ArchiveFamily::Hourly: return {"hour", QStringLiteral("Часовой архив:"), QStringLiteral("Имя часового архива:")};
    case ArchiveFamily::Daily: return {"day", QStringLiteral("Суточный архив:"), QStringLiteral("Имя суточного архива:")};
    case ArchiveFamily::Monthly:
      return {"month", QStringLiteral("Месячный архив:"), QStringLiteral("Имя месячного архива:")};
    case ArchiveFamily::Interval: break;
  }
  return {"interval", QStringLiteral("Расширенный архив интервалов:"), QStringLiteral("Имя архива интервалов:")};
}

QWidget* makeRow(QWidget* parent, std::initializer_list<QWidget*> widgets) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* w : widgets) layout->addWidget(w);
  layout->addStretch();
  return row;
}

QAction* makeAction(const QString& text, const QString& name, QWidget* owner) {
  auto* action = new QAction(text, owner);
  action->setObjectName(name);
  owner->addAction(action);
  return action;
}

constexpr int kChainCells = 9;

}  // namespace

ArchiveFamilyGroup::ArchiveFamilyGroup(ArchivePage& page, ArchiveFamily family, QWidget* parent)
    : QGroupBox(parent), page_(page), family_(family) {
  const FamilyTexts texts = textsOf(family);
  const QString prefix = QString::fromLatin1(texts.prefix);
  setTitle(texts.title);
  setObjectName(prefix + "Group");

  auto* layout = new QVBoxLayout(this);
  number_ = new ArchiveNumberBox(prefix + "Number", this);
  auto* numberCaption = captionFor(QStringLiteral("№"), number_, this);
  name_ = new QLineEdit(this);
  name_->setObjectName(prefix + "Name");
  name_->setValidator(new NameFilter(name_));
  nameCaption_ = captionFor(texts.nameCaption, name_, this);
  auto* top = new QHBoxLayout;
  top->addWidget(numberCaption);
  top->addWidget(number_);
  top->addSpacing(12);
  top->addWidget(nameCaption_);
  top->addWidget(name_, 1);
  layout->addLayout(top);

  body_ = new QWidget(this);
  auto* bodyLayout = new QVBoxLayout(body_);
  bodyLayout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(body_);
  layout->addStretch();
  buildStateRows(prefix);
  operands_ = new ArchiveOperandPanel(prefix, body_);
  bodyLayout->addWidget(operands_);
  buildActions();

  connect(number_, &ArchiveNumberBox::numberEntered, this,
          [this](const QString& text) { act([this, text] { page_.selectText(groupOf(family_), text); }); });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setName(family_, text);
    emit typed();
  });
  connect(operands_, &ArchiveOperandPanel::operandChosen, this,
          [this](std::optional<int> n) { act([this, n] { page_.chooseOperand(family_, n); }); });
  connect(operands_, &ArchiveOperandPanel::differenceChosen, this, [this](bool x1, std::optional<int> s) {
    act([this, x1, s] { page_.chooseDifference(family_, x1, s); });
  });
  connect(operands_, &ArchiveOperandPanel::sumTicked, this, [this](int pipe, bool positive, bool ticked) {
    act([this, pipe, positive, ticked] { page_.tickSum(family_, pipe, positive, ticked); });
  });
  connect(operands_, &ArchiveOperandPanel::parameterEdited, this, [this](const QString& hex) {
    page_.setParameterText(family_, hex);
    emit typed();
  });
}

void ArchiveFamilyGroup::buildStateRows(const QString& prefix) {
  auto* bodyLayout = static_cast<QVBoxLayout*>(body_->layout());
  const bool monthly = family_ == ArchiveFamily::Monthly;
  state_ = makeCombo(prefix + "State", body_);
  const QString stateCaption = monthly ? QStringLiteral("Архив:") : QStringLiteral("Состояние:");
  bodyLayout->addWidget(makeRow(body_, {captionFor(stateCaption, state_, body_), state_}));
  fillCombo(state_, archiveStateChoices(family_), std::nullopt);
  connect(state_, &QComboBox::currentIndexChanged, this, [this] {
    const auto code = chosenCode(state_);
    if (!code) return;
    const auto state = static_cast<ArchiveState>(*code);
    act([this, state] {
      if (family_ == ArchiveFamily::Monthly)
        page_.chooseMonthlyPresence(state == ArchiveState::Head);
      else
        page_.chooseState(family_, state);
    });
  });

  head_ = makeCombo(prefix + "Head", body_);
  headError_ = makeErrorLabel(prefix + "HeadError", body_);
  headRow_ = makeRow(body_, {captionFor(QStringLiteral("№ головного\nархива"), head_, body_), head_, headError_});
  bodyLayout->addWidget(headRow_);
  connect(head_, &QComboBox::currentIndexChanged, this, [this] {
    auto code = chosenCode(head_);
    if (code == kNoReference) code.reset();
    act([this, code] { page_.chooseHead(family_, code); });
  });

  chain_ = new QTableWidget(1, kChainCells, body_);
  chain_->setObjectName(prefix + "Chain");
  chain_->setAccessibleName(QStringLiteral("Цепочка архивов"));
  chain_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  chain_->horizontalHeader()->hide();
  chain_->verticalHeader()->hide();
  chain_->horizontalHeader()->setDefaultSectionSize(28);
  chain_->setFixedSize(kChainCells * 28 + 2 * chain_->frameWidth(), chain_->rowHeight(0) + 2 * chain_->frameWidth());
  chain_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  chain_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  for (int c = 0; c < kChainCells; ++c) chain_->setItem(0, c, new QTableWidgetItem);
  bodyLayout->addWidget(chain_);

  if (family_ == ArchiveFamily::Hourly) {
    extension_ = makeCombo(prefix + "Extension", body_);
    fillCombo(extension_, {{1, QStringLiteral("есть")}, {0, QStringLiteral("нет")}}, std::nullopt);
    extensionRow_ = makeRow(body_, {captionFor(QStringLiteral("Расширение:"), extension_, body_), extension_});
    bodyLayout->addWidget(extensionRow_);
    connect(extension_, &QComboBox::currentIndexChanged, this, [this] {
      const bool extended = chosenCode(extension_) == 1;
      act([this, extended] { page_.chooseExtension(extended); });
    });
  }

  item_ = makeCombo(prefix + "Item", body_);
  itemRow_ = makeRow(body_, {captionFor(QStringLiteral("запись в архив"), item_, body_), item_});
  bodyLayout->addWidget(itemRow_);
  fillCombo(item_, archiveItemChoices(family_), std::nullopt);
  item_->setPlaceholderText(errorText());  // a kind digit this family does not record
  connect(item_, &QComboBox::currentIndexChanged, this, [this] {
    const auto item = chosenCode(item_);
    if (item) act([this, item] { page_.chooseItem(family_, *item); });
  });
}

void ArchiveFamilyGroup::buildActions() {
  const QString prefix = objectName().chopped(5);  // without "Group"
  const ArchiveGroup group = groupOf(family_);
  copy_ = makeAction(QStringLiteral("Копировать"), prefix + "Copy", this);
  paste_ = makeAction(QStringLiteral("Вставить"), prefix + "Paste", this);
  copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  paste_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  for (QAction* a : {copy_, paste_}) a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copy_, &QAction::triggered, this, [this, group] { act([this, group] { page_.copyArchive(group); }); });
  connect(paste_, &QAction::triggered, this, [this, group] { act([this, group] { page_.pasteArchive(group); }); });

  nameCopy_ = makeAction(QStringLiteral("Копировать"), prefix + "NamesCopy", name_);
  namePaste_ = makeAction(QStringLiteral("Вставить"), prefix + "NamesPaste", name_);
  nameClear_ = makeAction(QStringLiteral("Очистить"), prefix + "NamesClear", name_);
  name_->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(nameCopy_, &QAction::triggered, this, [this] { act([this] { page_.copyNames(family_); }); });
  connect(namePaste_, &QAction::triggered, this, [this] { act([this] { page_.pasteNames(family_); }); });
  connect(nameClear_, &QAction::triggered, this, [this] { act([this] { page_.clearNames(family_); }); });
}

void ArchiveFamilyGroup::act(const std::function<void()>& edit) {
  edit();
  emit changed();
}

void ArchiveFamilyGroup::refresh() {
  const ArchiveGroup group = groupOf(family_);
  setVisible(page_.groupExists(group));
  number_->showNumber(page_.highestNumber(group), page_.current(group));
  paste_->setEnabled(page_.canPasteArchive(group));
  namePaste_->setEnabled(page_.canPasteNames(family_));

  const bool shown = page_.current(group).has_value();
  body_->setVisible(shown);
  name_->setVisible(shown);
  nameCaption_->setVisible(shown);
  if (!shown) return;
  const ArchiveView v = page_.view(family_);
  if (name_->text() != v.name) name_->setText(v.name);

  const bool broken = v.state == ArchiveState::Invalid;
  state_->setPlaceholderText(broken ? errorText() : QString());
  selectCode(state_, broken ? std::nullopt : std::optional<int>(static_cast<int>(v.state)));

  const bool head = v.state == ArchiveState::Head, continuation = v.state == ArchiveState::Continuation;
  headRow_->setVisible(continuation);
  if (continuation) {
    fillCombo(head_, v.headChoices, v.headIndex);
    headError_->setVisible(!v.headIndex);
  }
  chain_->setVisible(v.chainShown);
  for (int c = 0; c < kChainCells; ++c)
    chain_->item(0, c)->setText(c < 8 ? v.chainCells[static_cast<std::size_t>(c)] : QString());
  if (extensionRow_) {
    extensionRow_->setVisible(head && v.extensionShown);
    selectCode(extension_, v.extended ? 1 : 0);
  }
  itemRow_->setVisible(head);
  selectCode(item_, v.item);
  operands_->setVisible(head);
  if (head) operands_->showView(v);
}

}  // namespace nastrum
