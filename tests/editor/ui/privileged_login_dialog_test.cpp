#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editor/ui/base_form.h"
#include "editor/ui/privileged_login_dialog.h"
#include "editor/ui/scripted_file_dialogs.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"

using namespace nastrum;

namespace {

class LoginDialogTest : public ::testing::Test {
 protected:
  void enter(const QString& password) {
    dialog.passwordEdit()->setText(password);
    dialog.findChild<QPushButton*>(QStringLiteral("enterButton"))->click();
  }

  QApplication& app = widgetApplication();
  Workspace ws;
  ScriptedPresenter boxes;
  PrivilegedLoginDialog dialog{ws, boxes};
};

}  // namespace

TEST_F(LoginDialogTest, ShowsTheAccessRightsTexts) {
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Права доступа"));
  QStringList labels;
  for (const char* name : {"Label1", "Label2", "Label3", "Label4"})
    labels << dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
  EXPECT_EQ(labels, (QStringList{QStringLiteral("Данный параметр может изменить только"),
                                 QStringLiteral("привилегированный пользователь."),
                                 QStringLiteral("Введите пароль, который снимет все ограничения:"),
                                 QStringLiteral("Пароль:")}));
  EXPECT_EQ(dialog.passwordEdit()->echoMode(), QLineEdit::Password);
  EXPECT_EQ(dialog.passwordEdit()->toolTip(), QStringLiteral("введите пароль привилегированного пользователя"));
}

TEST_F(LoginDialogTest, RightPasswordClosesWithAccess) {
  dialog.show();
  boxes.then(AnswerOk);
  enter(QStringLiteral("lentaro58"));
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(ws.editor.accessLevel, 1);
  EXPECT_EQ(ws.image.sys(sys::PrivilegedMark), 1);
}

TEST_F(LoginDialogTest, WrongPasswordRetriesWithAnEmptyEditOrCloses) {
  dialog.show();
  boxes.then(AnswerYes).then(AnswerNo);
  enter(QStringLiteral("lentaro"));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.passwordEdit()->text().isEmpty());
  EXPECT_EQ(ws.editor.accessLevel, 0);

  enter(QStringLiteral("LENTARO58"));
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(ws.editor.accessLevel, 0);
  EXPECT_TRUE(boxes.allAnswered());
}

TEST_F(LoginDialogTest, ShowingAgainEmptiesTheEdit) {
  dialog.show();
  dialog.passwordEdit()->setText(QStringLiteral("half"));
  dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
  EXPECT_FALSE(dialog.isVisible());
  dialog.show();
  EXPECT_TRUE(dialog.passwordEdit()->text().isEmpty());
  dialog.hide();
}

TEST(SpyModeWidget, DoubleClickOnTheFirstLabelShowsTheDiagnosticFields) {
  widgetApplication();
  Workspace ws;
  ScriptedPresenter boxes{AnswerOk};
  ScriptedFileDialogs files;
  Tbase_form form(ws, boxes, files);
  EXPECT_FALSE(form.diagnosticField1()->isVisibleTo(&form));

  auto* label = form.loginDialog()->findChild<QLabel*>(QStringLiteral("Label1"));
  QTest::mouseDClick(label, Qt::LeftButton);
  EXPECT_TRUE(ws.editor.spyMode);
  EXPECT_EQ(boxes.last().text, QStringLiteral("Шпионский режим"));
  EXPECT_TRUE(form.diagnosticField1()->isVisibleTo(&form));
  EXPECT_TRUE(form.diagnosticField2()->isVisibleTo(&form));
}
