// The two questions a write asks on its way: whether to change the device's
// password, and whether to put the device back to work. The exchange window
// asks the user; the command line answers from its options.
#pragma once

#include "model/message_presenter.h"

namespace nastrum {

class WriteAnswerer {
 public:
  virtual ~WriteAnswerer() = default;
  // The password field differs from the image's password: write the image's?
  virtual bool confirmPasswordChange() = 0;
  // The settings are in: start the device?
  virtual bool confirmStart() = 0;
};

// Asks through the message boxes; "Да" confirms.
class PresenterWriteAnswerer final : public WriteAnswerer {
 public:
  explicit PresenterWriteAnswerer(MessagePresenter& presenter) : presenter_(presenter) {}
  bool confirmPasswordChange() override;
  bool confirmStart() override;

 private:
  MessagePresenter& presenter_;
};

// Answers given in advance.
class FixedWriteAnswerer final : public WriteAnswerer {
 public:
  FixedWriteAnswerer(bool changePassword, bool start) : changePassword_(changePassword), start_(start) {}
  bool confirmPasswordChange() override { return changePassword_; }
  bool confirmStart() override { return start_; }

 private:
  bool changePassword_;
  bool start_;
};

// The questions' texts, as the boxes show them.
QString PasswordChangeQuestion();
QString StartQuestion();

}  // namespace nastrum
