#include "editor/workflow/opened_path_name.h"

#include "model/settings_files.h"

namespace nastrum {

bool fileSystemIgnoresCase() {
#ifdef Q_OS_WIN
  return true;
#else
  return false;
#endif
}

QString openedPathName(const QString& chosen, bool ignoresCase) { return ignoresCase ? upperLatin(chosen) : chosen; }

}  // namespace nastrum
