#include "compare/setup_controls.h"

#include <cstring>

namespace nastrum {

namespace {

struct Control {
  const char* member;  // the record member, or the array or the system word
  const char* control;
};

const char* controlOf(const char* member, std::initializer_list<Control> controls) {
  if (!member) return nullptr;
  for (const Control& c : controls)
    if (std::strcmp(c.member, member) == 0) return c.control;
  return nullptr;
}

SetupPlace place(EditorPage page, const char* numberBox, int object, const char* control) {
  SetupPlace p;
  p.page = page;
  if (numberBox) p.numberBox = QLatin1String(numberBox);
  p.object = numberBox ? object : -1;
  if (control) p.control = QLatin1String(control);
  return p;
}

std::optional<SetupPlace> sensorPlace(const FieldName& n) {
  const char* control = controlOf(
      n.member, {{"MainDescriptor", "familyBox"}, {"AuxDescriptor", "moduleBox"}, {"RtdStandard", "rtdStandardBox"},
                 {"Const1", "const1Edit"},       {"Const2", "const2Edit"},    {"Const3", "const3Edit"},
                 {"MaxValue", "maxEdit"},        {"MinValue", "minEdit"},     {"SubstAboveMax", "substMaxEdit"},
                 {"SubstBelowMin", "substMinEdit"}, {"SubstOnFault", "substFaultEdit"},
                 {"MonthFactor", "monthFactorEdit"}});
  if (!control) return std::nullopt;
  return place(EditorPage::Sensors, "sensorNumber", n.index, control);
}

std::optional<SetupPlace> pipelinePlace(const FieldName& n) {
  // The sensors and their sources are on the second pipeline tab.
  if (const char* control = controlOf(n.member, {{"TempSensors", "temperatureSource"},
                                                  {"PressureSensors", "pressureSource"},
                                                  {"DensityCalorLink", "pipeConstants"},
                                                  {"BigPipeRef", "overflow"}})) {
    SetupPlace p = place(EditorPage::Pipelines, "pipeNumber2", n.index, control);
    p.pipelinePage = PipelinePage::ConnectedSensors;
    return p;
  }
  const char* control = controlOf(
      n.member, {{"MainDescriptor", "pipeMedium"},   {"FlowSensors", "flowList"},
                 {"CutoffSource", "cutoff"},          {"ImpurityTariff", "tariff"},
                 {"PipeDiameter", "pipeDiameter"},    {"OrificeDiameter", "orificeDiameter"},
                 {"PipeExpansion", "pipeExpansion"},  {"OrificeExpansion", "orificeExpansion"},
                 {"Roughness", "roughness"},          {"CO2Fraction", "co2Fraction"},
                 {"N2Fraction", "n2Fraction"},        {"GasCalorific", "gasCalorific"},
                 {"GasDensity", "gasDensity"},        {"MonthFactor", "monthFactor"},
                 {"MainTariff", "mainTariff"},        {"NightTariff", "nightTariff"}});
  if (!control) return std::nullopt;
  return place(EditorPage::Pipelines, "pipeNumber", n.index, control);
}

// The archive families' controls are named after the family: hourNumber, dayState, …
std::optional<SetupPlace> archivePlace(const FieldName& n) {
  static const std::pair<const char*, const char*> kFamilies[] = {
      {"HourArc", "hour"}, {"DayArc", "day"}, {"MonthArc", "month"}, {"IntervalArc", "interval"}};
  for (const auto& [array, prefix] : kFamilies) {
    const std::size_t length = std::strlen(array);
    if (std::strncmp(n.group, array, length) != 0) continue;
    const QString p = QLatin1String(prefix);
    const char* rest = n.group + length;
    SetupPlace s = place(EditorPage::Archives, "-", n.index, nullptr);
    s.numberBox = p + QStringLiteral("Number");
    s.control = p + (std::strcmp(rest, "Desc") == 0 ? QStringLiteral("State")
                     : std::strcmp(rest, "Names") == 0 ? QStringLiteral("Name")
                                                       : QStringLiteral("Item"));
    return s;
  }
  if (const char* control = controlOf(n.group, {{"EventType", "eventPresent"}, {"EventParam", "eventParam"}}))
    return place(EditorPage::Archives, "eventNumber", n.index, control);
  return std::nullopt;
}

std::optional<SetupPlace> systemPlace(const FieldName& n) {
  if (std::strcmp(n.group, "CurrentGenerators") == 0) {
    const char* control = controlOf(n.member, {{"ParamDescriptor", "generatorParameter"},
                                               {"LawDescriptor", "generatorRange"},
                                               {"ScaleEnd", "scaleEnd"},
                                               {"ScaleStart", "scaleStart"}});
    return place(EditorPage::System, "generatorNumber", n.index, control);
  }
  const char* control = controlOf(
      n.member ? n.member : n.group,
      {{"ClockCorrection", "dailyCorrection"},    {"ArchiveWriteMode", "dailyArchiveMode"},
       {"SummerTimeInterval", "summerTime"},      {"SettlementHourDate", "settlementHour"},
       {"MainChannelSetup", "channelChoice"},     {"MainChannelBaud", "speed"},
       {"AuxChannelSetup", "channelChoice"},      {"AuxChannelBaud", "speed"},
       {"BatteryControl", "batteryModule"},       {"SpecialFunctions", "fixedLink"},
       {"DevicePassword", "devicePassword"},      {"ColdSourceTemp", "coldSourceTemp"},
       {"CarrierTemp", "carrierTemp"},            {"CarrierPressure", "carrierPressure"},
       {"AtmPressure", "atmPressure"},            {"ModemInitMain", "modemText"},
       {"ModemInitAux", "modemText"}});
  if (!control) return std::nullopt;
  return place(EditorPage::System, nullptr, -1, control);
}

std::optional<SetupPlace> regulatorPlace(const FieldName& n, const KindProfile& kind) {
  if (kind.hasLogicFlags) {
    const char* control = controlOf(n.group, {{"LogicLaw", "lawChoice"},
                                              {"LogicParam", "operandX"},
                                              {"LogicK1", "constantK1"},
                                              {"LogicK2", "reference"},
                                              {"LogicT1", "operate"},
                                              {"LogicT2", "release"}});
    if (!control) return std::nullopt;
    return place(EditorPage::Regulators, "flagNumber", n.index, control);
  }
  const char* control = controlOf(n.group, {{"LogicLaw", "regulatorLaw"},
                                            {"LogicParam", "regulatorOperand"},
                                            {"LogicT1", "regulatorK1"},
                                            {"LogicT2", "regulatorK1"}});
  if (!control) return std::nullopt;
  return place(EditorPage::RegulatorsDesktop, "regulatorNumber", n.index, control);
}

}  // namespace

std::optional<SetupPlace> setupPlaceOf(const FieldInfo& info, const FieldPlace& where, const KindProfile& kind) {
  const FieldName& n = info.name;
  switch (where.page) {
    case ComparePage::Sensors:
      return std::strcmp(n.group, "Sensors") == 0 ? sensorPlace(n) : std::nullopt;
    case ComparePage::Pipelines:
      return pipelinePlace(n);
    case ComparePage::Archives:
      return archivePlace(n);
    case ComparePage::System:
      return systemPlace(n);
    case ComparePage::Regulators:
      return regulatorPlace(n, kind);
    case ComparePage::Desktop:
      return place(EditorPage::RegulatorsDesktop, "desktopNumber", n.index, "desktopItems");
    case ComparePage::Names:
      if (std::strcmp(n.group, "SensorNames") == 0) return place(EditorPage::Sensors, "sensorNumber", n.index, "nameEdit");
      if (std::strcmp(n.group, "PipelineNames") == 0) return place(EditorPage::Pipelines, "pipeNumber", n.index, "pipeName");
      if (std::strcmp(n.group, "DesktopNames") == 0)
        return place(EditorPage::RegulatorsDesktop, "desktopNumber", n.index, "desktopName");
      return archivePlace(n);
    case ComparePage::Clock:
      return place(EditorPage::Time, nullptr, -1,
                   n.member && std::strcmp(n.member, "TimeHHMM") == 0 ? "tek_time" : "tek_date");
    case ComparePage::Kind:
    case ComparePage::Unshown:
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace nastrum
