// The reply reading of each link protocol fed with whatever the line brings:
// any bytes, in any split over the requests, on the virtual clock. An
// exchange always ends, with a known code, within its attempts' windows, and
// hands over no more data than was asked for.
#include <cstdlib>

#include "fuzz_input.h"
#include "fuzz_line.h"
#include "link/link_layer.h"
#include "link/serial_port.h"

using namespace nastrum;

namespace {

bool knownCode(ResultCode code) {
  switch (code) {
    case ResultCode::Ok:
    case ResultCode::NoAnswer:
    case ResultCode::NoAcknowledge:
    case ResultCode::RequestRefused:
    case ResultCode::ReplyChecksum:
    case ResultCode::ReplyShort:
    case ResultCode::SendFailed:
    case ResultCode::Crc16Mismatch:
    case ResultCode::ControlByte:
    case ResultCode::AddressMismatch:
    case ResultCode::LengthMismatch:
    case ResultCode::SecondStartByte:
    case ResultCode::EndByte:
    case ResultCode::FrameChecksum:
    case ResultCode::PositiveAck:
    case ResultCode::NegativeAck:
      return true;
    default:
      return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t setup = in.byte();
  const std::uint8_t replyLength = in.byte();
  const std::uint8_t address = in.byte();
  LinkParams params;
  params.protocol = static_cast<LinkProtocol>(setup % 3);
  params.crcMode = static_cast<CrcMode>((setup / 3) % 3);
  params.lineKind = static_cast<LineKind>(((setup >> 3) & 3) % 3);
  params.deviceAddress = address;
  const int baudIndex = (setup >> 5) & 7;

  // The rest: length-prefixed replies, one per write of the program.
  QList<QByteArray> replies;
  while (!in.empty()) replies << in.take(in.byte());

  VirtualClock clock;
  fuzz::FuzzLine line(clock, replies, params.lineKind == LineKind::TwoWire);
  SerialPort port(line, clock);
  if (!port.OpenPort(QStringLiteral("/dev/fuzz"), baudIndex, Channel::Main, params.lineKind)) return 0;
  LinkLayer link(port);

  const QByteArray request = QByteArray::fromHex("01401e");  // read a parameter
  const int wanted = replyLength % 64;
  QByteArray reply;
  const std::int64_t start = clock.nowMs();
  const ResultCode code = link.Exchange(request, wanted, reply, params);
  if (!knownCode(code)) std::abort();
  if (code == ResultCode::Ok && reply.size() > wanted) std::abort();
  // Two attempts, a 3 s pause, and per attempt at most a few reads of the
  // slowest speed class (8 s, plus 2 s for long replies) and its 6.912 s window.
  if (clock.nowMs() - start > 2 * (5 * 10000 + 6912) + 3000) std::abort();
  return 0;
}
