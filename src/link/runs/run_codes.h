// The result codes the runs name, as the plain integers runs keep and log
// (the link layer's ResultCode gives them their numbers).
#pragma once

#include "link/result_code.h"
#include "link/runs/result_texts.h"

namespace nastrum::run_code {

constexpr int kOk = toInt(ResultCode::Ok);
constexpr int kNoAnswer = toInt(ResultCode::NoAnswer);  // also every refusal of the access check
constexpr int kShortReply = toInt(ResultCode::ReplyShort);
constexpr int kSendFailed = toInt(ResultCode::SendFailed);
constexpr int kStoppedByUser = toInt(ResultCode::Stopped);  // "СТОП"
constexpr int kKindMismatch = toInt(ResultCode::WrongDeviceKind);
constexpr int kNamesChunkLost = toInt(ResultCode::NamesNotReceived);
constexpr int kLoaderNotOpened = toInt(ResultCode::LoaderNotOpened);
constexpr int kLoaderCommandRejected = toInt(ResultCode::LoaderCommandRejected);
constexpr int kLoaderPacketRejected = toInt(ResultCode::LoaderPacketRejected);
constexpr int kLoaderNoCompletion = toInt(ResultCode::LoaderNoCompletion);
constexpr int kNoJumper = toInt(ResultCode::NoProgrammingJumper);
constexpr int kVoltageOutOfRange = toInt(ResultCode::ProgrammingVoltage);
constexpr int kEraseFailed = toInt(ResultCode::EraseFailed);
constexpr int kEraseSuspended = toInt(ResultCode::EraseSuspended);
constexpr int kProgrammingFailed = toInt(ResultCode::ProgrammingFailed);
constexpr int kMemoryFailed = toInt(ResultCode::MemoryFailure);
constexpr int kTwoWireNames = toInt(ResultCode::NamesNeedFourWireLoop);
// The program's own, beyond the device's table: what was written did not read back the same.
constexpr int kVerifyMismatch = kVerifyMismatchCode;
// The program's own: the backup taken before a write could not be saved; nothing was sent.
constexpr int kBackupNotSaved = kBackupNotSavedCode;

}  // namespace nastrum::run_code
