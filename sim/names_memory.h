// The device's names area as it sits in its memory: names of 16 device bytes
// at fixed places, the loader checksum byte and, on the large model, the
// work table of desktop entries. The chunk reads and the loader address it
// by page and offset.
#pragma once

#include <cstdint>

#include <QByteArray>

#include "model/settings_image.h"

namespace nastrum::sim {

struct NamesGeometry {
  int areaSize;       // bytes of name slots
  int readSize;       // bytes served by chunk reads
  int imageSize;      // bytes the loader programs
  int checksumAt;     // offset of the one's-complement checksum byte
  std::uint8_t startPage;
  std::uint8_t lowSelector;   // loader selector of the lower half page
  std::uint8_t highSelector;  // ... and of the upper half
};

// Kinds 1..3; every other model code gets the geometry of kind 2.
NamesGeometry namesGeometryFor(int kind);

constexpr int kWorkTableOffset = 4096;
constexpr int kWorkTableSize = 512;

// The whole memory image (geometry.imageSize bytes) holding the image's names,
// as the program stores them: free slots 0xFF, the checksum byte set.
QByteArray namesMemoryFromImage(const SettingsImage& image, int kind);

// The checksum byte over bytes 0 .. checksumAt-1.
std::uint8_t namesChecksum(const QByteArray& memory, int checksumAt);
bool namesChecksumValid(const QByteArray& memory, int kind);

// Copies the names in memory into the image's name arrays (trailing pad
// spaces trimmed; free slots become empty names). Kind 3 also fills the
// desktop entries from the work table.
void namesMemoryToImage(const QByteArray& memory, int kind, SettingsImage& image);

}  // namespace nastrum::sim
