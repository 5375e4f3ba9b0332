// "Сравнение настроек..." wired between the main window, the comparison
// window and the exchange window: a device is read for the comparison through
// the exchange window's read mode into an image of its own, so the open image
// is never touched; a row's field opens in the main window's setup mode.
#pragma once

#include <memory>

#include <QObject>

#include "compare/other_settings.h"

class QSettings;

namespace nastrum {

class CompareWindow;
class ExchangeWindow;
class FileDialogs;
class MessagePresenter;
class Tbase_form;
struct Workspace;

class CompareAction : public QObject {
  Q_OBJECT
 public:
  CompareAction(Workspace& workspace, MessagePresenter& messages, FileDialogs& files, Tbase_form& mainWindow,
                ExchangeWindow& exchangeWindow, QObject* parent = nullptr);
  ~CompareAction() override;

  CompareWindow& window() { return *window_; }
  // Where the PDF window remembers its folder; none: it does not.
  void setSettings(QSettings* settings) { settings_ = settings; }

 private:
  std::optional<OtherSettings> readDevice(bool& namesRead);

  Workspace& workspace_;
  ExchangeWindow& exchange_;
  std::unique_ptr<CompareWindow> window_;
  QSettings* settings_ = nullptr;
};

}  // namespace nastrum
