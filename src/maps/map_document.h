// A map page as a rich-text document: the page header, then a table with the
// map's merged regions, column widths, fonts, alignment and colours. Written
// as an OpenDocument text file for a word processor.
#pragma once

#include <memory>

#include <QTextDocument>

#include "maps/map_builder.h"

namespace nastrum {

std::unique_ptr<QTextDocument> mapDocument(const MapPage& page);

// Writes the page as an OpenDocument text file; false when it cannot be written.
bool writeMapOdt(const MapPage& page, const QString& path);

}  // namespace nastrum
