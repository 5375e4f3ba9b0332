// A CheckView that records what the check asked the windows to do.
#pragma once

#include <QStringList>

#include "check/check_view.h"

namespace nastrum::testing {

class RecordingCheckView : public CheckView {
 public:
  QStringList calls;
  CheckResult shown;
  bool correctionButton = false;
  bool promptOpen = false;
  bool windowOpen = false;

  void beep() override { calls << "beep"; }
  void hidePageSets() override { calls << "hidePageSets"; }
  void showErrors(const CheckResult& result, bool) override {
    calls << "showErrors";
    shown = result;
    windowOpen = true;
  }
  void closeErrorWindow() override {
    calls << "closeErrorWindow";
    windowOpen = false;
  }
  void setCorrectionButtonVisible(bool visible) override { correctionButton = visible; }
  void showCorrectionPrompt() override {
    calls << "showCorrectionPrompt";
    promptOpen = true;
  }
  void closeCorrectionPrompt() override {
    calls << "closeCorrectionPrompt";
    promptOpen = false;
  }
  void enableSetup() override { calls << "enableSetup"; }
};

}  // namespace nastrum::testing
