// An image of the given kind in which every word and real of the settings
// record holds a value of its own, so a cell showing the wrong field shows.
#pragma once

#include "model/image_fields.h"
#include "support/fresh_image.h"

namespace nastrum::testing {

inline SettingsImage populatedImage(Word kind) {
  SettingsImage image = freshImage(kind);
  int n = 0;
  for (const ImageField& field : imageFields(image)) {
    if (field.path() == QLatin1String("DeviceKind")) continue;
    ++n;
    if (auto* word = std::get_if<Word*>(&field.value)) **word = static_cast<Word>((n * 7919u + 0x1234u) & 0xFFFFu);
    if (auto* real = std::get_if<double*>(&field.value)) **real = n * 0.25 - 300.0;
  }
  return image;
}

}  // namespace nastrum::testing
