// What the settings check shows: implemented by the windows, or by nothing
// at all where no window exists (the command-line tool, tests).
#pragma once

#include "check/check_result.h"

namespace nastrum {

class CheckView {
 public:
  virtual ~CheckView() = default;
  virtual void beep() {}
  virtual void hidePageSets() {}
  // Fills the error window with the rows and shows it.
  virtual void showErrors(const CheckResult& /*result*/, bool /*spyMode*/) {}
  virtual void closeErrorWindow() {}
  virtual void setCorrectionButtonVisible(bool /*visible*/) {}
  // The correction prompt, not modal.
  virtual void showCorrectionPrompt() {}
  virtual void closeCorrectionPrompt() {}
  virtual void enableSetup() {}
};

}  // namespace nastrum
