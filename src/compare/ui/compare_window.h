// The window "Сравнение настроек": the open settings against another pair or
// the connected device, as a table of page, object, caption and both values.
// It filters, copies, prints and saves a PDF through the map renderer, and a
// double-click (or Enter) on a row opens the setup mode at that field. It
// never changes the open image.
#pragma once

#include <functional>
#include <optional>

#include <QWidget>

#include "compare/other_settings.h"
#include "compare/settings_comparison.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace nastrum {

// What the window asks of the program; the program wires the file window,
// the exchange window and the main window, tests their own.
struct CompareWindowHooks {
  // The .bfm of the pair to compare with; nothing when cancelled.
  std::function<std::optional<QString>()> chooseSettings = {};
  // Reads the connected device into a second image; nothing when the read
  // failed or was stopped. `namesRead` tells which part was read.
  std::function<std::optional<OtherSettings>(bool& namesRead)> readDevice = {};
  // Opens the setup mode at a field.
  std::function<void(const SetupPlace&)> showSetup = {};
  // The PDF to write; empty when cancelled.
  std::function<QString(const QString& proposed)> choosePdfPath = {};
};

class CompareWindow : public QWidget {
  Q_OBJECT
 public:
  CompareWindow(Workspace& workspace, MessagePresenter& presenter, CompareWindowHooks hooks, QWidget* parent = nullptr);

  // Shows the window for the open image, with nothing to compare yet.
  void open();
  // The actions of the buttons, callable without the system windows.
  bool compareWithFile(const QString& path);
  void compareWithDevice();
  void chooseFile();
  void copyAsText();
  void print();
  void saveAsPdf();
  int printTo(QPrinter& printer);
  // The row's field opened in the setup mode (double-click, Enter).
  void jumpToRow(int row);

  const Comparison& comparison() const { return comparison_; }
  QTableWidget* table() const { return table_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build();
  void compareAgain();  // the open image against `other_`, all rows
  void showRows();      // the rows the filters let through
  CompareOptions options() const;
  Comparison visible() const;  // the comparison as filtered, for copy and print

  Workspace& workspace_;
  MessagePresenter& presenter_;
  CompareWindowHooks hooks_;
  std::optional<OtherSettings> other_;
  Comparison comparison_;
  std::vector<const CompareRow*> shown_;

  QLabel* otherLabel_ = nullptr;
  QLabel* summary_ = nullptr;
  QCheckBox* onlyDifferences_ = nullptr;
  QCheckBox* withoutClock_ = nullptr;
  QComboBox* pageFilter_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* fileButton_ = nullptr;
  QPushButton* deviceButton_ = nullptr;
};

}  // namespace nastrum
