// A settings image as "Новый" leaves it: reset, of the given device kind.
#pragma once

#include "model/editor_state.h"
#include "model/reset_image.h"
#include "model/settings_image.h"
#include "model/workspace.h"

namespace nastrum::testing {

inline SettingsImage freshImage(Word kind) {
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  image.deviceKind = kind;
  return image;
}

// A workspace holding such an image, with nothing open.
inline Workspace freshWorkspace(Word kind) {
  Workspace workspace;
  workspace.image = freshImage(kind);
  return workspace;
}

}  // namespace nastrum::testing
