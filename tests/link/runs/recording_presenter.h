// A message presenter that records the boxes and answers OK.
#pragma once

#include <vector>

#include "model/message_presenter.h"

namespace nastrum::test {

class RecordingPresenter final : public MessagePresenter {
 public:
  int present(const MessageBoxSpec& box) override {
    boxes.push_back(box);
    return AnswerOk;
  }
  std::vector<MessageBoxSpec> boxes;
};

}  // namespace nastrum::test
