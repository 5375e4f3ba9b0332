#include "link/safe_write/safe_write.h"

#include <QDir>

#include "link/read/device_backup.h"
#include "link/read/read_reach.h"
#include "link/runs/exchange_settings.h"
#include "link/runs/names_layout.h"
#include "link/runs/run_codes.h"
#include "link/write/changed_items.h"
#include "link/write/converter_adjustment.h"
#include "link/write/write_reach.h"
#include "model/hex_text.h"

namespace nastrum {

namespace {

WritePreview Preview(const RunContext& ctx, const WriteRequest& request, const SafeWriteOptions& options,
                     const SettingsImage& held, const SettingsImage& toSend) {
  WritePreview p;
  p.held = &held;
  p.toSend = &toSend;
  p.request = request;
  const int kind = toSend.deviceKind;
  if (request.choice == WriteChoice::Names) {
    const NamesBuffers a = EncodeNames(toSend.names, kind), b = EncodeNames(held.names, kind);
    p.namesDiffer = a.names != b.names || a.workTable != b.workTable;
  } else {
    std::vector<WriteStep> planned = PlanConstantsWrite(kind, request.groups, false, toSend);
    p.items = options.changedOnly ? ChangedSteps(planned, PlanConstantsWrite(kind, request.groups, false, held))
                                  : std::move(planned);
    // The password goes with the system group when the field is not the image's.
    p.passwordChange = request.groups.system &&
                       PasswordDigits(ctx.settings.password) != HexWord(toSend.sys(sys::DevicePassword) & 0xFFFF);
    p.scope = WriteReach(kind, request.groups);
  }
  if (request.choice == WriteChoice::Names) p.scope = NamesReadReach(kind);
  p.differing = DifferingGroups(kind, toSend, held);
  p.port = ChosenPort(ctx.settings).display;
  p.networkNumber = ctx.settings.network ? ctx.settings.networkNumber : 0;
  return p;
}

}  // namespace

bool SafeWriteOutcome::verifyFailed() const { return result == run_code::kVerifyMismatch; }

SafeWriteOutcome RunSafeWrite(RunContext& ctx, const WriteRequest& request, const SafeWriteOptions& options,
                              WriteAnswerer& answers, const ConfirmWrite& confirm) {
  SettingsImage& image = ctx.workspace.image;
  AdjustConvertersTelling(ctx);
  SafeWriteOutcome out;

  ctx.log(QStringLiteral("Копия настроек прибора перед записью"));
  const QString root = options.backupRoot.isEmpty() ? DefaultBackupRoot() : options.backupRoot;
  const QDateTime when = options.when.isValid() ? options.when : QDateTime::currentDateTime();
  DeviceBackup backup = RunDeviceBackup(ctx, root, request.choice == WriteChoice::Names, when);
  out.held = std::move(backup.image);
  out.backupPath = backup.settingsPath;
  out.factoryNumber = backup.factoryNumber;
  if (!backup.saved() || ctx.stopped()) {
    out.backupFailed = true;
    out.portFailed = backup.outcome.portFailed;
    out.result = ctx.stopped() ? run_code::kStoppedByUser : backup.outcome.result;
    // A read that ended without a code (no answer to the network select, a
    // model not served) or a pair that could not be saved: still nothing was written.
    if (out.result == run_code::kOk && !out.portFailed)
      out.result = out.held ? run_code::kBackupNotSaved : run_code::kNoAnswer;
    ctx.log(out.portFailed
                ? QStringLiteral("Запись отменена: порт не открыт. В ОРВИК ничего не записано.")
                : QStringLiteral("Запись отменена: нет копии настроек прибора. В ОРВИК ничего не записано."));
    ctx.observer.offerAnotherTry(true);
    return out;
  }
  if (out.held->deviceKind != image.deviceKind) {
    ctx.log(QStringLiteral("Ваши настройки не соответсвуют настройкам подключенного прибора, будьте внимательны!"));
    out.result = run_code::kKindMismatch;
    ctx.observer.offerAnotherTry(true);
    return out;
  }

  WritePreview preview = Preview(ctx, request, options, *out.held, image);
  preview.factoryNumber = backup.factoryNumber;
  preview.backupPath = out.backupPath;
  out.preview = preview;
  // Unticked "только изменения" asks for the names block whole, as it does for the constants.
  const bool wholeNames = request.choice == WriteChoice::Names && !options.changedOnly;
  if (preview.nothingToChange() && !wholeNames) {
    out.nothingToChange = true;
    ctx.log(QStringLiteral("ОРВИК уже содержит эти настройки: записывать нечего, в ОРВИК ничего не записано."));
    return out;
  }
  if (options.dryRun) {
    ctx.log(QStringLiteral("Пробный запуск: в ОРВИК ничего не записано."));
    return out;
  }
  if (confirm && !confirm(preview)) {
    out.cancelled = true;
    out.result = run_code::kStoppedByUser;
    ctx.log(QStringLiteral("Запись отменена пользователем. В ОРВИК ничего не записано."));
    ctx.observer.offerAnotherTry(true);
    return out;
  }

  WriteRequest write = request;
  write.held = options.changedOnly ? out.held.get() : nullptr;
  write.verify = options.verify;
  const DeviceWriteOutcome written = RunDeviceWrite(ctx, write, answers);
  out.result = written.result;
  out.portFailed = written.portFailed;
  out.itemsWritten = written.itemsWritten;
  if (!written.succeeded())
    ctx.log(QStringLiteral("Настройки прибора до записи: ") + QDir::toNativeSeparators(out.backupPath));
  return out;
}

}  // namespace nastrum
