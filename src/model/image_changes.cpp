#include "model/image_changes.h"

#include "model/settings_record.h"

namespace nastrum {

ImageChanges::Scope::Scope(ImageChanges& changes) : changes_(changes) {
  if (changes_.depth_++ == 0) changes_.before_ = std::make_unique<SettingsImage>(changes_.image_);
}

ImageChanges::Scope::~Scope() {
  if (--changes_.depth_ != 0) return;
  if (!storesSame(*changes_.before_, changes_.image_)) changes_.changed_ = true;
  changes_.before_.reset();
}

bool ImageChanges::take() {
  const bool changed = changed_;
  changed_ = false;
  return changed;
}

}  // namespace nastrum
