#include "link/write/write_reach.h"

#include <type_traits>
#include <unordered_map>

#include "model/image_fields.h"

namespace nastrum {

namespace {

const void* ValueAddress(const ImageField::Value& value) {
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

std::vector<bool> WriteReach(int kind, const WriteGroups& groups) {
  SettingsImage image;
  const std::vector<ImageField> fields = imageFields(image);
  std::unordered_map<const void*, std::size_t> index;
  for (std::size_t i = 0; i < fields.size(); ++i) index.emplace(ValueAddress(fields[i].value), i);

  std::vector<bool> reach(fields.size(), false);
  const auto mark = [&](const void* address) {
    if (const auto found = index.find(address); address && found != index.end()) reach[found->second] = true;
  };
  const std::uint8_t bit = KindBit(kind);
  for (const ParamFamily family : WriteFamilyOrder()) {
    if (!groups.has(GroupOf(family))) continue;
    const ParamBlock& block = BlockOf(family);
    for (const ParamObject& object : ObjectsOf(family, kind))
      for (const ParamRow& row : block.rows) {
        if ((row.kinds & bit) == 0 || row.password || (row.firstSubOnly && object.sub != 1)) continue;
        for (const ParamEntry& param : row.params) {
          if ((param.directions & kWriteOnly) == 0) continue;
          const ParamTarget target = param.target(image, object);
          mark(target.word);
          mark(target.word2);
          mark(target.real);
          if (target.text) mark(target.text->data());
        }
      }
  }
  return reach;
}

}  // namespace nastrum
