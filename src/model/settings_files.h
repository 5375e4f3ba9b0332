// The .bfm/.nam file pair on disk: path rules, reading and writing.
#pragma once

#include <functional>

#include <QByteArray>
#include <QString>

#include "model/editor_state.h"
#include "model/settings_image.h"

namespace nastrum {

// The names file belonging to a settings path: the path without its last four
// characters, followed by ".nam".
QString namesPathFor(const QString& settingsPath);

// The settings path as the window title shows it: without its last four characters.
QString pathWithoutExtension(const QString& settingsPath);

// Latin letters a..z upper-cased, every other character unchanged.
QString upperLatin(const QString& path);

// True when the path is not empty and the file can be opened for reading.
bool FileExists(const QString& path);

// "<stem>_0.bfm", or _1, _2, … while a file of that name exists (relative to
// the current directory unless stem carries a folder).
QString firstFreeNumberedName(const QString& stem, const std::function<bool(const QString&)>& exists = FileExists);

enum class ReadFailure {
  None,
  SettingsUnreadable,  // missing, no access, or shorter than one record
  UnknownDeviceKind,   // the kind word is not 1, 2 or 3
};

struct ReadOutcome {
  ReadFailure failure = ReadFailure::None;
  bool namesRead = false;
  bool ok() const { return failure == ReadFailure::None; }
};

// Opens a pair from the bytes of its two files (a file that could not be read
// gives none; bytes past a record are ignored): on success the image is reset
// and then filled from the settings record and, when the names bytes hold a
// whole record, from the names. On failure the image and the editor state are
// left exactly as they were.
ReadOutcome decodeSettingsPair(const QByteArray& settingsBytes, const QByteArray& namesBytes, SettingsImage& image,
                               EditorState& editor);

// Reads a pair: on success the image is reset and then filled from the
// record and, when the names file could be read, from the names. On failure
// the image and the editor state are left exactly as they were.
ReadOutcome readSettingsPair(const QString& settingsPath, SettingsImage& image, EditorState& editor);

struct WriteOutcome {
  bool settingsWritten = false;
  bool namesWritten = false;
};

// Writes both files, each through a temporary file that replaces the old one
// only when complete, so a failure never leaves a damaged file behind. Both
// temporaries are written before either replaces its file; the names file is
// replaced only when the settings file was, so a failed save leaves the old
// pair as it was. When only the names fail, the settings are saved and
// namesWritten says the names were not. Names are never written over the
// settings file itself (a settings path ending in ".nam").
// `beforeReplacing`, when given, runs between writing and replacing (tests
// use it to take the folder away mid-save).
WriteOutcome writeSettingsPair(const QString& settingsPath, const SettingsImage& image,
                               const std::function<void()>& beforeReplacing = {});

}  // namespace nastrum
