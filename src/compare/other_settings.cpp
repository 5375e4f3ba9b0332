#include "compare/other_settings.h"

namespace nastrum {

void addDeviceRead(OtherSettings& other, OtherSettings read, bool namesRead) {
  const bool sameDevice = other.fromDevice && other.name == read.name && other.scope.size() == read.scope.size();
  if (sameDevice) {
    // The names region is what a names read brings, the rest what a constants read does.
    if (namesRead) {
      other.image.names = read.image.names;
    } else {
      read.image.names = other.image.names;
      other.image = read.image;
    }
    for (std::size_t i = 0; i < read.scope.size(); ++i) other.scope[i] = other.scope[i] || read.scope[i];
    return;
  }
  other = std::move(read);
  other.fromDevice = true;
}

}  // namespace nastrum
