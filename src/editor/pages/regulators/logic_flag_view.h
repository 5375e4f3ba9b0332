// What the "Регуляторы" page shows for one logic flag, read from the six
// logic arrays without changing them.
#pragma once

#include <array>

#include <QString>

#include "descriptors/logic_words.h"
#include "model/settings_image.h"

namespace nastrum {

struct LogicFlagView {
  int number = 0;
  bool present = false;  // the presence box; nothing else is shown without it

  // "Выход:"
  bool secondaryOutput = false;
  int output = 0;
  int outputMaximum = kHighestControlOutput;
  QString outputCaption;  // "№ управляющего выхода" / "№ вторичного признака:"
  bool showTerminals = false;  // control outputs 0..63
  QString module;              // "МВ1".."МВ16"
  QString contacts;            // "+3    -4" …
  int combination = 0;         // bits 13..12

  // The law.
  LawFamily family = LawFamily::AgainstK1;
  bool logical = false;   // "Тип закона:" "Логический"
  bool oneBit = false;    // "Логический:" "Однобитовый"
  bool byAddress = false; // "Операнд - X :" "Адрес внешней памяти"
  int lawListCode = 1;    // code of the law item (arithmeticLaws, byteLaws, oneBitLaws)

  QString operandText;      // "Операнд Х:", four hexadecimal digits
  QString meanOperandText;  // "Операнд Хср:"

  // "Тип - Xcp:"
  bool meanIsFunction = false;
  int table = 0;
  int points = 1;
  int pointsMaximum = kMostPointsConstantStep;

  // Against K1: the constant or a switching panel.
  ClockOperand clock = ClockOperand::None;
  QString k1Text;
  DecimalPair clockPair;  // hours/minutes or day/month
  int year = 0;

  // Byte laws.
  int shift = 0;
  std::array<bool, 8> mask{};       // left box = bit 7
  std::array<bool, 8> reference{};  // left box = bit 7

  bool hasDelays = false;  // flags 0..63
  DecimalPair operateDelay;
  DecimalPair releaseDelay;
};

LogicFlagView viewLogicFlag(const SettingsImage& image, int number, QChar separator);

}  // namespace nastrum
