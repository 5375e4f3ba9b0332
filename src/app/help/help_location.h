// Where the help pages are looked for: installed beside the program
// (share/nastrum/help under its prefix), in a "help" folder next to it, and
// in the source tree the program was built from, so a build runs with its
// help without being installed.
#pragma once

#include <QStringList>

namespace nastrum {

QStringList defaultHelpDirs();
// The first folder that holds the contents page, or an empty string.
QString findHelpDir(const QStringList& candidates);

}  // namespace nastrum
