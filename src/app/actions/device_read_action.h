// "Чтение с ОРВИК" wired between the main window and the exchange window:
// the exchange window's read mode runs the read into a copy of the image, and
// when the window closes the main window takes over what a successful run read.
#pragma once

#include <QObject>

#include "link/read/device_read_job.h"

namespace nastrum {

class ExchangeWindow;
class Tbase_form;

class DeviceReadAction : public QObject {
  Q_OBJECT
 public:
  DeviceReadAction(Workspace& workspace, Tbase_form& mainWindow, ExchangeWindow& exchangeWindow,
                   QObject* parent = nullptr);

  // After the main window dealt with unsaved changes (its readRequested).
  void start();
  // The exchange window in the read mode with "Имена и рабочий стол" chosen:
  // the device's names into the open file.
  void readNames();

 private:
  void read(int choice);

  Workspace& workspace_;
  Tbase_form& main_;
  ExchangeWindow& exchange_;
  DeviceReadJob job_;
};

}  // namespace nastrum
