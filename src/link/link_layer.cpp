#include "link/link_layer.h"

#include <algorithm>

#include "link/link_framing.h"
#include "link/link_log.h"
#include "link/link_timing.h"

namespace nastrum {

namespace {

const FramingOps& framingFor(LinkProtocol protocol) {
  switch (protocol) {
    case LinkProtocol::Ft12: return Ft12Framing();
    case LinkProtocol::Ft11: return Ft11Framing();
    case LinkProtocol::Traditional: break;
  }
  return TraditionalFraming();
}

}  // namespace

ResultCode LinkLayer::Exchange(const QByteArray& request, int replyLength, QByteArray& reply,
                              const LinkParams& params) {
  reply.clear();
  if (request.isEmpty() || request.size() > kMaxRequestLength || replyLength < 0) {
    qCWarning(lcLink) << "request of" << request.size() << "bytes not sent";
    return ResultCode::SendFailed;
  }
  const FramingOps& ops = framingFor(params.protocol);
  port_.SetReadTimeout(kExchangeReadTimeoutSeconds);

  const int tries = std::max(settings_.tryCount, 1);
  ResultCode code = ResultCode::NoAnswer;
  for (int attempt = 0; attempt < tries; ++attempt) {
    if (ops.purgeBeforeRetryPause) port_.PurgeReceive();
    if (attempt > 0) port_.pause(settings_.retryPauseMs);
    reply.clear();
    AttemptContext context{port_, params, request, replyLength, reply, frameLog_};
    code = ops.attempt(context);
    if (ops.restAfterAttemptMs > 0) port_.pause(ops.restAfterAttemptMs);
    if (ops.isFinal(code)) break;
    qCDebug(lcLink) << "attempt" << attempt + 1 << "failed with code" << toInt(code);
  }
  if (code != ResultCode::Ok) reply.clear();
  // A command without reply data is acknowledged by the bare positive ACK.
  if (params.protocol != LinkProtocol::Traditional && code == ResultCode::PositiveAck && replyLength == 0)
    code = ResultCode::Ok;
  return code;
}

bool LinkLayer::SelectDevice(std::uint8_t address, LineKind lineKind) {
  Clock& clock = port_.clock();
  port_.pause(kSelectPauseMs);
  port_.SetReadTimeoutMs(kSelectReadTimeoutMs);
  port_.SetAddressFraming(true);
  port_.PrepareLine(lineKind);
  port_.PurgeReceive();
  if (!port_.write(QByteArray(1, static_cast<char>(address)))) return false;
  port_.pause(kSelectPauseMs);
  if (lineKind == LineKind::TwoWire) port_.read(1);  // our own address byte
  port_.pause(kSelectPauseMs);
  port_.SetAddressFraming(false);

  const std::int64_t start = clock.nowMs();
  while (clock.nowMs() - start < kHandshakeWindowMs) {
    const QByteArray answer = port_.read(1);
    if (answer.size() == 1 && static_cast<std::uint8_t>(answer[0]) == address) {
      port_.pause(kSelectAnsweredPauseMs);
      return true;
    }
  }
  qCInfo(lcLink) << "device" << address << "did not answer the network select";
  return false;
}

}  // namespace nastrum
