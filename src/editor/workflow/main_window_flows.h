// The main window's flows: the "Файл" operations that move the image between
// memory and disk, the prompts that protect unsaved changes, and the gate into
// the setup and view modes. No widgets: the window calls these and then
// copies layout() and state().title onto its controls.
#pragma once

#include "editor/workflow/main_layout.h"
#include "editor/workflow/main_window_services.h"
#include "editor/workflow/main_window_state.h"
#include "editor/workflow/settings_document.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

class MainWindowFlows {
 public:
  MainWindowFlows(Workspace& workspace, MessagePresenter& messages, MainWindowServices& window);

  // Start-up: reset image, no image loaded, no-image layout.
  void Start();

  // "Новый": asks about unsaved changes, then shows the kind chooser.
  void NewImage();
  // A radio button of the kind chooser; the image keeps its kind until "ОК".
  void ChooseNewKind(Word kind);
  // "ОК" of the kind chooser: a new unnamed image (or the image just read from
  // the device) of the chosen kind.
  void ConfirmNewKind();
  // "Отмена" of the kind chooser.
  void CancelNewKind();

  // After a successful read of the user constants: the image becomes a new,
  // unnamed file of the device's kind, named after its factory number, with
  // saving offered although nothing was edited.
  void TakeOverDeviceRead();
  // The exchange window of a device read has closed. Nothing happens unless
  // the run succeeded (RunDone); then the constants are taken over as a new
  // file (with PrivilegedMark set), or, after a names read, the setup mode
  // opens on the image with the device's names.
  void FinishDeviceRead(bool userConstants);
  // Before "Чтение с ОРВИК": message 6 when the image has unsaved changes;
  // false when the read must not start (cancelled, or the save failed).
  bool AskSaveBeforeDeviceRead();

  // "Открыть ": the file window chooses the file.
  void OpenImage();
  // "Открыть " of a file chosen beforehand (the program started with a file):
  // the same questions, check and messages, only without the file window.
  void OpenImage(const QString& path);
  // "Сохранить"; true when the settings file was written.
  bool SaveImage();
  // "Сохранить как ..."; true when the settings file was written.
  bool SaveImageAs();
  // "Закрыть файл": drops the image without asking (the device read closes
  // the file this way after its own prompt).
  void CloseImage();
  // F10: as CloseImage, but asks message 11 first when the image has unsaved
  // changes; the item is hidden, so a stray key must not lose work.
  void CloseImageAsked();
  // The main window's close request; true when the program may end.
  bool QueryExit();

  // "Настройка" and "Просмотр".
  void EnterSetup();
  void EnterView();
  // "Проверка": the check with its report, when an image is loaded.
  void CheckSettings();
  // Every check run hides both page sets, also one started in the error window.
  void HidePageSets() { state_.pages = PageSet::None; }

  // The window reports the tab the user selected, so the other mode can open
  // on the matching page.
  void setEditorPage(EditorPage page) { state_.editorPage = page; }
  void setPipelinePage(PipelinePage page) { state_.pipelinePage = page; }
  void setViewPage(ViewPage page) { state_.viewPage = page; }

  // Every editing action: the image changed.
  void markModified() { document_.markModified(); }
  // The privileged user begins a raw edit in the view: "Сохранить" is offered
  // before anything changed, so the privileged state can be saved at once.
  void OfferSave() { state_.saveOffered = true; }
  // The image with its modified flag, followed by the windows.
  SettingsDocument& document() { return document_; }

  const MainWindowState& state() const { return state_; }
  // Whether the last OpenImage got as far as a chosen file (read or not).
  bool lastOpenAttempt() const { return lastOpenAttempt_; }
  MainLayout layout() const { return computeMainLayout(workspace_, state_); }

 private:
  // Message 4 before the loaded image is replaced; false when the user cancelled
  // or the save the user asked for did not happen.
  enum class ReplaceAnswer { Saved, Discarded, Stop };
  ReplaceAnswer askBeforeReplacing();
  // OpenImage up to the file window; false when the user stopped it.
  bool prepareOpen();
  void openChosen(const QString& path);
  // Saved: both files written. NamesLost: the settings were written but the
  // names were not (the user has been told). Failed: nothing was replaced.
  enum class SaveResult { Failed, NamesLost, Saved };
  SaveResult writeFiles(const QString& settingsPath, bool clearPrivilegedMark);
  void showFileError(const QString& path);
  // "ОК" of the kind chooser, or the takeover of an image read from the device.
  void takeNewImage(bool fromDevice);
  QString defaultNewName(bool fromDevice) const;

  Workspace& workspace_;
  MessagePresenter& messages_;
  MainWindowServices& window_;
  SettingsDocument document_;
  MainWindowState state_;
  bool lastOpenAttempt_ = false;
};

}  // namespace nastrum
