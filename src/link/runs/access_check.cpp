#include "link/runs/access_check.h"

#include "link/runs/exchange_settings.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"

namespace nastrum {

namespace {

std::uint16_t WordOf(const QByteArray& bytes) {
  if (bytes.size() < 2) return 0;
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[0]) << 8 | static_cast<std::uint8_t>(bytes[1]));
}

QString HexWord4(std::uint16_t v) { return QStringLiteral("%1").arg(v, 4, 16, QLatin1Char('0')).toUpper(); }

}  // namespace

int CheckAccess(RunContext& ctx, const QString& password, const AccessCheckOptions& options) {
  std::uint16_t status = 0;
  if (options.status) {
    status = *options.status;
  } else {
    QByteArray reply;
    const int r = RetryExchange(ctx, [&] { return ctx.link.readParam(kStatusParam, 2, reply); });
    if (ctx.stopped()) return run_code::kStoppedByUser;
    if (r != run_code::kOk) return r;
    status = WordOf(reply);
  }
  if (status & kKeyMissingBit) {
    ctx.log(QStringLiteral("Установите электроный ключ."));
    return run_code::kNoAnswer;
  }

  ctx.log(QStringLiteral("Передача пароля "));
  const auto [high, low] = PasswordBytes(password);
  QByteArray data;
  data.append(static_cast<char>(high));
  data.append(static_cast<char>(low));
  int last = RetryExchange(ctx, [&] { return ctx.link.writeParam(kPasswordParam, data); });
  QString readBack;
  if (last == run_code::kOk) {
    QByteArray reply;
    last = RetryExchange(ctx, [&] { return ctx.link.readParam(kPasswordParam, 2, reply); });
    if (last == run_code::kOk) readBack = HexWord4(WordOf(reply));
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
