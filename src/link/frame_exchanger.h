// One request frame to the device and its checked reply: what the device
// commands travel over. The link layer is one; a run's device session is
// another, so that tests can put a fake device behind the same commands.
#pragma once

#include <QByteArray>

#include "link/link_params.h"
#include "link/result_code.h"

namespace nastrum {

class FrameExchanger {
 public:
  virtual ~FrameExchanger() = default;

  // Sends `request` (the command code and its arguments) framed by `params`
  // and on success leaves the first `replyLength` data bytes of the reply in
  // `reply`.
  virtual ResultCode Exchange(const QByteArray& request, int replyLength, QByteArray& reply,
                              const LinkParams& params) = 0;
};

}  // namespace nastrum
