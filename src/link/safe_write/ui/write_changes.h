// What a write will change, as a comparison: the device (the backup) against
// what will be sent, only within what the ticked groups send. The
// confirmation window shows it; `nastrum-cli write --dry-run` prints it.
#pragma once

#include "compare/settings_comparison.h"
#include "link/safe_write/write_preview.h"

namespace nastrum {

Comparison WriteChangesComparison(const WritePreview& preview, const QString& fileName);

}  // namespace nastrum
