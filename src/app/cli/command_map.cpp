#include "app/cli/command_map.h"

#include <vector>

#include <QFile>
#include <QSaveFile>

#include "app/cli/settings_loading.h"
#include "maps/map_builder.h"
#include "maps/map_catalogue.h"
#include "maps/map_document.h"
#include "maps/map_painter.h"
#include "maps/map_text.h"
#include "model/kind_profile.h"
#include "model/real_text.h"

namespace nastrum::cli {

namespace {

const QString kName = QStringLiteral("map");
const QStringList kFormats{QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("html"),
                           QStringLiteral("odt"), QStringLiteral("pdf")};

// The caption line, then one line per row; a page per block.
QString pagesAsText(const std::vector<MapPage>& pages) {
  QString text;
  for (const MapPage& p : pages) {
    if (!text.isEmpty()) text += QLatin1Char('\n');
    text += p.caption + QLatin1Char('\n') + mapTableText(p.table);
  }
  return text;
}

QString pagesAsCsv(const std::vector<MapPage>& pages) {
  QString csv;
  for (const MapPage& p : pages) {
    if (!csv.isEmpty()) csv += QStringLiteral("\r\n");
    csv += mapTableCsv(p.table);
  }
  return csv;
}

QString pagesAsHtml(const std::vector<MapPage>& pages) {
  if (pages.size() == 1) return mapPageHtml(pages.front());
  // One document: the body of every page in turn.
  QString html;
  for (const MapPage& p : pages) {
    const QString page = mapPageHtml(p);
    const qsizetype bodyStart = page.indexOf(QStringLiteral("<body>\n")) + 7;
    const qsizetype bodyEnd = page.indexOf(QStringLiteral("</body>"));
    if (html.isEmpty()) html = page.left(bodyStart);
    html += page.mid(bodyStart, bodyEnd - bodyStart);
  }
  return html + QStringLiteral("</body></html>\n");
}

bool writeText(const QString& path, const QString& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(text.toUtf8());
  return file.commit();
}

int runMap(const CliArgs& args, CliIo& io) {
  bool numberOk = false;
  const int number = args.positional(1).toInt(&numberOk);
  if (!numberOk || number < 1 || number > kMapCount)
    return io.fail(kName, QStringLiteral("the map number must be 1 … %1, not \"%2\"").arg(kMapCount).arg(args.positional(1)));
  const QString format = args.isSet(QStringLiteral("format")) ? args.value(QStringLiteral("format")) : QStringLiteral("text");
  if (!kFormats.contains(format)) return io.fail(kName, QStringLiteral("unknown format \"%1\" (%2)").arg(format, kFormats.join(QLatin1Char('|'))));
  const QString out = args.value(QStringLiteral("out"));
  if ((format == QLatin1String("odt") || format == QLatin1String("pdf")) && out.isEmpty())
    return io.fail(kName, QStringLiteral("--format %1 needs --out PATH").arg(format));

  const std::unique_ptr<SettingsImage> image = loadSettings(kName, args.positional(0), io);
  if (!image) return ExitBadInput;
  if (!kindProfile(image->deviceKind).hasMap(number))
    return io.fail(kName, QStringLiteral("kind %1 has no map %2").arg(image->deviceKind).arg(number));

  const int pageCount = mapPageCount(image->deviceKind, number);
  const QString pageArg = args.isSet(QStringLiteral("page")) ? args.value(QStringLiteral("page")) : QStringLiteral("1");
  int first = 1, last = pageCount;
  if (pageArg != QLatin1String("all")) {
    bool pageOk = false;
    first = last = pageArg.toInt(&pageOk);
    if (!pageOk || first < 1 || first > pageCount)
      return io.fail(kName, QStringLiteral("map %1 has pages 1 … %2, not \"%3\"").arg(number).arg(pageCount).arg(pageArg));
  }
  std::vector<MapPage> pages;
  for (int p = first; p <= last; ++p) pages.push_back(buildMap(*image, number, p, systemDecimalSeparator()));

  bool written = true;
  if (format == QLatin1String("odt")) {
    written = writeMapOdt(pages, out);
  } else if (format == QLatin1String("pdf")) {
    written = writeMapPdf(pages, out) > 0;
  } else {
    const QString text = format == QLatin1String("csv") ? pagesAsCsv(pages)
                         : format == QLatin1String("html") ? pagesAsHtml(pages)
                                                            : pagesAsText(pages);
    if (out.isEmpty()) {
      io.out << text;
      io.out.flush();
    } else {
      written = writeText(out, text);
    }
  }
  if (!written) return io.fail(kName, QStringLiteral("%1 cannot be written").arg(out));
  return ExitOk;
}

}  // namespace

CliCommand mapCommand() {
  return {kName,
          QStringLiteral("one programming map of a settings pair as text, CSV, HTML, OpenDocument or PDF"),
          {{QStringLiteral("FILE.bfm"), QStringLiteral("the settings file")},
           {QStringLiteral("N"), QStringLiteral("the map number, 1 … 11, as the menu \"Карты программирования\" numbers them")}},
          {{QStringLiteral("page"), QStringLiteral("P|all"), QStringLiteral("the page of a paged map (default 1), or every page")},
           {QStringLiteral("format"), QStringLiteral("text|csv|html|odt|pdf"), QStringLiteral("the output form (default text)")},
           {QStringLiteral("out"), QStringLiteral("PATH"), QStringLiteral("the file to write (required for odt and pdf; otherwise standard output)")}},
          runMap,
          QStringLiteral("text prints the map's caption, then its rows with cells separated by tabs; a merged region's "
                         "text appears once. csv and html keep merged regions as spans where the format can. A map the "
                         "file's device kind does not have is refused with exit code 2.")};
}

}  // namespace nastrum::cli
