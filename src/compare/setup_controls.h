// Which setup page, object box and control edit a field: the place a
// double-click in a list of fields opens.
#pragma once

#include <optional>

#include "compare/field_places.h"
#include "model/kind_profile.h"

namespace nastrum {

// Nothing for a field no setup page edits (table points, record numbers, the
// marks the program keeps).
std::optional<SetupPlace> setupPlaceOf(const FieldInfo& info, const FieldPlace& place, const KindProfile& kind);

}  // namespace nastrum
