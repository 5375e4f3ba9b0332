#include "editor/workflow/fault_place.h"

#include <span>

namespace nastrum {

namespace {

struct Fault {
  int code;
  const char* control;
};

// Sensors: the boxes of the "Датчики" page that hold the digits each rule reads.
constexpr Fault kSensorFaults[] = {
    {10, "familyBox"},          {11, "quantityBox"},   {12, "pressureKindBox"},   {13, "tapBox"},
    {14, "flowKindBox"},        {15, "coldJunctionBox"}, {16, "coldJunctionBox"}, {17, "temperatureKindBox"},
    {18, "signalBox"},          {19, "moduleBox"},     {20, "familyBox"},         {21, "flowKindBox"},
    {22, "moduleBox"},          {23, "moduleBox"},     {24, "sourceBox"},         {25, "sourceBox"},
    {26, "tableNumberBox"},     {27, "const1Edit"},    {28, "arithmeticButton"},  {29, "cutoffPairBox"},
    {30, "monthFactorEdit"},    {31, "moduleBox"},
};

// Pipelines: the description tab, or (second member) the connected sensors tab.
struct PipelineFault {
  int code;
  const char* control;
  bool sensorsTab;
};
constexpr PipelineFault kPipelineFaults[] = {
    {110, "pipeMedium", false},     {111, "heatReference", false}, {112, "payment", false},
    {113, "tempMeasure", true},     {114, "tempInlet", true},      {115, "pressureMedium", true},
    {116, "pressureAtm", true},     {117, "coldSource", true},     {118, "densitySensor", true},
    {119, "calorificSensor", true}, {120, "correction", false},    {121, "flowList", false},
    {122, "diffSubList", false},    {123, "flowList", false},      {124, "overflow", true},
    {125, "diffSubList", false},    {126, "overflow", true},       {127, "flowRole", false},
    {128, "cutoff", false},         {129, "returnPressure", true}, {130, "humiditySensor", true},
    {131, "co2Sensor", true},       {132, "co2Fraction", false},   {133, "n2Sensor", true},
    {134, "n2Fraction", false},     {135, "dayTariffHour", false}, {136, "pipeDiameter", false},
    {137, "monthFactor", false},    {138, "humidity", false},      {139, "tempMeasure", true},
    {140, "diffSubList", false},    {141, "pipeLinks", false},     {142, "pipeLinks", false},
    {143, "pipeLinks", false},      {144, "tempMeasure", true},
};

// Archives: the last two digits of the code name the same rule in every
// family (212 and 412 both read the archive's sensor); the controls carry the
// family's prefix ("hourSensor", "daySensor", …).
constexpr Fault kArchiveFaults[] = {
    {10, "State"},  {11, "Extension"}, {12, "Sensor"}, {13, "Sensor"}, {14, "X2"},      {15, "X1"},
    {16, "X2"},     {17, "Chain"},     {18, "Head"},   {19, "Head"},   {20, "Head"},    {21, "Head"},
    {22, "Chain"},  {23, "Pipeline"},  {24, "Pipeline"}, {25, "Plus0"}, {26, "Minus0"}, {27, "Minus0"},
    {28, "State"},  {29, "Head"},
};

// System words: one page, no object.
constexpr Fault kSystemFaults[] = {
    {601, "summerTime"}, {602, "measuringInterval"}, {603, "settlementHour"}, {604, "speed"},
    {605, "speed"},      {606, "networkNumber"},     {607, "networkNumber"},  {608, "batterySensor"},
};

constexpr Fault kGeneratorFaults[] = {{701, "generatorParameter"}, {702, "scaleStart"}};
constexpr Fault kFlagFaults[] = {{801, "lawChoice"}};

const char* controlOf(std::span<const Fault> faults, int code) {
  for (const Fault& f : faults)
    if (f.code == code) return f.control;
  return nullptr;
}

SetupPlace place(EditorPage page, const QString& numberBox, int object, const QString& control) {
  SetupPlace p;
  p.page = page;
  p.numberBox = numberBox;
  p.object = numberBox.isEmpty() ? -1 : object;
  p.control = control;
  return p;
}

std::optional<SetupPlace> archivePlace(const char* prefix, int firstCode, int code, int object) {
  if (code < firstCode || code >= firstCode + 100) return std::nullopt;
  const char* control = controlOf(kArchiveFaults, code % 100);
  if (!control) return std::nullopt;
  const QString p = QLatin1String(prefix);
  return place(EditorPage::Archives, p + QStringLiteral("Number"), object, p + QLatin1String(control));
}

}  // namespace

std::optional<SetupPlace> faultPlace(CheckGroup group, int code, int object) {
  switch (group) {
    case CheckGroup::Sensor:
      if (const char* control = controlOf(kSensorFaults, code))
        return place(EditorPage::Sensors, QStringLiteral("sensorNumber"), object, QLatin1String(control));
      return std::nullopt;
    case CheckGroup::Pipeline:
      for (const PipelineFault& f : kPipelineFaults) {
        if (f.code != code) continue;
        SetupPlace p = place(EditorPage::Pipelines, f.sensorsTab ? QStringLiteral("pipeNumber2") : QStringLiteral("pipeNumber"),
                             object, QLatin1String(f.control));
        p.pipelinePage = f.sensorsTab ? PipelinePage::ConnectedSensors : PipelinePage::Description;
        return p;
      }
      return std::nullopt;
    case CheckGroup::HourArchive:
      return archivePlace("hour", 200, code, object);
    case CheckGroup::IntervalArchive:
      return archivePlace("interval", 300, code, object);
    case CheckGroup::DayArchive:
      return archivePlace("day", 400, code, object);
    case CheckGroup::MonthArchive:
      return archivePlace("month", 500, code, object);
    case CheckGroup::System:
      if (const char* control = controlOf(kSystemFaults, code)) return place(EditorPage::System, {}, -1, QLatin1String(control));
      return std::nullopt;
    case CheckGroup::CurrentGenerator:
      if (const char* control = controlOf(kGeneratorFaults, code))
        return place(EditorPage::System, QStringLiteral("generatorNumber"), object, QLatin1String(control));
      return std::nullopt;
    case CheckGroup::RegulatorFlag:
      if (const char* control = controlOf(kFlagFaults, code))
        return place(EditorPage::Regulators, QStringLiteral("flagNumber"), object, QLatin1String(control));
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace nastrum
