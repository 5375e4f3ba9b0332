#include "editor/ui/privileged_login_dialog.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace nastrum {

PrivilegedLoginDialog::PrivilegedLoginDialog(Workspace& workspace, MessagePresenter& messages, QWidget* parent)
    : QDialog(parent), workspace_(workspace), messages_(messages) {
  setObjectName(QStringLiteral("Unit2"));
  setWindowTitle(accessRightsCaption());
  setModal(true);

  firstLabel_ = new QLabel(QStringLiteral("Данный параметр может изменить только"), this);
  firstLabel_->setObjectName(QStringLiteral("Label1"));
  firstLabel_->installEventFilter(this);
  auto* label2 = new QLabel(QStringLiteral("привилегированный пользователь."), this);
  label2->setObjectName(QStringLiteral("Label2"));
  auto* label3 = new QLabel(QStringLiteral("Введите пароль, который снимет все ограничения:"), this);
  label3->setObjectName(QStringLiteral("Label3"));
  auto* label4 = new QLabel(QStringLiteral("Пароль:"), this);
  label4->setObjectName(QStringLiteral("Label4"));

  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("passwordEdit"));
  edit_->setEchoMode(QLineEdit::Password);
  edit_->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
  edit_->setToolTip(QStringLiteral("введите пароль привилегированного пользователя"));
  edit_->installEventFilter(this);

  auto* enter = new QPushButton(QStringLiteral("Ввод"), this);
  enter->setObjectName(QStringLiteral("enterButton"));
  enter->setAutoDefault(false);
  auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
  cancel->setObjectName(QStringLiteral("cancelButton"));
  cancel->setAutoDefault(false);
  connect(enter, &QPushButton::clicked, this, [this] { submit(LoginTrigger::EnterButton); });
  connect(edit_, &QLineEdit::returnPressed, this, [this] { submit(LoginTrigger::EnterButton); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* passwordRow = new QHBoxLayout;
  passwordRow->addWidget(label4);
  passwordRow->addWidget(edit_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(enter);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(firstLabel_);
  layout->addWidget(label2);
  layout->addWidget(label3);
  layout->addLayout(passwordRow);
  layout->addLayout(buttons);

  beginSession();
}

void PrivilegedLoginDialog::beginSession() {
  edit_->clear();
  login_.emplace(workspace_, messages_);
}

void PrivilegedLoginDialog::showEvent(QShowEvent* event) {
  beginSession();
  QDialog::showEvent(event);
}

void PrivilegedLoginDialog::submit(LoginTrigger trigger) {
  switch (login_->submit(edit_->text(), trigger)) {
    case LoginResult::Ignored: break;
    case LoginResult::Accepted: accept(); break;
    case LoginResult::Retry:
      edit_->clear();
      edit_->setFocus();
      break;
    case LoginResult::GaveUp: reject(); break;
  }
}

bool PrivilegedLoginDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == firstLabel_ && event->type() == QEvent::MouseButtonDblClick) {
    EnterSpyMode(workspace_, messages_);
    emit spyModeEntered();
    return true;
  }
  if (watched == edit_ && event->type() == QEvent::FocusIn) submit(LoginTrigger::EditFocus);
  return QDialog::eventFilter(watched, event);
}

}  // namespace nastrum
