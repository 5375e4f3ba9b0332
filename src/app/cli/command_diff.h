// nastrum-cli diff A.bfm B.bfm: the fields in which two settings pairs differ.
#pragma once

#include "app/cli/cli_command.h"
#include "model/field_walk.h"

namespace nastrum::cli {

CliCommand diffCommand();

// "path: a -> b" for every field whose text differs, in file order.
QStringList differingFields(const std::vector<Field>& a, const std::vector<Field>& b);

}  // namespace nastrum::cli
