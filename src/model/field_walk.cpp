#include "model/field_walk.h"

#include <charconv>

#include "model/cp1251.h"
#include "model/device_text.h"
#include "model/hex_text.h"

namespace nastrum {

namespace {

QString quoted(const QString& text) {
  QString out = QStringLiteral("\"");
  for (QChar c : text) {
    if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
      out += QLatin1Char('\\');
      out += c;
    } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
      out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    } else {
      out += c;
    }
  }
  return out + QLatin1Char('"');
}

QString bytesText(const std::uint8_t* data, std::size_t size) {
  std::size_t used = size;
  while (used > 0 && data[used - 1] == 0) --used;
  if (used == 0) return QStringLiteral("(zero)");
  return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(used)).toHex().toUpper());
}

class Walker {
 public:
  void number(const QString& path, Word w) { add({path, FieldKind::Number, w, 0, QString::number(w), {}}); }
  void code(const QString& path, Word w) {
    add({path, FieldKind::Code, w, 0, QStringLiteral("0x") + HexWord(w), {}});
  }
  void real(const QString& path, double r) { add({path, FieldKind::Real, 0, r, exactRealText(r), {}}); }
  void name(const QString& path, const NameSlot& slot) {
    const QString text = fromCp1251(slot.bytes());
    fields.push_back({path, FieldKind::Name, 0, 0, quoted(text), text});
  }
  void deviceText(const QString& path, const ModemText& text) {
    const QString edit = DeviceTextToEdit(text);
    if (EditToDeviceText(edit) == text) {
      fields.push_back({path, FieldKind::DeviceText, 0, 0, quoted(edit), edit});
    } else {
      // Not in the form the editor writes: show every byte so nothing hides.
      const QString hex = bytesText(text.data(), text.size());
      fields.push_back({path, FieldKind::DeviceText, 0, 0, hex, hex});
    }
  }
  template <std::size_t N>
  void bytes(const QString& path, const std::array<std::uint8_t, N>& data) {
    add({path, FieldKind::Bytes, 0, 0, bytesText(data.data(), N), {}});
  }
  template <std::size_t N>
  void codes(const QString& name, const std::array<Word, N>& words) {
    for (std::size_t i = 0; i < N; ++i) code(indexed(name, i), words[i]);
  }
  template <std::size_t N>
  void names(const QString& prefix, const std::array<NameSlot, N>& nameSlots) {
    for (std::size_t i = 0; i < N; ++i) name(indexed(prefix, i), nameSlots[i]);
  }

  static QString indexed(const QString& name, std::size_t i) {
    return name + QLatin1Char('[') + QString::number(i) + QLatin1Char(']');
  }

  std::vector<Field> fields;

 private:
  void add(Field f) {
    f.plainText = f.text;
    fields.push_back(std::move(f));
  }
};

const char* const kSystemNames[sys::Count] = {
    "TimeHHMM",         "DateDDMM",        "DateYear",         "ClockCorrection",  "ArchiveWriteMode",
    "SummerTimeInterval", "SettlementHourDate", "MainChannelSetup", "MainChannelBaud", "AuxChannelSetup",
    "AuxChannelBaud",   "PrivilegedMark",  "BatteryControl",   "SpecialFunctions", "PasswordPresent",
    "CheckErrorsMark",  "Reserved16",      "Reserved17",       "DevicePassword",
};

bool systemWordIsNumber(int index) {
  switch (index) {
    case sys::TimeHHMM:
    case sys::DateDDMM:
    case sys::DateYear:
    case sys::SettlementHourDate:
    case sys::PrivilegedMark:
    case sys::PasswordPresent:
    case sys::CheckErrorsMark:
      return true;
    default:
      return false;
  }
}

}  // namespace

QString exactRealText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

std::vector<Field> walkFields(const SettingsImage& image) {
  Walker w;
  w.number(QStringLiteral("DeviceKind"), image.deviceKind);

  for (std::size_t i = 0; i < image.sensors.size(); ++i) {
    const SensorRecord& s = image.sensors[i];
    const QString p = Walker::indexed(QStringLiteral("Sensors"), i) + QLatin1Char('.');
    w.number(p + QStringLiteral("Number"), s.number);
    w.code(p + QStringLiteral("MainDescriptor"), s.mainDescriptor);
    w.code(p + QStringLiteral("AuxDescriptor"), s.auxDescriptor);
    w.code(p + QStringLiteral("RtdStandard"), s.rtdStandard);
    w.real(p + QStringLiteral("Const1"), s.const1);
    w.real(p + QStringLiteral("Const2"), s.const2);
    w.real(p + QStringLiteral("Const3"), s.const3);
    w.real(p + QStringLiteral("MaxValue"), s.maxValue);
    w.real(p + QStringLiteral("MinValue"), s.minValue);
    w.real(p + QStringLiteral("SubstAboveMax"), s.substAboveMax);
    w.real(p + QStringLiteral("SubstBelowMin"), s.substBelowMin);
    w.real(p + QStringLiteral("SubstOnFault"), s.substOnFault);
    w.real(p + QStringLiteral("MonthFactor"), s.monthFactor);
  }

  for (std::size_t i = 0; i < image.pipelines.size(); ++i) {
    const PipelineRecord& r = image.pipelines[i];
    const QString p = Walker::indexed(QStringLiteral("Pipelines"), i) + QLatin1Char('.');
    w.number(p + QStringLiteral("Number"), r.number);
    w.code(p + QStringLiteral("MainDescriptor"), r.mainDescriptor);
    w.code(p + QStringLiteral("FlowSensors"), r.flowSensors);
    w.code(p + QStringLiteral("TempSensors"), r.tempSensors);
    w.code(p + QStringLiteral("PressureSensors"), r.pressureSensors);
    w.code(p + QStringLiteral("DensityCalorLink"), r.densityCalorLink);
    w.code(p + QStringLiteral("BigPipeRef"), r.bigPipeRef);
    w.code(p + QStringLiteral("CutoffSource"), r.cutoffSource);
    w.code(p + QStringLiteral("ImpurityTariff"), r.impurityTariff);
    w.real(p + QStringLiteral("PipeDiameter"), r.pipeDiameter);
    w.real(p + QStringLiteral("OrificeDiameter"), r.orificeDiameter);
    w.real(p + QStringLiteral("PipeExpansion"), r.pipeExpansion);
    w.real(p + QStringLiteral("OrificeExpansion"), r.orificeExpansion);
    w.real(p + QStringLiteral("Roughness"), r.roughness);
    w.real(p + QStringLiteral("CO2Fraction"), r.co2Fraction);
    w.real(p + QStringLiteral("N2Fraction"), r.n2Fraction);
    w.real(p + QStringLiteral("GasCalorific"), r.gasCalorific);
    w.real(p + QStringLiteral("GasDensity"), r.gasDensity);
    w.real(p + QStringLiteral("MonthFactor"), r.monthFactor);
    w.real(p + QStringLiteral("MainTariff"), r.mainTariff);
    w.real(p + QStringLiteral("NightTariff"), r.nightTariff);
  }

  w.codes(QStringLiteral("HourArcDesc"), image.hourArcDesc);
  w.codes(QStringLiteral("HourArcPos"), image.hourArcPos);
  w.codes(QStringLiteral("HourArcNeg"), image.hourArcNeg);
  w.codes(QStringLiteral("DayArcDesc"), image.dayArcDesc);
  w.codes(QStringLiteral("DayArcPos"), image.dayArcPos);
  w.codes(QStringLiteral("DayArcNeg"), image.dayArcNeg);
  w.codes(QStringLiteral("MonthArcDesc"), image.monthArcDesc);
  w.codes(QStringLiteral("MonthArcPos"), image.monthArcPos);
  w.codes(QStringLiteral("MonthArcNeg"), image.monthArcNeg);
  w.codes(QStringLiteral("IntervalArcDesc"), image.intervalArcDesc);
  w.codes(QStringLiteral("IntervalArcPos"), image.intervalArcPos);
  w.codes(QStringLiteral("IntervalArcNeg"), image.intervalArcNeg);
  w.code(QStringLiteral("EventPrefixWord"), image.eventPrefixWord);
  w.codes(QStringLiteral("EventType"), image.eventType);
  w.codes(QStringLiteral("EventParam"), image.eventParam);
  w.codes(QStringLiteral("LogicLaw"), image.logicLaw);
  w.codes(QStringLiteral("LogicParam"), image.logicParam);
  w.codes(QStringLiteral("LogicK1"), image.logicK1);
  w.codes(QStringLiteral("LogicK2"), image.logicK2);
  w.codes(QStringLiteral("LogicT1"), image.logicT1);
  w.codes(QStringLiteral("LogicT2"), image.logicT2);

  for (int i = 0; i < sys::Count; ++i) {
    const QString p = QStringLiteral("SystemBlock.") + QLatin1String(kSystemNames[i]);
    if (systemWordIsNumber(i)) {
      w.number(p, image.sys(i));
    } else {
      w.code(p, image.sys(i));
    }
  }

  for (std::size_t t = 0; t < image.tableFunctions.size(); ++t)
    for (std::size_t k = 0; k < image.tableFunctions[t].size(); ++k)
      w.real(Walker::indexed(Walker::indexed(QStringLiteral("TableFunctions"), t), k), image.tableFunctions[t][k]);

  for (std::size_t i = 0; i < image.currentGenerators.size(); ++i) {
    const CurrentGenRecord& g = image.currentGenerators[i];
    const QString p = Walker::indexed(QStringLiteral("CurrentGenerators"), i) + QLatin1Char('.');
    w.code(p + QStringLiteral("ParamDescriptor"), g.paramDescriptor);
    w.code(p + QStringLiteral("LawDescriptor"), g.lawDescriptor);
    w.real(p + QStringLiteral("ScaleEnd"), g.scaleEnd);
    w.real(p + QStringLiteral("ScaleStart"), g.scaleStart);
  }

  w.real(QStringLiteral("DefaultValues.ColdSourceTemp"), image.defaultValues.coldSourceTemp);
  w.real(QStringLiteral("DefaultValues.CarrierTemp"), image.defaultValues.carrierTemp);
  w.real(QStringLiteral("DefaultValues.CarrierPressure"), image.defaultValues.carrierPressure);
  w.real(QStringLiteral("DefaultValues.AtmPressure"), image.defaultValues.atmPressure);
  w.codes(QStringLiteral("ReservedPairs"), image.reservedPairs);
  w.deviceText(QStringLiteral("ModemInitMain"), image.modemInitMain);
  w.deviceText(QStringLiteral("ModemInitAux"), image.modemInitAux);

  const NamesRegion& n = image.names;
  w.names(QStringLiteral("SensorNames"), n.sensorNames);
  w.names(QStringLiteral("PipelineNames"), n.pipelineNames);
  w.names(QStringLiteral("HourArcNames"), n.hourArcNames);
  w.bytes(QStringLiteral("HourArcNamesSpare"), n.hourArcSpare);
  w.names(QStringLiteral("DayArcNames"), n.dayArcNames);
  w.names(QStringLiteral("MonthArcNames"), n.monthArcNames);
  w.names(QStringLiteral("IntervalArcNames"), n.intervalArcNames);
  w.bytes(QStringLiteral("IntervalArcNamesSpare"), n.intervalArcSpare);
  w.names(QStringLiteral("DesktopNames"), n.desktopNames);
  for (std::size_t i = 0; i < n.desktopParams.size(); ++i)
    w.number(Walker::indexed(QStringLiteral("DesktopParams"), i), n.desktopParams[i]);
  w.bytes(QStringLiteral("NamesReserved"), n.reserved);
  return std::move(w.fields);
}

}  // namespace nastrum
