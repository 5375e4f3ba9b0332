#include "editor/pages/view/view_keys.h"

namespace nastrum {

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isHexLetter(QChar c) { return (c >= QLatin1Char('a') && c <= QLatin1Char('f')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F')); }

}  // namespace

std::optional<QChar> filterCellKey(QChar typed, CellKeys keys, QChar separator, int accessLevel) {
  QChar c = typed;
  if (keys == CellKeys::System && c == QLatin1Char('*')) c = QLatin1Char('0');
  if (keys == CellKeys::RegulatorConstant) {
    if (accessLevel == 0) return std::nullopt;
    if (c == QLatin1Char(' ')) return c;
    if (c == QLatin1Char('-')) return std::nullopt;
    if (isHexLetter(c)) c = c.toUpper();
  }
  if (c == QLatin1Char(',') || c == QLatin1Char('.')) return separator;
  if (isDigit(c) || isHexLetter(c) || c == QLatin1Char('-')) return c;
  return std::nullopt;
}

std::optional<QChar> filterModemKey(QChar typed, int accessLevel) {
  if (accessLevel == 0) return std::nullopt;
  if (isDigit(typed) || typed == QLatin1Char(' ')) return typed;
  if (isHexLetter(typed)) return typed.toUpper();
  return std::nullopt;
}

}  // namespace nastrum
