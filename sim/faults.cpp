#include "sim/faults.h"

#include <array>
#include <utility>

namespace nastrum::sim {
namespace {

constexpr std::array<std::pair<FaultKind, const char*>, 13> kNames = {{
    {FaultKind::NoAnswer, "noanswer"},
    {FaultKind::Nak, "nak"},
    {FaultKind::BadChecksum, "checksum"},
    {FaultKind::ShortReply, "short"},
    {FaultKind::Garbage, "garbage"},
    {FaultKind::Echo, "echo"},
    {FaultKind::RefuseStop, "refuse-stop"},
    {FaultKind::RefuseReprog, "refuse-reprog"},
    {FaultKind::MissingKey, "no-key"},
    {FaultKind::WrongPassword, "wrong-password"},
    {FaultKind::StopAnswering, "stop"},
    {FaultKind::Completion, "completion"},
    {FaultKind::CorruptWrite, "corrupt"},
}};

bool applies(const Fault& f, FaultKind kind, int request) {
  if (f.kind != kind) return false;
  // "stop@N" lets N requests through; every other fault waits `after` requests.
  return request > f.after;
}

}  // namespace

std::optional<Fault> parseFault(const QString& textIn) {
  QString text = textIn.trimmed().toLower();
  Fault fault{FaultKind::NoAnswer};
  const qsizetype atPos = text.indexOf('@');
  if (atPos >= 0) {
    bool ok = false;
    fault.after = text.mid(atPos + 1).toInt(&ok);
    if (!ok || fault.after < 0) return std::nullopt;
    text = text.left(atPos);
  }
  if (text.contains(QLatin1String(":once"))) {
    fault.once = true;
    text.remove(QLatin1String(":once"));
  }
  text.remove(QLatin1String(":all"));
  const qsizetype eq = text.indexOf('=');
  if (eq >= 0) {
    const QString value = text.mid(eq + 1);
    text = text.left(eq);
    const bool none = value == QLatin1String("none");
    bool ok = none;
    fault.value = none ? -1 : value.toInt(&ok, 16);
    // Only "none" stands for no byte; a negative number is no byte value.
    if (!ok || (!none && (fault.value < 0 || fault.value > 0xFF))) return std::nullopt;
  }
  for (const auto& [kind, name] : kNames) {
    if (text == QLatin1String(name)) {
      fault.kind = kind;
      return fault;
    }
  }
  return std::nullopt;
}

QString faultName(FaultKind kind) {
  for (const auto& [k, name] : kNames)
    if (k == kind) return QString::fromLatin1(name);
  return {};
}

QStringList faultNames() {
  QStringList names;
  for (const auto& entry : kNames) names << QString::fromLatin1(entry.second);
  return names;
}

bool FaultPlan::active(FaultKind kind, int request) const {
  for (const Fault& f : faults_)
    if (applies(f, kind, request)) return true;
  return false;
}

bool FaultPlan::take(FaultKind kind, int request, Fault* taken) {
  for (auto it = faults_.begin(); it != faults_.end(); ++it) {
    if (!applies(*it, kind, request)) continue;
    if (taken) *taken = *it;
    if (it->once) faults_.erase(it);
    return true;
  }
  return false;
}

}  // namespace nastrum::sim
