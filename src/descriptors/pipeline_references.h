// References to a pipeline that a change of its medium would leave pointing
// at something unsuitable: conditional links, archives and other pipelines,
// in the order the pipeline page asks about them.
#pragma once

#include "descriptors/reference.h"

namespace nastrum {

// References the medium change of pipeline `p` to `newMedium` must remove.
ReferenceList pipelineMediumChangeReferences(const SettingsImage& image, int p, int newMedium);

// References examined when pipeline `p` is switched off.
ReferenceList pipelineSwitchOffReferences(const SettingsImage& image, int p);

}  // namespace nastrum
