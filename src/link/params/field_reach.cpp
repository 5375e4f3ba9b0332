#include "link/params/field_reach.h"

#include "model/image_fields.h"

namespace nastrum {

FieldReach::FieldReach() {
  const std::vector<ImageField> fields = imageFields(image_);
  for (std::size_t i = 0; i < fields.size(); ++i) index_.emplace(fields[i].address(), i);
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
