// The table of operations behind each link protocol. The attempt loop of
// LinkLayer::Exchange is shared; a framing says how one attempt goes and
// which of its codes end the exchange.
#pragma once

#include <QByteArray>

#include "link/link_layer.h"

namespace nastrum {

struct AttemptContext {
  SerialPort& port;
  const LinkParams& params;
  const QByteArray& request;
  int replyLength;
  QByteArray& reply;
  const FrameLog& frameLog;
};

struct FramingOps {
  // FT frames purge the receiver before the retry pause, the traditional
  // handshake after it (as part of each attempt).
  bool purgeBeforeRetryPause;
  ResultCode (*attempt)(AttemptContext& context);
  bool (*isFinal)(ResultCode code);
  int restAfterAttemptMs;
};

const FramingOps& TraditionalFraming();
const FramingOps& Ft12Framing();
const FramingOps& Ft11Framing();

}  // namespace nastrum
