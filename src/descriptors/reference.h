// A reference one object holds to another that a change is about to make
// unsuitable. The page asks the numbered question of the first reference
// found, naming its holder; "Да" removes that reference and every further
// one of the same change, any other answer cancels the change.
#pragma once

#include <functional>
#include <vector>

#include "model/settings_image.h"

namespace nastrum {

struct Reference {
  int message = 0;  // catalogue code of the question
  int holder = 0;   // number of the referring pipeline, sensor or archive
  std::function<void(SettingsImage&)> remove;
};

using ReferenceList = std::vector<Reference>;

// Removes every reference of the list, in order.
void removeReferences(SettingsImage& image, const ReferenceList& refs);

}  // namespace nastrum
