// The numbered message catalogue: every message box of the program by code.
#pragma once

#include <vector>

#include <QString>

#include "model/message_presenter.h"

namespace nastrum {

// The box of catalogue message `code`, with `value` put where its text takes one.
MessageBoxSpec catalogueMessage(int code, const QString& value = {});

// Whether `code` is in the catalogue, every code in it, and whether the text
// of a code has a place for a value.
bool isCatalogueCode(int code);
std::vector<int> catalogueCodes();
bool catalogueTextTakesValue(int code);

// Shows catalogue message `code` and returns the button pressed (MessageAnswer).
int ShowMessageCode(MessagePresenter& presenter, int code, const QString& value = {});

// The program's name, the caption of its boxes outside the catalogue.
QString programCaption();

// A box outside the catalogue, under the program's caption.
MessageBoxSpec programMessage(const QString& text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok);

// Asks `text` under the program's caption with "Да" and "Нет"; true for "Да".
bool AskYesNo(MessagePresenter& presenter, const QString& text);

}  // namespace nastrum
