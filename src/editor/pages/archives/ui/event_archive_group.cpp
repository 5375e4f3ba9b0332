#include "editor/pages/archives/ui/event_archive_group.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editor/pages/archives/ui/archive_number_box.h"
#include "editor/pages/archives/ui/choice_combo.h"
#include "widgets/input_filters.h"
#include "widgets/page_parts.h"

namespace nastrum {

EventArchiveGroup::EventArchiveGroup(ArchivePage& page, QWidget* parent)
    : QGroupBox(QStringLiteral("Архив событий:"), parent), page_(page) {
  setObjectName(QStringLiteral("eventGroup"));
  auto* layout = new QVBoxLayout(this);

  number_ = new ArchiveNumberBox(QStringLiteral("eventNumber"), this);
  number_->setToolTip(QStringLiteral("№ параметра"));
  present_ = new QCheckBox(this);
  present_->setObjectName(QStringLiteral("eventPresent"));
  present_->setToolTip(QStringLiteral("наличие - Есть / Нет"));
  present_->setAccessibleName(QStringLiteral("Регистрируемое событие"));
  auto* top = new QHBoxLayout;
  top->addWidget(captionFor(QStringLiteral("№"), number_, this));
  top->addWidget(number_);
  top->addSpacing(12);
  top->addWidget(captionFor(QStringLiteral("Регистрируемое\nсобытие:"), present_, this));
  top->addWidget(present_);
  top->addStretch();
  layout->addLayout(top);

  buildPanel();
  layout->addWidget(panel_);
  layout->addStretch();

  copy_ = new QAction(QStringLiteral("Копировать"), this);
  copy_->setObjectName(QStringLiteral("eventCopy"));
  copy_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  paste_ = new QAction(QStringLiteral("Вставить"), this);
  paste_->setObjectName(QStringLiteral("eventPaste"));
  paste_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  for (QAction* a : {copy_, paste_}) {
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(a);
  }
  setContextMenuPolicy(Qt::ActionsContextMenu);

  connect(number_, &ArchiveNumberBox::numberEntered, this,
          [this](const QString& text) { act([this, text] { page_.selectText(ArchiveGroup::Event, text); }); });
  connect(present_, &QCheckBox::toggled, this, [this](bool on) { act([this, on] { page_.setEventPresence(on); }); });
  connect(copy_, &QAction::triggered, this, [this] { act([this] { page_.copyArchive(ArchiveGroup::Event); }); });
  connect(paste_, &QAction::triggered, this, [this] { act([this] { page_.pasteArchive(ArchiveGroup::Event); }); });
}

void EventArchiveGroup::buildPanel() {
  panel_ = new QWidget(this);
  auto* grid = new QGridLayout(panel_);
  grid->setContentsMargins(0, 0, 0, 0);

  auto* bitsRow = new QHBoxLayout;
  for (int box = 0; box < 8; ++box) {
    // Left to right: bits 15 down to 8 of the event type.
    auto* tick = new QCheckBox(QString::number(15 - box), panel_);
    tick->setObjectName(QStringLiteral("eventBit%1").arg(15 - box));
    bits_[static_cast<std::size_t>(box)] = tick;
    bitsRow->addWidget(tick);
    connect(tick, &QCheckBox::toggled, this, [this, box](bool on) { act([this, box, on] { page_.tickEventBit(box, on); }); });
  }
  bitsRow->addStretch();
  auto* bitsCaption = captionFor(QStringLiteral("Регистрируемые биты:"), bits_[0], panel_);
  grid->addWidget(bitsCaption, 0, 0);
  grid->addLayout(bitsRow, 0, 1);

  byParameter_ = new QRadioButton(QStringLiteral("№ пар."), panel_);
  byParameter_->setObjectName(QStringLiteral("eventByParameter"));
  byAddress_ = new QRadioButton(QStringLiteral("адрес"), panel_);
  byAddress_->setObjectName(QStringLiteral("eventByAddress"));
  auto* addressing = new QButtonGroup(panel_);
  addressing->addButton(byParameter_, 0);
  addressing->addButton(byAddress_, 1);
  auto* choiceRow = new QHBoxLayout;
  choiceRow->addWidget(byParameter_);
  choiceRow->addWidget(byAddress_);
  choiceRow->addStretch();
  grid->addLayout(choiceRow, 1, 1);
  connect(addressing, &QButtonGroup::idClicked, this,
          [this](int id) { act([this, id] { page_.chooseEventAddressing(id == 1); }); });

  byte_ = new QLineEdit(panel_);
  byte_->setObjectName(QStringLiteral("eventByte"));
  byte_->setValidator(new DigitFilter(false, 2, byte_));
  byte_->setMaximumWidth(40);
  byteRow_ = new QWidget(panel_);
  auto* byteLayout = new QHBoxLayout(byteRow_);
  byteLayout->setContentsMargins(0, 0, 0, 0);
  byteLayout->addWidget(captionFor(QStringLiteral("№ байта\nпараметра:"), byte_, byteRow_));
  byteLayout->addWidget(byte_);
  byteLayout->addStretch();
  grid->addWidget(byteRow_, 2, 1);
  connect(byte_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setEventByteText(text);
    // A refused number was replaced by 0: show what the word holds now.
    if (text.toInt() != page_.eventView().byteText.toInt()) {
      byte_->setText(page_.eventView().byteText);
    }
    emit typed();
  });

  param_ = new QLineEdit(panel_);
  param_->setObjectName(QStringLiteral("eventParam"));
  param_->setValidator(new DigitFilter(true, 4, param_));
  param_->setMaximumWidth(60);
  paramCaption_ = captionFor(QStringLiteral("№ параметра:"), param_, panel_);
  grid->addWidget(paramCaption_, 3, 0);
  grid->addWidget(param_, 3, 1, Qt::AlignLeft);
  connect(param_, &QLineEdit::textEdited, this, [this](const QString& hex) {
    page_.setEventParamText(hex);
    emit typed();
  });
}

void EventArchiveGroup::act(const std::function<void()>& edit) {
  edit();
  emit changed();
}

void EventArchiveGroup::refresh() {
  setVisible(page_.groupExists(ArchiveGroup::Event));
  number_->showNumber(page_.highestNumber(ArchiveGroup::Event), page_.current(ArchiveGroup::Event));
  paste_->setEnabled(page_.canPasteArchive(ArchiveGroup::Event));
  const bool shown = page_.current(ArchiveGroup::Event).has_value();
  present_->setVisible(shown);
  const EventView v = page_.eventView();
  {
    const QSignalBlocker block(present_);
    present_->setChecked(v.present);
  }
  panel_->setVisible(shown && v.present);
  if (!v.present) return;
  for (std::size_t box = 0; box < bits_.size(); ++box) {
    const QSignalBlocker block(bits_[box]);
    bits_[box]->setChecked(v.bits[box]);
  }
  byParameter_->setChecked(!v.byAddress);
  byAddress_->setChecked(v.byAddress);
  byteRow_->setVisible(!v.byAddress);
  if (byte_->text() != v.byteText) byte_->setText(v.byteText);
  if (param_->text() != v.paramText) param_->setText(v.paramText);
  paramCaption_->setText(v.paramCaption);
}

}  // namespace nastrum
