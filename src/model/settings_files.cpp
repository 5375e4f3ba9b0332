#include "model/settings_files.h"

#include <QFile>
#include <QSaveFile>

#include "model/reset_image.h"
#include "model/settings_record.h"

namespace nastrum {

namespace {

bool writeAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace

QString pathWithoutExtension(const QString& settingsPath) { return settingsPath.left(settingsPath.size() - 4); }

QString namesPathFor(const QString& settingsPath) { return pathWithoutExtension(settingsPath) + QStringLiteral(".nam"); }

QString upperLatin(const QString& path) {
  QString out = path;
  for (QChar& c : out)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 'a' + 'A');
  return out;
}

bool FileExists(const QString& path) {
  if (path.isEmpty()) return false;
  QFile file(path);
  return file.open(QIODevice::ReadOnly);
}

QString firstFreeNumberedName(const QString& stem, const std::function<bool(const QString&)>& exists) {
  for (int n = 0;; ++n) {
    const QString name = stem + QLatin1Char('_') + QString::number(n) + QStringLiteral(".bfm");
    if (!exists(name)) return name;
  }
}

ReadOutcome readSettingsPair(const QString& settingsPath, SettingsImage& image, EditorState& editor) {
  ReadOutcome outcome;
  QFile settingsFile(settingsPath);
  if (!settingsFile.open(QIODevice::ReadOnly)) return {ReadFailure::SettingsUnreadable, false};
  const QByteArray record = settingsFile.read(kSettingsRecordSize);
  if (record.size() < kSettingsRecordSize) return {ReadFailure::SettingsUnreadable, false};

  SettingsImage loaded = image;
  decodeSettingsRecord(record, loaded);
  if (!isValidDeviceKind(loaded.deviceKind)) return {ReadFailure::UnknownDeviceKind, false};

  QByteArray namesRecord;
  QFile namesFile(namesPathFor(settingsPath));
  if (namesFile.open(QIODevice::ReadOnly)) namesRecord = namesFile.read(kNamesRecordSize);
  outcome.namesRead = namesRecord.size() == kNamesRecordSize;

  ResetImage(image, editor);
  decodeSettingsRecord(record, image);
  if (outcome.namesRead) decodeNamesRecord(namesRecord, image.names);
  return outcome;
}

WriteOutcome writeSettingsPair(const QString& settingsPath, const SettingsImage& image) {
  WriteOutcome outcome;
  outcome.settingsWritten = writeAtomically(settingsPath, encodeSettingsRecord(image));
  // New names beside settings that could not be saved would pair the old
  // settings with names that do not belong to them.
  // A settings path that itself ends in ".nam" would have its names written
  // over the settings just saved.
  const QString namesPath = namesPathFor(settingsPath);
  const bool namesWouldReplaceSettings = namesPath.compare(settingsPath, Qt::CaseInsensitive) == 0;
  if (outcome.settingsWritten && !namesWouldReplaceSettings)
    outcome.namesWritten = writeAtomically(namesPath, encodeNamesRecord(image.names));
  return outcome;
}

}  // namespace nastrum
