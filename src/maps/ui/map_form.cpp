#include "maps/ui/map_form.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "maps/map_document.h"
#include "maps/map_painter.h"
#include "maps/map_text.h"
#include "maps/ui/map_cell_delegate.h"
#include "model/message_catalogue.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

constexpr int kHintDisplayMs = 15000;

MapFormHooks withDefaults(MapFormHooks hooks, QWidget* owner) {
  if (!hooks.openDocument)
    hooks.openDocument = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
  if (!hooks.choosePdfPath)
    hooks.choosePdfPath = [owner](const QString& proposed) {
      return QFileDialog::getSaveFileName(owner, QStringLiteral("Сохранить карту в PDF"), proposed, QStringLiteral("PDF (*.pdf)"));
    };
  if (hooks.exportFolder.isEmpty()) hooks.exportFolder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  return hooks;
}

QPushButton* button(const QString& caption, const char* name, const QString& hint = {}) {
  auto* b = new QPushButton(caption);
  b->setObjectName(QLatin1String(name));
  if (!hint.isEmpty()) {
    b->setToolTip(hint);
    b->setAccessibleDescription(hint);
  }
  b->setToolTipDuration(kHintDisplayMs);
  return b;
}

// A file name that does not overwrite an earlier export still open elsewhere.
QString exportName(int number, const QString& suffix) {
  return QStringLiteral("karta_%1_%2.%3")
      .arg(number)
      .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd_HHmmss")), suffix);
}

}  // namespace

template <class F>
auto MapForm::withOwnDialog(F&& f) {
  ++ownDialogs_;
  struct Release {
    int& count;
    ~Release() { --count; }
  } release{ownDialogs_};
  return f();
}

MapForm::MapForm(Workspace& workspace, MessagePresenter& presenter, QWidget* parent, MapFormHooks hooks)
    : QWidget(parent, Qt::Window),
      workspace_(workspace),
      presenter_(presenter),
      hooks_(withDefaults(std::move(hooks), this)),
      session_(systemDecimalSeparator()) {
  setObjectName(QStringLiteral("Tmap_form"));
  resize(1000, 640);

  table_ = new QTableWidget(this);
  table_->setObjectName(QStringLiteral("mapTable"));
  table_->horizontalHeader()->hide();
  table_->verticalHeader()->hide();
  table_->setShowGrid(true);
  table_->setWordWrap(true);
  table_->setTextElideMode(Qt::ElideNone);
  table_->setItemDelegate(new MapCellDelegate(table_));
  table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copy = new QAction(QStringLiteral("&Копировать"), table_);
  copy->setObjectName(QStringLiteral("copyAction"));
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  table_->addAction(copy);
  connect(copy, &QAction::triggered, this, &MapForm::copySelection);
  connect(table_, &QTableWidget::cellChanged, this, &MapForm::cellEdited);

  pageLabel_ = new QLabel(this);
  pageLabel_->setObjectName(QStringLiteral("pageLabel"));
  pageLabel_->setFont(mapFont(CellFont::Heading));
  previous_ = button(QStringLiteral("< Пред."), "prevButton", QStringLiteral("Предыдущая страница"));
  next_ = button(QStringLiteral("След. >"), "nextButton", QStringLiteral("Следуюая страница"));
  clearNames_ = button(QStringLiteral("Очистить наименование"), "clearNamesButton");
  word_ = button(QStringLiteral("Передать в MS Word"), "wordButton",
                 QStringLiteral("Передать карту программирования в MS Word 97 или выше"));
  pdf_ = button(QStringLiteral("Сохранить в PDF"), "pdfButton", QStringLiteral("Сохранить карту программирования в файл PDF"));
  preview_ = button(QStringLiteral("Просмотр печати"), "previewButton", QStringLiteral("Показать карту так, как она будет напечатана"));
  print_ = button(QStringLiteral("Печать"), "printButton");
  exit_ = button(QStringLiteral("Выход"), "exitButton");

  auto* buttons = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{pageLabel_, previous_, next_}) buttons->addWidget(w);
  buttons->addStretch();
  for (QWidget* w : std::initializer_list<QWidget*>{clearNames_, word_, pdf_, preview_, print_, exit_}) buttons->addWidget(w);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  setTabOrder(table_, previous_);
  QWidget* order[] = {previous_, next_, clearNames_, word_, pdf_, preview_, print_, exit_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(previous_, &QPushButton::clicked, this, &MapForm::previousPage);
  connect(next_, &QPushButton::clicked, this, &MapForm::nextPage);
  connect(clearNames_, &QPushButton::clicked, this, &MapForm::clearNames);
  connect(word_, &QPushButton::clicked, this, &MapForm::exportToWordProcessor);
  connect(pdf_, &QPushButton::clicked, this, &MapForm::saveAsPdf);
  connect(preview_, &QPushButton::clicked, this, &MapForm::printPreview);
  connect(print_, &QPushButton::clicked, this, &MapForm::print);
  connect(exit_, &QPushButton::clicked, this, &QWidget::close);
  updateControls();
}

void MapForm::showMap(int number) {
  session_.choose(number);
  mapOpen_ = true;
  rebuild();
  show();
  raise();
  activateWindow();
}

void MapForm::rebuild() {
  session_.rebuild(workspace_.image);
  showTable();
}

void MapForm::previousPage() {
  session_.previousPage(workspace_.image);
  showTable();
}

void MapForm::nextPage() {
  session_.nextPage(workspace_.image);
  showTable();
}

void MapForm::showTable() {
  const MapTable& t = session_.table();
  filling_ = true;
  table_->clearSpans();
  table_->clearContents();
  table_->setColumnCount(t.columnCount());
  table_->setRowCount(t.rowCount());
  for (int r = 0; r < t.rowCount(); ++r)
    for (int c = 0; c < t.columnCount(); ++c) {
      const MapCell& cell = t.cell(c, r);
      auto* item = new QTableWidgetItem(cell.text);
      item->setFont(mapFont(cell.font));
      const Qt::Alignment vertical = cell.verticalCenter ? Qt::AlignVCenter : Qt::AlignTop;
      item->setTextAlignment((cell.align == CellAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft) | vertical);
      item->setBackground(cell.yellow ? QColor(Qt::yellow) : QColor(Qt::white));
      item->setForeground(QColor(Qt::black));
      Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      if (cell.editable) flags |= Qt::ItemIsEditable;
      item->setFlags(flags);
      table_->setItem(r, c, item);
    }
  for (const MapSpan& s : t.spans()) table_->setSpan(s.row, s.column, s.rowSpan, s.columnSpan);
  for (int c = 0; c < t.columnCount(); ++c) table_->setColumnWidth(c, t.columnWidth(c));
  table_->resizeRowsToContents();
  filling_ = false;
  setWindowTitle(session_.page().caption);
  table_->setAccessibleName(session_.page().caption);
  updateControls();
}

void MapForm::updateControls() {
  const MapPage& page = session_.page();
  for (QWidget* w : std::initializer_list<QWidget*>{pageLabel_, previous_, next_}) w->setVisible(page.paged);
  pageLabel_->setText(session_.pageLabel());
  previous_->setEnabled(session_.canGoBack());
  next_->setEnabled(session_.canGoForward());
  clearNames_->setVisible(session_.number() == 1);
  const bool hasTable = page.table.rowCount() > 0;
  for (QWidget* w : std::initializer_list<QWidget*>{word_, pdf_, preview_, print_}) w->setEnabled(hasTable);
}

void MapForm::cellEdited(int row, int column) {
  if (filling_) return;
  const QTableWidgetItem* item = table_->item(row, column);
  if (item) session_.setCellText(column, row, item->text());
  table_->resizeRowToContents(row);  // a longer typed text takes more lines
}

void MapForm::copySelection() {
  const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
  if (ranges.isEmpty()) return;
  const QTableWidgetSelectionRange& r = ranges.first();
  QGuiApplication::clipboard()->setText(mapTableText(session_.table(), r.leftColumn(), r.topRow(), r.rightColumn(), r.bottomRow()));
}

void MapForm::clearNames() {
  const int answer = withOwnDialog([this] {
    return presenter_.present(programMessage(
        QStringLiteral("Вы действительно хотите очистить наименование в текущей таблице? При ответе да, наименование очистится."),
        MessageIcon::Question, MessageButtons::YesNo));
  });
  if (answer != AnswerYes || session_.number() != 1) return;
  session_.clearNames();
  showTable();
}

void MapForm::exportToWordProcessor() {
  const QString path = QDir(hooks_.exportFolder).filePath(exportName(session_.number(), QStringLiteral("odt")));
  const bool done = writeMapOdt(session_.page(), path) && hooks_.openDocument(path);
  if (done) return;
  withOwnDialog([this] {
    return presenter_.present({0, QStringLiteral("Ошибка передачи в MS Word"),
                               QStringLiteral("Для возможности передачи карты программирования в MS Word требуется наличие в системы "
                                              "установленного MS Word (пакет MS Office) версии 97 или выше."),
                               MessageIcon::Stop, MessageButtons::Ok});
  });
}

void MapForm::saveAsPdf() {
  const QString proposed = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                               .filePath(exportName(session_.number(), QStringLiteral("pdf")));
  QString path = withOwnDialog([&] { return hooks_.choosePdfPath(proposed); });
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  if (writeMapPdf(session_.page(), path) > 0) return;
  withOwnDialog([&] {
    return presenter_.present(
        programMessage(QStringLiteral("Не удалось записать файл %1.").arg(path), MessageIcon::Warning));
  });
}

int MapForm::printTo(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName(session_.page().caption);
  return paintMapPages(session_.page(), printer);
}

void MapForm::print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  const bool accepted = withOwnDialog([&] {
    QPrintDialog dialog(&printer, this);
    return dialog.exec() == QDialog::Accepted;
  });
  if (accepted) printTo(printer);
}

void MapForm::printPreview() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  withOwnDialog([&] {
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { paintMapPages(session_.page(), *p); });
    return preview.exec();
  });
}

bool MapForm::event(QEvent* event) {
  // The map follows the image: it is built afresh each time the user comes
  // back to the window, but not when one of its own dialogs (print, a message,
  // the file window) gave the focus back, so the page and typed cells stay.
  if (event->type() == QEvent::WindowDeactivate) leftForOwnDialog_ = ownDialogs_ > 0;
  if (event->type() == QEvent::WindowActivate) {
    if (mapOpen_ && !leftForOwnDialog_ && ownDialogs_ == 0) rebuild();
    leftForOwnDialog_ = false;
  }
  return QWidget::event(event);
}

void MapForm::closeEvent(QCloseEvent* event) {
  mapOpen_ = false;
  emit closed();
  QWidget::closeEvent(event);
}

}  // namespace nastrum
