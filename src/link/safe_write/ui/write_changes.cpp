#include "link/safe_write/ui/write_changes.h"

#include "model/hex_text.h"

namespace nastrum {

Comparison WriteChangesComparison(const WritePreview& preview, const QString& fileName) {
  CompareOptions options;
  options.realsAsTheDeviceKeepsThem = true;  // the backup holds the device's own four-byte reals
  options.scope = preview.scope;
  return compareSettings(*preview.held, QStringLiteral("ОРВИК №") + HexWord(preview.factoryNumber), *preview.toSend,
                         fileName, options);
}

}  // namespace nastrum
