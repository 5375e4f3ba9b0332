// Which fields of the settings image a plan of exchanges reaches, in the order
// of imageFields(): the plan is made against the scratch image held here, and
// each parameter's target marks the field it points into.
#pragma once

#include <unordered_map>
#include <vector>

#include "link/params/param_map.h"
#include "model/settings_image.h"

namespace nastrum {

class FieldReach {
 public:
  FieldReach();
  // The targets point into the image: it stays where it is.
  FieldReach(const FieldReach&) = delete;
  FieldReach& operator=(const FieldReach&) = delete;

  // The image to plan against.
  SettingsImage& image() { return image_; }

  // Marks the field whose value lives at `address`; any other address is ignored.
  void mark(const void* address);
  // Marks every field `target` points to.
  void mark(const ParamTarget& target);

  const std::vector<bool>& reached() const { return reached_; }

 private:
  SettingsImage image_;
  std::unordered_map<const void*, std::size_t> index_;
  std::vector<bool> reached_;
};

}  // namespace nastrum
