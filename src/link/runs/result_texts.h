// The texts the exchange runs log for each result code of an exchange.
#pragma once

#include <QString>

namespace nastrum {

// Result codes the runs themselves produce (the link layer produces the rest).
namespace run_code {
constexpr int kOk = 0;
constexpr int kNoAnswer = 1;          // also every refusal of the access check
constexpr int kShortReply = 5;
constexpr int kStoppedByUser = 23;    // "СТОП"
constexpr int kKindMismatch = 24;
constexpr int kNamesChunkLost = 25;
constexpr int kLoaderNotOpened = 26;
constexpr int kLoaderCommandRejected = 27;
constexpr int kLoaderPacketRejected = 28;
constexpr int kLoaderNoCompletion = 29;
constexpr int kNoJumper = 40;
constexpr int kVoltageOutOfRange = 41;
constexpr int kEraseFailed = 42;
constexpr int kEraseSuspended = 43;
constexpr int kProgrammingFailed = 44;
constexpr int kMemoryFailed = 45;
constexpr int kTwoWireNames = 46;
}  // namespace run_code

constexpr int kResultTextCount = 47;

// The text of `code`; an unknown code gives its decimal number so a log line
// never hides a failure.
QString ResultText(int code);

}  // namespace nastrum
