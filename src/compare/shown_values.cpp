#include "compare/shown_values.h"

#include <cstring>

#include "descriptors/archive_words.h"
#include "descriptors/pipeline_codes.h"
#include "descriptors/sensor_view.h"
#include "descriptors/system_codes.h"

namespace nastrum {

namespace {

bool is(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

QString sensorText(const SettingsImage& image, int n) {
  const SensorView v = decodeSensor(image.sensors[static_cast<std::size_t>(n)], image.deviceKind);
  if (!v.quantity) return v.familyText;
  return v.familyText + QStringLiteral(", ") + quantityChoices(image.deviceKind).textOf(*v.quantity);
}

QString pipelineText(const SettingsImage& image, int n) {
  const std::optional<int> medium = pipelineMedium(image.pipelines[static_cast<std::size_t>(n)].mainDescriptor);
  return medium ? mediumChoices(image.deviceKind).textOf(*medium) : errorText();
}

std::optional<ArchiveFamily> archiveFamilyOf(const char* group) {
  if (is(group, "HourArcDesc")) return ArchiveFamily::Hourly;
  if (is(group, "DayArcDesc")) return ArchiveFamily::Daily;
  if (is(group, "MonthArcDesc")) return ArchiveFamily::Monthly;
  if (is(group, "IntervalArcDesc")) return ArchiveFamily::Interval;
  return std::nullopt;
}

QString archiveText(ArchiveFamily family, Word desc) {
  const ArchiveState state = archiveState(family, desc);
  const QString stateText = archiveStateChoices(family).textOf(static_cast<int>(state));
  if (state != ArchiveState::Head) return stateText;
  const std::optional<int> item = decodeArchiveItem(desc);
  return stateText + QStringLiteral(", ") + (item ? archiveItemChoices(family).textOf(*item) : errorText());
}

}  // namespace

QString decodedText(const SettingsImage& image, const FieldInfo& info, const QString& shown) {
  const FieldName& n = info.name;
  if (!info.usedBy(image.deviceKind)) return shown;
  if (is(n.group, "Sensors") && is(n.member, "MainDescriptor")) return sensorText(image, n.index);
  if (is(n.group, "Pipelines") && is(n.member, "MainDescriptor")) return pipelineText(image, n.index);
  if (const std::optional<ArchiveFamily> family = archiveFamilyOf(n.group)) {
    const ArchiveWords w = archiveWords(image, *family, n.index);
    return archiveText(*family, w.desc);
  }
  if (is(n.group, "SystemBlock") && (is(n.member, "MainChannelBaud") || is(n.member, "AuxChannelBaud"))) {
    const Word code = image.sys(is(n.member, "MainChannelBaud") ? sys::MainChannelBaud : sys::AuxChannelBaud);
    return system_codes::speeds().containsCode(code & 0xFFFF) ? system_codes::speeds().textOf(code & 0xFFFF) : shown;
  }
  return shown;
}

}  // namespace nastrum
