#include "check/ui/error_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace nastrum {
namespace {

constexpr int kNumberWidth = 30;
constexpr int kTextWidth = 557;
constexpr int kObjectWidth = 60;

QTableWidgetItem* cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(alignment);
  return item;
}

}  // namespace

ErrorWindow::ErrorWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      table_(new QTableWidget(0, 3, this)),
      label_(new QLabel(QStringLiteral(" Наструм - ОРВИК"), this)),
      correct_(new QPushButton(QStringLiteral("Исправить автоматически"), this)),
      check_(new QPushButton(QStringLiteral("Проверить"), this)),
      close_(new QPushButton(QStringLiteral("Закрыть отчет"), this)) {
  setObjectName(QStringLiteral("logik"));
  table_->setObjectName(QStringLiteral("errorTable"));
  correct_->setObjectName(QStringLiteral("correctButton"));
  check_->setObjectName(QStringLiteral("checkButton"));
  close_->setObjectName(QStringLiteral("closeButton"));

  table_->horizontalHeader()->hide();
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(true);
  table_->setColumnWidth(0, kNumberWidth);
  table_->setColumnWidth(1, kTextWidth);
  table_->setColumnWidth(2, 0);

  QFont big = label_->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  label_->setFont(big);
  label_->setStyleSheet(QStringLiteral("color: blue;"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(label_);
  buttons->addStretch();
  buttons->addWidget(correct_);
  buttons->addWidget(check_);
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addLayout(buttons);
  resize(kNumberWidth + kTextWidth + 40, 360);

  correct_->hide();
  connect(check_, &QPushButton::clicked, this, &ErrorWindow::checkRequested);
  connect(correct_, &QPushButton::clicked, this, &ErrorWindow::repairRequested);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row) { emit rowChosen(row); });
  updateTitle();
}

QColor ErrorWindow::repairableColour() { return QColor(Qt::red); }

void ErrorWindow::showResult(const CheckResult& result, bool spyMode) {
  table_->clearContents();
  table_->setRowCount(result.errorCount());
  for (int row = 0; row < result.errorCount(); ++row) {
    const CheckError& error = result.errors[row];
    table_->setItem(row, 0, cell(QString::number(row + 1), Qt::AlignCenter));
    QTableWidgetItem* text = cell(error.text);
    text->setBackground(error.repairable ? repairableColour() : QColor(Qt::white));
    table_->setItem(row, 1, text);
    table_->setItem(row, 2, cell(error.repairable ? QString::number(error.object) : QString()));
  }
  table_->setColumnWidth(2, spyMode ? kObjectWidth : 0);
  table_->resizeRowsToContents();
}

void ErrorWindow::setCorrectionButtonVisible(bool visible) { correct_->setVisible(visible); }

void ErrorWindow::setFileName(const QString& fileName) {
  fileName_ = fileName;
  updateTitle();
}

void ErrorWindow::updateTitle() { setWindowTitle(QStringLiteral("Обнаруженные ошибки в ") + fileName_); }

void ErrorWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) updateTitle();
  QWidget::changeEvent(event);
}

void ErrorWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  emit closed();
}

}  // namespace nastrum
