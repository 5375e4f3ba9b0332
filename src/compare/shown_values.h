// The words a page shows for a descriptor word it decodes: the sensor's type
// and quantity, the pipeline's medium, an archive's state and item, a channel
// speed. Other fields keep the form the view pages give them.
#pragma once

#include <QString>

#include "model/image_fields.h"
#include "model/settings_image.h"

namespace nastrum {

// The decoded text of the field `info` of `image`, or `shown` when the pages
// decode no meaning from it.
QString decodedText(const SettingsImage& image, const FieldInfo& info, const QString& shown);

}  // namespace nastrum
