// The list box moved to the shared entry controls; this name stays for the
// code that still includes it here.
#pragma once

#include "editor/pages/inputs/choice_box.h"
