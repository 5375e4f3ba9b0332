#include "model/kind_profile.h"

namespace nastrum {

namespace {

constexpr KindProfile kMinimal{
    .kind = 1,
    .sensors = 16, .pipelines = 4, .hourArchives = 32, .dayArchives = 32, .monthArchives = 32,
    .intervalArchives = 0, .events = 0, .logicFlags = 0, .logicTimes = 0, .desktopEntries = 0,
    .tables = 4, .generators = 0, .regulators = 0,
    .hasLogicFlags = false, .hasDesktop = false, .hasAuxModemText = false, .hasAuxChannel = false, .hasAuxChannelBaud = false,
    .hasBatteryControl = false, .hasSpecialFunctions = false,
    .arithmeticFormulas = false, .fourContactModules = false, .eventsShareIntervalArchive = -1,
    .namesOverTwoWireLoop = false,
    .maps = {true, true, true, true, true, true, false, false, true, false, false},
    .readProgressMax = 619,
};

constexpr KindProfile kExpandable{
    .kind = 2,
    .sensors = 64, .pipelines = 16, .hourArchives = 32, .dayArchives = 64, .monthArchives = 63,
    .intervalArchives = 13, .events = 128, .logicFlags = 255, .logicTimes = 64, .desktopEntries = 0,
    .tables = kTableCount, .generators = kGeneratorCount, .regulators = 0,
    .hasLogicFlags = true, .hasDesktop = false, .hasAuxModemText = false, .hasAuxChannel = true, .hasAuxChannelBaud = true,
    .hasBatteryControl = true, .hasSpecialFunctions = true,
    .arithmeticFormulas = false, .fourContactModules = false, .eventsShareIntervalArchive = 12,
    .namesOverTwoWireLoop = false,
    .maps = {true, true, true, true, true, true, true, true, true, true, false},
    .readProgressMax = 2919,
};

constexpr KindProfile kLarge{
    .kind = 3,
    .sensors = 64, .pipelines = 16, .hourArchives = 32, .dayArchives = 64, .monthArchives = 63,
    .intervalArchives = 12, .events = 64, .logicFlags = 64, .logicTimes = 64, .desktopEntries = 16,
    .tables = kTableCount, .generators = kGeneratorCount, .regulators = 64,
    .hasLogicFlags = false, .hasDesktop = true, .hasAuxModemText = true, .hasAuxChannel = true, .hasAuxChannelBaud = false,
    .hasBatteryControl = true, .hasSpecialFunctions = true,
    .arithmeticFormulas = true, .fourContactModules = true, .eventsShareIntervalArchive = -1,
    .namesOverTwoWireLoop = true,
    .maps = {true, true, true, true, true, true, true, true, true, false, true},
    .readProgressMax = 2081,
};

}  // namespace

const KindProfile& kindProfile(Word kind) {
  switch (kind) {
    case 1: return kMinimal;
    case 3: return kLarge;
    default: return kExpandable;
  }
}

}  // namespace nastrum
