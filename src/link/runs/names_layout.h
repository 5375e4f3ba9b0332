// Where the names live in the device's names area for each device kind, and
// their translation between that area and the image's name arrays.
#pragma once

#include <cstdint>

#include <QByteArray>

#include "link/link_params.h"
#include "model/settings_image.h"

namespace nastrum {

constexpr int kNamesBufferSize = 4096;
constexpr int kWorkTableSize = 512;  // kind 3: 16 desktop entries of 32 bytes
constexpr int kWorkTableEntrySize = 32;
constexpr int kNameSlotSize = 16;
constexpr std::uint8_t kFreeByte = 0xFF;

struct NamesKindLayout {
  int areaSize;          // bytes of names in the device
  int workTableSize;     // 0, or 512 for kind 3
  int readSize;          // bytes requested by a read, from the start page
  int transferSize;      // bytes of the transfer image written through the loader
  int checksumIndex;     // position of the checksum byte in the transfer image
  std::uint8_t startPage;
  std::uint8_t lowHalfSelector;   // lower 128 bytes of a 256-byte page
  std::uint8_t highHalfSelector;  // upper 128 bytes
  std::uint8_t readSelectorTraditional;  // chunk read selector with the traditional protocol
  std::uint8_t readSelectorFramed;       // and with the frame protocols
  bool archiveNamesFirst;  // the area starts with the archive names (only the set names are written);
                           // otherwise with the sensor names, every one of them written
};

// The layout of kind 1, 2 or 3; nullptr for any other kind.
const NamesKindLayout* NamesLayoutFor(int kind);

// The selector byte of the chunk read command.
std::uint8_t ReadSelector(int kind, LinkProtocol protocol);

// The names as the device keeps them: the names area (4096 bytes) and, for a
// kind with a desktop (kind 3), the work table (512 bytes). Free bytes are 0xFF.
struct NamesBuffers {
  QByteArray names = QByteArray(kNamesBufferSize, static_cast<char>(kFreeByte));
  QByteArray workTable = QByteArray(kWorkTableSize, static_cast<char>(kFreeByte));
};

// The image's names in device characters. Kind 1 writes only the names that
// are set; kinds 2 and 3 write every sensor name (an empty one as spaces)
// and the other names that are set; kind 3 adds the desktop entries.
NamesBuffers EncodeNames(const NamesRegion& names, int kind);

// No name anywhere: names never read from a device nor typed, as a
// constants read or a new file leaves them. Writing them blanks every name
// the device holds.
bool NamesAreBlank(const NamesRegion& names);

// Every slot of the kind's layout into the image's name arrays; for kind 3
// also the desktop names and parameters (0xFFFF for a free entry).
void DecodeNames(const NamesBuffers& buffers, int kind, NamesRegion& names);

// The bytes the loader writes: the names area, 0xFF up to the checksum byte,
// the one's complement of the sum before it and, for kind 3, the work table.
QByteArray TransferImage(const NamesBuffers& buffers, int kind);

}  // namespace nastrum
