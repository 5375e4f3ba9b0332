// A workspace, scripted message boxes and file windows, and the flows over
// them, run inside a temporary current directory.
#pragma once

#include <gtest/gtest.h>

#include "editor/workflow/fake_window_services.h"
#include "editor/workflow/main_window_flows.h"
#include "support/scripted_presenter.h"
#include "support/temp_current_dir.h"

namespace nastrum {

class FlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.file = &ws.file;
    flows.Start();
  }

  // "Новый", the kind's radio button, "ОК".
  void newImage(Word kind) {
    flows.NewImage();
    flows.ChooseNewKind(kind);
    flows.ConfirmNewKind();
  }
  // A new image saved as `name`, so it is loaded and named.
  void namedImage(Word kind, const QString& name) {
    newImage(kind);
    window.saveAnswers.push_back(name);
    ASSERT_TRUE(flows.SaveImage());
  }

  TempCurrentDir dir;
  Workspace ws;
  ScriptedPresenter boxes;
  FakeWindowServices window;
  MainWindowFlows flows{ws, boxes, window};
};

}  // namespace nastrum
