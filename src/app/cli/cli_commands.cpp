#include "app/cli/cli_commands.h"

#include "app/cli/command_backup.h"
#include "app/cli/command_check.h"
#include "app/cli/command_clock.h"
#include "app/cli/command_diff.h"
#include "app/cli/command_dump.h"
#include "app/cli/command_map.h"
#include "app/cli/command_new.h"
#include "app/cli/command_read.h"
#include "app/cli/command_scan.h"
#include "app/cli/command_write.h"

namespace nastrum::cli {

// One line per subcommand; each lives in its own command_*.cpp.
std::vector<CliCommand> cliCommands() {
  return {
      newCommand(),
      dumpCommand(),
      diffCommand(),
      checkCommand(),
      readCommand(),
      writeCommand(),
      clockCommand(),
      scanCommand(),
      backupCommand(),
      mapCommand(),
  };
}

}  // namespace nastrum::cli
