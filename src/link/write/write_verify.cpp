#include "link/write/write_verify.h"

#include <utility>

#include "link/device_commands.h"
#include "link/runs/block_transfer.h"
#include "link/runs/result_texts.h"
#include "link/runs/run_codes.h"
#include "link/runs/run_retry.h"
#include "model/cp1251.h"
#include "model/hex_text.h"
#include "model/image_fields.h"

namespace nastrum {

namespace {

QString Hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

int ReadBack(RunContext& ctx, const WriteReadBack& from, QByteArray& bytes) {
  DeviceCommands device = ctx.link.commands();
  if (from.source == ParamSource::Param) return toInt(device.ReadParam(ParamAddress::fromWord(from.address), from.size, bytes));
  return toInt(device.ReadMemory(from.address, from.size, bytes));
}

int VerifyEnd(RunContext& ctx, int mismatches) {
  if (mismatches == 0) {
    ctx.log(QStringLiteral("Проверка записанного: все значения совпадают"));
    return run_code::kOk;
  }
  ctx.log(QStringLiteral("Проверка записанного: не совпадают значений: %1").arg(mismatches));
  return run_code::kVerifyMismatch;
}

// The names and desktop entries a device of one kind uses, each named and
// shown as listings show them: SensorNames[5] "Подача", DesktopParams[2] 0x4102.
struct NameListing {
  Word kind;
  std::vector<std::pair<QString, QString>> rows;

  void name(const FieldInfo& info, const NameSlot& slot) {
    if (info.usedBy(kind))
      rows.emplace_back(info.name.path(), QLatin1Char('"') + fromCp1251(slot.bytes()) + QLatin1Char('"'));
  }
  void word(const FieldInfo& info, const Word& w) {
    if (info.usedBy(kind)) rows.emplace_back(info.name.path(), QStringLiteral("0x") + HexWord(w));
  }
  void real(const FieldInfo&, const double&) {}
  template <class Span>
  void bytes(const FieldInfo&, Span) {}
};

std::vector<std::pair<QString, QString>> Listed(const NamesBuffers& buffers, int kind) {
  NamesRegion names;
  DecodeNames(buffers, kind, names);
  NameListing listing{static_cast<Word>(kind), {}};
  visitNamesRecordFields(std::as_const(names), listing);
  return listing.rows;
}

// The bytes the device keeps of a names block: its names area, then the work table.
QByteArray KeptBytes(const NamesBuffers& buffers, const NamesKindLayout& layout) {
  return buffers.names.left(layout.areaSize) + buffers.workTable.left(layout.workTableSize);
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
  return VerifyEnd(ctx, mismatches);
}

int VerifyWrittenNames(RunContext& ctx, const NamesBuffers& sent, int kind) {
  const NamesKindLayout* layout = NamesLayoutFor(kind);
  if (!layout) return run_code::kKindMismatch;
  ctx.log(QStringLiteral("Проверка записанного: чтение имен из ОРВИК"));
  if (ctx.stopped()) return run_code::kStoppedByUser;
  NamesBuffers held;
  int model = kind;
  const TransferOptions options = TransferOptionsFor(ctx);
  const int read = RetryExchange(ctx, [&] { return BlockRead(ctx.link, held, model, options); });
  if (read != run_code::kOk) {
    ctx.log(QStringLiteral("Проверка: имена не прочитаны") + ResultText(read));
    return read;
  }

  int mismatches = 0;
  const auto wrote = Listed(sent, kind), holds = Listed(held, kind);
  for (std::size_t i = 0; i < wrote.size() && i < holds.size(); ++i) {
    if (wrote[i].second == holds[i].second) continue;
    ++mismatches;
    ctx.log(QStringLiteral("Ошибка проверки: ") + wrote[i].first + QStringLiteral(" не совпадает: записано ") +
            wrote[i].second + QStringLiteral(", в ОРВИК ") + holds[i].second);
  }
  // Bytes that differ without changing any name as the device shows it (a
  // free slot holding other free bytes) still mean the device did not keep the block.
  const QByteArray a = KeptBytes(sent, *layout), b = KeptBytes(held, *layout);
  for (int i = 0; mismatches == 0 && i < a.size(); ++i) {
    if (a[i] == b[i]) continue;
    ++mismatches;
    ctx.log(QStringLiteral("Ошибка проверки: байт %1 области имен не совпадает: записано %2, в ОРВИК %3")
                .arg(i)
                .arg(Hex(a.mid(i, 1)), Hex(b.mid(i, 1))));
  }
  return VerifyEnd(ctx, mismatches);
}

}  // namespace nastrum
