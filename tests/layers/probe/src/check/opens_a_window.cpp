// A check source that includes a window header: must be reported.
#include "check/check_rules.h"
#include "check/ui/error_window.h"
#include "descriptors/sensor_codes.h"
