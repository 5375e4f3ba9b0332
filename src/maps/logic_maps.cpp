// Maps 10 and 11: the logic flags of the expandable model and the regulators
// of the large one, in bands of sixteen under yellow number rows.
#include "descriptors/descriptor_digits.h"
#include "model/device_real.h"
#include "maps/map_builders.h"
#include "maps/map_cells.h"
#include "model/real_text.h"
#include "model/kind_profile.h"

namespace nastrum::maps {

namespace {

constexpr int kBandWidth = 16;
constexpr int kFlagsPerPage = 64;
constexpr int kMaxBands = 4;

// A logic flag does something unless its law's high byte is one of the
// "no law" codes.
bool isFlagDescribed(Word law) {
  const int high = highByte(law);
  return high != 0x00 && high != 0xF0 && high != 0xF1 && high != 0xFC && high != 0xFF;
}

bool isRegulatorPresent(Word law) {
  const int high = highByte(law);
  return high != 0x00 && high != 0xFF;
}

// Parameters 4015, 4016 and 4017 (time, date, year) switch at a decimal constant.
bool isTimeParameter(Word param) {
  const Word p = param & 0xFFFF;
  return p == 0x4015 || p == 0x4016 || p == 0x4017;
}

// Column 0 labels and the yellow number row of one band.
void layLogicBand(MapTable& t, int top, const QStringList& labels, int first, int last) {
  for (int r = 0; r < labels.size(); ++r) putLabel(t, 0, top + r, labels[r]);
  t.cell(0, top).yellow = true;
  for (int i = 0; i < kBandWidth; ++i) {
    const int n = first + i;
    putHeading(t, 1 + i, top, n <= last ? objectNumberText(n) : QString());
    t.cell(1 + i, top).yellow = true;
    for (int r = 1; r < labels.size(); ++r) putValue(t, 1 + i, top + r);
  }
}

// The regulator's threshold: a device real whose bytes are LogicT1's high and
// low byte, then LogicT2's, shown in six characters where fraction digits can go.
QString regulatorConstant(Word t1, Word t2, QChar sep) {
  const DeviceRealBytes bytes{static_cast<std::uint8_t>(highByte(t1)), static_cast<std::uint8_t>(lowByte(t1)),
                              static_cast<std::uint8_t>(highByte(t2)), static_cast<std::uint8_t>(lowByte(t2))};
  return ShortenRealText(realText(DecodeDeviceReal(bytes), sep), 6, sep);
}

}  // namespace

void buildLogicFlagMap(const SettingsImage& image, MapPage& page) {
  const KindProfile& profile = kindProfile(image.deviceKind);
  const int last = profile.logicFlags - 1;
  const auto law = [&](int n) { return image.logicLaw[static_cast<std::size_t>(n)]; };
  const auto described = [&](int n) { return isFlagDescribed(law(n)); };
  const int first = kFlagsPerPage * (page.page - 1);
  const int bands = shownBands(first, kMaxBands, kBandWidth, last, described);
  const QStringList labels{QStringLiteral("Логический признак"), QStringLiteral("Закон и выход"),
                           QStringLiteral("Параметр/адрес"), QStringLiteral("Конст. переключ."),
                           QStringLiteral("Логический эталон"), QStringLiteral("Задержка срабатыв."),
                           QStringLiteral("Задержка отпуск.")};
  const int rows = static_cast<int>(labels.size());
  MapTable t(1 + kBandWidth, bands * rows);
  t.setWidths(125, 42);
  for (int b = 0; b < bands; ++b) {
    const int top = b * rows;
    const int bandFirst = first + b * kBandWidth;
    layLogicBand(t, top, labels, bandFirst, last);
    for (int i = 0; i < kBandWidth && bandFirst + i <= last; ++i) {
      const int n = bandFirst + i;
      const auto at = [&](const auto& array) { return array[static_cast<std::size_t>(n)]; };
      t.setText(1 + i, top + 1, wordText(law(n)));
      if (!described(n)) continue;
      const Word param = at(image.logicParam);
      t.setText(1 + i, top + 2, wordText(param));
      t.setText(1 + i, top + 3, isTimeParameter(param) ? decimal4Text(at(image.logicK1)) : wordText(at(image.logicK1)));
      t.setText(1 + i, top + 4, wordText(at(image.logicK2)));
      const bool hasDelays = n < profile.logicTimes;  // only the first flags have delay slots
      t.setText(1 + i, top + 5, hasDelays ? decimal4Text(at(image.logicT1)) : QStringLiteral("нет"));
      t.setText(1 + i, top + 6, hasDelays ? decimal4Text(at(image.logicT2)) : QStringLiteral("нет"));
    }
  }
  page.table = std::move(t);
  page.hasNextPage = anyPresent(first + kFlagsPerPage, last, described);
}

void buildRegulatorMap(const SettingsImage& image, MapPage& page, QChar sep) {
  const int last = kindProfile(image.deviceKind).regulators - 1;
  const auto law = [&](int n) { return image.logicLaw[static_cast<std::size_t>(n)]; };
  const auto present = [&](int n) { return isRegulatorPresent(law(n)); };
  const int bands = shownBands(0, kMaxBands, kBandWidth, last, present);
  const QStringList labels{QStringLiteral("Логический признак"), QStringLiteral("Описатель закона"),
                           QStringLiteral("Описатель параметра"), QStringLiteral("Константа регулятора")};
  const int rows = static_cast<int>(labels.size());
  MapTable t(1 + kBandWidth, bands * rows);
  t.setWidths(145, 42);
  for (int b = 0; b < bands; ++b) {
    const int top = b * rows;
    const int bandFirst = b * kBandWidth;
    layLogicBand(t, top, labels, bandFirst, last);
    for (int i = 0; i < kBandWidth && bandFirst + i <= last; ++i) {
      const std::size_t n = static_cast<std::size_t>(bandFirst + i);
      t.setText(1 + i, top + 1, wordText(image.logicLaw[n]));
      if (!present(bandFirst + i)) continue;
      t.setText(1 + i, top + 2, wordText(image.logicParam[n]));
      t.setText(1 + i, top + 3, regulatorConstant(image.logicT1[n], image.logicT2[n], sep));
    }
  }
  page.table = std::move(t);
}

}  // namespace nastrum::maps
