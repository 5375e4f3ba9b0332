// Editor state kept beside the settings image; never stored in files.
#pragma once

namespace nastrum {

struct EditorState {
  int accessLevel = 0;       // 1 after the privileged password was accepted
  bool spyMode = false;      // diagnostic mode
  bool checkFailed = false;  // the last check found errors the correction can repair
};

}  // namespace nastrum
