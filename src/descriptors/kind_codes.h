// What the descriptor codes mean on each device kind, one row per kind: the
// modules a sensor or a cutoff is wired to and the codes they make, which
// stored channel codes are valid, the codes a new sensor starts with, and the
// few digits whose meaning differs between the models. The pages, the check,
// the maps and the simulator ask this table; how many objects a kind has and
// which blocks it keeps are the kind profile's (kindProfile).
#pragma once

#include <array>
#include <bitset>

#include "descriptors/channel_module.h"
#include "descriptors/sensor_codes.h"

namespace nastrum {

// The channel codes of one sensor family on one kind.
struct FamilyChannels {
  std::vector<ChannelModule> offered;  // the modules the sensor page offers, in order
  // Searched in order to name a stored code: a code two modules share shows
  // the first one here.
  std::vector<ChannelModule> decode;
  // The modules whose "Входная частота …" text a place may show.
  std::vector<ChannelModule> ranged;
  std::bitset<256> valid;  // the stored codes the device accepts
  bool bounceBit = false;  // bit 7 of a code asks for bounce filtering
};

struct KindCodes {
  DeviceKind kind;

  // Sensors.
  // D1 2, 3, 4 and A name sensor families; the large model knows only 1, 8,
  // 9, B and C.
  bool smallModelFamilyDigits;
  // D1 of a pulse sensor the page makes: A (on МВВ) or B (on МЧВ).
  int pulseFamilyDigit;
  // The descriptors a sensor starts with when the user picks its family,
  // indexed by FamilyChoice.
  std::array<Word, 5> newMain;
  std::array<Word, 5> newAux;
  // A МЧВ pulse sensor's D3 bit 8 counts pulses per unit instead of giving the
  // pulse weight; D3 7..0 stays the flow kind.
  bool pulsesPerUnitBit;
  // D3 = 3 of a counting sensor is an old code for m3 of liquid.
  bool flowKind3IsLiquid;
  bool threeRadiusTap;      // "Трехрадиусный отбор" among the taps
  bool serialInputSensors;  // conditional sensors fed over the serial channel
  const char* analogConst3Caption;  // Const3 of an analog sensor with a current signal
  // Const3 of an analog sensor with a current signal is unused and kept at 0.
  bool currentAnalogClearsConst3;
  // Showing a pulse sensor on МВВ puts an invalid channel code right; on the
  // other kinds it shows "ОШИБКА" and is left to the user.
  bool repairsMvvChannelOnShow;

  // Channels, by family.
  FamilyChannels analog, pulseMvv, pulseMchv, frequency;
  // Cutoff (A3 A4 of a sensor, the pipeline's cutoff source).
  std::vector<ChannelModule> cutoffOffered;
  std::vector<ChannelModule> cutoffDecode;
  int cutoffMax;  // highest valid cutoff code (kNoCutoff aside)
  // Stop-channel bytes the check reports as wrong, [from, to]: wider than what
  // the page offers, as the device itself tolerates the rest.
  int stopChannelWrongFrom, stopChannelWrongTo;

  // Pipelines.
  // Medium 8 is electricity: paid by one tariff, measured by a flow sensor only.
  bool electricityCarrier;
  // Technical gas keeps compressibility, viscosity and adiabatic exponent in
  // the CO2, N2 and calorific reals.
  bool technicalGasProperties;
  bool gasHumidity;        // natural gas names a humidity sensor and fraction
  bool gasCompositionSensors;  // natural gas names CO2 and N2 sensors

  // System block.
  // The main channel is a fixed current loop: the link type and line words
  // the page shows are those of the additional channel.
  bool mainChannelFixedLoop;
  // The additional channel has a modem of its own and speaks neither the
  // traditional protocol nor the "ПМК3" link.
  bool auxChannelModemOnly;
  int slaveOrFaultsBit;               // special functions bit of the shared box
  const char* slaveOrFaultsCaption;   // "Чтение ведомого ОРВИК" / "Отказы датч.в арх.событ."
  const char* eventArchiveCaption;
  bool telesignalling;                // the "Телесигнализация" function

  const FamilyChannels* channels(SensorFamily family) const;
};

// The row of kind 1, 2 or 3; an invalid kind gets the row of kind 2, as the
// profile does.
const KindCodes& kindCodes(DeviceKind kind);
const KindCodes& kindCodes(Word kind);

}  // namespace nastrum
