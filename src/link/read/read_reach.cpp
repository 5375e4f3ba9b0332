#include "link/read/read_reach.h"

#include "link/params/field_reach.h"
#include "link/read/read_map.h"
#include "link/runs/names_layout.h"
#include "model/field_walk.h"
#include "model/image_fields.h"

namespace nastrum {

std::vector<bool> ConstantsReadReach(int kind) {
  FieldReach reach;
  reach.mark(&reach.image().deviceKind);  // the read takes the kind from the identified model
  for (const ReadStep& step : PlanConstantsRead(kind, reach.image())) reach.mark(step.target);
  return reach.reached();
}

std::vector<bool> NamesReadReach(int kind) {
  // Decoding a block of free bytes over names that are set changes exactly the
  // slots the block carries.
  struct Fill {
    void word(const FieldInfo&, Word& w) { w = 0x7777; }
    void real(const FieldInfo&, double&) {}
    void name(const FieldInfo&, NameSlot& n) { n.setBytes("X"); }
    void bytes(const FieldInfo&, std::span<std::uint8_t>) {}
  };
  SettingsImage before;
  visitNamesRecordFields(before.names, Fill{});
  SettingsImage after = before;
  DecodeNames(NamesBuffers{}, kind, after.names);

  const std::vector<Field> a = walkFields(before), b = walkFields(after);
  std::vector<bool> reach(a.size(), false);
  for (std::size_t i = 0; i < a.size(); ++i) reach[i] = a[i].text != b[i].text;
  return reach;
}

}  // namespace nastrum
