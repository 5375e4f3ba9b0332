// The simulator includes program code beyond model and link: must be reported.
#include "link/runs/names_layout.h"
#include "link/clock.h"
#include "sim/simulated_device.h"
#include "moc_generated.h"
