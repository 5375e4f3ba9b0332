// The error window "logik": the rows of the last check, red where the
// automatic correction can repair, with "Проверить" and the correction button.
#pragma once

#include <QWidget>

#include "check/check_result.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace nastrum {

class ErrorWindow : public QWidget {
  Q_OBJECT
 public:
  explicit ErrorWindow(QWidget* parent = nullptr);

  // Refills the table: row number, text (red when repairable), and in spy
  // mode the object number of each repairable row.
  void showResult(const CheckResult& result, bool spyMode);
  void setCorrectionButtonVisible(bool visible);
  // The title names the file each time the window becomes active.
  void setFileName(const QString& fileName);

  QTableWidget* table() const { return table_; }
  QPushButton* correctionButton() const { return correct_; }
  QPushButton* checkButton() const { return check_; }

  static QColor repairableColour();

 signals:
  void checkRequested();
  void repairRequested();
  void closed();
  // A row was double-clicked: its place in the setup mode is wanted.
  void rowChosen(int row);

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void updateTitle();

  QTableWidget* table_;
  QLabel* label_;
  QPushButton* correct_;
  QPushButton* check_;
  QPushButton* close_;
  QString fileName_;
};

}  // namespace nastrum
