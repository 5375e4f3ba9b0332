// The confirmation a write asks once the device is backed up: the device it
// goes to, and every value that will change, device value beside the new
// one, grouped by page as the comparison groups them. "Записать" / "Отмена".
#pragma once

#include <QDialog>

#include "compare/settings_comparison.h"
#include "link/safe_write/write_preview.h"

class QLabel;
class QTableWidget;

namespace nastrum {

class WritePreviewDialog : public QDialog {
  Q_OBJECT
 public:
  WritePreviewDialog(const WritePreview& preview, const Comparison& changes, QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }

 private:
  QTableWidget* table_ = nullptr;
};

}  // namespace nastrum
