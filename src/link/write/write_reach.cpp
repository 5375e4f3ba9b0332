#include "link/write/write_reach.h"

#include "link/params/field_reach.h"

namespace nastrum {

std::vector<bool> WriteReach(int kind, const WriteGroups& groups) {
  FieldReach reach;
  const std::uint8_t bit = KindBit(kind);
  for (const ParamFamily family : WriteFamilyOrder()) {
    if (!groups.has(GroupOf(family))) continue;
    const ParamBlock& block = BlockOf(family);
    for (const ParamObject& object : WrittenObjects(family, kind))
      for (const ParamRow& row : block.rows) {
        if ((row.kinds & bit) == 0 || row.password || (row.firstSubOnly && object.sub != 1)) continue;
        for (const ParamEntry& param : row.params)
          if ((param.directions & kWriteOnly) != 0) reach.mark(param.target(reach.image(), object));
      }
  }
  return reach.reached();
}

}  // namespace nastrum
