// The map window "Tmap_form": one programming map of the current image, built
// afresh whenever the window becomes active, with its page buttons, print,
// copy and the exports. The main window opens it with showMap(number).
#pragma once

#include <functional>

#include <QWidget>

#include "maps/map_session.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QPrinter;

namespace nastrum {

// What the window asks of the desktop; tests replace them.
struct MapFormHooks {
  // Opens a written document in the desktop's default application.
  std::function<bool(const QString& path)> openDocument = {};
  // The PDF file to write, empty when cancelled.
  std::function<QString(const QString& proposed)> choosePdfPath = {};
  // The folder exported documents are written to.
  QString exportFolder = {};
};

class MapForm : public QWidget {
  Q_OBJECT
 public:
  MapForm(Workspace& workspace, MessagePresenter& presenter, QWidget* parent = nullptr, MapFormHooks hooks = {});

  // Chooses map 1..11, builds it and shows the window (not modal).
  void showMap(int number);
  // Builds the chosen map afresh from the image at page 1 (what activation does).
  void rebuild();
  // Whether a map was opened and the window not closed since ("MapWindowOpen").
  bool isMapOpen() const { return mapOpen_; }
  const MapSession& session() const { return session_; }

  // The actions of the buttons, callable without the system windows.
  void previousPage();
  void nextPage();
  void copySelection();
  void clearNames();
  void exportToWordProcessor();
  void saveAsPdf();
  void print();
  void printPreview();
  // Paints the shown map onto a chosen printer: landscape, with its page header.
  int printTo(QPrinter& printer);

  QTableWidget* table() const { return table_; }

 signals:
  void closed();

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void showTable();
  void updateControls();
  void cellEdited(int row, int column);
  // Runs one of the window's own dialogs without rebuilding when it returns.
  template <class F>
  auto withOwnDialog(F&& f);

  Workspace& workspace_;
  MessagePresenter& presenter_;
  MapFormHooks hooks_;
  MapSession session_;
  bool mapOpen_ = false;
  bool filling_ = false;
  int ownDialogs_ = 0;
  bool leftForOwnDialog_ = false;

  QTableWidget* table_;
  QLabel* pageLabel_;
  QPushButton* previous_;
  QPushButton* next_;
  QPushButton* word_;
  QPushButton* pdf_;
  QPushButton* print_;
  QPushButton* preview_;
  QPushButton* clearNames_;
  QPushButton* exit_;
};

}  // namespace nastrum
