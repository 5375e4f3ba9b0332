// One run includes another: must be reported.
#include "link/read/read_map.h"
#include "link/runs/names_layout.h"
#include "link/write/write_run.h"
