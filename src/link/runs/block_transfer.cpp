#include "link/runs/block_transfer.h"

#include "link/clock.h"
#include "link/device_commands.h"
#include "link/frames.h"
#include "link/runs/reprog_exchange.h"
#include "link/runs/run_codes.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

constexpr std::uint8_t kBufferOpen = 0x22;
constexpr std::uint8_t kBufferConfirm = 0x55;
constexpr std::uint8_t kBufferCancel = 0x00;
constexpr std::uint8_t kSyncCommand = 0x00;
constexpr std::uint8_t kWriteCommand = 0x70;
constexpr std::uint8_t kFinishCommand = 0xCC;

int BufferCommand(DeviceSession& link, std::uint8_t what) { return toInt(link.commands().ReprogrammingBuffer(what)); }

int ReadChunk(DeviceSession& link, int kind, int offset, QByteArray& chunk) {
  const NamesKindLayout& layout = *NamesLayoutFor(kind);
  const auto address = static_cast<std::uint16_t>((layout.startPage + offset / 256) << 8 | offset % 256);
  const auto selector = static_cast<std::uint8_t>(ReadSelector(kind, link.setup().protocol));
  int result = run_code::kNoAnswer;
  for (int t = 0; t < kNamesChunkTries; ++t) {
    result = toInt(link.commands().ReadNamesChunk(address, selector, chunk));
    if (result == run_code::kOk) return result;
  }
  return result == run_code::kShortReply ? run_code::kNamesChunkLost : result;
}

void Put(QByteArray& target, int offset, const QByteArray& bytes) {
  for (int i = 0; i < bytes.size() && offset + i < target.size(); ++i) target[offset + i] = bytes[i];
}

}  // namespace

TransferOptions TransferOptionsFor(RunContext& ctx, const QString& dumpFolder) {
  TransferOptions options;
  options.spyMode = ctx.spy();
  options.log = [&observer = ctx.observer](const QString& line) { observer.logLine(line); };
  options.dumpFolder = dumpFolder;
  return options;
}

int BlockRead(DeviceSession& link, NamesBuffers& buffers, int& modelCode, const TransferOptions& options) {
  DeviceIdentity identity;
  const int identified = toInt(link.commands().Identify(identity));
  modelCode = identity.modelCode;
  if (identified != run_code::kOk) return identified;
  const NamesKindLayout* layout = NamesLayoutFor(modelCode);
  if (!layout) return run_code::kKindMismatch;

  for (int offset = 0; offset < layout->readSize; offset += kNamesChunkBytes) {
    QByteArray chunk;
    const int result = ReadChunk(link, modelCode, offset, chunk);
    if (result != run_code::kOk) return result;
    chunk = chunk.left(kNamesChunkBytes);
    if (offset < layout->areaSize)
      Put(buffers.names, offset, chunk);
    else if (offset >= kNamesBufferSize && offset < kNamesBufferSize + layout->workTableSize)
      Put(buffers.workTable, offset - kNamesBufferSize, chunk);
  }

  if (options.spyMode) {
    WriteDumpFile(options, QStringLiteral("IzBloka.FIL"), buffers.names.left(layout->areaSize / 16 * 16));
    if (layout->workTableSize > 0) WriteDumpFile(options, QStringLiteral("WorkTable.FIL"), buffers.workTable);
  }
  return run_code::kOk;
}

int BlockWrite(DeviceSession& link, const NamesBuffers& buffers, int& modelCode, const TransferOptions& options,
               bool* loaderLeftOpen) {
  bool unused = false;
  bool& leftOpen = loaderLeftOpen ? *loaderLeftOpen : unused;
  leftOpen = false;
  DeviceIdentity identity;
  int result = toInt(link.commands().Identify(identity));
  modelCode = identity.modelCode;
  const NamesKindLayout* layout = NamesLayoutFor(modelCode);
  const bool twoWire = link.setup().lineKind == LineKind::TwoWire;
  // Refused before the loader is opened, so the device is not left in it.
  if (result == run_code::kOk && twoWire && layout && !kindProfile(modelCode).namesOverTwoWireLoop)
    return run_code::kTwoWireNames;

  if (result == run_code::kOk && !layout) result = run_code::kKindMismatch;
  if (result == run_code::kOk) result = BufferCommand(link, kBufferOpen);
  if (result == run_code::kOk) {
    link.pause(kBufferOpenPauseMs);
    result = BufferCommand(link, kBufferConfirm);
  }
  if (result != run_code::kOk) {
    BufferCommand(link, kBufferCancel);
    return run_code::kLoaderNotOpened;
  }
  leftOpen = true;

  const QByteArray image = TransferImage(buffers, modelCode);
  if (options.spyMode) {
    WriteDumpFile(options, QStringLiteral("Ola.FIL"), image);
    if (layout->workTableSize > 0) WriteDumpFile(options, QStringLiteral("OlTable.FIL"), buffers.workTable);
  }

  if (twoWire) {
    // Kind 3 on the two-wire loop: let the loader find the byte boundaries first.
    ReprogRequest sync;
    sync.command = kSyncCommand;
    for (int i = 0; i < 2 && ReprogExchange(link, sync, options) != run_code::kOk; ++i) {
    }
  }

  for (int slice = 0; slice * kLoaderSliceSize < image.size(); ++slice) {
    ReprogRequest write;
    write.command = kWriteCommand;
    write.stages = 2;
    write.completionWanted = true;
    write.completionTimeoutSeconds = 1;
    write.packet.append(static_cast<char>(layout->startPage + slice / 2));
    write.packet.append(static_cast<char>(slice % 2 == 0 ? layout->lowHalfSelector : layout->highHalfSelector));
    write.packet.append(image.mid(slice * kLoaderSliceSize, kLoaderSliceSize));
    // The packet's checksum is formed like a traditional frame's: the bytes sum to 0.
    write.packet.append(static_cast<char>(TraditionalChecksum(write.packet)));
    result = ReprogExchange(link, write, options);
    if (result != run_code::kOk) return result;
  }

  ReprogRequest finish;
  finish.command = kFinishCommand;
  result = ReprogExchange(link, finish, options);
  leftOpen = result != run_code::kOk;
  return result;
}

}  // namespace nastrum
