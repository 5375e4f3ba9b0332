#include "compare/comparison_forms.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace nastrum {

namespace {

QString objectLabel(const CompareRow& r) {
  const QString page = comparePageCaption(r.place.page);
  return r.place.objectText.isEmpty() ? page : page + QStringLiteral(", ") + r.place.objectText;
}

// A caption that ends in a colon on its page is followed by one in a line.
QString bare(QString caption) {
  while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QLatin1Char(' '))) caption.chop(1);
  return caption;
}

QJsonObject side(const QString& name, Word kind) {
  return {{QStringLiteral("name"), name}, {QStringLiteral("kind"), kind}};
}

}  // namespace

QStringList comparisonFieldLines(const Comparison& c) {
  std::vector<const CompareRow*> rows;
  for (const CompareRow& r : c.rows)
    if (r.differs) rows.push_back(&r);
  std::sort(rows.begin(), rows.end(), [](const CompareRow* a, const CompareRow* b) { return a->position < b->position; });
  QStringList lines;
  for (const CompareRow* r : rows) lines << r->path + QStringLiteral(": ") + r->thisRaw + QStringLiteral(" -> ") + r->otherRaw;
  return lines;
}

QStringList comparisonCaptionLines(const Comparison& c) {
  QStringList lines;
  for (const CompareRow& r : c.rows)
    if (r.differs)
      lines << objectLabel(r) + QStringLiteral(": ") + bare(r.title()) + QStringLiteral(": ") + r.thisShown +
                   QStringLiteral(" -> ") + r.otherShown;
  return lines;
}

QString comparisonTableText(const Comparison& c) {
  QString text = QStringList{QStringLiteral("Страница"), QStringLiteral("Объект"), QStringLiteral("Параметр"),
                             c.thisName, c.otherName}
                     .join(QLatin1Char('\t')) +
                 QLatin1Char('\n');
  for (const CompareRow& r : c.rows)
    text += QStringList{comparePageCaption(r.place.page), r.place.objectText, r.title(), r.thisShown, r.otherShown}
                .join(QLatin1Char('\t')) +
            QLatin1Char('\n');
  return text;
}

QByteArray comparisonJson(const Comparison& c) {
  QJsonArray rows;
  for (const CompareRow& r : c.rows) {
    QJsonObject row{{QStringLiteral("page"), comparePageCaption(r.place.page)},
                    {QStringLiteral("object"), r.place.objectText},
                    {QStringLiteral("caption"), r.title()},
                    {QStringLiteral("field"), r.path},
                    {QStringLiteral("this"), r.thisShown},
                    {QStringLiteral("other"), r.otherShown},
                    {QStringLiteral("thisRaw"), r.thisRaw},
                    {QStringLiteral("otherRaw"), r.otherRaw},
                    {QStringLiteral("differs"), r.differs}};
    if (r.place.object >= 0) row.insert(QStringLiteral("objectNumber"), r.place.object);
    rows.append(row);
  }
  QJsonObject root{{QStringLiteral("this"), side(c.thisName, c.thisKind)},
                   {QStringLiteral("other"), side(c.otherName, c.otherKind)},
                   {QStringLiteral("kindsDiffer"), c.kindsDiffer()},
                   {QStringLiteral("equal"), c.equal()},
                   {QStringLiteral("differences"), c.differences},
                   {QStringLiteral("rows"), rows}};
  if (c.kindsDiffer()) root.insert(QStringLiteral("note"), c.kindNote());
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

MapPage comparisonMapPage(const Comparison& c) {
  MapPage page;
  page.caption = QStringLiteral("Сравнение настроек");
  page.pageHeader = QStringLiteral("Сравнение настроек: %1 и %2").arg(c.thisName, c.otherName);
  if (c.kindsDiffer()) page.pageHeader += QStringLiteral(". ") + c.kindNote();
  constexpr int kColumns = 5;
  MapTable table(kColumns, static_cast<int>(c.rows.size()) + 1);
  const QString heads[kColumns] = {QStringLiteral("Страница"), QStringLiteral("Объект"), QStringLiteral("Параметр"),
                                   c.thisName, c.otherName};
  const int widths[kColumns] = {150, 140, 320, 200, 200};
  for (int column = 0; column < kColumns; ++column) {
    MapCell& head = table.cell(column, 0);
    head.text = heads[column];
    head.font = CellFont::Heading;
    head.align = CellAlign::Center;
    head.verticalCenter = true;
    table.setColumnWidth(column, widths[column]);
  }
  for (std::size_t i = 0; i < c.rows.size(); ++i) {
    const CompareRow& r = c.rows[i];
    const int row = static_cast<int>(i) + 1;
    const QString texts[kColumns] = {comparePageCaption(r.place.page), r.place.objectText, r.title(), r.thisShown,
                                     r.otherShown};
    for (int column = 0; column < kColumns; ++column) table.setText(column, row, texts[column]);
    // The map renderer marks nothing but colour; the differing rows are the yellow ones.
    if (r.differs)
      for (int column = 0; column < kColumns; ++column) table.cell(column, row).yellow = true;
  }
  page.table = std::move(table);
  return page;
}

}  // namespace nastrum
