#include "link/write/device_write_run.h"

#include <optional>

#include "link/device_commands.h"
#include "link/param_address.h"
#include "link/runs/access_check.h"
#include "link/runs/block_transfer.h"
#include "link/runs/connection.h"
#include "link/runs/device_text.h"
#include "link/runs/exchange_settings.h"
#include "link/runs/result_texts.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"
#include "link/value_formats.h"
#include "link/write/changed_items.h"
#include "link/write/converter_adjustment.h"
#include "link/write/write_verify.h"
#include "model/cp1251.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"
#include "model/settings_image.h"

namespace nastrum {

namespace {

// Pauses the device needs around its mode changes.
constexpr int kBeforeStopMs = 50;
constexpr int kStopSettleMs = 2000;
constexpr int kStopConfirmMs = 1000;
constexpr int kAfterNamesMs = 1000;
constexpr int kReprogEntryMs = 2000;
constexpr int kReprogPolls = 14;
constexpr int kReprogPollPauseMs = 1020;
constexpr int kReprogExitMs = 2100;
constexpr int kStartSettleMs = 2000;

// The code of a value that does not fit the form of its parameter.
constexpr int kValueDoesNotFit = toInt(ResultCode::FormatMismatch);

QString HexBytes(const QByteArray& bytes) {
  QString s;
  for (const char b : bytes) s += QStringLiteral("%1 ").arg(static_cast<std::uint8_t>(b), 2, 16, QLatin1Char('0')).toUpper();
  return s;
}

// The mode this run has put the device in, for the line that tells where it was left.
enum class DeviceMode { Untouched, Stopped, Reprogramming, NamesLoader, Working };

class WriteRun {
 public:
  WriteRun(RunContext& ctx, const WriteRequest& request, WriteAnswerer& answers)
      : ctx_(ctx), run_(ctx.run()), image_(ctx.workspace.image), request_(request), answers_(answers) {}

  DeviceWriteOutcome go() {
    AdjustConvertersTelling(ctx_);
    if (request_.choice == WriteChoice::Constants && !valuesFit()) return end(nullptr);

    const Connection c = Connect(ctx_, RunKind::Write);
    if (c.stage == ConnectStage::PortFailed) {
      DeviceWriteOutcome out;
      out.portFailed = true;
      return out;
    }
    if (c.stage == ConnectStage::SelectFailed) {
      // Nothing was sent to the device; the run still failed.
      EndConnection(ctx_, RunKind::Write, c);
      result_ = run_code::kNoAnswer;
      return DeviceWriteOutcome{run_code::kNoAnswer, false, 0};
    }
    if (c.stage == ConnectStage::IdentifyFailed)
      keep(c.result);
    else
      connected();
    return end(&c);
  }

 private:
  // A value the device cannot take is refused before anything is sent.
  bool valuesFit() {
    for (const WriteStep& step : PlanConstantsWrite(image_.deviceKind, request_.groups, true, image_)) {
      if (step.encodable) continue;
      ctx_.log(QStringLiteral("Значение не помещается в формат ") + DescribeWriteStep(step));
      keep(kValueDoesNotFit);
      return false;
    }
    return true;
  }

  void connected() {
    QByteArray reply;
    const int read = RetryExchange(ctx_, [&] { return toInt(ctx_.link.commands().ReadParam(device_param::kStatusWord, 2, reply)); });
    if (!keep(read)) return;
    const std::uint16_t status = WordFromBytes(reply);

    if (image_.deviceKind != run_.connectedKind) {
      ctx_.log(QStringLiteral(
          "Ваши настройки не соответсвуют настройкам подключенного прибора, будьте внимательны!"));
      keep(run_code::kKindMismatch);
      return;
    }
    AccessCheckOptions access;
    access.status = status;
    access.logDigitsInSpyMode = true;
    if (!keep(CheckAccess(ctx_, ctx_.settings.password, access))) return;
    if (!enterStop()) return;

    if (request_.choice == WriteChoice::Names)
      writeNames();
    else
      writeConstants();
  }

  bool enterStop() {
    ctx_.link.pause(kBeforeStopMs);
    if (!keep(RetryExchange(ctx_, [&] { return toInt(ctx_.link.commands().Stop()); }))) return false;
    // The device took the command: it is stopped unless its status says otherwise.
    mode_ = DeviceMode::Stopped;
    PauseWatchingStop(ctx_, kStopSettleMs);
    PauseWatchingStop(ctx_, kStopConfirmMs);
    const std::optional<StatusWord> status = readStatus();
    const bool confirmed = status && status->stopped();
    // "СТОП" pressed meanwhile leaves the status unread, which tells nothing against the command.
    if (ctx_.stopped()) {
      if (status && !confirmed) mode_ = DeviceMode::Untouched;
      return false;
    }
    if (confirmed) return true;
    mode_ = DeviceMode::Untouched;  // the line below is all that is known
    ctx_.log(QStringLiteral("ОРВИК не перешел в режим СТОП, попробуйте снова"));
    keep(run_code::kNoAnswer);
    return false;
  }

  // --- names ---------------------------------------------------------------

  void writeNames() {
    ctx_.log(QStringLiteral("Запись имен"));
    const int kind = image_.deviceKind;
    const NamesBuffers buffers = EncodeNames(image_.names, kind);
    if (ctx_.spy()) logSensorNames(kind);
    int model = kind;
    const TransferOptions options = TransferOptionsFor(ctx_);
    // The names go as one block: the bar fills when it is in.
    ctx_.observer.setProgressMaximum(1);
    ctx_.observer.setProgress(0);
    // An attempt that fails before the loader leaves it as the one before left it.
    bool loaderOpen = false;
    const int written = RetryExchange(ctx_, [&] {
      bool leftOpen = false;
      const int result = BlockWrite(ctx_.link, buffers, model, options, &leftOpen);
      if (result == run_code::kOk || leftOpen) loaderOpen = leftOpen;
      return result;
    });
    if (loaderOpen) mode_ = DeviceMode::NamesLoader;
    if (written == run_code::kOk) {
      ctx_.observer.setProgress(1);
      // Said at once: a "СТОП" from here on ends the run, yet the names are in.
      ctx_.log(QStringLiteral("Имена записаны в ОРВИК"));
    }
    ctx_.observer.pumpEvents();
    ctx_.link.pause(kAfterNamesMs);
    ctx_.observer.pumpEvents();
    if (!keep(written) || ctx_.stopped()) return;
    // A device that does not hold the names meant stays in STOP.
    if (request_.verify && !keep(VerifyWrittenNames(ctx_, buffers, kind))) return;
    offerStart();
  }

  // The names write logs each model's sensor names in that model's own
  // words, a log format rather than a fact of the device, so the kinds are
  // named here and not in the profile.
  void logSensorNames(int kind) {
    const std::optional<DeviceKind> model = deviceKindOf(static_cast<Word>(kind));
    if (model != DeviceKind::Minimal && model != DeviceKind::Large) return;
    const bool minimal = model == DeviceKind::Minimal;
    const int count = kindProfile(kind).sensors;
    for (int k = 0; k < count; ++k) {
      const NameSlot& slot = image_.names.sensorNames[static_cast<std::size_t>(k)];
      if (minimal && slot.isEmpty()) continue;
      const QString name = fromCp1251(slot.bytes());
      const QByteArray device = EncodeDeviceText(slot.bytes()).left(kDeviceNameLength);
      if (minimal) {
        ctx_.log(name);
      } else {
        ctx_.log(QStringLiteral("до ") + name);
        ctx_.log(QStringLiteral("датчик ") + QString::number(k) + QLatin1Char(' ') + name);
      }
      ctx_.log(HexBytes(device));
    }
  }

  // --- constants -----------------------------------------------------------

  void writeConstants() {
    const int entered = toInt(ctx_.link.commands().Reprogramming(kReprogSection, kReprogEnter));
    ctx_.log(QStringLiteral("переход в режим репрограммации: приказ послан ") + ResultText(entered));
    // Taken: from here the device may be in the reprogramming mode until it is left or cancelled.
    if (entered == run_code::kOk) mode_ = DeviceMode::Reprogramming;
    PauseWatchingStop(ctx_, kReprogEntryMs);
    if (!keep(entered) || ctx_.stopped()) return;

    if (!awaitReprogramming()) {
      ctx_.log(QStringLiteral("ОРВИК не перешел в режим репрограммации, попробуйте снова"));
      keep(run_code::kNoAnswer);
    }
    // The password travels with the system group: without it nothing could
    // change, and a question saying it will would mislead.
    const bool newPassword = ok() && request_.groups.system && passwordChangeConfirmed();
    if (ok()) writeItems(newPassword);
    leaveReprogramming();
  }

  bool awaitReprogramming() {
    for (int poll = 0; poll < kReprogPolls; ++poll) {
      const std::optional<StatusWord> status = readStatus();
      if (!status || ctx_.stopped()) return false;
      if (status->inReprogramming()) {
        ctx_.log(QStringLiteral("приказ исполнен"));
        return true;
      }
      PauseWatchingStop(ctx_, kReprogPollPauseMs);
    }
    return false;
  }

  // The image's password goes to the device only when the user means to
  // change it: the password field holds the device's present one.
  bool passwordChangeConfirmed() {
    const QString wanted = HexWord(image_.sys(sys::DevicePassword) & 0xFFFF);
    if (PasswordDigits(ctx_.settings.password) == wanted) return false;
    return answers_.confirmPasswordChange();
  }

  void writeItems(bool newPassword) {
    const std::vector<WriteStep> steps = plannedItems(newPassword);
    int position = 0;
    ctx_.observer.setProgressMaximum(CountedItems(steps));
    ctx_.observer.setProgress(position);
    for (const WriteStep& step : steps) {
      // After a failure or STOP the rest of the walk sends nothing.
      if (!ok() || ctx_.stopped()) continue;
      if (ctx_.spy() && !step.spyLabel.isEmpty()) ctx_.log(step.spyLabel);
      const int result = RetryExchange(ctx_, [&] {
        if (step.sentOnce) return send(step);
        send(step);
        ctx_.observer.pumpEvents();
        return send(step);
      });
      if (result == run_code::kOk) {
        written_.push_back(step);
        if (!step.password) ctx_.observer.setProgress(++position);
      } else if (result != run_code::kStoppedByUser) {
        ctx_.log(QStringLiteral("Не записано значение ") + DescribeWriteStep(step));
        keep(result);
      }
    }
    // What the device now holds of this write, whole or not.
    ctx_.log(QStringLiteral("Записано значений: %1 из %2").arg(CountedItems(written_)).arg(CountedItems(steps)));
  }

  // Every item of the ticked groups, or only those the device does not hold yet.
  std::vector<WriteStep> plannedItems(bool newPassword) const {
    const int kind = image_.deviceKind;
    std::vector<WriteStep> steps = PlanConstantsWrite(kind, request_.groups, newPassword, image_);
    if (!request_.held) return steps;
    return ChangedSteps(steps, PlanConstantsWrite(kind, request_.groups, newPassword, *request_.held));
  }

  int send(const WriteStep& step) {
    DeviceCommands device = ctx_.link.commands();
    if (step.source == ParamSource::Memory) return toInt(device.WriteMemory(step.address, step.data));
    return toInt(device.WriteParam(ParamAddress::fromWord(step.address), step.data));
  }

  void leaveReprogramming() {
    if (ctx_.stopped()) {
      ctx_.log(ResultText(run_code::kStoppedByUser) + QLatin1Char(' '));
      return;
    }
    if (!ok()) {
      ctx_.log(QStringLiteral("ошибка записи: ") + ResultText(result_));
      ctx_.link.commands().Reprogramming(kReprogSection, kReprogCancel);
      ctx_.log(QStringLiteral("Отмена репрограммации") + ResultText(result_));
      mode_ = DeviceMode::Stopped;
      return;
    }
    const int left = toInt(ctx_.link.commands().Reprogramming(kReprogSection, kReprogLeave));
    if (!keep(left)) return;
    ctx_.log(QStringLiteral("Выход из режима репрограммации: приказ послан ") + ResultText(left));
    PauseWatchingStop(ctx_, kReprogExitMs);
    QByteArray reply;
    const int read = RetryExchange(ctx_, [&] { return toInt(ctx_.link.commands().ReadParam(device_param::kStatusWord, 2, reply)); });
    const StatusWord status{WordFromBytes(reply)};
    if (ctx_.spy()) {
      ctx_.log(QStringLiteral("Выход из режима репрограммации: ") + QString::number(read) + QLatin1Char(' ') +
               ResultText(read));
      ctx_.log(HexWord(status.value));
      ctx_.log(QStringLiteral("%1").arg(status.value, 16, 2, QLatin1Char('0')));
    }
    if (read == run_code::kOk && status.leftReprogramming()) {
      ctx_.log(QStringLiteral("приказ исполнен"));
      mode_ = DeviceMode::Stopped;
      // A device that does not hold what was meant stays in STOP.
      if (request_.verify && !keep(VerifyWrittenItems(ctx_, written_))) return;
      offerStart();
    } else {
      ctx_.log(QStringLiteral("ОРВИК не вышел из режима репрограммации, попробуйте снова"));
      keep(run_code::kNoAnswer);
    }
  }

  // --- back to work ----------------------------------------------------------

  void offerStart() {
    if (!answers_.confirmStart()) return;  // the device stays in STOP
    const int started = toInt(ctx_.link.commands().Start());
    if (!keep(started)) return;
    ctx_.log(QStringLiteral("ПУСК : приказ послан") + ResultText(started));
    PauseWatchingStop(ctx_, kStartSettleMs);
    const std::optional<StatusWord> status = readStatus();
    if (status && !ctx_.stopped() && status->workingState() == StatusWord::kWorking) {
      ctx_.log(QStringLiteral("приказ исполнен"));
      mode_ = DeviceMode::Working;
    } else {
      ctx_.log(QStringLiteral("Приказ не выполнен"));
      keep(run_code::kNoAnswer);
    }
  }

  // --- helpers -------------------------------------------------------------

  std::optional<StatusWord> readStatus() {
    QByteArray reply;
    const int read = RetryExchange(ctx_, [&] { return toInt(ctx_.link.commands().ReadParam(device_param::kStatusWord, 2, reply)); });
    if (read != run_code::kOk) return std::nullopt;
    return StatusWord{WordFromBytes(reply)};
  }

  bool ok() const { return result_ == run_code::kOk; }

  // A run keeps its first failing code; true while there is none.
  bool keep(int code) {
    if (code != run_code::kOk && result_ == run_code::kOk) result_ = code;
    return code == run_code::kOk;
  }

  DeviceWriteOutcome end(const Connection* c) {
    const bool stopped = ctx_.stopped();
    if (stopped) result_ = run_code::kStoppedByUser;
    // A device this run stopped and did not start again no longer works as
    // before: the user must know, whatever ended the run.
    if (mode_ == DeviceMode::Stopped) ctx_.log(QStringLiteral("ОРВИК оставлен в режиме СТОП"));
    if (mode_ == DeviceMode::Reprogramming) ctx_.log(QStringLiteral("ОРВИК оставлен в режиме репрограммации и СТОП"));
    if (mode_ == DeviceMode::NamesLoader) ctx_.log(QStringLiteral("ОРВИК оставлен в режиме загрузки имен и СТОП"));
    if (ok()) {
      ctx_.log(QStringLiteral("Поздравляю, все прошло удачно!"));
      ctx_.observer.offerAnotherTry(false);
    } else {
      ctx_.log(ResultText(result_));
      ctx_.observer.offerAnotherTry(true);
    }
    if (c) EndConnection(ctx_, RunKind::Write, *c);
    return DeviceWriteOutcome{result_, false, CountedItems(written_)};
  }

  RunContext& ctx_;
  RunState& run_;  // the device facts the connection found
  int result_ = run_code::kOk;
  SettingsImage& image_;
  const WriteRequest& request_;
  WriteAnswerer& answers_;
  std::vector<WriteStep> written_;  // the items the device acknowledged, in the order sent
  DeviceMode mode_ = DeviceMode::Untouched;
};

}  // namespace

DeviceWriteOutcome RunDeviceWrite(RunContext& ctx, const WriteRequest& request, WriteAnswerer& answers) {
  return WriteRun(ctx, request, answers).go();
}

}  // namespace nastrum
