#include "link/params/field_reach.h"

#include <type_traits>
#include <variant>

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

FieldReach::FieldReach() {
  const std::vector<ImageField> fields = imageFields(image_);
  for (std::size_t i = 0; i < fields.size(); ++i) index_.emplace(ValueAddress(fields[i].value), i);
  reached_.assign(fields.size(), false);
}

void FieldReach::mark(const void* address) {
  if (const auto found = index_.find(address); address && found != index_.end()) reached_[found->second] = true;
}

void FieldReach::mark(const ParamTarget& target) {
  mark(target.word);
  mark(target.word2);
  mark(target.real);
  if (target.text) mark(target.text->data());
}

}  // namespace nastrum
