// Everything that depends on the device kind, in one place: how many objects
// of each family the kind has, which pages, maps and blocks exist, and how long
// a full read is. Code asks the profile instead of comparing kind numbers;
// what a descriptor code means on each kind is the descriptor vocabulary's
// per-kind table (kindCodes).
#pragma once

#include <array>

#include "model/settings_image.h"

namespace nastrum {

constexpr int kMapCount = 11;

struct KindProfile {
  DeviceKind kind;

  // Objects in use (slots 1..n of each image array).
  int sensors;
  int pipelines;
  int hourArchives;
  int dayArchives;
  int monthArchives;
  int intervalArchives;
  int events;
  int logicFlags;  // slots 1..logicFlags of the logic arrays
  int logicTimes;  // slots of LogicT1/LogicT2
  int desktopEntries;
  int tables;      // table functions
  int generators;  // current generators
  int regulators;  // regulators of the large model (threshold in LogicT1/LogicT2)

  // Blocks and windows the kind has.
  bool hasLogicFlags;      // "Регуляторы" page of the expandable model
  bool hasDesktop;         // "Регуляторы/Рабочий стол" page and the desktop block
  bool hasAuxModemText;    // second modem initialisation string (kept in LogicK2 in the file)
  bool hasAuxChannel;      // additional communication channel
  bool hasAuxChannelBaud;  // its speed as a word of its own (the expandable model only)
  bool hasBatteryControl;  // battery control word and the battery voltage parameter
  bool hasSpecialFunctions;  // special functions register
  bool pipeRoughness;        // pipelines correct the orifice flow by the pipe's roughness
  // Arithmetic sensors carry a formula of their own in the arithmetic block
  // instead of three terms with a cutoff in the auxiliary descriptor.
  bool arithmeticFormulas;
  // Sixteen four-contact input modules ("МВ") instead of eight eight-contact
  // ones ("МВВ").
  bool fourContactModules;
  // The interval archive whose memory the event archive shares (the two are
  // exclusive, and so are the events and the extended hourly archives that
  // reach into it), or -1.
  int eventsShareIntervalArchive;
  bool namesOverTwoWireLoop;  // the names block may travel over a two-wire current loop
  std::array<bool, kMapCount> maps;  // programming maps 1..11

  int readProgressMax;  // progress maximum of a full constants read

  bool hasMap(int number) const { return number >= 1 && number <= kMapCount && maps[static_cast<std::size_t>(number - 1)]; }
  bool hasViewRegulators() const { return hasLogicFlags || hasDesktop; }
};

// The profile of kind 1, 2 or 3. An invalid kind gets the profile of kind 2,
// so loops stay bounded whatever a damaged file says.
const KindProfile& kindProfile(DeviceKind kind);
const KindProfile& kindProfile(Word kind);

}  // namespace nastrum
