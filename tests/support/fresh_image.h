// A settings image as "Новый" leaves it: reset, of the given device kind.
#pragma once

#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_image.h"

namespace nastrum::testing {

inline SettingsImage freshImage(Word kind) {
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  image.deviceKind = kind;
  return image;
}

}  // namespace nastrum::testing
