#include "link/link_log.h"

namespace nastrum {

Q_LOGGING_CATEGORY(lcLink, "nastrum.link")
Q_LOGGING_CATEGORY(lcLinkBytes, "nastrum.link.bytes", QtWarningMsg)

}  // namespace nastrum
