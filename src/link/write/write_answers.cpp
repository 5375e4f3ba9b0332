#include "link/write/write_answers.h"

#include "model/message_catalogue.h"

namespace nastrum {

QString PasswordChangeQuestion() {
  return QStringLiteral(
      "Вы уверены, что хотите сменить пароль ОРВИКа, при продолжении пароль сменится. Продолжить?");
}

QString StartQuestion() { return QStringLiteral("Перевести ОРВИК в режим работы?"); }

bool PresenterWriteAnswerer::confirmPasswordChange() { return AskYesNo(presenter_, PasswordChangeQuestion()); }

bool PresenterWriteAnswerer::confirmStart() { return AskYesNo(presenter_, StartQuestion()); }

}  // namespace nastrum
