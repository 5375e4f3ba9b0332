#include "editor/pages/view/view_sheet.h"

#include "editor/pages/view/modem_bytes.h"
#include "model/message_catalogue.h"

namespace nastrum {

void ViewSheetModel::rebuild() {
  tables_ = buildViewTables(sheet_, workspace_.image);
  modem_ = sheet_ == ViewSheet::System ? buildModemFields(workspace_.image) : std::vector<ModemField>{};
}

bool ViewSheetModel::beginRawEdit() {
  if (!mayEdit()) return false;
  workspace_.image.sys(sys::PrivilegedMark) = 1;
  return true;
}

StoreOutcome ViewSheetModel::storeCell(int table, int row, int column, const QString& text, QChar separator,
                                       MessagePresenter& messages) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!mayEdit() || table < 0 || table >= static_cast<int>(tables_.size())) return StoreOutcome::Unchanged;
  const ViewCell* cell = tables_[static_cast<std::size_t>(table)].cellAt(row, column);
  // Leaving a cell as it is shown stores nothing: the shown text may be
  // rounded (reals) or a display form (9x47 shown as 9x50).
  if (!cell || text == cellText(*cell, separator)) return StoreOutcome::Unchanged;
  const StoreOutcome outcome = storeCellText(*cell, text, separator, messages);
  if (outcome == StoreOutcome::Stored) stored();
  return outcome;
}

StoreOutcome ViewSheetModel::storeModem(int index, const QString& text, MessagePresenter& messages) {
  const ImageChanges::Scope edit = changes_.scope();
  if (!mayEdit() || index < 0 || index >= static_cast<int>(modem_.size())) return StoreOutcome::Unchanged;
  const std::optional<ModemText> bytes = readModemBytes(text);
  if (!bytes) {
    ShowMessageCode(messages, 7);
    return StoreOutcome::Rejected;
  }
  *modem_[static_cast<std::size_t>(index)].bytes = *bytes;
  stored();
  return StoreOutcome::Stored;
}

QString ViewSheetModel::modemText(int index) const {
  if (index < 0 || index >= static_cast<int>(modem_.size())) return {};
  return modemBytesText(*modem_[static_cast<std::size_t>(index)].bytes);
}

void ViewSheetModel::stored() { rebuild(); }

}  // namespace nastrum
