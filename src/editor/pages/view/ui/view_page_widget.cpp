#include "editor/pages/view/ui/view_page_widget.h"

#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "editor/pages/view/ui/cell_key_filter.h"
#include "editor/ui/privileged_login_dialog.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

// The cell editor of a view table: typed keys pass the table's filter, and the
// finished text goes to the page instead of straight into the item.
class CellDelegate final : public QStyledItemDelegate {
 public:
  using Commit = std::function<void(int row, int column, const QString& text)>;
  CellDelegate(CellKeyFilter::Rule keys, Commit commit, QObject* parent)
      : QStyledItemDelegate(parent), keys_(std::move(keys)), commit_(std::move(commit)) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->installEventFilter(new CellKeyFilter(keys_, edit));
    return edit;
  }
  void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
    commit_(index.row(), index.column(), static_cast<QLineEdit*>(editor)->text());
  }

 private:
  CellKeyFilter::Rule keys_;
  Commit commit_;
};

// Every caption and value shows whole: a column is as wide as its longest
// text (a real in exponent form, a long caption), never narrower than its
// usual width (`captionWidth` for column 0, the default width for values).
void fitColumns(QTableWidget* grid, int captionWidth) {
  grid->resizeColumnsToContents();
  const int valueWidth = grid->horizontalHeader()->defaultSectionSize();
  for (int column = 0; column < grid->columnCount(); ++column)
    grid->setColumnWidth(column, std::max(grid->columnWidth(column), column == 0 ? captionWidth : valueWidth));
}

bool isTypedKey(const QKeyEvent* key) {
  if (key->key() == Qt::Key_F2) return true;
  const QString text = key->text();
  return text.size() == 1 && text[0].isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

}  // namespace

ViewPageWidget::ViewPageWidget(ViewSheet sheet, Workspace& workspace, MessagePresenter& messages, QWidget* parent)
    : ViewPageWidget(sheet, workspace, messages, systemDecimalSeparator(), parent) {}

ViewPageWidget::ViewPageWidget(ViewSheet sheet, Workspace& workspace, MessagePresenter& messages, QChar separator,
                               QWidget* parent)
    : QWidget(parent), model_(sheet, workspace), workspace_(workspace), messages_(messages), separator_(separator) {
  layout_ = new QVBoxLayout(this);
  layout_->setContentsMargins(0, 0, 0, 0);
}

void ViewPageWidget::showCurrent() {
  model_.rebuild();
  if (!scroll_ || builtKind_ != workspace_.image.deviceKind) rebuildLayout();
  fill();
  applyAccess();
}

QTableWidget* ViewPageWidget::makeTable(int index) {
  const ViewTable& table = model_.tables()[static_cast<std::size_t>(index)];
  auto* grid = new QTableWidget(table.gridRows(), table.gridColumns(), content_);
  grid->setObjectName(table.objectName);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
  // Value columns fit an eight-character real; every row shows, the page scrolls.
  grid->horizontalHeader()->setDefaultSectionSize(grid->fontMetrics().horizontalAdvance(QStringLiteral("-0,000000")) + 12);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setHorizontalScrollBarPolicy(table.headerRow ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  if (table.captionWidth > 0) grid->setColumnWidth(0, table.captionWidth);
  grid->setAccessibleName(table.header.isEmpty() ? table.title : table.header);
  const CellKeys keys = table.keys;
  grid->setItemDelegate(new CellDelegate(
      [this, keys](QChar typed) { return filterCellKey(typed, keys, separator_, workspace_.editor.accessLevel); },
      [this, index](int row, int column, const QString& text) { commitCell(index, row, column, text); }, grid));
  // Without the privilege a typed key, a double click or a move to another
  // cell asks for the password.
  grid->installEventFilter(this);
  connect(grid, &QTableWidget::cellDoubleClicked, this, [this, grid](int row, int column) { openCell(grid, row, column); });
  // Asked once the click or key that moved has been handled, not inside it.
  connect(
      grid, &QTableWidget::currentCellChanged, this,
      [this, guarded = QPointer<QTableWidget>(grid)](int row, int column, int previousRow, int previousColumn) {
        if (guarded) cellEntered(guarded, row, column, previousRow >= 0 && previousColumn >= 0);
      },
      Qt::QueuedConnection);
  return grid;
}

int ViewPageWidget::tableOf(const QTableWidget* grid) const {
  const auto found = std::find(tables_.begin(), tables_.end(), grid);
  return found == tables_.end() ? -1 : static_cast<int>(found - tables_.begin());
}

void ViewPageWidget::cellEntered(QTableWidget* grid, int row, int column, bool moved) {
  const int table = tableOf(grid);
  if (table < 0 || !model_.tables()[static_cast<std::size_t>(table)].cellAt(row, column)) return;
  if (moved && !model_.mayEdit()) askForPassword();
  if (const QTableWidgetItem* item = grid->item(row, column)) emit diagnosticText(item->text());
}

void ViewPageWidget::openCell(QTableWidget* grid, int row, int column) {
  const int table = tableOf(grid);
  if (table < 0 || !model_.tables()[static_cast<std::size_t>(table)].cellAt(row, column)) return;
  if (!model_.mayEdit()) askForPassword();
  if (!model_.beginRawEdit()) return;
  applyAccess();  // the password may have been given on another page
  emit saveOffered();
  if (!grid->indexWidget(grid->model()->index(row, column))) grid->editItem(grid->item(row, column));
}

void ViewPageWidget::rebuildLayout() {
  delete scroll_;
  tables_.clear();
  modemEdits_.clear();
  builtKind_ = workspace_.image.deviceKind;
  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  content_ = new QWidget(scroll_);
  auto* column = new QVBoxLayout(content_);
  column->setContentsMargins(4, 4, 4, 4);
  for (int i = 0; i < static_cast<int>(model_.tables().size()); ++i) {
    const ViewTable& table = model_.tables()[static_cast<std::size_t>(i)];
    QTableWidget* grid = makeTable(i);
    if (!table.title.isEmpty()) {
      auto* label = new QLabel(table.title, content_);
      label->setBuddy(grid);
      column->addWidget(label);
    }
    column->addWidget(grid);
    tables_.push_back(grid);
  }
  for (int i = 0; i < static_cast<int>(model_.modemFields().size()); ++i) {
    const ModemField& field = model_.modemFields()[static_cast<std::size_t>(i)];
    auto* label = new QLabel(field.caption, content_);
    auto* edit = new QLineEdit(content_);
    edit->setObjectName(field.objectName);
    edit->setAccessibleName(field.caption);
    label->setBuddy(edit);
    edit->installEventFilter(
        new CellKeyFilter([this](QChar typed) { return filterModemKey(typed, workspace_.editor.accessLevel); }, edit));
    connect(edit, &QLineEdit::editingFinished, this, [this, i] { commitModem(i); });
    column->addWidget(label);
    column->addWidget(edit);
    modemEdits_.push_back(edit);
  }
  column->addStretch(1);
  scroll_->setWidget(content_);
  layout_->addWidget(scroll_);
}

void ViewPageWidget::fill() {
  for (std::size_t t = 0; t < tables_.size(); ++t) {
    const ViewTable& table = model_.tables()[t];
    QTableWidget* grid = tables_[t];
    const QSignalBlocker block(grid);
    grid->setRowCount(table.gridRows());
    grid->setColumnCount(table.gridColumns());
    for (int row = 0; row < table.gridRows(); ++row) {
      for (int column = 0; column < table.gridColumns(); ++column) {
        QTableWidgetItem* item = grid->item(row, column);
        if (!item) {
          item = new QTableWidgetItem;
          grid->setItem(row, column, item);
        }
        item->setText(table.gridText(row, column, separator_));
        if (column == 0) item->setToolTip(item->text());  // the row's caption, also where the column is narrowed
        const ViewCell* cell = table.cellAt(row, column);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (cell && cell->editable()) flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
        if (!cell) item->setBackground(grid->palette().button());
      }
    }
    fitColumns(grid, table.captionWidth);
    int height = 2 * grid->frameWidth() + table.gridRows() * grid->verticalHeader()->defaultSectionSize();
    if (grid->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn) height += grid->horizontalScrollBar()->sizeHint().height();
    grid->setFixedHeight(height);
  }
  for (std::size_t i = 0; i < modemEdits_.size(); ++i) {
    const QSignalBlocker block(modemEdits_[i]);
    modemEdits_[i]->setText(model_.modemText(static_cast<int>(i)));
  }
}

void ViewPageWidget::applyAccess() {
  const bool may = model_.mayEdit();
  for (QTableWidget* grid : tables_) {
    if (!may && grid->indexWidget(grid->currentIndex())) grid->reset();  // close the open editor, store nothing
    grid->setEditTriggers(may ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed
                              : QAbstractItemView::NoEditTriggers);
  }
  for (QLineEdit* edit : modemEdits_) edit->setReadOnly(!may);
}

void ViewPageWidget::askForPassword() {
  if (asking_) return;
  asking_ = true;
  if (loginRequest_) {
    loginRequest_();
  } else {
    if (!loginDialog_) loginDialog_ = new PrivilegedLoginDialog(workspace_, messages_, this);
    loginDialog_->exec();
  }
  asking_ = false;
  applyAccess();
}

void ViewPageWidget::showEvent(QShowEvent* event) {
  applyAccess();  // the password may have been given on another page
  QWidget::showEvent(event);
}

bool ViewPageWidget::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && !model_.mayEdit()) {
    auto* grid = qobject_cast<QTableWidget*>(watched);
    const int table = tableOf(grid);
    if (table >= 0 && isTypedKey(static_cast<QKeyEvent*>(event)) &&
        model_.tables()[static_cast<std::size_t>(table)].cellAt(grid->currentRow(), grid->currentColumn())) {
      askForPassword();
      return true;  // the key that asked is not typed into the cell
    }
  }
  return QWidget::eventFilter(watched, event);
}

void ViewPageWidget::commitCell(int table, int row, int column, const QString& text) {
  model_.storeCell(table, row, column, text, separator_, messages_);
  fill();  // a refused or empty text shows the field's value again
  if (model_.takeChange()) emit imageEdited();
}

void ViewPageWidget::commitModem(int index) {
  if (!model_.mayEdit()) return;
  const QString text = modemEdits_[static_cast<std::size_t>(index)]->text();
  if (text == model_.modemText(index)) return;
  model_.storeModem(index, text, messages_);
  fill();
  if (model_.takeChange()) emit imageEdited();
}

}  // namespace nastrum
