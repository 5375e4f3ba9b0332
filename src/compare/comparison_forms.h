// A comparison as the command line and the window give it away: lines of
// text, JSON, and a map page (which the map renderer prints, turns into PDF
// and HTML).
#pragma once

#include <QByteArray>
#include <QStringList>

#include "compare/settings_comparison.h"
#include "maps/map_builder.h"

namespace nastrum {

// "path: this -> other" per differing field in file order: the field
// listing's lines.
QStringList comparisonFieldLines(const Comparison& c);
// "page, object: caption: this -> other" per row, in page order, the values as
// the pages show them.
QStringList comparisonCaptionLines(const Comparison& c);
// Tab-separated rows under a header row: page, object, caption, this, other.
QString comparisonTableText(const Comparison& c);
// Indented JSON: both sides, the kinds, and one object per row.
QByteArray comparisonJson(const Comparison& c);
// The rows as one map page: a header naming both sides, then page, object,
// caption and both values; the differing rows are yellow.
MapPage comparisonMapPage(const Comparison& c);

}  // namespace nastrum
