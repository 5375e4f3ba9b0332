#include "sim/demo_image.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include <QString>

#include "model/cp1251.h"
#include "model/editor_state.h"
#include "model/reset_image.h"

namespace nastrum::sim {
namespace {

// The plant's sensors, in the order of the sensor table.
enum Sensor : int {
  SupplyTemp1, ReturnTemp1, SupplyTemp2, ReturnTemp2, HotWaterTemp, OutdoorTemp,
  SupplyPressure1, ReturnPressure1, SupplyPressure2, HotWaterPressure,
  SupplyFlow1, ReturnFlow1, SupplyFlow2, HotWaterFlow,
};

// Its pipelines.
enum Pipeline : int { Supply1, Return1, Supply2, HotWater, Return2 };

constexpr Word kNone = 0x40;       // a sensor or pipeline reference naming nothing
constexpr Word kNoCutoff = 0x80;   // no discrete input stops the sensor

void name(NameSlot& slot, const char* utf8) { slot.setBytes(toCp1251(QString::fromUtf8(utf8))); }

// An analog sensor on input channel `channel`.
SensorRecord& analog(SettingsImage& im, int n, Word main, int channel) {
  SensorRecord& s = im.sensors[static_cast<std::size_t>(n)];
  s.mainDescriptor = main;
  s.auxDescriptor = (channel << 8) | kNoCutoff;
  s.monthFactor = 1.0;
  return s;
}

// Platinum resistance thermometer, 100 ohm at 0 °C.
void temperature(SettingsImage& im, int n, int channel, double low, double high, double onFault) {
  SensorRecord& s = analog(im, n, 0x9400, channel);
  s.const1 = 100.0;
  s.const2 = 3.9083e-3;
  s.const3 = -5.775e-7;
  s.minValue = low;
  s.maxValue = high;
  s.substBelowMin = low;
  s.substAboveMax = high;
  s.substOnFault = onFault;
}

// Excess pressure in MPa, 4..20 mA over 0..1.6 MPa.
void pressure(SettingsImage& im, int n, int channel, double onFault) {
  SensorRecord& s = analog(im, n, 0x9183, channel);
  s.const1 = 1.6;
  s.const2 = 0.0;
  s.maxValue = 1.6;
  s.substAboveMax = 1.6;
  s.substOnFault = onFault;
}

// Water meter with a pulse output: 0.01 m3 a pulse, stored, liquid m3.
void waterMeter(SettingsImage& im, int n, int channel, double maxFlow) {
  SensorRecord& s = im.sensors[static_cast<std::size_t>(n)];
  s.mainDescriptor = 0xA310;
  s.auxDescriptor = (channel << 8) | kNoCutoff;
  s.const1 = 0.01;
  s.const2 = 1.0;
  s.const3 = 600.0;
  s.maxValue = maxFlow;
  s.substAboveMax = maxFlow;
  s.monthFactor = 1.0;
}

// A water pipeline; heat counts against the cold source, in Gcal.
PipelineRecord& water(SettingsImage& im, int p, Word flow, int temp, int press, double diameter) {
  PipelineRecord& pipe = im.pipelines[static_cast<std::size_t>(p)];
  pipe.mainDescriptor = 0x1200;
  pipe.flowSensors = flow;
  pipe.tempSensors = (temp << 8) | kNone;
  pipe.pressureSensors = (press << 8) | kNone;
  pipe.densityCalorLink = 0x0000;  // no failure sources
  pipe.bigPipeRef = kNone;
  pipe.cutoffSource = (kNoCutoff << 8) | kNone;
  pipe.impurityTariff = 0x0000;
  pipe.pipeDiameter = diameter;
  pipe.monthFactor = 1.0;
  return pipe;
}
Word ownMeter(int sensor) { return (sensor << 8) | kNone; }

struct Archive {
  Word desc, pos, neg;
  const char* name;
};

template <std::size_t N, std::size_t M>
void fill(std::array<Word, N>& desc, std::array<Word, N>& pos, std::array<Word, N>& neg, std::array<NameSlot, M>& names,
          std::initializer_list<Archive> list) {
  std::size_t i = 0;
  for (const Archive& a : list) {
    desc[i] = a.desc;
    pos[i] = a.pos;
    neg[i] = a.neg;
    name(names[i], a.name);
    ++i;
  }
}

constexpr Word bit(int pipeline) { return 1 << pipeline; }
// Heat of both circuits: what the supplies bring less what the returns take back.
constexpr Word kSupplies = bit(Supply1) | bit(Supply2);
constexpr Word kReturns = bit(Return1) | bit(Return2);

}  // namespace

SettingsImage demoPlantImage() {
  SettingsImage im;
  EditorState editor;
  ResetImage(im, editor);
  im.deviceKind = 2;

  temperature(im, SupplyTemp1, 0, 0, 150, 70);
  temperature(im, ReturnTemp1, 1, 0, 150, 50);
  temperature(im, SupplyTemp2, 2, 0, 150, 70);
  temperature(im, ReturnTemp2, 3, 0, 150, 50);
  temperature(im, HotWaterTemp, 4, 0, 100, 60);
  temperature(im, OutdoorTemp, 5, -50, 50, -10);
  pressure(im, SupplyPressure1, 6, 0.6);
  pressure(im, ReturnPressure1, 8, 0.4);
  pressure(im, SupplyPressure2, 9, 0.6);
  pressure(im, HotWaterPressure, 10, 0.5);
  waterMeter(im, SupplyFlow1, 0x0C, 64);
  waterMeter(im, ReturnFlow1, 0x0D, 64);
  waterMeter(im, SupplyFlow2, 0x0E, 32);
  waterMeter(im, HotWaterFlow, 0x0F, 16);
  const char* sensorNames[] = {"Т подачи",   "Т обратки",  "Т подачи 2", "Т обратки 2", "Т гор. воды",
                               "Т наружная", "P подачи",   "P обратки",  "P подачи 2",  "P гор. воды",
                               "G подачи",   "G обратки",  "G подачи 2", "G гор. воды"};
  for (int n = 0; n <= HotWaterFlow; ++n) name(im.names.sensorNames[static_cast<std::size_t>(n)], sensorNames[n]);

  water(im, Supply1, ownMeter(SupplyFlow1), SupplyTemp1, SupplyPressure1, 100);
  water(im, Return1, ownMeter(ReturnFlow1), ReturnTemp1, ReturnPressure1, 100);
  water(im, Supply2, ownMeter(SupplyFlow2), SupplyTemp2, SupplyPressure2, 80);
  water(im, HotWater, ownMeter(HotWaterFlow), HotWaterTemp, HotWaterPressure, 50);
  // The second circuit's return has no meter: it takes the whole supply flow.
  water(im, Return2, 0x8000 | (Supply2 << 8) | kNone, ReturnTemp2, kNone, 1.0);
  const char* pipelineNames[] = {"СО1 подача", "СО1 обратка", "СО2 подача", "гор. вода", "СО2 обратка"};
  for (int p = 0; p <= Return2; ++p) name(im.names.pipelineNames[static_cast<std::size_t>(p)], pipelineNames[p]);

  fill(im.hourArcDesc, im.hourArcPos, im.hourArcNeg, im.names.hourArcNames,
       {{0x0100 | SupplyTemp1, 0, 0, "Т подачи"},
        {0x0100 | ReturnTemp1, 0, 0, "Т обратки"},
        {0x0180, SupplyTemp1, ReturnTemp1, "dT СО1"},
        {0x0200 | Supply1, 0, 0, "Расход СО1"},
        {0x0400 | Supply1, 0, 0, "Тепло подачи СО1"},
        {0x0480, kSupplies, kReturns, "Тепло отопления"},
        {0x0200 | HotWater, 0, 0, "Расход гор.воды"},
        {0x0100 | OutdoorTemp, 0, 0, "Т наружная"},
        {0x1807, 0, 0, "Т наружная прод"}});  // continuation of the outdoor temperature
  fill(im.dayArcDesc, im.dayArcPos, im.dayArcNeg, im.names.dayArcNames,
       {{0x0400 | Supply1, 0, 0, "Тепло подачи СО1"},
        {0x0400 | Supply2, 0, 0, "Тепло подачи СО2"},
        {0x0480, kSupplies, kReturns, "Тепло отопления"},
        {0x0400 | HotWater, 0, 0, "Тепло гор. воды"},
        {0x0200 | HotWater, 0, 0, "Расход гор.воды"},
        {0x0100 | OutdoorTemp, 0, 0, "Т наружная"},
        {0x1005, 0, 0, "Т наружная прод"}});  // continuation of daily archive 5
  fill(im.monthArcDesc, im.monthArcPos, im.monthArcNeg, im.names.monthArcNames,
       {{0x0480, kSupplies, kReturns, "Тепло отопления"},
        {0x0400 | HotWater, 0, 0, "Тепло гор. воды"},
        {0x0200 | HotWater, 0, 0, "Расход гор.воды"},
        {0x0200 | Supply1, 0, 0, "Расход СО1"},
        {0x0200 | Supply2, 0, 0, "Расход СО2"}});
  fill(im.intervalArcDesc, im.intervalArcPos, im.intervalArcNeg, im.names.intervalArcNames,
       {{0x0100 | SupplyTemp1, 0, 0, "Т подачи"}, {0x0100 | OutdoorTemp, 0, 0, "Т наружная"}});

  // Two events: any change of the first status byte, and its top bit alone
  // in the second byte.
  im.eventType[0] = 0xFF00;
  im.eventParam[0] = 0x0100;
  im.eventType[1] = 0x8001;
  im.eventParam[1] = 0x0100;

  constexpr Word kEventArchive = 1 << 9;
  constexpr Word kIntervalArchives = 1 << 8;
  im.sys(sys::SpecialFunctions) = kEventArchive | kIntervalArchives;
  im.sys(sys::SettlementHourDate) = 2301;  // 23 o'clock, day 1
  im.sys(sys::ClockCorrection) = 0;
  const char modem[] = "ATZ\r";
  std::fill(im.modemInitMain.begin(), im.modemInitMain.end(), 0);
  std::copy(modem, modem + 4, im.modemInitMain.begin());
  return im;
}

}  // namespace nastrum::sim
