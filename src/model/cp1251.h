// Windows-1251, the single-byte code page of names, settings files and the
// check report. Qt 6 no longer ships a converter for it, so the upper half of
// the table lives here.
#pragma once

#include <QByteArray>
#include <QString>

namespace nastrum {

// Characters without a place in the code page become '?'. A character outside
// the basic plane (a surrogate pair) becomes a single '?'.
QByteArray toCp1251(const QString& text);

// Every byte maps to one character. Byte 0x98, unassigned in the code page,
// maps to U+0098 so that any byte string survives a round trip.
QString fromCp1251(const QByteArray& bytes);

// One byte either way; '?' for a character the code page lacks.
char cp1251Byte(QChar c);
QChar cp1251Char(unsigned char byte);

}  // namespace nastrum
