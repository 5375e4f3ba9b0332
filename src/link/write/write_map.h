// The write direction of the parameter map: which device parameter each field
// of the settings image is written to, with its conversion, in the order the
// device is written, for the groups the user ticked.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "link/params/param_map.h"

namespace nastrum {

// The five groups of the group window, in writing order.
enum class WriteGroup { Sensors, Pipelines, Archives, System, Regulators };
constexpr int kWriteGroupCount = 5;

// `WriteGroups`: which groups the next constants write sends.
struct WriteGroups {
  bool sensors = false;
  bool pipelines = false;
  bool archives = false;
  bool system = false;
  bool regulators = false;

  bool has(WriteGroup group) const;
  void set(WriteGroup group, bool on);
  bool any() const { return sensors || pipelines || archives || system || regulators; }
  // Only the groups `kind` has: the small model has no regulators to write.
  WriteGroups ofKind(int kind) const;
  static WriteGroups all();
};

WriteGroup GroupOf(ParamFamily family);

// The group window's caption of a group: "Датчики", "Трубопроводы", …
QString WriteGroupCaption(WriteGroup group);
// The captions of the groups set, "Датчики, Архивы".
QString WriteGroupsText(const WriteGroups& groups);

// Where an item's value is read back from after a write: the read entry of
// the same field (the kind 1 and kind 3 modem strings are read elsewhere than
// they are written).
struct WriteReadBack {
  ParamSource source = ParamSource::Param;
  std::uint16_t address = 0;
  int size = 0;  // bytes the read asks for; the first data.size() of them are the value
};

// One item of a constants write.
struct WriteStep {
  ParamSource source = ParamSource::Param;
  std::uint16_t address = 0;  // parameter (high byte group OR index) or memory address
  QByteArray data;            // the bytes sent
  bool encodable = true;      // false: the field's value does not fit its parameter
  bool sentOnce = false;      // one send per attempt instead of two
  bool password = false;      // the password, not counted by the progress bar
  WriteGroup group = WriteGroup::Sensors;
  ParamFamily family = ParamFamily::System;
  ParamObject object;
  int row = 0;
  QString spyLabel;  // logged before the item in the diagnostic mode; empty for none
  std::optional<WriteReadBack> readBack;  // none for the password, which never reads back as written
  // Items of one bundle travel together (a table's values, the kind 3 modem
  // strings): a write of only what changed sends all of them or none. -1: alone.
  int bundle = -1;
};

// The objects of `family` a write of `kind` sends: those the kind has. The
// logic flags are walked in four groups of 64, yet the expandable model has
// 255 of them; the 256th slot is shown nowhere and is left as the device holds it.
std::vector<ParamObject> WrittenObjects(ParamFamily family, int kind);

// Every item a constants write of `kind` (1 … 3) sends for `groups`, with the
// bytes encoded from `image`. The password goes in only with `withPassword`.
std::vector<WriteStep> PlanConstantsWrite(int kind, const WriteGroups& groups, bool withPassword,
                                          const SettingsImage& image);

// The progress bar's maximum: the items `groups` write for `kind`, the password not counted.
int WriteProgressMaximum(int kind, const WriteGroups& groups);

// The item as the log names it: "параметра 0x4102" or "ячейки памяти 0x2F00".
QString DescribeWriteStep(const WriteStep& step);

}  // namespace nastrum
