// Probe: the workflow does not talk to the device.
#include "link/runs/exchange_settings.h"
