#include "check/check_report.h"

#include <QLocale>

#include "model/cp1251.h"

namespace nastrum {
namespace {

QString kindLine(Word kind) {
  switch (kind) {
    case 1: return QStringLiteral("Отчет проверки файла настроек - ОРВИК минимальный.");
    case 3: return QStringLiteral("Отчет проверки файла настроек - ОРВИК 9.");
    default: return QStringLiteral("Отчет проверки файла настроек - ОРВИК расширяемый.");
  }
}

const QString kDashes(67, QLatin1Char('-'));

}  // namespace

QString reportDateTime(const QDateTime& moment) {
  // In Russian whatever the system's language, as the rest of the report.
  const QLocale russian(QLocale::Russian, QLocale::Russia);
  return russian.toString(moment.date(), QStringLiteral("dddd, d MMMM yyyy")) + QLatin1Char(' ') +
         russian.toString(moment.time(), QStringLiteral("HH:mm"));
}

QString reportRow(int rowNumber, const QString& text) {
  return QStringLiteral("%1    ").arg(rowNumber, 4) + text;
}

QStringList reportLines(const ReportHeader& header, const CheckResult& result) {
  QStringList lines{kindLine(header.kind), QStringLiteral("Файл: ") + header.fileName,
                    QStringLiteral("Дата и время проверки: ") + header.dateTime};
  if (result.clean()) {
    lines << QStringLiteral("Ошибок не обнаружено!") << kDashes;
    return lines;
  }
  lines << QStringLiteral("Проверка обнаружила %1 ошибок").arg(result.errorCount())
        << QStringLiteral("Ошибка №     Параметр содержащий ошибку                 ") << kDashes;
  int row = 0;
  for (const CheckError& error : result.errors) lines << reportRow(++row, error.text);
  lines << kDashes;
  return lines;
}

QByteArray reportBytes(const ReportHeader& header, const CheckResult& result) {
  QByteArray bytes;
  for (const QString& line : reportLines(header, result)) {
    bytes += toCp1251(line);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace nastrum
