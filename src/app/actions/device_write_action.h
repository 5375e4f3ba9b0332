// "Запись в ОРВИК" wired between the main window, the write group window and
// the exchange window: the check first, the group choice, then the safe write
// in the exchange window's write mode (a backup of the device, what will
// change for confirmation, the write and its read-back).
#pragma once

#include <functional>
#include <memory>

#include <QObject>

#include "link/runs/run_outcome.h"
#include "link/safe_write/safe_write.h"

namespace nastrum {

class ExchangeWindow;
class MessagePresenter;
class Tbase_form;
class WriteGroupWindow;

class DeviceWriteAction : public QObject {
  Q_OBJECT
 public:
  // Runs the check with or without its report; false when it ran no rule
  // (the report could not be created).
  using RunCheck = std::function<bool(bool withReport)>;

  DeviceWriteAction(Workspace& workspace, MessagePresenter& presenter, Tbase_form& mainWindow, RunCheck runCheck,
                    ExchangeWindow& exchangeWindow, QObject* parent = nullptr);

  // The main window's "Запись в ОРВИК".
  void start();

  WriteGroupWindow& groupWindow() { return *groups_; }

  // What asks the user to confirm the changes; the window "Запись в ОРВИК"
  // with the table of changes unless a test sets another.
  void setConfirmWrite(ConfirmWrite confirm) { confirm_ = std::move(confirm); }

 signals:
  // The user would rather read the device's names before writing blank ones.
  void namesReadWanted();

 private:
  // Names never read nor typed are written only when the user says so.
  bool blankNamesAllowed();

  // The check allows the write, or the user may write anyway.
  bool checkAllowsWrite();

  // The exchange window's write run.
  RunOutcome runWrite(RunContext& ctx);
  // The window's own confirmation: the changes and "Записать" / "Отмена".
  bool confirmInWindow(const WritePreview& preview);
  // The open settings are what the device now holds: if that is not what the
  // file on disk holds, they are marked modified so they can be saved.
  void markModifiedUnlessSaved();

  Workspace& workspace_;
  MessagePresenter& presenter_;
  Tbase_form& main_;
  RunCheck runCheck_;
  ExchangeWindow& exchange_;
  WriteGroupWindow* groups_;  // `Tviborform`, owned by the main window; its ticks last
  WriteRequest request_;
  ConfirmWrite confirm_;
  // The device as the last backup found it, when nothing was written after:
  // the group window then ticks the groups that differ from it.
  std::unique_ptr<SettingsImage> lastDevice_;
};

}  // namespace nastrum
