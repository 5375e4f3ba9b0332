// Editor state kept beside the settings image; never stored in files.
#pragma once

#include <QString>

namespace nastrum {

struct EditorState {
  bool fileOpen = false;     // an image is loaded (new, opened or read)
  bool modified = false;     // changed since opened, read or saved
  bool unnamedNew = false;   // made by "Новый" or a device read; no user-chosen name yet
  QString currentFileName;   // full path of the .bfm file
  int accessLevel = 0;       // 1 after the privileged password was accepted
  bool spyMode = false;      // diagnostic mode
  bool checkFailed = false;  // the last check found errors the correction can repair
};

}  // namespace nastrum
