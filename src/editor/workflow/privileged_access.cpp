#include "editor/workflow/privileged_access.h"

namespace nastrum {

QString privilegedPassword() { return QStringLiteral("lentaro58"); }

QString accessRightsCaption() { return QStringLiteral("Права доступа"); }

LoginResult PrivilegedLogin::submit(const QString& password, LoginTrigger trigger) {
  if (trigger == LoginTrigger::EditFocus && ignoreNextFocus_) {
    ignoreNextFocus_ = false;
    return LoginResult::Ignored;
  }
  ignoreNextFocus_ = false;
  if (password.isEmpty()) return LoginResult::Ignored;

  if (password == privilegedPassword()) {
    workspace_.editor.accessLevel = 1;
    messages_.present({0, accessRightsCaption(),
                       QStringLiteral("Все ограничения сняты, вся ответственность за корректный ввод данных, "
                                      "теперь лежит на вас! Будьте внимательны."),
                       MessageIcon::Warning, MessageButtons::Ok});
    workspace_.image.sys(sys::PrivilegedMark) = 1;
    return LoginResult::Accepted;
  }

  const int answer = messages_.present({0, accessRightsCaption(), QStringLiteral("Пароль не верен, введете снова? "),
                                        MessageIcon::Question, MessageButtons::YesNo});
  if (answer == AnswerYes) {
    ignoreNextFocus_ = true;
    return LoginResult::Retry;
  }
  return LoginResult::GaveUp;
}

void EnterSpyMode(Workspace& workspace, MessagePresenter& messages) {
  workspace.editor.spyMode = true;
  messages.present({0, accessRightsCaption(), QStringLiteral("Шпионский режим"), MessageIcon::Warning,
                    MessageButtons::Ok});
}

}  // namespace nastrum
