#include "editor/ui/message_box_presenter.h"

#include <QMessageBox>
#include <QPushButton>

namespace nastrum {

namespace {

QMessageBox::Icon iconFor(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Information: break;
  }
  return QMessageBox::Information;
}

}  // namespace

int MessageBoxPresenter::present(const MessageBoxSpec& box) {
  QMessageBox dialog(iconFor(box.icon), box.caption, box.text, QMessageBox::NoButton, parent_);
  QPushButton* ok = nullptr;
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  QPushButton* cancel = nullptr;
  switch (box.buttons) {
    case MessageButtons::Ok:
      ok = dialog.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
      dialog.setEscapeButton(ok);
      break;
    case MessageButtons::YesNoCancel:
      yes = dialog.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
      no = dialog.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
      cancel = dialog.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
      dialog.setEscapeButton(cancel);
      break;
    case MessageButtons::YesNo:
      yes = dialog.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
      no = dialog.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
      dialog.setEscapeButton(no);
      break;
  }
  if (yes) dialog.setDefaultButton(yes);
  dialog.exec();

  const auto* clicked = dialog.clickedButton();
  if (clicked == yes && yes) return AnswerYes;
  if (clicked == no && no) return AnswerNo;
  if (clicked == ok && ok) return AnswerOk;
  // Closed with Escape or the close box: the most cautious answer.
  if (cancel) return AnswerCancel;
  if (no) return AnswerNo;
  return AnswerOk;
}

}  // namespace nastrum
