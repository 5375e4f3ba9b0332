#include "link/write/write_map.h"

#include <QStringList>

#include "model/hex_text.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

template <typename Groups>
auto& flagOf(Groups& g, WriteGroup group) {
  switch (group) {
    case WriteGroup::Sensors: return g.sensors;
    case WriteGroup::Pipelines: return g.pipelines;
    case WriteGroup::Archives: return g.archives;
    case WriteGroup::System: return g.system;
    case WriteGroup::Regulators: break;
  }
  return g.regulators;
}

// The field a target stands for, to find the read entry of a written one.
const void* FieldOf(const ParamTarget& t) {
  if (t.word) return t.word;
  if (t.real) return t.real;
  return t.text;
}

// The read entry of `object` in `block` that fills `field`.
std::optional<WriteReadBack> ReadBackOf(const ParamBlock& block, ParamObject object, std::uint8_t kindBit,
                                        const void* field, SettingsImage& source) {
  for (const ParamRow& row : block.rows) {
    if ((row.kinds & kindBit) == 0 || (row.firstSubOnly && object.sub != 1)) continue;
    for (const ParamEntry& param : row.params) {
      if ((param.directions & kReadOnly) == 0 || FieldOf(param.target(source, object)) != field) continue;
      return WriteReadBack{row.source, AddressOf(block, row, param.number, object), ReadByteCount(row.conversion)};
    }
  }
  return std::nullopt;
}

// Tables travel whole, one bundle each; so do the strings sent once per attempt.
int BundleOf(ParamFamily family, const ParamRow& row, ParamObject object) {
  if (family == ParamFamily::Tables) return object.sub;
  if (row.sentOnce) return 0;
  return -1;
}

}  // namespace

bool WriteGroups::has(WriteGroup group) const { return flagOf(*this, group); }

void WriteGroups::set(WriteGroup group, bool on) { flagOf(*this, group) = on; }

WriteGroups WriteGroups::all() { return WriteGroups{true, true, true, true, true}; }

WriteGroups WriteGroups::ofKind(int kind) const {
  WriteGroups groups = *this;
  if (!kindProfile(kind).hasViewRegulators()) groups.regulators = false;
  return groups;
}

WriteGroup GroupOf(ParamFamily family) {
  switch (family) {
    case ParamFamily::Sensors:
    case ParamFamily::Tables:
      return WriteGroup::Sensors;
    case ParamFamily::Pipelines:
      return WriteGroup::Pipelines;
    case ParamFamily::HourArchives:
    case ParamFamily::DayArchives:
    case ParamFamily::MonthArchives:
    case ParamFamily::IntervalArchives:
    case ParamFamily::EventsFirst:
    case ParamFamily::EventsSecond:
      return WriteGroup::Archives;
    case ParamFamily::Generators:
    case ParamFamily::System:
      return WriteGroup::System;
    case ParamFamily::LogicFlags:
    case ParamFamily::Regulators:
      break;
  }
  return WriteGroup::Regulators;
}

QString WriteGroupCaption(WriteGroup group) {
  static const char16_t* const kCaptions[kWriteGroupCount] = {u"Датчики", u"Трубопроводы", u"Архивы",
                                                              u"Системные параметры", u"Регуляторы"};
  return QString::fromUtf16(kCaptions[static_cast<int>(group)]);
}

QString WriteGroupsText(const WriteGroups& groups) {
  QStringList names;
  for (int g = 0; g < kWriteGroupCount; ++g)
    if (groups.has(static_cast<WriteGroup>(g))) names << WriteGroupCaption(static_cast<WriteGroup>(g));
  return names.join(QStringLiteral(", "));
}

std::vector<ParamObject> WrittenObjects(ParamFamily family, int kind) {
  std::vector<ParamObject> objects = ObjectsOf(family, kind);
  if (family != ParamFamily::LogicFlags) return objects;
  const int flags = kindProfile(kind).logicFlags;
  std::erase_if(objects, [flags](const ParamObject& o) { return 64 * (o.sub - 1) + o.k >= flags; });
  return objects;
}

std::vector<WriteStep> PlanConstantsWrite(int kind, const WriteGroups& groups, bool withPassword,
                                          const SettingsImage& image) {
  // The map's targets are fields of an image it may change when reading; a
  // write only reads them, from a copy of its own.
  SettingsImage source = image;
  std::vector<WriteStep> steps;
  const std::uint8_t bit = KindBit(kind);
  for (const ParamFamily family : WriteFamilyOrder()) {
    const WriteGroup group = GroupOf(family);
    if (!groups.has(group)) continue;
    const ParamBlock& block = BlockOf(family);
    for (const ParamObject& object : WrittenObjects(family, kind)) {
      for (const ParamRow& row : block.rows) {
        if ((row.kinds & bit) == 0) continue;
        if (row.firstSubOnly && object.sub != 1) continue;
        if (row.password && !withPassword) continue;
        for (const ParamEntry& param : row.params) {
          if ((param.directions & kWriteOnly) == 0) continue;
          WriteStep s;
          s.source = row.source;
          s.address = AddressOf(block, row, param.writeNumber >= 0 ? param.writeNumber : param.number, object);
          s.data = EncodeWriteValue(row.conversion, param.target(source, object), &s.encodable);
          s.sentOnce = row.sentOnce;
          s.password = row.password;
          s.group = group;
          s.family = family;
          s.object = object;
          s.row = row.row;
          if (!row.password)
            s.readBack = ReadBackOf(block, object, bit, FieldOf(param.target(source, object)), source);
          s.bundle = BundleOf(family, row, object);
          if (param.writeLabel) {
            s.spyLabel = QString::fromUtf16(param.writeLabel);
            if (family == ParamFamily::Generators) s.spyLabel += QString::number(object.k);
          }
          steps.push_back(std::move(s));
        }
      }
    }
  }
  return steps;
}

int WriteProgressMaximum(int kind, const WriteGroups& groups) {
  const SettingsImage blank;
  int count = 0;
  for (const WriteStep& s : PlanConstantsWrite(kind, groups, false, blank))
    if (!s.password) ++count;
  return count;
}

QString DescribeWriteStep(const WriteStep& step) {
  const QString address = QStringLiteral("0x") + HexWord(step.address);
  return step.source == ParamSource::Memory ? QStringLiteral("ячейки памяти ") + address
                                            : QStringLiteral("параметра ") + address;
}

}  // namespace nastrum
