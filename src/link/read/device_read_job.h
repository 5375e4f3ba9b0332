// A device read as the program runs it: into a copy of the image, handed
// over only when the run succeeded, so a failed or stopped read never
// replaces the user's image.
#pragma once

#include <memory>

#include "link/read/device_read_run.h"

namespace nastrum {

class DeviceReadJob {
 public:
  // The constants are read into a fresh image (the device's settings make a
  // new file); the names into a copy of the current image, whose other
  // settings stay.
  RunOutcome run(RunContext& ctx, ReadChoice choice, const ReadRunHooks& hooks = {});

  ReadChoice choice() const { return choice_; }
  // The image read by the last run; null unless it succeeded.
  const SettingsImage* result() const { return result_.get(); }
  void clear() { result_.reset(); }

 private:
  ReadChoice choice_ = ReadChoice::Constants;
  std::unique_ptr<SettingsImage> result_;
};

}  // namespace nastrum
