// A model header that reaches into the check: must be reported.
#pragma once
#include "check/check_rules.h"
#include "model/settings_image.h"
