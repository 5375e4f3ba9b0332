// The texts the exchange runs log for each result code.
#pragma once

#include <QString>

#include "link/result_code.h"

namespace nastrum {

constexpr int kResultTextCount = 47;
// A code of the program's own past the table: a value read back after a
// write is not the one written.
constexpr int kVerifyMismatchCode = 50;
// The device was read for its backup but the backup could not be saved, so
// nothing was written.
constexpr int kBackupNotSavedCode = 51;

// The text of `code` ("  OK", "  Нет ответа от ОРВИК ", …); a code outside
// the table gives its decimal number so a log line never hides a failure.
QString ResultText(int code);
inline QString ResultText(ResultCode code) { return ResultText(toInt(code)); }

}  // namespace nastrum
