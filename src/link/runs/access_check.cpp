#include "link/runs/access_check.h"

#include "link/param_address.h"
#include "link/runs/exchange_settings.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"
#include "link/value_formats.h"
#include "model/hex_text.h"

namespace nastrum {

int CheckAccess(RunContext& ctx, const QString& password, const AccessCheckOptions& options) {
  StatusWord status;
  if (options.status) {
    status.value = *options.status;
  } else {
    QByteArray reply;
    const int r = RetryExchange(ctx, [&] { return toInt(ctx.link.commands().ReadParam(device_param::kStatusWord, 2, reply)); });
    if (ctx.stopped()) return run_code::kStoppedByUser;
    if (r != run_code::kOk) return r;
    status.value = WordFromBytes(reply);
  }
  if (status.keyMissing()) {
    ctx.log(QStringLiteral("Установите электроный ключ."));
    return run_code::kNoAnswer;
  }

  ctx.log(QStringLiteral("Передача пароля "));
  const auto [high, low] = PasswordBytes(password);
  QByteArray data;
  data.append(static_cast<char>(high));
  data.append(static_cast<char>(low));
  int last = RetryExchange(ctx, [&] { return toInt(ctx.link.commands().WriteParam(device_param::kPassword, data)); });
  QString readBack;
  if (last == run_code::kOk) {
    QByteArray reply;
    last = RetryExchange(ctx, [&] { return toInt(ctx.link.commands().ReadParam(device_param::kPassword, 2, reply)); });
    if (last == run_code::kOk) readBack = HexWord(WordFromBytes(reply));
  }
  if (ctx.stopped()) return run_code::kStoppedByUser;

  const QString sent = PasswordDigits(password);
  if (last == run_code::kOk && PasswordAccepted(sent, readBack)) return run_code::kOk;

  if (options.logDigitsInSpyMode && ctx.spy()) {
    ctx.log(readBack);
    ctx.log(sent);
  }
  ctx.log(QStringLiteral("Увы ! пароль не тот... ") + ResultText(last));
  return run_code::kNoAnswer;
}

}  // namespace nastrum
