#include "link/read/device_read_job.h"

#include "model/editor_state.h"
#include "model/reset_image.h"

namespace nastrum {

RunOutcome DeviceReadJob::run(RunContext& ctx, ReadChoice choice, const ReadRunHooks& hooks) {
  choice_ = choice;
  result_.reset();
  auto image = std::make_unique<SettingsImage>(ctx.workspace.image);
  if (choice == ReadChoice::Constants) {
    EditorState scratch;  // the editor's own state is not the read's to reset
    ResetImage(*image, scratch);
  }
  const RunOutcome outcome = RunDeviceRead(ctx, choice, *image, hooks);
  if (outcome.done) result_ = std::move(image);
  return outcome;
}

}  // namespace nastrum
