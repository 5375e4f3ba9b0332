// A view page of "Просмотр": the raw image as read-only tables. The
// privileged user may type into a cell; any other user who tries is asked for
// the privileged password first.
//
// Install: PageHost::add(ViewPage::Sensors, new ViewPageWidget(ViewSheet::Sensors, workspace, messages));
// and, so that the main window shows its password window and refreshes,
// setLoginRequest([&main] { main.PrivilegedLogin(); }).
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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void rebuildLayout();
  void fill();
  void applyAccess();
  void askForPassword();
  void commitCell(int table, int row, int column, const QString& text);
  void commitModem(int index);
  QTableWidget* makeTable(int index);

  ViewSheetModel model_;
  Workspace& workspace_;
  MessagePresenter& messages_;
  QChar separator_;
  std::function<void()> loginRequest_;
  PrivilegedLoginDialog* loginDialog_ = nullptr;

  QVBoxLayout* layout_;
  QScrollArea* scroll_ = nullptr;
  QWidget* content_ = nullptr;
  Word builtKind_ = 0;
  std::vector<QTableWidget*> tables_;
  std::vector<QLineEdit*> modemEdits_;
};

}  // namespace nastrum
