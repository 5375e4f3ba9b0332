// The text of "Report.txt": header, one line per error, closing dashes.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

#include "check/check_result.h"
#include "model/settings_image.h"

namespace nastrum {

inline constexpr char kReportFileName[] = "Report.txt";

struct ReportHeader {
  Word kind = 2;
  QString fileName;  // CurrentFileName
  QString dateTime;  // date and time of the check, as the header shows them
};

// "четверг, 10 декабря 2026 14:05": the Russian long date and the time.
QString reportDateTime(const QDateTime& moment);

// The lines of the report, without line ends.
QStringList reportLines(const ReportHeader& header, const CheckResult& result);

// One report row: the row number right-aligned in four places, four spaces, the text.
QString reportRow(int rowNumber, const QString& text);

// The file content: the lines in code page 1251, each ended by CR LF.
QByteArray reportBytes(const ReportHeader& header, const CheckResult& result);

}  // namespace nastrum
