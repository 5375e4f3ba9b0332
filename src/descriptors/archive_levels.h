// Which archive families chain their archives and which level digits make a
// head: shared by the chain rules and the reference rules.
#pragma once

#include "descriptors/archive_words.h"

namespace nastrum::archive_levels {

inline bool isChained(ArchiveFamily f) { return f != ArchiveFamily::Monthly; }
inline bool hasLevels(ArchiveFamily f) { return f == ArchiveFamily::Hourly || f == ArchiveFamily::Interval; }

// Level digits that make a head: hourly and interval 0 or 8, otherwise 0.
inline bool isHeadLevel(ArchiveFamily f, int d1) { return d1 == 0 || (hasLevels(f) && d1 == 8); }

}  // namespace nastrum::archive_levels
