// The scan of a shared line: every network number of a range gets one
// identification with a short patience, and whatever answers is listed.
// Silence, a reply that cannot be read and two devices answering one number
// are results of the scan, never its end; only a port that cannot be opened
// or "СТОП" ends it early.
#pragma once

#include <vector>

#include <QString>

#include "link/runs/device_session.h"
#include "link/runs/run_context.h"
#include "link/scan/network_range.h"

namespace nastrum {

enum class ProbeStatus {
  Silent,     // nothing answered the number
  Found,      // a device identified itself and gave its factory number
  BadReply,   // something answered, but its reply could not be read
  Collision,  // more came back than one device sends: two devices share the number
};

struct ProbeResult {
  int number = 0;
  ProbeStatus status = ProbeStatus::Silent;
  int result = 0;           // the code of the exchange that failed, 0 when none did
  DeviceIdentity identity;  // when the identification came through
  int factoryNumber = 0;    // Found

  // A device this program reads and writes (not the basic or an unknown model).
  bool served() const;
};

// The version as the table and the command line show it: "3.2".
QString VersionText(const DeviceIdentity& identity);
// One line for the log: "№ 5: ОРВИК 9, версия 3.2, заводской № 1234", or
// what went wrong at that number.
QString ProbeText(const ProbeResult& result);

// Told of every number as it is tried.
class ScanListener {
 public:
  virtual ~ScanListener() = default;
  virtual void probing(int /*number*/) {}
  virtual void probed(const ProbeResult& result) = 0;
};

// Link-level attempts per frame: one, or one retry at most. A scan waits for
// a device only as long as the protocol's reply windows say.
constexpr int kMaxScanAttempts = 2;
// The pause before the retry of a frame: a device that missed a request
// answers the next one at once.
constexpr int kScanRetryPauseMs = 200;

struct ScanOptions {
  NetworkRange range;
  int attempts = 1;
};

struct ScanReport {
  std::vector<ProbeResult> answered;  // every number something answered, in order
  int tried = 0;
  bool portFailed = false;
  bool stopped = false;

  std::vector<ProbeResult> devices() const;  // the Found ones
  bool complete(const NetworkRange& range) const { return !portFailed && !stopped && tried == range.count(); }
};

// Tries every number of `options.range` on the port and line of
// ctx.settings (their own network number is not used). The observer's
// progress runs over the range; the port is closed at the end.
ScanReport RunNetworkScan(RunContext& ctx, const ScanOptions& options, ScanListener& listener);

}  // namespace nastrum
