// The reals of a sensor record: what each constant means for a descriptor,
// the values the editor forces, and the small conversions between page fields
// and stored reals (terms, table references, resistance-thermometer
// standards, liquid column, frequency characteristic).
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QString>

#include "model/settings_image.h"

namespace nastrum {

struct ConstantCaptions {
  QString const1, const2, const3;
  QString limits;  // caption of MaxValue / MinValue
};

// Captions of the three constants and the limits for a sensor on a kind.
ConstantCaptions constantCaptions(const SensorRecord& sensor, int kind);

// MonthFactor matters only for analog flow, pulse, frequency and accumulating
// conditional sensors; every other sensor keeps 1.0.
bool monthFactorApplies(Word mainDescriptor, int kind);
// SubstOnFault matters only with the substitution constant.
bool substOnFaultApplies(Word mainDescriptor, int kind);
// Writes the forced values (MonthFactor 1.0, SubstOnFault 0, on kind 1 the
// Const3 of a current-signal analog sensor other than temperature 0).
// Returns whether anything changed.
bool applyForcedValues(SensorRecord& sensor, int kind);

// --- Resistance-thermometer standards -------------------------------------
struct RtdStandardChoice {
  QString text;
  int rtdStandard;  // value of RtdStandard
  double const2;
  double const3;
};
// The standards of a platinum (D3 0) or copper (D3 1) thermometer, "прочие" last.
std::vector<RtdStandardChoice> rtdStandardChoices(int rtdD3);
constexpr int kRtdOther = 2;  // RtdStandard of "прочие"
// Hint of Const2 with "прочие".
QString rtdOtherHint();
// Applies standard `rtdStandard` (0, 1 or kRtdOther) of the sensor's thermometer.
void applyRtdStandard(SensorRecord& sensor, int rtdStandard);

// --- Terms of arithmetic sensors (kinds 1, 2) -----------------------------
constexpr double kAbsentTerm = 64.0;
struct Term {
  bool present = false;
  bool negative = false;
  int number = 0;     // sensor 0..63 or pipeline 0..15
  double weight = 0;  // 0 <= w < 1, 0 meaning one
  bool operator==(const Term&) const = default;
};
double encodeTerm(const Term& term);
Term decodeTerm(double value);
// Catalogue message for a term number out of range (48 sensors, 47
// pipelines) or a weight of one or more (58); 0 when acceptable.
int termNumberMessage(bool sensorSource, int number);
int termWeightMessage(double weight);

// --- Table functions -------------------------------------------------------
constexpr int kVariableStepIndex = 16;
int tableCount(int kind);  // the table functions of the kind (its profile)
bool isVariableStep(const std::array<double, kTablePoints>& table);
constexpr int nodeValueIndex(int n) { return 2 + n; }            // constant step, n = 0..13
constexpr int pairArgumentIndex(int k) { return 2 * (k - 1); }   // variable step, k = 1..8
constexpr int pairValueIndex(int k) { return 2 * (k - 1) + 1; }
struct TableRef {
  int table = 0;
  bool variableStep = false;
  bool operator==(const TableRef&) const = default;
};
double encodeTableRef(const TableRef& ref);
// The table a functional sensor's Const1 names, nullopt when the number is
// outside the kind's range (the page then writes 0).
std::optional<TableRef> decodeTableRef(double const1, int kind);
// Other functional sensors (within the kind's count) on table t, except `self`.
std::vector<int> functionalSensorsOnTable(const SettingsImage& image, int table, int self);
// The question asked before a table's step changes.
QString tableStepQuestion(const std::vector<int>& otherSensors);
// After "Да": empties those sensors, clears the table, writes the new step
// and sensor `self`'s reference.
void applyTableStep(SettingsImage& image, int self, int table, bool variableStep);

// --- Thermocouple cold junction -------------------------------------------
constexpr double kNoColdJunction = 64.0;
// Analog temperature sensors (D1 1/9, D2 4) other than `self`, ascending.
std::vector<int> coldJunctionCandidates(const SettingsImage& image, int self);
// Whether a thermocouple's Const2 is a usable reference (64.0 or a candidate).
bool isValidColdJunction(const SettingsImage& image, int self, double const2);

// --- Pressure liquid column -------------------------------------------------
// Const2 of a pressure sensor whose impulse tubes hold liquid of density rho
// (kg/m3) at height h (m) from the pipe; negative below the pipe.
double liquidColumnConst2(double rho, double h, bool mpa, bool belowPipe);

// --- Frequency characteristic ------------------------------------------------
// The slope between (Fmin, Gmin) and (Fmax, Gmax); 0 when Fmax equals Fmin.
double frequencySlope(double gmin, double fmin, double gmax, double fmax);
// The slope as Const2 stores it: in its displayed eight-character form.
double storedFrequencySlope(double gmin, double fmin, double gmax, double fmax);

}  // namespace nastrum
