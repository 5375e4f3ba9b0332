#include "link/scan/network_scan.h"

#include <algorithm>

#include "link/param_address.h"
#include "link/runs/connection.h"
#include "link/runs/greeting.h"
#include "link/runs/result_texts.h"
#include "link/runs/run_codes.h"
#include "link/value_formats.h"
#include "model/hex_text.h"

namespace nastrum {

namespace {

// After a reply the line must be quiet: bytes still coming mean a second
// talker. A character at the slowest speed takes about 37 ms.
constexpr int kQuietCheckMs = 60;
constexpr int kQuietCheckBytes = 64;

bool NothingCame(int code) { return code == run_code::kNoAnswer || code == toInt(ResultCode::NoAcknowledge); }

class Scan {
 public:
  Scan(RunContext& ctx, const ScanOptions& options, ScanListener& listener)
      : ctx_(ctx), options_(options), listener_(listener) {}

  ScanReport go() {
    ctx_.observer.setProgressMaximum(options_.range.count());
    ctx_.observer.setProgress(0);
    if (ctx_.spy())
      ctx_.link.setFrameLog([&observer = ctx_.observer](const QString& line) { observer.logLine(line); });
    ctx_.link.setIdleHook([&observer = ctx_.observer] { observer.pumpEvents(); });
    for (int number = options_.range.first; number <= options_.range.last; ++number) {
      if (ctx_.stopped()) {
        report_.stopped = true;
        break;
      }
      listener_.probing(number);
      const ProbeResult result = probe(number);
      if (report_.portFailed) break;
      ++report_.tried;
      if (result.status != ProbeStatus::Silent) {
        report_.answered.push_back(result);
        ctx_.log(ProbeText(result));
      }
      listener_.probed(result);
      ctx_.observer.setProgress(report_.tried);
      ctx_.observer.pumpEvents();
    }
    if (ctx_.stopped() && report_.tried < options_.range.count()) report_.stopped = true;
    ctx_.link.setFrameLog({});
    ctx_.link.setIdleHook({});
    ctx_.link.close();
    return report_;
  }

 private:
  ProbeResult probe(int number) {
    ProbeResult result;
    result.number = number;
    const ExchangeSettings settings = SettingsForNumber(ctx_.settings, number);
    LinkSetup setup = MakeLinkSetup(settings);
    setup.tryCount = std::clamp(options_.attempts, 1, kMaxScanAttempts);
    setup.retryPauseMs = kScanRetryPauseMs;
    // The frame protocols carry the address in every frame, which the
    // session takes when it opens.
    const PortAddress port = ChosenPort(settings);
    if (!ctx_.link.open(port.path, setup)) {
      ShowPortError(ctx_, port);
      ctx_.link.close();
      report_.portFailed = true;
      return result;
    }

    const bool selects = NeedsNetworkSelect(settings);
    if (selects && !ctx_.link.selectDevice(ChosenAddress(settings))) return result;

    result.result = toInt(ctx_.link.commands().Identify(result.identity));
    if (result.result == run_code::kOk) {
      QByteArray number;
      result.result = toInt(ctx_.link.commands().ReadParam(device_param::kFactoryNumber, 2, number));
      if (result.result == run_code::kOk) result.factoryNumber = WordFromBytes(number);
    }
    const bool secondTalker = !lineQuiet();
    if (secondTalker)
      result.status = ProbeStatus::Collision;
    else if (result.result == run_code::kOk)
      result.status = ProbeStatus::Found;
    else if (selects || !NothingCame(result.result))
      result.status = ProbeStatus::BadReply;  // the select was answered, or bytes came
    if (selects) ctx_.link.commands().Release();
    return result;
  }

  bool lineQuiet() {
    ctx_.link.setReadTimeoutMs(kQuietCheckMs);
    return ctx_.link.readRaw(kQuietCheckBytes).isEmpty();
  }

  RunContext& ctx_;
  const ScanOptions& options_;
  ScanListener& listener_;
  ScanReport report_;
};

}  // namespace

bool ProbeResult::served() const {
  return status == ProbeStatus::Found && ConnectedKindOf(identity.modelCode) != 0;
}

QString VersionText(const DeviceIdentity& identity) {
  return QString::number(identity.versionMajor) + QLatin1Char('.') + QString::number(identity.versionMinor);
}

QString ProbeText(const ProbeResult& r) {
  const QString head = QStringLiteral("№ %1: ").arg(r.number);
  switch (r.status) {
    case ProbeStatus::Silent: return head + QStringLiteral("не отвечает");
    case ProbeStatus::Found:
      return head + DeviceKindText(r.identity.modelCode) + QStringLiteral(", версия ") + VersionText(r.identity) +
             QStringLiteral(", заводской № ") + HexWord(static_cast<Word>(r.factoryNumber));
    case ProbeStatus::BadReply: return head + QStringLiteral("ответ не разобран: ") + ResultText(r.result).trimmed();
    case ProbeStatus::Collision:
      return head + QStringLiteral("ответили сразу несколько приборов (два прибора с одним номером?)");
  }
  return head;
}

std::vector<ProbeResult> ScanReport::devices() const {
  std::vector<ProbeResult> found;
  std::copy_if(answered.begin(), answered.end(), std::back_inserter(found),
               [](const ProbeResult& r) { return r.status == ProbeStatus::Found; });
  return found;
}

ScanReport RunNetworkScan(RunContext& ctx, const ScanOptions& options, ScanListener& listener) {
  return Scan(ctx, options, listener).go();
}

}  // namespace nastrum
