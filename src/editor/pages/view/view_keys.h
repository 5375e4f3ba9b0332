// Which typed characters a view table cell takes, and what they become.
#pragma once

#include <optional>

#include <QChar>

namespace nastrum {

enum class CellKeys {
  Common,             // digits, A..F, a..f, "-"; "," and "." become the decimal separator
  System,             // as Common, with "*" taken as "0" first
  RegulatorConstant,  // as Common, upper-case letters, space instead of "-"; nothing without privilege
};

// The character `typed` becomes in a cell, or nothing when the key is dropped.
// Control keys (backspace, arrows) are not characters and are not filtered.
std::optional<QChar> filterCellKey(QChar typed, CellKeys keys, QChar separator, int accessLevel);

// The keys of the modem byte fields, which show and take bytes as hex pairs:
// nothing without privilege; otherwise hex digits (made upper case) and space.
std::optional<QChar> filterModemKey(QChar typed, int accessLevel);

}  // namespace nastrum
