#include "model/image_fields.h"

#include <type_traits>
#include <variant>

namespace nastrum {

namespace {

const char* const kSystemNames[sys::Count] = {
    "TimeHHMM",           "DateDDMM",           "DateYear",        "ClockCorrection", "ArchiveWriteMode",
    "SummerTimeInterval", "SettlementHourDate", "MainChannelSetup", "MainChannelBaud", "AuxChannelSetup",
    "AuxChannelBaud",     "PrivilegedMark",     "BatteryControl",  "SpecialFunctions", "PasswordPresent",
    "CheckErrorsMark",    "Reserved16",         "Reserved17",      "DevicePassword",
};

// Collects references and offsets, counting bytes per record.
struct Binder {
  std::vector<ImageField> fields;
  int settingsOffset = 0;
  int namesOffset = 0;

  void add(const FieldInfo& info, int size, ImageField::Value value) {
    int offset = -1;
    if (info.home == FieldHome::SettingsRecord) {
      offset = settingsOffset;
      settingsOffset += size;
    } else if (info.home == FieldHome::NamesRecord) {
      offset = namesOffset;
      namesOffset += size;
    }
    fields.push_back({info, offset, size, value});
  }
  void word(const FieldInfo& info, Word& w) { add(info, kWordFieldSize, &w); }
  void real(const FieldInfo& info, double& r) { add(info, kRealFieldSize, &r); }
  void name(const FieldInfo& info, NameSlot& n) { add(info, kNameFieldSize, &n); }
  void bytes(const FieldInfo& info, std::span<std::uint8_t> b) { add(info, static_cast<int>(b.size()), b); }
};

}  // namespace

QString FieldName::path() const {
  QString text = QLatin1String(group);
  if (index >= 0) text += QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
  if (index2 >= 0) text += QLatin1Char('[') + QString::number(index2) + QLatin1Char(']');
  if (member) text += QLatin1Char('.') + QLatin1String(member);
  return text;
}

const char* systemWordName(int index) { return index >= 0 && index < sys::Count ? kSystemNames[index] : ""; }

bool systemWordIsNumber(int index) {
  switch (index) {
    case sys::TimeHHMM:
    case sys::DateDDMM:
    case sys::DateYear:
    case sys::SettlementHourDate:
    case sys::PrivilegedMark:
    case sys::PasswordPresent:
    case sys::CheckErrorsMark:
      return true;
    default:
      return false;
  }
}

const void* ImageField::address() const {
  return std::visit(
      [](auto v) -> const void* {
        if constexpr (std::is_same_v<decltype(v), std::span<std::uint8_t>>)
          return v.data();
        else
          return v;
      },
      value);
}

std::vector<ImageField> imageFields(SettingsImage& image) {
  Binder binder;
  binder.fields.reserve(4096);  // every field of the image, without growing on the way
  visitImageFields(image, binder);
  return std::move(binder.fields);
}

}  // namespace nastrum
