// The read-back after a write: every item sent is read from the device again
// and compared with the bytes that went out, so a write that the device
// acknowledged but did not keep is found before anyone relies on it.
#pragma once

#include <vector>

#include "link/runs/names_layout.h"
#include "link/runs/run_context.h"
#include "link/write/write_map.h"

namespace nastrum {

// Reads back each of `written` that can be read (not the password) and logs
// one row per value that differs, naming the item and both values. Returns 0
// when every value matched, run_code::kVerifyMismatch when one did not, or
// the code of a read that failed (the stop code after "СТОП"); after a
// failed read or STOP the rest is not read.
int VerifyWrittenItems(RunContext& ctx, const std::vector<WriteStep>& written);

// Reads the names area (and kind 3's work table) back and compares it with
// `sent`, the block a names write of a `kind` device sent: one row per name or
// desktop entry that differs, naming it with both values. Returns as
// VerifyWrittenItems does.
int VerifyWrittenNames(RunContext& ctx, const NamesBuffers& sent, int kind);

// "записано 81 40 00 00, в ОРВИК 81 40 00 7F": both values of a row.
QString VerifyMismatchText(const WriteStep& step, const QByteArray& held);

}  // namespace nastrum
