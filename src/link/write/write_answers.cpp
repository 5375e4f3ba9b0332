#include "link/write/write_answers.h"

namespace nastrum {

namespace {

bool AskYesNo(MessagePresenter& presenter, const QString& text) {
  MessageBoxSpec box;
  box.caption = QStringLiteral("Наструм - ОРВИК");
  box.text = text;
  box.icon = MessageIcon::Question;
  box.buttons = MessageButtons::YesNo;
  return presenter.present(box) == AnswerYes;
}

}  // namespace

QString PasswordChangeQuestion() {
  return QStringLiteral(
      "Вы уверены, что хотите сменить пароль ОРВИКа, при продолжении пароль сменится. Продолжить?");
}

QString StartQuestion() { return QStringLiteral("Перевести ОРВИК в режим работы?"); }

bool PresenterWriteAnswerer::confirmPasswordChange() { return AskYesNo(presenter_, PasswordChangeQuestion()); }

bool PresenterWriteAnswerer::confirmStart() { return AskYesNo(presenter_, StartQuestion()); }

}  // namespace nastrum
