#include "editor/pages/view/view_cell.h"

#include "model/device_real.h"
#include "model/hex_text.h"
#include "model/message_catalogue.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

constexpr int kNotANumberMessage = 7;
// Every word of the image is a 16-bit code in a 32-bit slot.
constexpr long long kHighestWord = 0xFFFF;

QString decimal4(Word value) { return QStringLiteral("%1").arg(value, 4, 10, QLatin1Char('0')); }

// Sensor codes 9x47 and Ax47 are shown as their current form 9x50 / Ax50.
QString sensorMainText(Word value) {
  QString text = HexWord(value);
  if (text.size() == 4 && (text[0] == QLatin1Char('9') || text[0] == QLatin1Char('A')) &&
      text.mid(1, 2) == QLatin1String("47"))
    text.replace(1, 2, QStringLiteral("50"));
  return text;
}

DeviceRealBytes regulatorBytes(Word first, Word second) {
  const auto high = [](Word w) { return static_cast<std::uint8_t>((w >> 8) & 0xFF); };
  const auto low = [](Word w) { return static_cast<std::uint8_t>(w & 0xFF); };
  return {high(first), low(first), high(second), low(second)};
}

// Counts the boxes ParseNumber shows, so a refused text is told from a zero.
class CountingPresenter final : public MessagePresenter {
 public:
  explicit CountingPresenter(MessagePresenter& inner) : inner_(inner) {}
  int present(const MessageBoxSpec& box) override {
    ++shown_;
    return inner_.present(box);
  }
  int shown() const { return shown_; }

 private:
  MessagePresenter& inner_;
  int shown_ = 0;
};

std::optional<double> readReal(const QString& text, QChar separator, MessagePresenter& messages) {
  CountingPresenter counting(messages);
  const double value = ParseNumber(text.trimmed(), separator, counting);
  if (counting.shown() > 0) return std::nullopt;
  return value;
}

StoreOutcome refuse(MessagePresenter& messages) {
  ShowMessageCode(messages, kNotANumberMessage);
  return StoreOutcome::Rejected;
}

}  // namespace

QString cellText(const ViewCell& cell, QChar separator) {
  switch (cell.form) {
    case CellForm::Fixed: return cell.fixedText;
    case CellForm::Hex: return HexWord(*cell.word);
    case CellForm::SensorMain: return sensorMainText(*cell.word);
    case CellForm::Decimal4: return decimal4(*cell.word);
    case CellForm::SettlementDate:
      return HexWord(*cell.word).startsWith(QLatin1String("FF")) ? QStringLiteral("FFFF") : decimal4(*cell.word);
    case CellForm::Password: return *cell.flag == 1 ? HexWord(*cell.word) : QStringLiteral("****");
    case CellForm::Real: return FormatReal8(*cell.real, separator);
    case CellForm::RegulatorConstant:
      return ShortenRealText(FormatReal8(DecodeDeviceReal(regulatorBytes(*cell.word, *cell.word2)), separator), 8, separator);
  }
  return {};
}

StoreOutcome storeCellText(const ViewCell& cell, const QString& typed, QChar separator, MessagePresenter& messages) {
  const QString text = typed.trimmed();
  if (!cell.editable() || text.isEmpty()) return StoreOutcome::Unchanged;

  switch (cell.form) {
    case CellForm::Fixed: return StoreOutcome::Unchanged;
    case CellForm::Hex:
    case CellForm::SensorMain:
    case CellForm::Password: {
      const QString hex = cell.form == CellForm::Password && text == QLatin1String("****") ? QStringLiteral("0000") : text;
      const std::optional<Word> value = HexToInt(hex);
      if (!value || *value > kHighestWord) return refuse(messages);
      *cell.word = *value;
      return StoreOutcome::Stored;
    }
    case CellForm::Decimal4:
    case CellForm::SettlementDate: {
      // "FFFF" is how the settlement cell shows a date that is not set; it reads back as such.
      if (cell.form == CellForm::SettlementDate && text.compare(QLatin1String("FFFF"), Qt::CaseInsensitive) == 0) {
        *cell.word = 0xFFFF;
        return StoreOutcome::Stored;
      }
      bool ok = false;
      const long long value = text.toLongLong(&ok, 10);
      if (!ok || value < 0 || value > kHighestWord) return refuse(messages);
      *cell.word = static_cast<Word>(value);
      return StoreOutcome::Stored;
    }
    case CellForm::Real: {
      const std::optional<double> value = readReal(text, separator, messages);
      if (!value) return StoreOutcome::Rejected;
      *cell.real = *value;
      return StoreOutcome::Stored;
    }
    case CellForm::RegulatorConstant: {
      const std::optional<double> value = readReal(text, separator, messages);
      if (!value) return StoreOutcome::Rejected;
      const DeviceRealBytes bytes = EncodeDeviceReal(*value);
      *cell.word = (Word{bytes[0]} << 8) | bytes[1];
      *cell.word2 = (Word{bytes[2]} << 8) | bytes[3];
      return StoreOutcome::Stored;
    }
  }
  return StoreOutcome::Unchanged;
}

}  // namespace nastrum
