// The link settings kept between starts of the program: what the user chose
// in the exchange window's settings panel, read back checked, so that a
// damaged or foreign entry falls back to the first-start choice. The
// password is never kept.
#pragma once

#include "link/runs/exchange_settings.h"

class QSettings;

namespace nastrum {

// The stored settings, or the first-start ones (ExchangeSettings{}) when
// nothing was stored yet; a value out of its range keeps its first-start one.
ExchangeSettings LoadExchangeSettings(QSettings& store);
void SaveExchangeSettings(QSettings& store, const ExchangeSettings& settings);

}  // namespace nastrum
