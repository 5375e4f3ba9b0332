#include <gtest/gtest.h>

#include "editor/workflow/privileged_access.h"
#include "support/scripted_presenter.h"

using namespace nastrum;

TEST(PrivilegedLogin, RightPasswordGrantsAccessAndMarksTheImage) {
  Workspace ws;
  ScriptedPresenter boxes{AnswerOk};
  PrivilegedLogin login(ws, boxes);
  EXPECT_EQ(login.submit(QStringLiteral("lentaro58"), LoginTrigger::EnterButton), LoginResult::Accepted);
  EXPECT_EQ(ws.editor.accessLevel, 1);
  EXPECT_EQ(ws.image.sys(sys::PrivilegedMark), 1);
  EXPECT_EQ(boxes.last().caption, QStringLiteral("Права доступа"));
  EXPECT_EQ(boxes.last().icon, MessageIcon::Warning);
  EXPECT_EQ(boxes.last().text, QStringLiteral("Все ограничения сняты, вся ответственность за корректный ввод данных, "
                                             "теперь лежит на вас! Будьте внимательны."));
}

TEST(PrivilegedLogin, WrongPasswordAsksToTryAgain) {
  Workspace ws;
  ScriptedPresenter boxes{AnswerYes, AnswerNo};
  PrivilegedLogin login(ws, boxes);
  EXPECT_EQ(login.submit(QStringLiteral("Lentaro58"), LoginTrigger::EnterButton), LoginResult::Retry);
  EXPECT_EQ(boxes.last().text, QStringLiteral("Пароль не верен, введете снова? "));
  EXPECT_EQ(boxes.last().buttons, MessageButtons::YesNo);
  // The focus coming back to the edit is not a second attempt.
  EXPECT_EQ(login.submit(QStringLiteral("x"), LoginTrigger::EditFocus), LoginResult::Ignored);
  EXPECT_EQ(login.submit(QStringLiteral("x"), LoginTrigger::EditFocus), LoginResult::GaveUp);
  EXPECT_EQ(ws.editor.accessLevel, 0);
  EXPECT_EQ(ws.image.sys(sys::PrivilegedMark), 0);
  EXPECT_TRUE(boxes.allAnswered());
}

TEST(PrivilegedLogin, EmptyEditIsNoAttempt) {
  Workspace ws;
  ScriptedPresenter boxes;
  PrivilegedLogin login(ws, boxes);
  EXPECT_EQ(login.submit({}, LoginTrigger::EditFocus), LoginResult::Ignored);
  EXPECT_EQ(login.submit({}, LoginTrigger::EnterButton), LoginResult::Ignored);
  EXPECT_TRUE(boxes.shown().empty());
}

TEST(SpyMode, DoubleClickSwitchesItOnWithAWarning) {
  Workspace ws;
  ScriptedPresenter boxes{AnswerOk};
  EnterSpyMode(ws, boxes);
  EXPECT_TRUE(ws.editor.spyMode);
  EXPECT_EQ(boxes.last().text, QStringLiteral("Шпионский режим"));
  EXPECT_EQ(boxes.last().caption, QStringLiteral("Права доступа"));
}
