// A window includes the application on top of it and another folder's window: must be reported.
#include "app/cli/cli_command.h"
#include "editor/ui/base_form.h"
#include "link/read/device_read_run.h"
