// The outcome of one settings check: the flagged (object, rule) pairs in the
// order the report and the error window list them.
#pragma once

#include <QList>
#include <QString>

namespace nastrum {

// Object families in the order the check walks them and lists its rows.
enum class CheckGroup {
  Sensor,
  Pipeline,
  HourArchive,
  IntervalArchive,
  DayArchive,
  MonthArchive,
  System,
  CurrentGenerator,
  RegulatorFlag,
};

struct CheckError {
  CheckGroup group = CheckGroup::Sensor;
  int object = 0;        // user-interface number of the object (0-based)
  int code = 0;          // rule code
  QString text;          // ErrorText of the row, with the rule code appended in spy mode
  bool repairable = false;  // the automatic correction can mend it (red row)
  QList<int> listed;     // the objects a list rule names (142, 143, …)

  bool operator==(const CheckError&) const = default;
};

struct CheckResult {
  QList<CheckError> errors;  // rows in report order

  int errorCount() const { return static_cast<int>(errors.size()); }
  bool clean() const { return errors.isEmpty(); }
  // At least one row can be repaired: the check failed and setup is refused.
  bool checkFailed() const;
  bool flagged(CheckGroup group, int object, int code) const;
};

}  // namespace nastrum
