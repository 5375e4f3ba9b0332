// Small hand-made images for the descriptor tests.
#pragma once

#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_image.h"

namespace nastrum::test {

inline SettingsImage freshImage(int kind) {
  SettingsImage image;
  EditorState editor;
  image.deviceKind = kind;
  ResetImage(image, editor);
  return image;
}

inline SensorRecord& sensor(SettingsImage& im, int n) { return im.sensors[static_cast<std::size_t>(n)]; }
inline PipelineRecord& pipeline(SettingsImage& im, int n) { return im.pipelines[static_cast<std::size_t>(n)]; }

}  // namespace nastrum::test
