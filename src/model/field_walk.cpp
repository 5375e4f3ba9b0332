#include "model/field_walk.h"

#include <algorithm>
#include <charconv>
#include <type_traits>

#include "model/cp1251.h"
#include "model/device_text.h"
#include "model/hex_text.h"

namespace nastrum {

namespace {

QString quoted(const QString& text) {
  QString out = QStringLiteral("\"");
  for (QChar c : text) {
    if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
      out += QLatin1Char('\\');
      out += c;
    } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
      out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    } else {
      out += c;
    }
  }
  return out + QLatin1Char('"');
}

QString bytesText(const std::uint8_t* data, std::size_t size) {
  std::size_t used = size;
  while (used > 0 && data[used - 1] == 0) --used;
  if (used == 0) return QStringLiteral("(zero)");
  return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(used)).toHex().toUpper());
}

// Turns each visited field into its listing entry.
class Walker {
 public:
  void word(const FieldInfo& info, Word w) {
    const QString text = info.kind == FieldKind::Code ? QStringLiteral("0x") + HexWord(w) : QString::number(w);
    add(info, w, 0, text, text);
  }
  void real(const FieldInfo& info, double r) {
    const QString text = exactRealText(r);
    add(info, 0, r, text, text);
  }
  void name(const FieldInfo& info, const NameSlot& slot) {
    const QString text = fromCp1251(slot.bytes());
    add(info, 0, 0, quoted(text), text);
  }
  void bytes(const FieldInfo& info, std::span<const std::uint8_t> data) {
    if (info.kind == FieldKind::DeviceText) {
      ModemText text{};
      std::copy_n(data.begin(), std::min(data.size(), text.size()), text.begin());
      const QString edit = DeviceTextToEdit(text);
      if (EditToDeviceText(edit) == text) {
        add(info, 0, 0, quoted(edit), edit);
        return;
      }
      // Not in the form the editor writes: show every byte so nothing hides.
    }
    const QString hex = bytesText(data.data(), data.size());
    add(info, 0, 0, hex, hex);
  }

  std::vector<Field> fields;

 private:
  void add(const FieldInfo& info, Word w, double r, const QString& text, const QString& plainText) {
    fields.push_back({info.name.path(), info.name, info.kind, w, r, text, plainText, info.kinds});
  }
};

}  // namespace

QString exactRealText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return QString::fromLatin1(buffer, result.ptr - buffer);
}

std::vector<Field> walkFields(const SettingsImage& image) {
  Walker w;
  visitImageFields(image, w);
  return std::move(w.fields);
}

QString fieldText(const ImageField& field) {
  Walker w;
  std::visit(
      [&](auto value) {
        using Value = decltype(value);
        if constexpr (std::is_same_v<Value, Word*>) {
          w.word(field.info, *value);
        } else if constexpr (std::is_same_v<Value, double*>) {
          w.real(field.info, *value);
        } else if constexpr (std::is_same_v<Value, NameSlot*>) {
          w.name(field.info, *value);
        } else {
          w.bytes(field.info, value);
        }
      },
      field.value);
  return w.fields.front().text;
}

}  // namespace nastrum
