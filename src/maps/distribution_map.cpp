// Map 1: for every pipeline, which sensors it uses in which role, read from
// the pipeline and sensor descriptors; the name column is left to the user.
#include <algorithm>
#include <initializer_list>
#include <span>

#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_roles.h"
#include "descriptors/sensor_codes.h"
#include "maps/distribution_map.h"
#include "maps/map_builders.h"
#include "maps/map_cells.h"
#include "model/kind_profile.h"

namespace nastrum::maps {

namespace {

enum RoleColumn : int { ColFlow = 2, ColDiffMain, ColDiffSub, ColTempInlet, ColTempMeasure, ColColdSource,
                        ColColdJunction, ColPressure, ColAtm, ColDensity, ColCalorific };

struct RoleEntry {
  const char* heading;
  const char* legend;
};
// In column order 2..12.
constexpr RoleEntry kRoles[] = {
    {"ДР", " ДР     - датчик расхода"},
    {"ДПосн", " ДПосн  - датчик перепада давления основного диапазона"},
    {"ДПдоп", " ДПдоп  - датчик перепада давления дополнительного диапазона"},
    {"ДТвх", " ДТвх   - датчик температуры на входе в зону учета"},
    {"ДТраб", " ДТраб  - датчик температуры в точке измерения расхода"},
    {"ДТхи", " ДТхи  - датчик температуры холодного источника"},
    {"ДТхс", " ДТхс  - датчик температуры холодного спая термопары"},
    {"ДДраб", " ДДраб - датчик давления в точке замера расхода"},
    {"ДДатм", " ДДатм - датчик атмосферного давления"},
    {"ДГ", " ДГ   - датчик плотности природного газа"},
    {"ДК", " ДК   - датчик калорийности природного газа"},
};
// The legend's right half lists the last five roles in rows 20..24 in this order.
constexpr int kRightLegend[] = {ColColdJunction, ColPressure, ColAtm, ColCalorific, ColDensity};

QString legendOf(int column) { return QString::fromUtf8(kRoles[column - ColFlow].legend); }

bool oneOf(int byte, std::initializer_list<int> values) {
  for (int v : values)
    if (byte == v) return true;
  return false;
}

// The bytes each role reads as "no sensor" (none, a constant, computed); any
// other byte is printed as the number it holds, so that a reference to a
// sensor the device does not have shows on paper instead of hiding.
constexpr int kNoneOnly[] = {kNoReference};
constexpr int kNoneOrConstant[] = {kNoReference, kPipeConstant1, kPipeConstant2};
constexpr int kNoneConstantOrComputed[] = {kNoReference, kPipeConstant1, kPipeConstant2, kComputed};

// Writes a role's byte unless the role reads it as no sensor.
void putSensor(MapTable& t, int row, int column, int byte, std::span<const int> noSensor) {
  if (std::find(noSensor.begin(), noSensor.end(), byte) == noSensor.end()) t.setText(column, row, objectNumberText(byte));
}

const SensorRecord* sensorOf(const SettingsImage& image, int byte) {
  const SensorByte b = decodeSensorByte(byte);
  return b.kind == SensorByteKind::Sensor ? &image.sensors[static_cast<std::size_t>(b.sensor)] : nullptr;
}

bool isAnalogDiffPressure(const SensorRecord* s) {
  return s && isAnalogSensor(s->mainDescriptor) && digitOf(s->mainDescriptor, 2) == DiffPressure;
}

bool isThermocouple(const SensorRecord* s) {
  if (!s || !isAnalogSensor(s->mainDescriptor) || digitOf(s->mainDescriptor, 2) != Temperature) return false;
  const int d3 = digitOf(s->mainDescriptor, 3);
  return d3 >= 4 && d3 <= 6;
}

void fillFlow(const SettingsImage& image, const PipelineRecord& p, MapTable& t, int row) {
  Word flow = p.flowSensors;
  if (highByte(flow) == kNoReference) return;
  if (digitOf(flow, 1) == 8) {  // taken from pipeline D2 (8000, "нет", reads as pipeline 0)
    flow = image.pipelines[static_cast<std::size_t>(digitOf(flow, 2))].flowSensors;
    if (highByte(flow) == kNoReference) return;
  }
  const int high = highByte(flow), low = lowByte(flow);
  if (isAnalogDiffPressure(sensorOf(image, high))) {
    putSensor(t, row, ColDiffMain, high, kNoneOnly);
    putSensor(t, row, ColDiffSub, low, kNoneOnly);
  } else {
    putSensor(t, row, ColFlow, high, kNoneOnly);
  }
}

void fillTemperatures(const SettingsImage& image, const PipelineRecord& p, MapTable& t, int row) {
  const int measure = highByte(p.tempSensors), inlet = lowByte(p.tempSensors);
  putSensor(t, row, ColTempMeasure, measure, kNoneConstantOrComputed);
  putSensor(t, row, ColTempInlet, inlet, kNoneConstantOrComputed);
  // The cold junction of a thermocouple is its Const2; the inlet's wins.
  for (int byte : {measure, inlet}) {
    const SensorRecord* s = sensorOf(image, byte);
    if (isThermocouple(s) && s->const2 >= 0 && s->const2 < 64)
      t.setText(ColColdJunction, row, objectNumberText(static_cast<int>(s->const2)));
  }
}

void fillPipelineRow(const SettingsImage& image, const PipelineRecord& p, MapTable& t, int row) {
  const int d1 = digitOf(p.mainDescriptor, 1);
  if (!oneOf(d1, {1, 2, 3, 4, 5, 7, 8})) return;
  fillFlow(image, p, t, row);
  if (d1 == 8) return;
  fillTemperatures(image, p, t, row);
  putSensor(t, row, ColPressure, highByte(p.pressureSensors), kNoneConstantOrComputed);
  putSensor(t, row, ColAtm, lowByte(p.pressureSensors), kNoneConstantOrComputed);
  if (d1 >= 1 && d1 <= 3)  // water and steam
    putSensor(t, row, ColColdSource, lowByte(p.bigPipeRef), kNoneOrConstant);
  if (d1 == NaturalGas) {
    putSensor(t, row, ColDensity, highByte(p.densityCalorLink), kNoneOnly);
    putSensor(t, row, ColCalorific, lowByte(p.densityCalorLink), kNoneOnly);
  }
}

}  // namespace

void buildDistributionMap(const SettingsImage& image, MapPage& page) {
  MapTable t(kDistributionColumns, kDistributionRows);
  t.setColumnWidth(1, 400);
  for (int c = ColFlow; c < kDistributionColumns; ++c) t.setColumnWidth(c, 50);

  putHeading(t, 0, 0, page.caption);
  t.cell(0, 0).align = CellAlign::Left;
  t.merge(0, 0, kDistributionColumns, 1);
  putHeading(t, 0, 1, QStringLiteral("№"));
  t.merge(0, 1, 1, 2);
  putHeading(t, 1, 1, QStringLiteral("Наименование трубопровода"));
  t.merge(1, 1, 1, 2);
  putHeading(t, ColFlow, 1, QStringLiteral("Используемые датчики"));
  t.merge(ColFlow, 1, kDistributionColumns - ColFlow, 1);
  // The abbreviations in the body font, so that they fit their narrow columns.
  for (int c = ColFlow; c < kDistributionColumns; ++c) {
    putLabel(t, c, 2, QString::fromUtf8(kRoles[c - ColFlow].heading));
    t.cell(c, 2).align = CellAlign::Center;
  }

  const int pipelines = kindProfile(image.deviceKind).pipelines;
  for (int n = 0; n < kPipelineCount; ++n) {
    const int row = kFirstPipelineRow + n;
    putLabel(t, 0, row, n < pipelines ? QString::number(n) : QString());
    t.cell(0, row).align = CellAlign::Center;
    putValue(t, kNameColumn, row);
    t.cell(kNameColumn, row).align = CellAlign::Left;
    for (int c = ColFlow; c < kDistributionColumns; ++c) putValue(t, c, row);
    if (n < pipelines) fillPipelineRow(image, image.pipelines[static_cast<std::size_t>(n)], t, row);
  }

  putLabel(t, 0, 19, QStringLiteral("                                      Обозначения:"));
  t.merge(0, 19, kDistributionColumns, 1);
  for (int i = 0; i < 6; ++i) {
    putLabel(t, 0, 20 + i, legendOf(ColFlow + i));
    t.merge(0, 20 + i, 2, 1);
    putLabel(t, ColFlow, 20 + i, i < 5 ? legendOf(kRightLegend[i]) : QString());
    t.merge(ColFlow, 20 + i, kDistributionColumns - ColFlow, 1);
  }
  page.table = std::move(t);
}

}  // namespace nastrum::maps
