// The application's one settings image with the state that lives beside it.
// Windows and runs receive it by reference; nothing about it is global.
#pragma once

#include "model/document_file.h"
#include "model/editor_state.h"
#include "model/run_state.h"
#include "model/settings_image.h"

namespace nastrum {

struct Workspace {
  SettingsImage image;
  DocumentFile file;  // where the image belongs; the settings document writes it
  EditorState editor;
  RunState run;
};

}  // namespace nastrum
