// One cell of a view table: which image field it shows, in which form, and
// how a typed text is read back into that field.
#pragma once

#include <QChar>
#include <QString>

#include "model/message_presenter.h"
#include "model/settings_image.h"

namespace nastrum {

enum class CellForm {
  Fixed,              // a text that is no field: headers, blank rows, "нет"
  Hex,                // HexWord; read with HexToInt
  SensorMain,         // Hex, but 9x47 / Ax47 show as 9x50 / Ax50
  Decimal4,           // decimal, left-filled with zeros to four digits
  SettlementDate,     // Decimal4, or "FFFF" when the hex text starts with FF
  Password,           // Hex when a password is set, otherwise "****"
  Real,               // FormatReal8; read with ParseNumber
  RegulatorConstant,  // the device real kept in the bytes of two words, at most eight characters where fraction digits can go
};

struct ViewCell {
  CellForm form = CellForm::Fixed;
  QString fixedText;             // Fixed
  Word* word = nullptr;          // the word forms; the first word of RegulatorConstant
  Word* word2 = nullptr;         // RegulatorConstant: the second word
  const Word* flag = nullptr;    // Password: PasswordPresent
  double* real = nullptr;        // Real

  static ViewCell fixed(const QString& text) { return ViewCell{CellForm::Fixed, text}; }
  bool editable() const { return form != CellForm::Fixed; }
};

// The text a cell shows for the current value of its field.
QString cellText(const ViewCell& cell, QChar separator);

enum class StoreOutcome {
  Stored,     // the field holds the typed value
  Unchanged,  // nothing to store (empty text, a fixed cell)
  Rejected,   // the text is no value of the field; a message was shown
};

// Reads `text` into the cell's field. A text that is no value shows message 7
// ("В поле должно быть число!") and leaves the field as it was.
StoreOutcome storeCellText(const ViewCell& cell, const QString& text, QChar separator, MessagePresenter& messages);

}  // namespace nastrum
