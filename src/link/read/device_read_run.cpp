#include "link/read/device_read_run.h"

#include <algorithm>

#include "link/device_commands.h"
#include "link/param_address.h"
#include "link/read/read_map.h"
#include "link/runs/access_check.h"
#include "link/runs/block_transfer.h"
#include "link/runs/connection.h"
#include "link/runs/result_texts.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"
#include "link/value_formats.h"
#include "model/hex_text.h"

namespace nastrum {

namespace {

bool Served(int modelCode) { return modelCode >= 1 && modelCode <= 3; }

class ReadRun {
 public:
  ReadRun(RunContext& ctx, SettingsImage& target, const ReadRunHooks& hooks)
      : ctx_(ctx), run_(ctx.run()), target_(target), hooks_(hooks) {}

  RunOutcome go(ReadChoice choice) {
    const Connection c = Connect(ctx_, RunKind::Read);
    if (c.stage == ConnectStage::PortFailed) {
      outcome_.portFailed = true;
      return outcome_;
    }
    if (c.stage == ConnectStage::SelectFailed) {
      EndConnection(ctx_, RunKind::Read, c);
      return outcome_;
    }
    model_ = c.identity.modelCode;
    if (c.stage == ConnectStage::IdentifyFailed) {
      keep(c.result);
    } else {
      connected(choice, c);
    }
    if (ctx_.stopped()) {
      outcome_.result = run_code::kStoppedByUser;
      ctx_.log(ResultText(run_code::kStoppedByUser) + QLatin1Char(' '));
    }
    EndConnection(ctx_, RunKind::Read, c);
    finish(choice);
    return outcome_;
  }

 private:
  void connected(ReadChoice choice, const Connection& c) {
    if (Served(model_)) {
      maximum_ = ReadProgressMaximum(model_);
      ctx_.observer.setProgressMaximum(maximum_);
    }
    if (choice == ReadChoice::Constants && Served(model_)) target_.deviceKind = model_;

    QByteArray number;
    const int read = RetryExchange(ctx_, [&] { return toInt(ctx_.link.commands().ReadParam(device_param::kFactoryNumber, 2, number)); });
    if (read == run_code::kOk) {
      run_.factoryNumber = WordFromBytes(number);
      ctx_.log(c.greeting + QStringLiteral(" заводской №") + HexWord(run_.factoryNumber));
    } else {
      keep(read);
      ctx_.log(c.greeting);
    }
    ctx_.observer.setStatusText(WelcomeText(c.greeting));

    if (!Served(model_)) {
      ctx_.log(QStringLiteral("Программа работает только с минимальным, расширяемым ОРВИКом и ОРВИКом 9"));
      return;
    }
    if (choice == ReadChoice::Names)
      readNames();
    else
      readConstants();
  }

  void readNames() {
    ctx_.observer.setProgressVisible(false);
    ctx_.observer.setStopVisible(false);
    if (!canExchange()) return;
    const int access = CheckAccess(ctx_, ctx_.settings.password);
    if (access != run_code::kOk) {
      keep(access);
      return;
    }
    NamesBuffers buffers;
    int model = model_;
    const TransferOptions options = TransferOptionsFor(ctx_);
    const int read = RetryExchange(ctx_, [&] {
      ctx_.log(QStringLiteral("Пароль верен"));
      ctx_.log(QStringLiteral("Чтение имен"));
      return BlockRead(ctx_.link, buffers, model, options);
    });
    if (read == run_code::kOk)
      DecodeNames(buffers, model, target_.names);
    else
      keep(read);
  }

  void readConstants() {
    // The choice of what to read goes for this showing of the window.
    ctx_.observer.offerAnotherTry(false);
    ctx_.observer.setProgressVisible(true);
    const std::vector<ReadStep> steps = PlanConstantsRead(model_, target_);
    for (const ReadStep& step : steps) {
      // After a failure or STOP the rest is skipped: its fields keep their values.
      if (!canExchange()) continue;
      if (ctx_.spy() && hooks_.showSection) {
        const QString section = ReadSectionLabel(step);
        if (!section.isEmpty()) hooks_.showSection(section);
      }
      QByteArray bytes;
      const int result = RetryExchange(ctx_, [&] { return readStep(step, bytes); });
      advance();
      if (result != run_code::kOk) {
        keep(result);
        continue;
      }
      StoreReadValue(step.conversion, bytes, step.target);
      if (ctx_.spy() && step.family == ReadFamily::System && step.address == 0x4002)
        ctx_.log(QString::fromLatin1(bytes.left(2).toHex().toUpper()));
    }
  }

  int readStep(const ReadStep& step, QByteArray& bytes) {
    DeviceCommands device = ctx_.link.commands();
    if (step.source == ReadSource::Param) return toInt(device.ReadParam(ParamAddress::fromWord(step.address), step.size, bytes));
    return toInt(device.ReadMemory(step.address, step.size, bytes));
  }

  void advance() {
    position_ = std::min(position_ + 1, maximum_ > 0 ? maximum_ : position_ + 1);
    ctx_.observer.setProgress(position_);
  }

  bool canExchange() const { return !outcome_.failed() && !ctx_.stopped(); }

  void keep(int code) { outcome_.keep(code); }

  void finish(ReadChoice choice) {
    // "СТОП" pressed at any time of the run ends it with the stop code.
    if (ctx_.stopped()) outcome_.result = run_code::kStoppedByUser;
    if (outcome_.failed()) {
      ctx_.log(QString::number(ctx_.observer.progress()) + QStringLiteral("   ") + ResultText(outcome_.result));
      if (choice == ReadChoice::Names) ctx_.observer.offerAnotherTry(true);
    } else if (Served(model_)) {
      ctx_.log(QStringLiteral("Чтение прошло успешно."));
      outcome_.done = true;
      ctx_.observer.offerAnotherTry(false);
    }
    if (model_ == 2 && outcome_.result == run_code::kNoAnswer) ctx_.log(ResultText(run_code::kNoAnswer));
  }

  RunContext& ctx_;
  RunState& run_;
  SettingsImage& target_;
  const ReadRunHooks& hooks_;
  RunOutcome outcome_;
  int model_ = 0;
  int maximum_ = 0;
  int position_ = 0;
};

}  // namespace

RunOutcome RunDeviceRead(RunContext& ctx, ReadChoice choice, SettingsImage& target, const ReadRunHooks& hooks) {
  return ReadRun(ctx, target, hooks).go(choice);
}

}  // namespace nastrum
