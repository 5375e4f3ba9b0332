// The shared run code includes one run: must be reported.
#include "link/read/read_map.h"
#include "link/frames.h"
