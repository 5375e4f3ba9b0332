// Logging categories of the device link; the byte-level traffic has a
// category of its own because it is noisy.
#pragma once

#include <QLoggingCategory>

namespace nastrum {

Q_DECLARE_LOGGING_CATEGORY(lcLink)
Q_DECLARE_LOGGING_CATEGORY(lcLinkBytes)

}  // namespace nastrum
