#include "fuzz_line.h"

namespace nastrum::fuzz {

bool FuzzLine::write(const QByteArray& bytes) {
  if (bytes.isEmpty()) return true;
  if (echo_) pending_ += bytes;
  if (!replies_.isEmpty()) pending_ += replies_.takeFirst();
  return true;
}

QByteArray FuzzLine::read(int maxBytes) {
  if (maxBytes <= 0) return {};
  const QByteArray out = pending_.left(maxBytes);
  pending_.remove(0, out.size());
  // A read that did not get all it asked for waits out its time-out.
  if (out.size() < maxBytes) clock_.sleepMs(timeoutMs_);
  return out;
}

}  // namespace nastrum::fuzz
