// The names block read and write and the loader exchange, against the fake
// device and its byte-level loader.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "link/runs/block_transfer.h"
#include "link/runs/fake_device.h"
#include "link/runs/reprog_exchange.h"
#include "link/runs/run_codes.h"

namespace nastrum {
namespace {

using test::FakeDevice;

struct KindCase {
  int kind;
  int modelA;
  int chunks;
  int firstAddress;
  int lastAddress;
  int packets;
  int lastPage;
};

constexpr KindCase kKinds[] = {
    {1, 1, 29, 0x9000, 0x9700, 16, 0x97},
    {2, 2, 64, 0x8000, 0x8FC0, 32, 0x8F},
    {3, 3, 72, 0x8000, 0x91C0, 36, 0x91},
};

void MakeKind(FakeDevice& device, const KindCase& k) {
  device.modelA = static_cast<std::uint8_t>(k.modelA);
  device.modelB = static_cast<std::uint8_t>(255 - k.modelA);
  device.loaderStartPage = k.kind == 1 ? 0x90 : 0x80;
  device.loaderHighSelector = k.kind == 1 ? 0x1F : 0x18;
  LinkSetup setup;
  device.open(QStringLiteral("/dev/fake"), setup);
}

std::vector<int> ChunkAddresses(const FakeDevice& device) {
  std::vector<int> out;
  for (const auto& r : device.requests)
    if (static_cast<std::uint8_t>(r[0]) == 0x03)
      out.push_back(static_cast<std::uint8_t>(r[1]) << 8 | static_cast<std::uint8_t>(r[2]));
  return out;
}

TEST(BlockRead, ReadsEachKindsChunksIntoTheBuffers) {
  for (const auto& k : kKinds) {
    FakeDevice device;
    MakeKind(device, k);
    for (int i = 0; i < 0x1200; ++i) device.memory[k.firstAddress + i] = static_cast<char>(i * 7 + 1);
    NamesBuffers buffers;
    int model = 0;
    ASSERT_EQ(BlockRead(device, buffers, model, {}), 0) << k.kind;
    EXPECT_EQ(model, k.kind);
    const auto addresses = ChunkAddresses(device);
    ASSERT_EQ(static_cast<int>(addresses.size()), k.chunks) << k.kind;
    EXPECT_EQ(addresses.front(), k.firstAddress);
    EXPECT_EQ(addresses.back(), k.lastAddress);
    EXPECT_EQ(static_cast<std::uint8_t>(device.requests.back()[3]), k.kind == 1 ? 0x0F : 0xF8);

    const int area = NamesLayoutFor(k.kind)->areaSize;
    EXPECT_EQ(buffers.names.left(area), device.memory.mid(k.firstAddress, area)) << k.kind;
    if (k.kind == 2) {
      EXPECT_EQ(buffers.names, device.memory.mid(0x8000, 4096));  // the last chunk whole
    }
    if (k.kind == 3) {
      // The chunk at 0x8FC0 is read and dropped; the work table follows the names.
      EXPECT_EQ(buffers.names.mid(4032), QByteArray(64, static_cast<char>(0xFF)));
      EXPECT_EQ(buffers.workTable, device.memory.mid(0x9000, 512));
    }
  }
}

TEST(BlockRead, SelectorFollowsTheProtocolOnTheSmallModel) {
  FakeDevice device;
  MakeKind(device, kKinds[0]);
  LinkSetup ft;
  ft.protocol = LinkProtocol::Ft12;
  device.open(QStringLiteral("/dev/fake"), ft);
  NamesBuffers buffers;
  int model = 0;
  ASSERT_EQ(BlockRead(device, buffers, model, {}), 0);
  EXPECT_EQ(static_cast<std::uint8_t>(device.requests.back()[3]), 0xFF);
}

TEST(BlockRead, ChunkThatNeverArrivesEndsTheRead) {
  struct Case {
    int code;
    int result;
  };
  for (const Case c : {Case{5, 25}, Case{4, 4}}) {
    FakeDevice device;
    MakeKind(device, kKinds[1]);
    device.failNext = {0, 0, 0, 0, c.code, c.code, c.code};  // identify, two chunks, then three tries
    NamesBuffers buffers;
    int model = 0;
    EXPECT_EQ(BlockRead(device, buffers, model, {}), c.result);
    EXPECT_EQ(ChunkAddresses(device).size(), 5u);
  }
}

TEST(BlockRead, SpyModeDumpsTheBlocks) {
  QTemporaryDir dir;
  FakeDevice device;
  MakeKind(device, kKinds[2]);
  NamesBuffers buffers;
  int model = 0;
  TransferOptions options;
  options.dumpFolder = dir.path();
  ASSERT_EQ(BlockRead(device, buffers, model, options), 0);
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());  // off: no files

  options.spyMode = true;
  ASSERT_EQ(BlockRead(device, buffers, model, options), 0);
  QFile names(dir.filePath(QStringLiteral("IzBloka.FIL")));
  QFile table(dir.filePath(QStringLiteral("WorkTable.FIL")));
  ASSERT_TRUE(names.open(QIODevice::ReadOnly));
  ASSERT_TRUE(table.open(QIODevice::ReadOnly));
  EXPECT_EQ(names.readAll(), buffers.names.left(4032));
  EXPECT_EQ(table.readAll(), buffers.workTable);
}

NamesBuffers Pattern() {
  NamesBuffers b;
  for (int i = 0; i < b.names.size(); ++i) b.names[i] = static_cast<char>(i % 251);
  for (int i = 0; i < b.workTable.size(); ++i) b.workTable[i] = static_cast<char>(i % 13);
  return b;
}

TEST(BlockWrite, WritesTheTransferImageOfEachKind) {
  for (const auto& k : kKinds) {
    FakeDevice device;
    MakeKind(device, k);
    const NamesBuffers buffers = Pattern();
    int model = 0;
    ASSERT_EQ(BlockWrite(device, buffers, model, {}), 0) << k.kind;
    EXPECT_EQ(model, k.kind);
    EXPECT_EQ(device.loaderImage, TransferImage(buffers, k.kind)) << k.kind;
    ASSERT_EQ(static_cast<int>(device.loaderPackets.size()), k.packets);
    EXPECT_EQ(static_cast<std::uint8_t>(device.loaderPackets.back()[0]), k.lastPage);
    const std::uint8_t low = k.kind == 1 ? 0x0F : 0x08;
    EXPECT_EQ(static_cast<std::uint8_t>(device.loaderPackets[0][1]), low);
    EXPECT_EQ(static_cast<std::uint8_t>(device.loaderPackets[1][1]), low + 0x10);
    // Buffer commands 0F 22, then 0F 55; the session ends with CC 34.
    ASSERT_GE(device.requests.size(), 4u);
    EXPECT_EQ(device.requests[2].toHex(), QByteArray("0f22"));
    EXPECT_EQ(device.requests[3].toHex(), QByteArray("0f55"));
    const auto& writes = device.loaderLine().writes;
    EXPECT_EQ(writes.back().toHex(), QByteArray("cc34"));
  }
}

TEST(BlockWrite, BufferCommandFailureCancelsTheLoader) {
  FakeDevice device;
  MakeKind(device, kKinds[1]);
  device.failNext = {0, 0, 0, 1};  // identify, 0F 22, then 0F 55 unanswered
  int model = 0;
  EXPECT_EQ(BlockWrite(device, Pattern(), model, {}), run_code::kLoaderNotOpened);
  EXPECT_EQ(device.requests.back().toHex(), QByteArray("0f00"));
  EXPECT_TRUE(device.loaderPackets.empty());
}

TEST(BlockWrite, TwoWireLine) {
  // The small models cannot take names over the two-wire loop: refused
  // before their loader is opened.
  for (const auto& k : {kKinds[0], kKinds[1]}) {
    FakeDevice device;
    MakeKind(device, k);
    LinkSetup twoWire;
    twoWire.lineKind = LineKind::TwoWire;
    device.open(QStringLiteral("/dev/fake"), twoWire);
    int model = 0;
    EXPECT_EQ(BlockWrite(device, Pattern(), model, {}), run_code::kTwoWireNames);
    EXPECT_EQ(device.requests.size(), 2u);  // only the identification
  }
  // The large model synchronises first, then writes through the echo.
  FakeDevice device;
  MakeKind(device, kKinds[2]);
  LinkSetup twoWire;
  twoWire.lineKind = LineKind::TwoWire;
  device.open(QStringLiteral("/dev/fake"), twoWire);
  int model = 0;
  ASSERT_EQ(BlockWrite(device, Pattern(), model, {}), 0);
  const auto& writes = device.loaderLine().writes;
  EXPECT_EQ(writes.front().toHex(), QByteArray("0000"));
  EXPECT_EQ(device.loaderImage, TransferImage(Pattern(), 3));
}

// The first packet of page 0x80 (lower half), all zeros, with its checksum.
ReprogRequest PagePacket() {
  ReprogRequest write;
  write.command = 0x70;
  write.stages = 2;
  write.completionWanted = true;
  write.packet = QByteArray(131, '\0');
  write.packet[0] = static_cast<char>(0x80);
  write.packet[1] = static_cast<char>(0x08);
  write.packet[130] = static_cast<char>(0x78);
  return write;
}

TEST(ReprogExchange, AcknowledgementAndCompletionCodes) {
  struct Case {
    std::uint8_t commandAck, packetAck, completion;
    bool silent;
    int result;
  };
  const Case cases[] = {
      {0x00, 0x00, 0x00, false, 0},
      {0x00, 0x00, 0x62, false, 40},
      {0x00, 0x00, 0x08, false, 41},
      {0x00, 0x00, 0x20, false, 42},
      {0x00, 0x00, 0x40, false, 43},
      {0x00, 0x00, 0x01, false, 44},
      {0x05, 0x00, 0x00, false, 27},
      {0x00, 0x07, 0x00, false, 28},
      {0x00, 0x00, 0x00, true, 1},
  };
  for (const auto& c : cases) {
    FakeDevice device;
    MakeKind(device, kKinds[1]);
    device.commandAck = c.commandAck;
    device.packetAck = c.packetAck;
    device.completion = c.completion;
    device.silentLoader = c.silent;
    const ReprogRequest write = PagePacket();
    EXPECT_EQ(ReprogExchange(device, write, {}), c.result) << c.result;
    const auto& writes = device.loaderLine().writes;
    EXPECT_EQ(static_cast<int>(writes.size()), c.result == 0 ? 2 : (c.result == 27 || c.result == 1 ? 3 : 6));
  }
  EXPECT_EQ(CompletionFailureCode(0x01, 0xCC), 45);
}

TEST(ReprogExchange, SpyModeLogsEachStage) {
  FakeDevice device;
  MakeKind(device, kKinds[1]);
  QStringList log;
  TransferOptions options;
  options.spyMode = true;
  options.log = [&](const QString& line) { log << line; };
  const ReprogRequest write = PagePacket();
  ASSERT_EQ(ReprogExchange(device, write, options), 0);
  EXPECT_EQ(log, (QStringList{QStringLiteral("70 90  * 1 00"),
                             QStringLiteral("80 08 00 00 00 00 00 00 00 00 00 ... 78 kol 131   * 1 00  выполн 1 00")}));
  log.clear();
  device.silentLoader = true;
  ReprogRequest finish;
  finish.command = 0xCC;
  EXPECT_EQ(ReprogExchange(device, finish, options), 1);
  EXPECT_EQ(log, (QStringList{QStringLiteral("CC 34  * 0"), QStringLiteral("CC 34  * 0"), QStringLiteral("CC 34  * 0")}));
}

}  // namespace
}  // namespace nastrum
