// Where a sensor is wired (channel code, AuxDescriptor A1 A2) and which
// discrete input switches it off (cutoff code, A3 A4): the modules and
// terminal pairs the sensor page offers per device kind and family, and the
// codes they make. Code = module base + index of the terminal pair. The
// modules and codes of each kind are its row of kindCodes().
#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "descriptors/channel_module.h"
#include "descriptors/sensor_codes.h"

namespace nastrum {

// A3 A4 of a sensor without a cutoff condition.
constexpr int kNoCutoff = 0x80;
// Bounce filtering adds this to a pulse sensor's channel code.
constexpr int kBounceFilter = 0x80;

// Modules offered for a sensor's connection. Pulse families share one list
// on each kind (kinds 1, 2 mix МВВ and МЧВ modules).
std::vector<ChannelModule> channelModules(int kind, SensorFamily family);

// The channel code of a module/pair choice, or nullopt for an unknown text.
// Bounce filtering counts only where the module offers it.
std::optional<int> channelCode(int kind, SensorFamily family, const QString& module,
                               const QString& pair, bool filtered);

// Whether a stored channel code is valid; the page replaces an invalid one by 00.
bool isValidChannel(int kind, SensorFamily family, int code);

// The module and pair a stored channel code shows, or nullopt for an invalid
// code. Codes shared by two kind-3 modules show the single-purpose one
// ("МЧВ3" for 30..33).
std::optional<ChannelPlace> decodeChannel(int kind, SensorFamily family, int code);

// The "Входная частота …" text of a pulse or frequency sensor's place.
QString channelRangeText(int kind, SensorFamily family, const ChannelPlace& place);

// Cutoff modules offered on a device kind (the pipeline cutoff uses the same).
std::vector<ChannelModule> cutoffModules(int kind);
std::optional<int> cutoffCode(int kind, const QString& module, const QString& pair);
// The first choice offered: the code "Есть" starts with.
int defaultCutoffCode(int kind);
bool isValidCutoff(int kind, int code);  // kNoCutoff included
// The place of a cutoff code, nullopt for kNoCutoff and invalid codes.
std::optional<ChannelPlace> decodeCutoff(int kind, int code);

}  // namespace nastrum
