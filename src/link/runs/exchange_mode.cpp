#include "link/runs/exchange_mode.h"

namespace nastrum {

ModeLayout LayoutForMode(int mode, bool fileOpen) {
  ModeLayout l;
  switch (mode) {
    case kWriteMode:
      l.windowCaption = QStringLiteral("Запись в ОРВИК");
      l.log = l.progress = l.startButton = l.password = l.clearPassword = true;
      break;
    case kReadMode:
      l.windowCaption = QStringLiteral("Обмен с ОРВИК");
      l.startCaption = QStringLiteral("Чтение параметров");
      l.log = l.progress = l.startButton = true;
      l.readChoice = fileOpen;
      break;
    case kSettingsMode:
      l.windowCaption = QStringLiteral("Параметры обмена с ОРВИК");
      l.settingsPanel = true;
      break;
    case kClockReadMode:
      l.windowCaption = QStringLiteral("Обмен с ОРВИК");
      l.log = l.startsAtOnce = true;
      break;
    case kClockWriteMode:
      l.windowCaption = QStringLiteral("Запись в ОРВИК");
      l.startCaption = QStringLiteral("Запись времени");
      l.log = l.startsAtOnce = true;
      break;
    default:
      l.windowCaption = QStringLiteral("Установление связи с ОРВИК:");
      l.settingsPanel = true;
      break;
  }
  return l;
}

ChoiceEffect ChoiceEffectFor(int mode, int item) {
  ChoiceEffect e;
  if (mode == kReadMode) {
    e.startCaption = item == 0 ? QStringLiteral("Чтение параметров") : QStringLiteral("Чтение имен");
    e.passwordVisible = item != 0;
  } else if (mode == kWriteMode) {
    e.startCaption = item == 0 ? QStringLiteral("Запись параметров") : QStringLiteral("Запись имен");
    e.passwordVisible = true;
  }
  return e;
}

}  // namespace nastrum
