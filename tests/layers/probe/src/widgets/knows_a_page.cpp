// Probe: a shared widget may not know a page.
#include "editor/pages/sensors/sensor_page.h"
