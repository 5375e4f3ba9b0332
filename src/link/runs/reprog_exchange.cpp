#include "link/runs/reprog_exchange.h"

#include "link/runs/run_codes.h"

namespace nastrum {

namespace {

constexpr int kSpyPacketHead = 11;

QString Hex2(std::uint8_t b) { return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper(); }

QString ReceivedNote(const QByteArray& got) {
  QString s = QString::number(got.size());
  if (!got.isEmpty()) s += QLatin1Char(' ') + Hex2(static_cast<std::uint8_t>(got[0]));
  return s;
}

QString SpyStageText(const QByteArray& sent, int stage) {
  if (stage == 1)
    return Hex2(static_cast<std::uint8_t>(sent[0])) + QLatin1Char(' ') + Hex2(static_cast<std::uint8_t>(sent[1]));
  QString s;
  for (int i = 0; i < kSpyPacketHead && i < sent.size(); ++i)
    s += Hex2(static_cast<std::uint8_t>(sent[i])) + QLatin1Char(' ');
  s += QStringLiteral("... ");
  if (!sent.isEmpty()) s += Hex2(static_cast<std::uint8_t>(sent.back()));
  s += QStringLiteral(" kol ") + QString::number(sent.size()) + QLatin1Char(' ');
  return s;
}

// Sends one stage and reads its acknowledgement; 0 or the stage's code.
int SendStage(DeviceSession& link, const QByteArray& bytes, int stage, QString& spyLine) {
  link.prepareLine();
  spyLine = SpyStageText(bytes, stage);
  if (!link.writeRaw(bytes)) return run_code::kSendFailed;
  if (link.setup().lineKind == LineKind::TwoWire) {
    // The two-wire loop returns every byte sent.
    for (int i = 0; i < bytes.size(); ++i)
      if (link.readRaw(1).isEmpty()) break;
  }
  const QByteArray ack = link.readRaw(1);
  spyLine += QStringLiteral("  * ") + ReceivedNote(ack);
  if (ack.isEmpty()) return run_code::kNoAnswer;
  if (ack[0] != 0) return stage == 1 ? run_code::kLoaderCommandRejected : run_code::kLoaderPacketRejected;
  return run_code::kOk;
}

}  // namespace

int CompletionFailureCode(std::uint8_t completion, std::uint8_t command) {
  if (completion == 0x62) return run_code::kNoJumper;
  if (completion & 0x08) return run_code::kVoltageOutOfRange;
  if (completion & 0x20) return run_code::kEraseFailed;
  if (completion & 0x40) return run_code::kEraseSuspended;
  return command == 0x70 ? run_code::kProgrammingFailed : run_code::kMemoryFailed;
}

int ReprogExchange(DeviceSession& link, const ReprogRequest& request, const TransferOptions& options) {
  const auto spyLog = [&](const QString& text) {
    if (options.spyMode && options.log) options.log(text);
  };
  QByteArray command;
  command.append(static_cast<char>(request.command));
  command.append(static_cast<char>((256 - request.command) % 256));

  int result = run_code::kNoAnswer;
  for (int attempt = 0; attempt < kReprogAttempts; ++attempt) {
    // Each attempt starts clean: a late byte of a failed attempt must not
    // pass for the next acknowledgement.
    link.purgeReceive();
    link.setReadTimeoutMs(kReprogAckTimeoutMs);
    QString spyLine;
    result = SendStage(link, command, 1, spyLine);
    if (result == run_code::kOk && request.stages == 2) {
      spyLog(spyLine);
      result = SendStage(link, request.packet, 2, spyLine);
    }
    if (result == run_code::kOk && request.completionWanted) {
      link.setReadTimeoutMs(request.completionTimeoutSeconds * 1000);
      const QByteArray done = link.readRaw(1);
      spyLine += QStringLiteral("  выполн ") + ReceivedNote(done);
      if (done.isEmpty())
        result = run_code::kLoaderNoCompletion;
      else if (static_cast<std::uint8_t>(done[0]) != request.expectedCompletion)
        result = CompletionFailureCode(static_cast<std::uint8_t>(done[0]), request.command);
    }
    spyLog(spyLine);
    if (result == run_code::kOk) break;
  }
  return result;
}

}  // namespace nastrum
