// A map page as a rich-text document: the page header, then a table with the
// map's merged regions, column widths, fonts, alignment and colours. Written
// as an OpenDocument text file for a word processor.
#pragma once

#include <memory>
#include <vector>

#include <QTextDocument>

#include "maps/map_builder.h"

namespace nastrum {

std::unique_ptr<QTextDocument> mapDocument(const MapPage& page);
// Several map pages, each after a page break.
std::unique_ptr<QTextDocument> mapDocument(const std::vector<MapPage>& pages);

// Writes the page as an OpenDocument text file; false when it cannot be written.
bool writeMapOdt(const MapPage& page, const QString& path);
bool writeMapOdt(const std::vector<MapPage>& pages, const QString& path);

}  // namespace nastrum
