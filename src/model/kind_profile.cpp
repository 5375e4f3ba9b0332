#include "model/kind_profile.h"

namespace nastrum {

namespace {

constexpr KindProfile kMinimal{
    .kind = DeviceKind::Minimal,
    .sensors = 16, .pipelines = 4, .hourArchives = 32, .dayArchives = 32, .monthArchives = 32,
    .intervalArchives = 0, .events = 0, .logicFlags = 0, .logicTimes = 0, .desktopEntries = 0,
    .tables = 4, .generators = 0, .regulators = 0,
    .hasLogicFlags = false, .hasDesktop = false, .hasAuxModemText = false, .hasAuxChannel = false, .hasAuxChannelBaud = false,
    .hasBatteryControl = false, .hasSpecialFunctions = false, .pipeRoughness = false,
    .arithmeticFormulas = false, .fourContactModules = false, .eventsShareIntervalArchive = -1,
    .namesOverTwoWireLoop = false,
    .maps = {true, true, true, true, true, true, false, false, true, false, false},
    .readProgressMax = 619,
};

constexpr KindProfile kExpandable{
    .kind = DeviceKind::Expandable,
    .sensors = 64, .pipelines = 16, .hourArchives = 32, .dayArchives = 64, .monthArchives = 63,
    .intervalArchives = 13, .events = 128, .logicFlags = 255, .logicTimes = 64, .desktopEntries = 0,
    .tables = kTableCount, .generators = kGeneratorCount, .regulators = 0,
    .hasLogicFlags = true, .hasDesktop = false, .hasAuxModemText = false, .hasAuxChannel = true, .hasAuxChannelBaud = true,
    .hasBatteryControl = true, .hasSpecialFunctions = true, .pipeRoughness = true,
    .arithmeticFormulas = false, .fourContactModules = false, .eventsShareIntervalArchive = 12,
    .namesOverTwoWireLoop = false,
    .maps = {true, true, true, true, true, true, true, true, true, true, false},
    .readProgressMax = 2919,
};

constexpr KindProfile kLarge{
    .kind = DeviceKind::Large,
    .sensors = 64, .pipelines = 16, .hourArchives = 32, .dayArchives = 64, .monthArchives = 63,
    .intervalArchives = 12, .events = 64, .logicFlags = 64, .logicTimes = 64, .desktopEntries = 16,
    .tables = kTableCount, .generators = kGeneratorCount, .regulators = 64,
    .hasLogicFlags = false, .hasDesktop = true, .hasAuxModemText = true, .hasAuxChannel = true, .hasAuxChannelBaud = false,
    .hasBatteryControl = true, .hasSpecialFunctions = true, .pipeRoughness = true,
    .arithmeticFormulas = true, .fourContactModules = true, .eventsShareIntervalArchive = -1,
    .namesOverTwoWireLoop = true,
    .maps = {true, true, true, true, true, true, true, true, true, false, true},
    .readProgressMax = 2081,
};

}  // namespace

const KindProfile& kindProfile(DeviceKind kind) {
  switch (kind) {
    case DeviceKind::Minimal: return kMinimal;
    case DeviceKind::Expandable: return kExpandable;
    case DeviceKind::Large: return kLarge;
  }
  return kExpandable;
}

const KindProfile& kindProfile(Word kind) {
  return kindProfile(deviceKindOf(kind).value_or(DeviceKind::Expandable));
}

}  // namespace nastrum
