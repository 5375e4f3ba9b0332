// Every message box of the program goes through a MessagePresenter: the
// windows install one that shows a real box, tests install one that answers.
#pragma once

#include <QString>

namespace nastrum {

enum class MessageIcon { Information, Warning, Question, Stop };
enum class MessageButtons { Ok, YesNo, YesNoCancel };

// Button codes returned by a message box.
enum MessageAnswer : int { AnswerOk = 1, AnswerCancel = 2, AnswerYes = 6, AnswerNo = 7 };

struct MessageBoxSpec {
  int code = 0;  // catalogue code, 0 for a box outside the catalogue
  QString caption;
  QString text;
  MessageIcon icon = MessageIcon::Information;
  MessageButtons buttons = MessageButtons::Ok;
};

class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  // Shows the box and returns the button pressed (a MessageAnswer).
  virtual int present(const MessageBoxSpec& box) = 0;
};

}  // namespace nastrum
