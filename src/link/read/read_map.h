// The read direction of the parameter map: which device parameter fills which
// field of the settings image, with its conversion, in the order the device
// is read. PlanConstantsRead turns the map into the list of exchanges for one
// device kind.
#pragma once

#include <cstdint>
#include <vector>

#include <QString>

#include "link/params/param_map.h"

namespace nastrum {

// The read run's names for the map's vocabulary.
using ReadConversion = ParamConversion;
using ReadSource = ParamSource;
using ReadFamily = ParamFamily;
using ReadObject = ParamObject;
using ReadTarget = ParamTarget;

// Bytes one parameter of this conversion carries when read.
inline int ByteCount(ReadConversion conversion) { return ReadByteCount(conversion); }

// One exchange of a constants read.
struct ReadStep {
  ReadSource source = ReadSource::Param;
  std::uint16_t address = 0;  // parameter (high byte group OR index) or memory address
  int size = 0;
  ReadConversion conversion = ReadConversion::Word;
  ReadTarget target;
  int row = 0;
  ReadFamily family = ReadFamily::System;
  ReadObject object;
  const char16_t* label = nullptr;
};

// Every exchange of a constants read of `kind` (1 … 3), with targets in `image`.
std::vector<ReadStep> PlanConstantsRead(int kind, SettingsImage& image);

// The progress bar's maximum for the identified model (0 when unknown).
int ReadProgressMaximum(int modelCode);

// What the diagnostic mode shows while `step` is read; empty for none.
QString ReadSectionLabel(const ReadStep& step);

}  // namespace nastrum
