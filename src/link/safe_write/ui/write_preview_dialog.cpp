#include "link/safe_write/ui/write_preview_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nastrum {

WritePreviewDialog::WritePreviewDialog(const WritePreview& preview, const Comparison& changes, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("WritePreview"));
  setWindowTitle(QStringLiteral("Запись в ОРВИК"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  auto* question = new QLabel(preview.question(), this);
  question->setObjectName(QStringLiteral("question"));
  question->setWordWrap(true);
  layout->addWidget(question);

  // Groups that differ but were not ticked stay as they are on the device: say so.
  WriteGroups untouched;
  for (int g = 0; g < kWriteGroupCount; ++g) {
    const auto group = static_cast<WriteGroup>(g);
    untouched.set(group, preview.differing.has(group) && !preview.request.groups.has(group));
  }
  if (preview.request.choice == WriteChoice::Constants && untouched.any()) {
    auto* note = new QLabel(QStringLiteral("Отличаются и не будут записаны (не отмечены): ") + WriteGroupsText(untouched),
                            this);
    note->setObjectName(QStringLiteral("untouchedGroups"));
    note->setWordWrap(true);
    layout->addWidget(note);
  }

  table_ = new QTableWidget(0, 5, this);
  table_->setObjectName(QStringLiteral("changes"));
  table_->setHorizontalHeaderLabels({QStringLiteral("Страница"), QStringLiteral("Объект"), QStringLiteral("Параметр"),
                                     QStringLiteral("В ОРВИК"), QStringLiteral("Будет записано")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  for (const CompareRow& row : changes.rows) {
    if (!row.differs) continue;
    const int r = table_->rowCount();
    table_->insertRow(r);
    const QStringList cells = {comparePageCaption(row.place.page), row.place.objectText, row.title(), row.thisShown,
                               row.otherShown};
    for (int c = 0; c < cells.size(); ++c) table_->setItem(r, c, new QTableWidgetItem(cells[c]));
  }
  table_->resizeColumnsToContents();
  layout->addWidget(table_, 1);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* write = buttons->addButton(QStringLiteral("Записать"), QDialogButtonBox::AcceptRole);
  write->setObjectName(QStringLiteral("writeButton"));
  QPushButton* cancel = buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  cancel->setDefault(true);  // a write is never the default
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(760, 420);
}

}  // namespace nastrum
