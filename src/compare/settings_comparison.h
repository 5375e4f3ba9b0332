// Two settings images compared in the words of the pages: every field both
// kinds have, grouped by page and object, with the caption the page gives it,
// both values as the page shows them and the raw values of the field listing.
#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "compare/field_places.h"

namespace nastrum {

struct CompareOptions {
  bool withoutClock = false;   // "без часов": leave out the clock fields and the program's marks
  bool onlyDifferences = true; // false: equal fields are listed too (the window's filter)
  QChar separator = QLatin1Char('.');
  // Reals are equal when the device's four-byte form of both is: what a
  // device read brings is compared with a file in the precision the device
  // keeps.
  bool realsAsTheDeviceKeepsThem = false;
  // Only the fields whose position in imageFields() order is true are
  // compared (what a device read reaches); empty compares every field.
  std::vector<bool> scope;
};

struct CompareRow {
  int position = 0;  // the field's position in imageFields() order (file order)
  QString path;      // "Sensors[3].MaxValue"
  FieldPlace place;  // placed as on this image's pages
  QString thisShown, otherShown;
  QString thisRaw, otherRaw;
  bool differs = false;

  // The caption, or the field's name where no page shows it.
  QString title() const { return place.caption.isEmpty() ? path : place.caption; }
};

struct Comparison {
  QString thisName, otherName;
  Word thisKind = 0, otherKind = 0;
  std::vector<CompareRow> rows;  // by page, object family, object, then file order
  int differences = 0;

  bool kindsDiffer() const { return thisKind != otherKind; }
  bool equal() const { return differences == 0; }
  // "Типы приборов различаются: …; сравнены только общие части." or empty.
  QString kindNote() const;
};

// Compares `other` with `self`. Fields that only one of the two kinds has are
// left out; fields of neither kind are compared as carried bytes under their
// names.
Comparison compareSettings(const SettingsImage& self, const QString& selfName, const SettingsImage& other,
                           const QString& otherName, const CompareOptions& options = {});

}  // namespace nastrum
