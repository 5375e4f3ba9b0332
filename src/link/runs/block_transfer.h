// The names area as one block: read in 64-byte chunks, written as a whole
// through the device's loader.
#pragma once

#include "link/runs/device_session.h"
#include "link/runs/names_layout.h"
#include "link/runs/run_context.h"
#include "link/runs/transfer_options.h"

namespace nastrum {

constexpr int kNamesChunkTries = 3;
constexpr int kLoaderSliceSize = 128;
constexpr int kBufferOpenPauseMs = 1000;

// The transfer options of a run: the diagnostic mode and its log as the run
// has them, the dump files in `dumpFolder`.
TransferOptions TransferOptionsFor(RunContext& ctx, const QString& dumpFolder = QStringLiteral("."));

// Identifies the device and reads its names area (and kind 3's work table)
// into `buffers`. `modelCode` gets the identified model. Returns 0, the
// failing code (a chunk that never arrived gives 25), or 24 for a model
// without a names layout.
int BlockRead(DeviceSession& link, NamesBuffers& buffers, int& modelCode, const TransferOptions& options);

// Identifies the device, opens its loader and writes the transfer image of
// `buffers`. Returns 0 or the failing code (26 when the loader could not be
// opened, 46 for the two-wire line with kinds 1 and 2). `loaderLeftOpen`, when
// given, tells whether the device was left in its loader: opened, and not
// closed by the final command.
int BlockWrite(DeviceSession& link, const NamesBuffers& buffers, int& modelCode, const TransferOptions& options,
               bool* loaderLeftOpen = nullptr);

}  // namespace nastrum
