// A MessagePresenter for tests: records every box it is asked to show and
// answers from a script. A box beyond the script, or a scripted answer the
// box has no button for, fails the running test.
//
//   ScriptedPresenter boxes{AnswerYes};   // one box expected, answered "Да"
//   runSomething(boxes);
//   EXPECT_EQ(boxes.codes(), std::vector<int>{4});
//   EXPECT_TRUE(boxes.allAnswered());
//
// acknowledgeOkBoxes() lets boxes whose only button is OK pass with OK
// without taking an answer from the script (they are still recorded).
#pragma once

#include <deque>
#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "model/message_presenter.h"

namespace nastrum {

class ScriptedPresenter final : public MessagePresenter {
 public:
  ScriptedPresenter() = default;
  ScriptedPresenter(std::initializer_list<int> answers) : answers_(answers) {}

  // Appends answers to the script.
  ScriptedPresenter& then(int answer) {
    answers_.push_back(answer);
    return *this;
  }

  ScriptedPresenter& acknowledgeOkBoxes(bool on = true) {
    acknowledgeOk_ = on;
    return *this;
  }

  int present(const MessageBoxSpec& box) override {
    shown_.push_back(box);
    if (acknowledgeOk_ && box.buttons == MessageButtons::Ok) return AnswerOk;
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected message box " << box.code << " \"" << box.caption.toStdString() << "\": "
                    << box.text.toStdString();
      return fallbackAnswer(box.buttons);
    }
    const int answer = answers_.front();
    answers_.pop_front();
    if (!offers(box.buttons, answer)) {
      ADD_FAILURE() << "scripted answer " << answer << " is not a button of message box " << box.code << ": "
                    << box.text.toStdString();
      return fallbackAnswer(box.buttons);
    }
    return answer;
  }

  const std::vector<MessageBoxSpec>& shown() const { return shown_; }
  std::vector<int> codes() const {
    std::vector<int> out;
    for (const MessageBoxSpec& box : shown_) out.push_back(box.code);
    return out;
  }
  const MessageBoxSpec& last() const { return shown_.back(); }
  bool allAnswered() const { return answers_.empty(); }
  void clear() {
    shown_.clear();
    answers_.clear();
  }

 private:
  static bool offers(MessageButtons buttons, int answer) {
    switch (buttons) {
      case MessageButtons::Ok:
        return answer == AnswerOk;
      case MessageButtons::YesNo:
        return answer == AnswerYes || answer == AnswerNo;
      case MessageButtons::YesNoCancel:
        return answer == AnswerYes || answer == AnswerNo || answer == AnswerCancel;
    }
    return false;
  }
  // What closing the box would give: the least harmful choice.
  static int fallbackAnswer(MessageButtons buttons) {
    switch (buttons) {
      case MessageButtons::Ok:
        return AnswerOk;
      case MessageButtons::YesNo:
        return AnswerNo;
      case MessageButtons::YesNoCancel:
        return AnswerCancel;
    }
    return AnswerCancel;
  }

  std::deque<int> answers_;
  bool acknowledgeOk_ = false;
  std::vector<MessageBoxSpec> shown_;
};

}  // namespace nastrum
