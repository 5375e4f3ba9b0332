// The password window "Права доступа" that admits the privileged user; a
// double click on its first label switches on the spy mode.
#pragma once

#include <optional>

#include <QDialog>

#include "editor/workflow/privileged_access.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace nastrum {

class PrivilegedLoginDialog : public QDialog {
  Q_OBJECT

 public:
  PrivilegedLoginDialog(Workspace& workspace, MessagePresenter& messages, QWidget* parent = nullptr);

  // Starts a new session: empty edit, no pending focus rule. showEvent calls it.
  void beginSession();
  // "Ввод", or the edit receiving the focus.
  void submit(LoginTrigger trigger);

  QLineEdit* passwordEdit() const { return edit_; }

 signals:
  void spyModeEntered();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Workspace& workspace_;
  MessagePresenter& messages_;
  std::optional<PrivilegedLogin> login_;
  QLabel* firstLabel_;
  QLineEdit* edit_;
};

}  // namespace nastrum
