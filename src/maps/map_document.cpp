#include "maps/map_document.h"

#include <QTextCursor>
#include <QTextDocumentWriter>
#include <QTextTable>

namespace nastrum {

namespace {

QTextCharFormat charFormat(const MapCell& cell) {
  QTextCharFormat f;
  const QFont font = mapFont(cell.font);
  f.setFontFamilies({font.family()});
  // Points as the word processor measures them: a pixel is 3/4 of a point.
  f.setFontPointSize(font.pixelSize() * 0.75);
  f.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
  return f;
}

void appendPage(QTextCursor& cursor, const MapPage& page, bool first) {
  if (!first) {
    QTextBlockFormat breakBefore;
    breakBefore.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.insertBlock(breakBefore);
  }
  if (!page.pageHeader.isEmpty()) {
    MapCell header;
    header.font = CellFont::Heading;
    cursor.insertText(page.pageHeader, charFormat(header));
    cursor.insertBlock(QTextBlockFormat());
  }
  const MapTable& t = page.table;
  if (t.rowCount() == 0) return;

  QTextTableFormat tableFormat;
  tableFormat.setBorder(1);
  tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
  tableFormat.setBorderCollapse(true);
  tableFormat.setCellPadding(2);
  tableFormat.setCellSpacing(0);
  QList<QTextLength> widths;
  for (int c = 0; c < t.columnCount(); ++c) widths << QTextLength(QTextLength::FixedLength, t.columnWidth(c));
  tableFormat.setColumnWidthConstraints(widths);
  QTextTable* table = cursor.insertTable(t.rowCount(), t.columnCount(), tableFormat);

  for (int r = 0; r < t.rowCount(); ++r)
    for (int c = 0; c < t.columnCount(); ++c) {
      if (t.isCovered(c, r)) continue;
      const MapCell& cell = t.cell(c, r);
      QTextTableCell tableCell = table->cellAt(r, c);
      QTextTableCellFormat cellFormat = tableCell.format().toTableCellFormat();
      cellFormat.setBackground(cell.yellow ? QColor(Qt::yellow) : QColor(Qt::white));
      if (cell.verticalCenter) cellFormat.setVerticalAlignment(QTextCharFormat::AlignMiddle);
      tableCell.setFormat(cellFormat);
      QTextCursor at = tableCell.firstCursorPosition();
      QTextBlockFormat block;
      block.setAlignment(cell.align == CellAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft);
      at.setBlockFormat(block);
      at.insertText(cell.text, charFormat(cell));
    }
  for (const MapSpan& s : t.spans()) table->mergeCells(s.row, s.column, s.rowSpan, s.columnSpan);
  cursor = table->lastCursorPosition();
  cursor.movePosition(QTextCursor::NextBlock);
}

}  // namespace

std::unique_ptr<QTextDocument> mapDocument(const MapPage& page) { return mapDocument(std::vector<MapPage>{page}); }

std::unique_ptr<QTextDocument> mapDocument(const std::vector<MapPage>& pages) {
  auto doc = std::make_unique<QTextDocument>();
  if (!pages.empty()) doc->setMetaInformation(QTextDocument::DocumentTitle, pages.front().caption);
  QTextCursor cursor(doc.get());
  for (std::size_t i = 0; i < pages.size(); ++i) appendPage(cursor, pages[i], i == 0);
  return doc;
}

bool writeMapOdt(const MapPage& page, const QString& path) { return writeMapOdt(std::vector<MapPage>{page}, path); }

bool writeMapOdt(const std::vector<MapPage>& pages, const QString& path) {
  const std::unique_ptr<QTextDocument> doc = mapDocument(pages);
  QTextDocumentWriter writer(path, "odf");
  return writer.write(doc.get());
}

}  // namespace nastrum
