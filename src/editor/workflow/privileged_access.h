// The privileged user and the diagnostic (spy) mode: the logic behind the
// password window "Права доступа".
#pragma once

#include <QString>

#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

// The stored privileged-user password; compared exactly, case-sensitive.
QString privilegedPassword();

// The caption of the password window and of its message boxes.
QString accessRightsCaption();

enum class LoginTrigger {
  EnterButton,  // "Ввод"
  EditFocus,    // the password edit received the focus
};

enum class LoginResult {
  Ignored,   // nothing happened; the window stays as it is
  Accepted,  // access granted; close the window
  Retry,     // wrong password, the user tries again; empty the edit
  GaveUp,    // wrong password, the user does not try again; close the window
};

// One password window session; create a new one each time the window is shown.
class PrivilegedLogin {
 public:
  PrivilegedLogin(Workspace& workspace, MessagePresenter& messages) : workspace_(workspace), messages_(messages) {}

  LoginResult submit(const QString& password, LoginTrigger trigger);

 private:
  Workspace& workspace_;
  MessagePresenter& messages_;
  // After "try again" the focus returns to the edit: that return is not an attempt.
  bool ignoreNextFocus_ = false;
};

// Double click on the first label of the password window.
void EnterSpyMode(Workspace& workspace, MessagePresenter& messages);

}  // namespace nastrum
