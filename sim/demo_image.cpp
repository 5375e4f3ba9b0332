#include "sim/demo_image.h"

#include <algorithm>

#include <QString>

#include "model/cp1251.h"
#include "model/editor_state.h"
#include "model/reset_image.h"

namespace nastrum::sim {
namespace {

void name(NameSlot& slot, const char* utf8) { slot.setBytes(toCp1251(QString::fromUtf8(utf8))); }

void temperature(SensorRecord& s) {
  s.mainDescriptor = 0x9400;  // analog, stored, platinum resistance thermometer
  s.const1 = 100.0;           // R0, ohm
  s.maxValue = 150.0;
  s.minValue = 0.0;
  s.substAboveMax = 150.0;
  s.substBelowMin = 0.0;
  s.substOnFault = 70.0;
  s.monthFactor = 1.0;
}

void pressure(SensorRecord& s) {
  s.mainDescriptor = 0x9183;  // analog, stored, excess pressure in MPa, 4..20 mA
  s.const1 = 0.0;             // scale start
  s.const2 = 1.5;             // scale end, MPa
  s.maxValue = 1.5;
  s.substAboveMax = 1.5;
  s.substOnFault = 0.5;
  s.monthFactor = 1.0;
}

void flow(SensorRecord& s) {
  s.mainDescriptor = 0x9313;  // analog, stored, liquid flow in m3, 4..20 mA
  s.const2 = 64.0;            // scale end, m3/h
  s.maxValue = 64.0;
  s.substAboveMax = 64.0;
  s.monthFactor = 1.0;
}

}  // namespace

SettingsImage demoPlantImage() {
  SettingsImage im;
  EditorState editor;
  ResetImage(im, editor);
  im.deviceKind = 2;

  temperature(im.sensors[0]);
  temperature(im.sensors[1]);
  pressure(im.sensors[2]);
  pressure(im.sensors[3]);
  flow(im.sensors[4]);
  flow(im.sensors[5]);
  temperature(im.sensors[6]);  // outdoor air
  im.sensors[6].minValue = -50.0;
  im.sensors[6].maxValue = 50.0;
  im.sensors[6].substOnFault = -10.0;
  name(im.names.sensorNames[0], "Т подачи");
  name(im.names.sensorNames[1], "Т обратки");
  name(im.names.sensorNames[2], "P подачи");
  name(im.names.sensorNames[3], "P обратки");
  name(im.names.sensorNames[4], "G подачи");
  name(im.names.sensorNames[5], "G обратки");
  name(im.names.sensorNames[6], "Т наружная");

  // Supply and return water pipelines; heat relative to the cold source.
  for (int p = 0; p < 2; ++p) {
    PipelineRecord& pipe = im.pipelines[static_cast<std::size_t>(p)];
    pipe.mainDescriptor = 0x1200;
    pipe.flowSensors = 0x4000 | (4 + p);
    pipe.tempSensors = 0x4000 | p;
    pipe.pressureSensors = 0x4000 | (2 + p);
    pipe.pipeDiameter = 100.0;
  }
  name(im.names.pipelineNames[0], "Подача");
  name(im.names.pipelineNames[1], "Обратка");

  // Hourly and daily archives of the supply temperature and pressure and
  // the two flows; a monthly heat archive.
  const Word archived[] = {0x0100, 0x0102, 0x0104, 0x0105};
  const char* archiveNames[] = {"Т подачи", "P подачи", "G подачи", "G обратки"};
  for (int i = 0; i < 4; ++i) {
    im.hourArcDesc[static_cast<std::size_t>(i)] = archived[i];
    im.dayArcDesc[static_cast<std::size_t>(i)] = archived[i];
    name(im.names.hourArcNames[static_cast<std::size_t>(i)], archiveNames[i]);
    name(im.names.dayArcNames[static_cast<std::size_t>(i)], archiveNames[i]);
  }
  im.monthArcDesc[0] = 0x0200;
  name(im.names.monthArcNames[0], "Тепло");

  im.sys(sys::SettlementHourDate) = 2301;  // 23 o'clock, day 1
  im.sys(sys::ClockCorrection) = 0;
  const char modem[] = "ATZ\r";
  std::fill(im.modemInitMain.begin(), im.modemInitMain.end(), 0);
  std::copy(modem, modem + 4, im.modemInitMain.begin());
  return im;
}

}  // namespace nastrum::sim
