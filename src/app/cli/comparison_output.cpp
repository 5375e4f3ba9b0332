#include "app/cli/comparison_output.h"

#include "compare/comparison_forms.h"
#include "maps/map_text.h"

namespace nastrum::cli {

bool parseComparisonFormat(const CliArgs& args, ComparisonFormat& format) {
  const QString text = args.isSet(QStringLiteral("format")) ? args.value(QStringLiteral("format")) : QStringLiteral("text");
  if (text == QLatin1String("text")) format = ComparisonFormat::Text;
  else if (text == QLatin1String("json")) format = ComparisonFormat::Json;
  else if (text == QLatin1String("html")) format = ComparisonFormat::Html;
  else return false;
  return true;
}

void printComparison(const Comparison& c, ComparisonFormat format, bool captions, const QString& command, CliIo& io) {
  switch (format) {
    case ComparisonFormat::Text: {
      if (c.kindsDiffer()) io.err << "nastrum-cli " << command << ": note: " << c.kindNote() << Qt::endl;
      const QStringList lines = captions ? comparisonCaptionLines(c) : comparisonFieldLines(c);
      for (const QString& line : lines) io.out << line << '\n';
      break;
    }
    case ComparisonFormat::Json:
      io.out << QString::fromUtf8(comparisonJson(c));
      break;
    case ComparisonFormat::Html:
      io.out << mapPageHtml(comparisonMapPage(c));
      break;
  }
  io.out.flush();
}

}  // namespace nastrum::cli
