#include "link/read/read_reach.h"

#include <unordered_map>

#include "link/read/read_map.h"
#include "link/runs/names_layout.h"
#include "model/field_walk.h"
#include "model/image_fields.h"

namespace nastrum {

namespace {

const void* valueAddress(const ImageField::Value& value) {
  return std::visit(
      [](auto v) -> const void* {
        if constexpr (std::is_same_v<decltype(v), std::span<std::uint8_t>>)
          return v.data();
        else
          return v;
      },
      value);
}

}  // namespace

std::vector<bool> ConstantsReadReach(int kind) {
  SettingsImage image;
  const std::vector<ImageField> fields = imageFields(image);
  std::unordered_map<const void*, std::size_t> index;
  for (std::size_t i = 0; i < fields.size(); ++i) index.emplace(valueAddress(fields[i].value), i);

  std::vector<bool> reach(fields.size(), false);
  const auto mark = [&](const void* address) {
    if (const auto found = index.find(address); address && found != index.end()) reach[found->second] = true;
  };
  mark(&image.deviceKind);  // the read takes the kind from the identified model
  for (const ReadStep& step : PlanConstantsRead(kind, image)) {
    mark(step.target.word);
    mark(step.target.word2);
    mark(step.target.real);
    if (step.target.text) mark(step.target.text->data());
  }
  return reach;
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
