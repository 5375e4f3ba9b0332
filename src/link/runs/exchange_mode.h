// The exchange window's modes: what the window says and shows in each, and
// what its read/write choice does to the start button.
#pragma once

#include <QString>

namespace nastrum {

enum ExchangeMode : int {
  kWriteMode = 0,       // opened by the write group choice
  kReadMode = 1,        // "Чтение с ОРВИК"
  kSettingsMode = 2,    // "Параметры обмена": the link settings only
  kClockReadMode = 3,   // starts at once
  kClockWriteMode = 4,  // starts at once
};
constexpr int kExchangeModeCount = 5;

struct ModeLayout {
  QString windowCaption;
  QString startCaption;  // empty: the caption stays as the read/write choice set it
  bool settingsPanel = false;
  bool log = false;  // the log and the device and speed labels
  bool progress = false;
  bool startButton = false;
  bool password = false;
  bool clearPassword = false;
  bool readChoice = false;  // `RadioGroup1`, reset to its first item
  bool startsAtOnce = false;
};

// `fileOpen`: a settings file is open, so the read may choose names only.
ModeLayout LayoutForMode(int mode, bool fileOpen);

struct ChoiceEffect {
  QString startCaption;
  bool passwordVisible = false;
};

// What choosing `item` of `RadioGroup1` does in `mode` (0 constants, 1 names).
// Modes other than read and write leave everything as it is (nullopt-like: empty caption).
ChoiceEffect ChoiceEffectFor(int mode, int item);

}  // namespace nastrum
