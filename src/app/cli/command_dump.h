// nastrum-cli dump FILE.bfm [--json]: every field of a settings pair.
#pragma once

#include <QJsonObject>

#include "app/cli/cli_command.h"
#include "model/field_walk.h"

namespace nastrum::cli {

CliCommand dumpCommand();

// The fields as one JSON object nested by their names: "Sensors[0].Number"
// becomes {"Sensors": [{"Number": 1}]}. Codes are "0x…" strings, names and
// modem strings plain strings, non-finite reals the strings "nan", "inf".
QJsonObject fieldsAsJson(const std::vector<Field>& fields);

}  // namespace nastrum::cli
