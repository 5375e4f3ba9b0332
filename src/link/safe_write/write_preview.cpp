#include "link/safe_write/write_preview.h"

#include "link/write/changed_items.h"
#include "model/hex_text.h"

namespace nastrum {

bool WritePreview::nothingToChange() const {
  if (request.choice == WriteChoice::Names) return !namesDiffer;
  return items.empty() && !passwordChange;
}

QString DeviceKindName(int kind) {
  switch (kind) {
    case 1: return QStringLiteral("ОРВИК 5 \"минимальный\"");
    case 3: return QStringLiteral("ОРВИК 9");
    default: return QStringLiteral("ОРВИК 5 \"расширяемый\"");
  }
}

QString WritePreview::deviceText() const {
  QString text = DeviceKindName(held ? held->deviceKind : 0) + QStringLiteral(" №") + HexWord(factoryNumber) +
                 QStringLiteral(", порт ") + port;
  if (networkNumber > 0) text += QStringLiteral(", сетевой № ") + QString::number(networkNumber);
  return text;
}

QString WritePreview::question() const {
  const QString what = request.choice == WriteChoice::Names
                           ? QStringLiteral("Будут записаны имена и рабочий стол.")
                           : QStringLiteral("Будет записано значений: %1 (%2).")
                                 .arg(CountedItems(items))
                                 .arg(WriteGroupsText(request.groups));
  QString text = QStringLiteral("Записать в ") + deviceText() + QStringLiteral("?\n") + what;
  // The password is no row of the changes, yet it may go with the system group.
  if (passwordChange)
    text += QStringLiteral("\nПароль в окне обмена не совпадает с паролем настроек: будет задан вопрос о смене пароля ОРВИК.");
  return text;
}

}  // namespace nastrum
