#include "link/read/read_map.h"

#include "model/kind_profile.h"

namespace nastrum {

std::vector<ReadStep> PlanConstantsRead(int kind, SettingsImage& image) {
  std::vector<ReadStep> steps;
  const std::uint8_t bit = KindBit(kind);
  for (const ParamFamily family : ReadFamilyOrder()) {
    const ParamBlock& block = BlockOf(family);
    const std::vector<ReadObject> objects = ObjectsOf(family, kind);
    for (const ReadObject& object : objects) {
      for (const ParamRow& row : block.rows) {
        if ((row.kinds & bit) == 0) continue;
        if (row.firstSubOnly && object.sub != 1) continue;
        for (const ParamEntry& param : row.params) {
          if ((param.directions & kReadOnly) == 0) continue;
          ReadStep s;
          s.source = row.source;
          s.size = ReadByteCount(row.conversion);
          s.conversion = row.conversion;
          s.target = param.target(image, object);
          s.row = row.row;
          s.family = family;
          s.object = object;
          s.label = param.readLabel;
          s.address = AddressOf(block, row, param.number, object);
          steps.push_back(s);
        }
      }
    }
  }
  return steps;
}

int ReadProgressMaximum(int modelCode) {
  return isValidDeviceKind(modelCode) ? kindProfile(modelCode).readProgressMax : 0;
}

QString ReadSectionLabel(const ReadStep& step) {
  switch (step.family) {
    case ReadFamily::IntervalArchives:
      return QStringLiteral("Расширенный архив интервала № ") + QString::number(step.object.k);
    case ReadFamily::EventsFirst:
      return QStringLiteral("чтение архива событий 1 часть");
    case ReadFamily::Tables:
      return QStringLiteral("чтение таблиц");
    case ReadFamily::Generators:
      return QStringLiteral("чтение генераторов тока");
    case ReadFamily::Regulators:
      return QStringLiteral("Регулятор № ") + QString::number(step.object.k);
    case ReadFamily::System:
      return step.label ? QString::fromUtf16(step.label) : QString();
    default:
      return {};
  }
}

}  // namespace nastrum
