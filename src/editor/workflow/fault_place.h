// Where the setup mode shows the fault of a check row: the page, the object
// in its number box and the control holding the value the rule found wrong.
// A double-click on a row of the error window opens it (Tbase_form::showSetupAt).
#pragma once

#include <optional>

#include "check/check_result.h"
#include "editor/workflow/setup_place.h"

namespace nastrum {

// Nothing for a code no rule of `group` has.
std::optional<SetupPlace> faultPlace(CheckGroup group, int code, int object);
inline std::optional<SetupPlace> faultPlace(const CheckError& error) {
  return faultPlace(error.group, error.code, error.object);
}

}  // namespace nastrum
