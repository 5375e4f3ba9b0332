// One view page's rules: its tables built from the image, and the privileged
// user's raw edits stored into the image at once.
#pragma once

#include <vector>

#include "editor/pages/view/view_tables.h"
#include "model/image_changes.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

class ViewSheetModel {
 public:
  ViewSheetModel(ViewSheet sheet, Workspace& workspace) : sheet_(sheet), workspace_(workspace) {}

  ViewSheet sheet() const { return sheet_; }
  // Rebuilds the tables from the image (after a new image, kind or mode).
  void rebuild();

  const std::vector<ViewTable>& tables() const { return tables_; }
  const std::vector<ModemField>& modemFields() const { return modem_; }

  // Whether raw values may be changed: only by the privileged user.
  bool mayEdit() const { return workspace_.editor.accessLevel == 1; }
  // The privileged user opens a cell for a raw edit: the image carries the
  // privileged mark from now on. False, and nothing changes, without the privilege.
  bool beginRawEdit();

  // Stores the text typed into grid cell (row, column) of table `table`. Only
  // the privileged user stores, and only a text that differs from the shown
  // one; a stored value rebuilds the tables, since one field can change how
  // others are shown.
  StoreOutcome storeCell(int table, int row, int column, const QString& text, QChar separator,
                         MessagePresenter& messages);

  // The modem byte field `index` (hex pairs). A text that is not bytes shows
  // message 7 and changes nothing.
  StoreOutcome storeModem(int index, const QString& text, MessagePresenter& messages);
  QString modemText(int index) const;

  // Whether the stores since the last call changed the image.
  bool takeChange() { return changes_.take(); }

 private:
  void stored();

  ViewSheet sheet_;
  Workspace& workspace_;
  std::vector<ViewTable> tables_;
  std::vector<ModemField> modem_;
  ImageChanges changes_{workspace_.image};
};

}  // namespace nastrum
