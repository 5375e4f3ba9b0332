// The byte form of the image: the .bfm settings record and the .nam names record.
#pragma once

#include <QByteArray>

#include "model/settings_image.h"

namespace nastrum {

constexpr int kSettingsRecordSize = 17284;
constexpr int kNamesRecordSize = 6271;

// The settings record. For a kind with a second modem string (kind 3),
// ModemInitAux travels in slots 1..128 of LogicK2.
QByteArray encodeSettingsRecord(const SettingsImage& image);

// Copies every part of a record of at least kSettingsRecordSize bytes into the
// image (names untouched); extra bytes are ignored. For kind 3 ModemInitAux is
// taken back from LogicK2.
void decodeSettingsRecord(const QByteArray& record, SettingsImage& image);

QByteArray encodeNamesRecord(const NamesRegion& names);

// The two images would give the same settings and names records: a real that
// reads back the same (or a NaN) is no difference.
bool storesSame(const SettingsImage& a, const SettingsImage& b);

// Length bytes above 16 are read as 16.
void decodeNamesRecord(const QByteArray& record, NamesRegion& names);

// Copies ModemInitAux into the low bytes of LogicK2 slots 1..128.
void storeModemAuxInLogicK2(SettingsImage& image);
void takeModemAuxFromLogicK2(SettingsImage& image);

}  // namespace nastrum
