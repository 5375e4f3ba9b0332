// "Запись в ОРВИК" wired between the main window, the write group window and
// the exchange window: the check first, the group choice, then the write run
// in the exchange window's write mode.
#pragma once

#include <QObject>

#include "link/write/device_write_run.h"

namespace nastrum {

class ExchangeWindow;
class MessagePresenter;
class Tbase_form;
class WriteGroupWindow;

class DeviceWriteAction : public QObject {
  Q_OBJECT
 public:
  DeviceWriteAction(Workspace& workspace, MessagePresenter& presenter, Tbase_form& mainWindow,
                    ExchangeWindow& exchangeWindow, QObject* parent = nullptr);

  // The main window's "Запись в ОРВИК".
  void start();

  WriteGroupWindow& groupWindow() { return *groups_; }

 signals:
  // The user would rather read the device's names before writing blank ones.
  void namesReadWanted();

 private:
  // Names never read nor typed are written only when the user says so.
  bool blankNamesAllowed();

  // The check allows the write, or the user may write anyway.
  bool checkAllowsWrite();

  Workspace& workspace_;
  MessagePresenter& presenter_;
  Tbase_form& main_;
  ExchangeWindow& exchange_;
  WriteGroupWindow* groups_;  // `Tviborform`, owned by the main window; its ticks last
  WriteRequest request_;
};

}  // namespace nastrum
