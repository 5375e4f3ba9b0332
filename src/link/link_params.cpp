#include "link/link_params.h"

#include <algorithm>

namespace nastrum {

LineKind lineKindOfItem(int item) { return static_cast<LineKind>(std::clamp(item, 0, 2)); }

LinkProtocol protocolOfItem(int item) { return static_cast<LinkProtocol>(std::clamp(item, 0, 2)); }

CrcMode crcModeOfItem(int item) { return static_cast<CrcMode>(std::clamp(item, 0, 2)); }

}  // namespace nastrum
