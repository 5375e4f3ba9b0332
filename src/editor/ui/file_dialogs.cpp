#include "editor/ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>

namespace nastrum {

std::optional<QString> SystemFileDialogs::openSettingsPath() {
  QFileDialog dialog(parent_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QStringLiteral("файл настроек ОРВИК (*.bfm)"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
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
  dialog.selectFile(proposedPath);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

}  // namespace nastrum
