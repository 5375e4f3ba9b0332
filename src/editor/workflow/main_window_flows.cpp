// The "Файл" operations of the main window.
#include "editor/workflow/main_window_flows.h"

#include "editor/workflow/opened_path_name.h"
#include "editor/workflow/window_title.h"
#include "model/message_catalogue.h"
#include "model/reset_image.h"
#include "model/settings_files.h"

namespace nastrum {

namespace {

constexpr int kMsgFileError = 2;
constexpr int kMsgOverwrite = 3;
constexpr int kMsgReplaceLoaded = 4;
constexpr int kMsgSaveBeforeRead = 6;
constexpr int kMsgSaveBeforeClosing = 11;
constexpr int kMsgQuit = 16;

// In a small-model image, pipelines whose main descriptor starts with 4 refer
// to no impurity sensors (byte 40 is "none"); an image read from a device may
// still carry other values there.
void clearImpurityReferencesForMinimal(SettingsImage& image) {
  for (PipelineRecord& pipe : image.pipelines)
    if (((pipe.mainDescriptor >> 12) & 0xF) == 4) pipe.impurityTariff = 0x4040;
}

// Not in the numbered catalogue: the settings were saved, only the names
// beside them were not, and the user would otherwise never learn it.
void showNamesNotSaved(MessagePresenter& messages, const QString& namesPath) {
  MessageBoxSpec box;
  box.caption = QStringLiteral("Ошибка записи файла");
  box.text = QStringLiteral("Настройки сохранены, но файл имен (") + namesPath +
             QStringLiteral(") записать не удалось: имена датчиков, трубопроводов и архивов не сохранены! "
                            "Убедитесь, что файл не занят другим приложением и на диске есть место, и сохраните еще раз.");
  box.icon = MessageIcon::Stop;
  box.buttons = MessageButtons::Ok;
  messages.present(box);
}

}  // namespace

MainWindowFlows::MainWindowFlows(Workspace& workspace, MessagePresenter& messages, MainWindowServices& window)
    : workspace_(workspace), messages_(messages), window_(window), document_(workspace) {
  state_.title = programTitle();
}

void MainWindowFlows::Start() {
  EditorState& editor = workspace_.editor;
  document_.closeFile();
  document_.markUnmodified();
  editor.spyMode = false;
  ResetImage(workspace_.image, editor);
  document_.announceFresh();
  state_ = MainWindowState{};
  state_.title = programTitle();
  document_.announceReplaced();
}

MainWindowFlows::ReplaceAnswer MainWindowFlows::askBeforeReplacing() {
  const int answer = ShowMessageCode(messages_, kMsgReplaceLoaded);
  if (answer == AnswerYes) return SaveImage() ? ReplaceAnswer::Saved : ReplaceAnswer::Stop;
  if (answer == AnswerNo) return ReplaceAnswer::Discarded;
  return ReplaceAnswer::Stop;
}

void MainWindowFlows::NewImage() {
  if (state_.choosingKind) return;
  EditorState& editor = workspace_.editor;
  workspace_.run.exchangeMode = 0;

  if (document_.isOpen() && document_.isModified()) {
    const ReplaceAnswer answer = askBeforeReplacing();
    if (answer == ReplaceAnswer::Stop) return;
    document_.closeFile();
    if (answer == ReplaceAnswer::Discarded) {
      window_.closeCheckWindows();
      ResetImage(workspace_.image, editor);
      document_.announceFresh();
      document_.announceReplaced();
    }
  }

  window_.closeCheckWindows();
  state_.pages = PageSet::None;
  state_.kindChoice = 2;  // "Расширяемый"
  state_.choosingKind = true;
}

void MainWindowFlows::ChooseNewKind(Word kind) {
  if (!state_.choosingKind || !isValidDeviceKind(kind)) return;
  // Only the choice is kept: the loaded image must not change its kind
  // before "ОК", or "Отмена" would leave it with the wrong one.
  state_.kindChoice = kind;
}

QString MainWindowFlows::defaultNewName(bool fromDevice) const {
  if (fromDevice)
    return firstFreeNumberedName(
        QStringLiteral("%1").arg(workspace_.run.factoryNumber, 4, 16, QLatin1Char('0')).toUpper());
  return firstFreeNumberedName(QStringLiteral("adjustment"));
}

void MainWindowFlows::ConfirmNewKind() { takeNewImage(false); }

void MainWindowFlows::takeNewImage(bool fromDevice) {
  if (!state_.choosingKind) return;
  SettingsImage& image = workspace_.image;
  EditorState& editor = workspace_.editor;

  image.deviceKind = state_.kindChoice;
  if (deviceKindOf(image.deviceKind) == DeviceKind::Minimal) clearImpurityReferencesForMinimal(image);

  state_.choosingKind = false;
  state_.pages = PageSet::None;
  document_.openUnnamed();
  // Named before the check, whose window and report name the settings.
  document_.nameFile(defaultNewName(fromDevice));
  document_.markUnmodified();
  if (!fromDevice) {
    ResetImage(image, editor);
    document_.announceFresh();
  }

  if (image.sys(sys::PrivilegedMark) != 1) {
    window_.runCheck(false);
    window_.refreshEditorPages();
    window_.fillKindChoices(image.deviceKind);
  }

  editor.accessLevel = 0;
  state_.editorPage = EditorPage::Sensors;
  state_.pipelinePage = PipelinePage::Description;
  state_.viewPage = ViewPage::Sensors;

  state_.saveOffered = fromDevice;
  state_.title = windowTitle(image.deviceKind, document_.fileName(),
                             fromDevice ? TitleSource::DeviceRead : TitleSource::File);
  document_.announceReplaced();
}

void MainWindowFlows::TakeOverDeviceRead() {
  state_.kindChoice = isValidDeviceKind(workspace_.image.deviceKind) ? workspace_.image.deviceKind : 2;
  state_.choosingKind = true;
  takeNewImage(true);
}

void MainWindowFlows::FinishDeviceRead(bool userConstants) {
  if (!workspace_.run.runDone) {
    workspace_.run.exchangeMode = 0;
    return;
  }
  if (userConstants) {
    workspace_.image.sys(sys::PrivilegedMark) = 1;
    TakeOverDeviceRead();
  } else {
    EnterSetup();
  }
}

bool MainWindowFlows::AskSaveBeforeDeviceRead() {
  if (!document_.isOpen() || !document_.isModified()) return true;
  const int answer = ShowMessageCode(messages_, kMsgSaveBeforeRead);
  if (answer == AnswerYes) return SaveImage();
  return answer == AnswerNo;
}

void MainWindowFlows::CancelNewKind() {
  if (!state_.choosingKind) return;
  state_.choosingKind = false;
  if (!document_.isOpen()) state_.title = programTitle();
}

bool MainWindowFlows::prepareOpen() {
  lastOpenAttempt_ = false;
  if (state_.choosingKind) return false;

  if (document_.isOpen() && document_.isModified()) {
    if (askBeforeReplacing() == ReplaceAnswer::Stop) return false;
  }
  if (document_.isOpen()) {
    document_.closeFile();
    state_.pages = PageSet::None;
  }

  state_.title = programTitle();
  state_.saveOffered = false;
  return true;
}

void MainWindowFlows::OpenImage() {
  if (!prepareOpen()) return;
  const std::optional<QString> chosen = window_.chooseFileToOpen();
  if (!chosen || chosen->isEmpty()) return;
  openChosen(*chosen);
}

void MainWindowFlows::OpenImage(const QString& path) {
  if (!prepareOpen() || path.isEmpty()) return;
  openChosen(path);
}

void MainWindowFlows::openChosen(const QString& path) {
  document_.markUnmodified();
  document_.beginOpening(openedPathName(path));
  lastOpenAttempt_ = true;

  const ReadOutcome outcome = readSettingsPair(document_.fileName(), workspace_.image, workspace_.editor);
  if (!outcome.ok()) {
    showFileError(document_.fileName());
    return;
  }

  document_.announceFresh();  // the read started from an empty image
  document_.openedFile();
  document_.markUnmodified();
  state_.title = windowTitle(workspace_.image.deviceKind, document_.fileName());
  state_.pages = PageSet::None;
  document_.announceReplaced();
  window_.runCheck(true);
}

void MainWindowFlows::showFileError(const QString& path) { ShowMessageCode(messages_, kMsgFileError, path); }

MainWindowFlows::SaveResult MainWindowFlows::writeFiles(const QString& settingsPath, bool clearPrivilegedMark) {
  Word& mark = workspace_.image.sys(sys::PrivilegedMark);
  const Word oldMark = mark;
  if (clearPrivilegedMark) mark = 0;
  const WriteOutcome outcome = writeSettingsPair(settingsPath, workspace_.image);
  if (!outcome.settingsWritten) {
    mark = oldMark;  // a failed save leaves the image as it was
    showFileError(settingsPath);
    return SaveResult::Failed;
  }
  if (!outcome.namesWritten && namesPathFor(settingsPath).compare(settingsPath, Qt::CaseInsensitive) != 0) {
    showNamesNotSaved(messages_, namesPathFor(settingsPath));
    return SaveResult::NamesLost;
  }
  return SaveResult::Saved;
}

bool MainWindowFlows::SaveImage() {
  if (!document_.isOpen() || state_.choosingKind) return false;
  if (document_.isUnnamedNew()) return SaveImageAs();
  // With the names unsaved the image stays modified, so closing still asks.
  if (writeFiles(document_.fileName(), true) != SaveResult::Saved) return false;
  document_.markUnmodified();
  state_.saveOffered = false;
  return true;
}

bool MainWindowFlows::SaveImageAs() {
  if (!document_.isOpen() || state_.choosingKind) return false;

  const std::optional<QString> chosen = window_.chooseFileToSave(document_.fileName());
  if (!chosen || chosen->isEmpty()) return false;
  QString name = *chosen;
  // Whole extension, dot included: "plantbfm" would otherwise keep its
  // spelling and put its names into "plan.nam".
  if (upperLatin(name.right(4)) != QStringLiteral(".BFM")) name += QStringLiteral(".bfm");

  // The current name changes only once the file is written: after "Нет" or a
  // failed write, "Сохранить" must not go to the file the user declined.
  if (FileExists(name) && ShowMessageCode(messages_, kMsgOverwrite) != AnswerYes) return false;
  const SaveResult saved = writeFiles(name, false);
  if (saved == SaveResult::Failed) return false;

  // The settings now live under the new name even when their names do not.
  document_.renameTo(name);
  state_.title = windowTitle(workspace_.image.deviceKind, name);
  if (saved == SaveResult::NamesLost) return false;
  document_.markUnmodified();
  state_.saveOffered = false;
  return true;
}

void MainWindowFlows::CloseImage() {
  if (!document_.isOpen() || state_.choosingKind) return;
  document_.closeFile();
  document_.markUnmodified();
  state_.pages = PageSet::None;
  state_.saveOffered = false;
  ResetImage(workspace_.image, workspace_.editor);
  document_.announceFresh();
  state_.title = programTitle();
  document_.announceReplaced();
}

void MainWindowFlows::CloseImageAsked() {
  if (!document_.isOpen() || state_.choosingKind) return;
  if (document_.isModified()) {
    const int answer = ShowMessageCode(messages_, kMsgSaveBeforeClosing);
    if (answer == AnswerCancel) return;
    if (answer == AnswerYes && !SaveImage()) return;
  }
  CloseImage();
}

bool MainWindowFlows::QueryExit() {
  window_.closeCheckWindows();
  if (document_.isOpen() && document_.isModified()) {
    const int answer = ShowMessageCode(messages_, kMsgSaveBeforeClosing);
    if (answer == AnswerYes) return SaveImage();  // a failed or cancelled save keeps the program running
    return answer == AnswerNo;
  }
  return ShowMessageCode(messages_, kMsgQuit) == AnswerYes;
}

}  // namespace nastrum
