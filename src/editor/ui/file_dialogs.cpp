#include "editor/ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace nastrum {

namespace {

const QString kOpenFolderKey = QStringLiteral("folders/openSettings");
const QString kSaveFolderKey = QStringLiteral("folders/saveSettings");

// The folder a window was last left in, when it still exists.
QString rememberedFolder(const QSettings* settings, const QString& key) {
  if (!settings) return {};
  const QString folder = settings->value(key).toString();
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void rememberFolder(QSettings* settings, const QString& key, const QString& chosenFile) {
  if (settings) settings->setValue(key, QFileInfo(chosenFile).absolutePath());
}

// A proposed bare name goes into the remembered folder; a path keeps its own.
QString inFolder(const QString& folder, const QString& proposed) {
  if (folder.isEmpty() || proposed.isEmpty() || !QFileInfo(proposed).isRelative()) return proposed;
  if (proposed.contains(QLatin1Char('/')) || proposed.contains(QLatin1Char('\\'))) return proposed;
  return QDir(folder).filePath(proposed);
}

}  // namespace

std::optional<QString> SystemFileDialogs::openSettingsPath() {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QStringLiteral("файл настроек ОРВИК (*.bfm)"));
  const QString folder = rememberedFolder(settings_, kOpenFolderKey);
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  rememberFolder(settings_, kOpenFolderKey, dialog.selectedFiles().constFirst());
  return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

std::optional<QString> SystemFileDialogs::saveSettingsPath(const QString& proposedPath) {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QStringLiteral("файл настроек ОРВИК(*.bfm *.BFM)"));
  // The program asks its own question before overwriting, after adding the
  // extension; the dialog must not ask first about the name without it.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.selectFile(inFolder(rememberedFolder(settings_, kSaveFolderKey), proposedPath));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  rememberFolder(settings_, kSaveFolderKey, dialog.selectedFiles().constFirst());
  return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QString choosePdfPath(QWidget* parent, QSettings* settings, const QString& folderKey, const QString& caption,
                      const QString& proposed) {
  const QString start = inFolder(rememberedFolder(settings, folderKey), proposed);
  const QString chosen = QFileDialog::getSaveFileName(parent, caption, start, QStringLiteral("PDF (*.pdf)"));
  if (!chosen.isEmpty()) rememberFolder(settings, folderKey, chosen);
  return chosen;
}

}  // namespace nastrum
