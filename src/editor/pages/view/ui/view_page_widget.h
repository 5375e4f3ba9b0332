// A view page of "Просмотр": the raw image as read-only tables. The
// privileged user may type into a cell; any other user who tries, or who
// moves from one cell to another, is asked for the privileged password.
//
// Install: PageHost::add(ViewPage::Sensors, new ViewPageWidget(ViewSheet::Sensors, workspace, messages));
// and, so that the main window shows its password window and refreshes,
// setLoginRequest([&main] { main.PrivilegedLogin(); }). The host wires
// saveOffered() and diagnosticText() to the main window.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "editor/pages/view/view_sheet.h"

class QLineEdit;
class QScrollArea;
class QTableWidget;
class QVBoxLayout;

namespace nastrum {

class PrivilegedLoginDialog;

class ViewPageWidget : public QWidget {
  Q_OBJECT

 public:
  ViewPageWidget(ViewSheet sheet, Workspace& workspace, MessagePresenter& messages, QWidget* parent = nullptr);
  ViewPageWidget(ViewSheet sheet, Workspace& workspace, MessagePresenter& messages, QChar separator,
                 QWidget* parent);

  // Rebuilds every table from the image; never marks the image modified.
  void showCurrent();

  // How the password is asked for. Without one the page shows its own
  // password window.
  void setLoginRequest(std::function<void()> request) { loginRequest_ = std::move(request); }

  const ViewSheetModel& model() const { return model_; }

 signals:
  void imageEdited();
  // The privileged user opened a cell: "Сохранить" is offered.
  void saveOffered();
  // The text of the field cell the user moved to, for the diagnostic field.
  void diagnosticText(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void rebuildLayout();
  void fill();
  void applyAccess();
  void askForPassword();
  // The current cell of a table changed to (row, column); `moved` when it
  // left another cell.
  void cellEntered(QTableWidget* grid, int row, int column, bool moved);
  // A double click on a field cell: the privileged user edits it.
  void openCell(QTableWidget* grid, int row, int column);
  // The index of a table of this page, -1 for none.
  int tableOf(const QTableWidget* grid) const;
  void commitCell(int table, int row, int column, const QString& text);
  void commitModem(int index);
  QTableWidget* makeTable(int index);

  ViewSheetModel model_;
  Workspace& workspace_;
  MessagePresenter& messages_;
  QChar separator_;
  std::function<void()> loginRequest_;
  bool asking_ = false;  // the password window is open: a second request waits for its answer
  PrivilegedLoginDialog* loginDialog_ = nullptr;

  QVBoxLayout* layout_;
  QScrollArea* scroll_ = nullptr;
  QWidget* content_ = nullptr;
  Word builtKind_ = 0;
  std::vector<QTableWidget*> tables_;
  std::vector<QLineEdit*> modemEdits_;
};

}  // namespace nastrum
