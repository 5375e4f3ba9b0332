#include "link/write/write_verify.h"

#include "link/device_commands.h"
#include "link/runs/result_texts.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"

namespace nastrum {

namespace {

QString Hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

int ReadBack(RunContext& ctx, const WriteReadBack& from, QByteArray& bytes) {
  DeviceCommands device = ctx.link.commands();
  if (from.source == ParamSource::Param) return toInt(device.ReadParam(ParamAddress::fromWord(from.address), from.size, bytes));
  return toInt(device.ReadMemory(from.address, from.size, bytes));
}

}  // namespace

QString VerifyMismatchText(const WriteStep& step, const QByteArray& held) {
  return QStringLiteral("записано ") + Hex(step.data) + QStringLiteral(", в ОРВИК ") + Hex(held);
}

int VerifyWrittenItems(RunContext& ctx, const std::vector<WriteStep>& written) {
  ctx.log(QStringLiteral("Проверка записанного: чтение из ОРВИК"));
  int mismatches = 0;
  for (const WriteStep& step : written) {
    if (!step.readBack) continue;
    if (ctx.stopped()) return run_code::kStoppedByUser;
    QByteArray bytes;
    const int read = RetryExchange(ctx, [&] { return ReadBack(ctx, *step.readBack, bytes); });
    if (read != run_code::kOk) {
      ctx.log(QStringLiteral("Проверка: не прочитано значение ") + DescribeWriteStep(step) + ResultText(read));
      return read;
    }
    // A value read longer than it is written (a logic flag's K1) carries it in its first bytes.
    const QByteArray held = bytes.left(step.data.size());
    if (held == step.data) continue;
    ++mismatches;
    ctx.log(QStringLiteral("Ошибка проверки: значение ") + DescribeWriteStep(step) + QStringLiteral(" не совпадает: ") +
            VerifyMismatchText(step, held));
  }
  if (mismatches == 0) {
    ctx.log(QStringLiteral("Проверка записанного: все значения совпадают"));
    return run_code::kOk;
  }
  ctx.log(QStringLiteral("Проверка записанного: не совпадают значений: %1").arg(mismatches));
  return run_code::kVerifyMismatch;
}

}  // namespace nastrum
