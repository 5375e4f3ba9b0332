#include "compare/ui/compare_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include "compare/comparison_forms.h"
#include "maps/map_painter.h"
#include "model/message_catalogue.h"
#include "model/real_text.h"
#include "model/settings_files.h"

namespace nastrum {

namespace {

// The catalogue's message for a settings file that cannot be read, as "Открыть " shows it.
constexpr int kFileErrorMessage = 2;

enum Column { PageColumn, ObjectColumn, CaptionColumn, ThisColumn, OtherColumn, ColumnCount };

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

CompareWindow::CompareWindow(Workspace& workspace, MessagePresenter& presenter, CompareWindowHooks hooks,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), workspace_(workspace), presenter_(presenter), hooks_(std::move(hooks)) {
  setObjectName(QStringLiteral("compareWindow"));
  setWindowTitle(QStringLiteral("Сравнение настроек"));
  build();
}

void CompareWindow::build() {
  auto* root = new QVBoxLayout(this);

  auto* sources = new QHBoxLayout;
  sources->addWidget(new QLabel(QStringLiteral("Сравнить с:"), this));
  fileButton_ = button(QStringLiteral("compareFileButton"), QStringLiteral("&Файлом..."), this);
  deviceButton_ = button(QStringLiteral("compareDeviceButton"), QStringLiteral("&Прибором..."), this);
  sources->addWidget(fileButton_);
  sources->addWidget(deviceButton_);
  otherLabel_ = new QLabel(this);
  otherLabel_->setObjectName(QStringLiteral("compareOtherName"));
  sources->addWidget(otherLabel_, 1);
  root->addLayout(sources);

  auto* filters = new QHBoxLayout;
  onlyDifferences_ = new QCheckBox(QStringLiteral("только &отличия"), this);
  onlyDifferences_->setObjectName(QStringLiteral("onlyDifferences"));
  onlyDifferences_->setChecked(true);
  withoutClock_ = new QCheckBox(QStringLiteral("без &часов"), this);
  withoutClock_->setObjectName(QStringLiteral("withoutClock"));
  pageFilter_ = new QComboBox(this);
  pageFilter_->setObjectName(QStringLiteral("pageFilter"));
  pageFilter_->setAccessibleName(QStringLiteral("Страница"));
  pageFilter_->addItem(QStringLiteral("все страницы"), -1);
  for (ComparePage page : comparePages()) pageFilter_->addItem(comparePageCaption(page), static_cast<int>(page));
  auto* pageCaption = new QLabel(QStringLiteral("С&траница:"), this);
  pageCaption->setBuddy(pageFilter_);
  filters->addWidget(onlyDifferences_);
  filters->addWidget(withoutClock_);
  filters->addSpacing(12);
  filters->addWidget(pageCaption);
  filters->addWidget(pageFilter_);
  filters->addStretch();
  root->addLayout(filters);

  table_ = new QTableWidget(0, ColumnCount, this);
  table_->setObjectName(QStringLiteral("compareTable"));
  table_->setAccessibleName(QStringLiteral("Отличия"));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setTabKeyNavigation(false);  // Tab leaves the table, as keyboard users expect
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->installEventFilter(this);
  root->addWidget(table_, 1);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("compareSummary"));
  summary_->setWordWrap(true);
  root->addWidget(summary_);

  auto* actions = new QHBoxLayout;
  QPushButton* copy = button(QStringLiteral("copyButton"), QStringLiteral("&Копировать"), this);
  QPushButton* print = button(QStringLiteral("printButton"), QStringLiteral("П&ечать..."), this);
  QPushButton* pdf = button(QStringLiteral("pdfButton"), QStringLiteral("Сохранить в P&DF..."), this);
  QPushButton* close = button(QStringLiteral("closeButton"), QStringLiteral("&Закрыть"), this);
  actions->addWidget(copy);
  actions->addWidget(print);
  actions->addWidget(pdf);
  actions->addStretch();
  actions->addWidget(close);
  root->addLayout(actions);

  auto* copyKeys = new QShortcut(QKeySequence::Copy, this);
  copyKeys->setContext(Qt::WidgetWithChildrenShortcut);
  connect(copyKeys, &QShortcut::activated, this, &CompareWindow::copyAsText);
  auto* closeKeys = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(closeKeys, &QShortcut::activated, this, &QWidget::close);

  connect(fileButton_, &QPushButton::clicked, this, &CompareWindow::chooseFile);
  connect(deviceButton_, &QPushButton::clicked, this, &CompareWindow::compareWithDevice);
  connect(onlyDifferences_, &QCheckBox::toggled, this, &CompareWindow::showRows);
  connect(withoutClock_, &QCheckBox::toggled, this, &CompareWindow::compareAgain);
  connect(pageFilter_, &QComboBox::currentIndexChanged, this, &CompareWindow::showRows);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { jumpToRow(row); });
  connect(copy, &QPushButton::clicked, this, &CompareWindow::copyAsText);
  connect(print, &QPushButton::clicked, this, &CompareWindow::print);
  connect(pdf, &QPushButton::clicked, this, &CompareWindow::saveAsPdf);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  resize(900, 560);
}

void CompareWindow::open() {
  other_.reset();
  compareAgain();
  show();
  raise();
  activateWindow();
  fileButton_->setFocus();
}

void CompareWindow::chooseFile() {
  if (!hooks_.chooseSettings) return;
  if (const std::optional<QString> path = hooks_.chooseSettings()) compareWithFile(*path);
}

bool CompareWindow::compareWithFile(const QString& path) {
  OtherSettings other;
  EditorState scratch;  // the main window's state is not the comparison's
  if (!readSettingsPair(path, other.image, scratch).ok()) {
    ShowMessageCode(presenter_, kFileErrorMessage, path);
    return false;
  }
  other.name = QDir::toNativeSeparators(path);
  other_ = std::move(other);
  compareAgain();
  table_->setFocus();
  return true;
}

void CompareWindow::compareWithDevice() {
  if (!hooks_.readDevice) return;
  bool namesRead = false;
  std::optional<OtherSettings> read = hooks_.readDevice(namesRead);
  if (!read) return;  // the exchange window has said why
  if (!other_) other_.emplace();
  addDeviceRead(*other_, std::move(*read), namesRead);
  compareAgain();
  table_->setFocus();
}

CompareOptions CompareWindow::options() const {
  CompareOptions o;
  o.withoutClock = withoutClock_->isChecked();
  o.onlyDifferences = false;  // the window filters itself
  o.separator = systemDecimalSeparator();
  if (other_) {
    o.scope = other_->scope;
    o.realsAsTheDeviceKeepsThem = other_->fromDevice;
  }
  return o;
}

void CompareWindow::compareAgain() {
  const QString thisName = QDir::toNativeSeparators(workspace_.file.fileName());
  if (other_) {
    comparison_ = compareSettings(workspace_.image, thisName, other_->image, other_->name, options());
  } else {
    comparison_ = Comparison{};
    comparison_.thisName = thisName;
  }
  otherLabel_->setText(other_ ? other_->name : QStringLiteral("(не выбрано)"));
  showRows();
}

void CompareWindow::showRows() {
  const int page = pageFilter_->currentData().toInt();
  shown_.clear();
  for (const CompareRow& r : comparison_.rows)
    if ((r.differs || !onlyDifferences_->isChecked()) && (page < 0 || static_cast<int>(r.place.page) == page))
      shown_.push_back(&r);

  table_->setHorizontalHeaderLabels({QStringLiteral("Страница"), QStringLiteral("Объект"), QStringLiteral("Параметр"),
                                     comparison_.thisName, comparison_.otherName});
  table_->setRowCount(static_cast<int>(shown_.size()));
  for (int row = 0; row < static_cast<int>(shown_.size()); ++row) {
    const CompareRow& r = *shown_[static_cast<std::size_t>(row)];
    const QString texts[ColumnCount] = {comparePageCaption(r.place.page), r.place.objectText, r.title(), r.thisShown,
                                        r.otherShown};
    for (int column = 0; column < ColumnCount; ++column) {
      auto* item = new QTableWidgetItem(texts[column]);
      if (column == ThisColumn) item->setToolTip(r.thisRaw);
      if (column == OtherColumn) item->setToolTip(r.otherRaw);
      if (column == CaptionColumn) item->setToolTip(r.path);
      if (r.differs) item->setBackground(QColor(Qt::yellow));
      table_->setItem(row, column, item);
    }
  }
  table_->resizeColumnsToContents();

  QString summary;
  if (!other_) summary = QStringLiteral("Выберите файл или прибор для сравнения.");
  else if (comparison_.equal()) summary = QStringLiteral("Отличий нет.");
  else summary = QStringLiteral("Отличий: %1.").arg(comparison_.differences);
  if (comparison_.kindsDiffer()) summary += QLatin1Char(' ') + comparison_.kindNote();
  summary_->setText(summary);
}

Comparison CompareWindow::visible() const {
  Comparison c = comparison_;
  c.rows.clear();
  for (const CompareRow* r : shown_) c.rows.push_back(*r);
  return c;
}

void CompareWindow::copyAsText() { QApplication::clipboard()->setText(comparisonTableText(visible())); }

int CompareWindow::printTo(QPrinter& printer) {
  printer.setPageOrientation(QPageLayout::Landscape);
  const MapPage page = comparisonMapPage(visible());
  printer.setDocName(page.caption);
  return paintMapPages(page, printer);
}

void CompareWindow::print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) printTo(printer);
}

void CompareWindow::saveAsPdf() {
  if (!hooks_.choosePdfPath) return;
  const QString proposed = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                               .filePath(QStringLiteral("Сравнение.pdf"));
  QString path = hooks_.choosePdfPath(proposed);
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  if (writeMapPdf(comparisonMapPage(visible()), path) > 0) return;
  presenter_.present(programMessage(QStringLiteral("Не удалось записать файл %1.").arg(path), MessageIcon::Warning));
}

void CompareWindow::jumpToRow(int row) {
  if (row < 0 || row >= static_cast<int>(shown_.size()) || !hooks_.showSetup) return;
  const CompareRow& r = *shown_[static_cast<std::size_t>(row)];
  if (r.place.setup) hooks_.showSetup(*r.place.setup);
}

bool CompareWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      jumpToRow(table_->currentRow());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace nastrum
