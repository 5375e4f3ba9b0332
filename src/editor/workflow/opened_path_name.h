// The name under which an opened settings file is kept.
#pragma once

#include <QString>

namespace nastrum {

// True where the file system ignores case (Windows).
bool fileSystemIgnoresCase();

// The program keeps an opened path with its Latin letters upper-cased
// (d:\data\plant.bfm becomes D:\DATA\PLANT.BFM). That is only sound where case
// does not matter: elsewhere the upper-cased name is another file, and every
// later save would go there, so the path is kept as chosen.
QString openedPathName(const QString& chosen, bool ignoresCase = fileSystemIgnoresCase());

}  // namespace nastrum
