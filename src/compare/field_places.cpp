#include "compare/field_places.h"

#include <cstring>

#include "compare/setup_controls.h"
#include "compare/shown_values.h"
#include "editor/pages/view/view_tables.h"
#include "editor/workflow/window_title.h"
#include "model/cp1251.h"
#include "model/device_text.h"
#include "model/field_walk.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

bool is(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }


// How the tables of the view pages are grouped into pages and objects.
struct TableGroup {
  ComparePage page;
  int family;
  const char* objectWord;  // "датчик", … ; the object number follows
};

std::optional<TableGroup> groupOf(const QString& tableName) {
  static const std::pair<const char*, TableGroup> kGroups[] = {
      {"sensorTable", {ComparePage::Sensors, 0, "датчик"}},
      {"tableFunctionTable", {ComparePage::Sensors, 1, "таблица"}},
      {"pipelineTable", {ComparePage::Pipelines, 0, "трубопровод"}},
      {"hourArchiveTable", {ComparePage::Archives, 0, "часовой архив"}},
      {"dayArchiveTable", {ComparePage::Archives, 1, "суточный архив"}},
      {"monthArchiveTable", {ComparePage::Archives, 2, "месячный архив"}},
      {"intervalArchiveTable", {ComparePage::Archives, 3, "архив интервалов"}},
      {"eventTable", {ComparePage::Archives, 4, "событие"}},
      {"systemTable", {ComparePage::System, 0, nullptr}},
      {"generatorTable", {ComparePage::System, 1, "генератор тока"}},
      {"logicFlagTable", {ComparePage::Regulators, 0, "логический признак"}},
      {"regulatorTable", {ComparePage::Regulators, 0, "регулятор"}},
  };
  for (const auto& [name, group] : kGroups)
    if (tableName == QLatin1String(name)) return group;
  return std::nullopt;
}

QString objectText(const char* word, int object) {
  return word ? QString::fromUtf8(word) + QLatin1Char(' ') + QString::number(object) : QString();
}

struct NameCaption {
  int family;
  const char* objectWord;
  const char* caption;
};

std::optional<NameCaption> nameCaptionOf(const char* group) {
  static const std::pair<const char*, NameCaption> kNames[] = {
      {"SensorNames", {0, "датчик", "Имя датчика:"}},
      {"PipelineNames", {1, "трубопровод", "Имя трубопровода:"}},
      {"HourArcNames", {2, "часовой архив", "Имя часового архива:"}},
      {"DayArcNames", {3, "суточный архив", "Имя суточного архива:"}},
      {"MonthArcNames", {4, "месячный архив", "Имя месячного архива:"}},
      {"IntervalArcNames", {5, "архив интервалов", "Имя архива интервалов:"}},
      {"DesktopNames", {6, "параметр", "Имя параметра:"}},
  };
  for (const auto& [name, caption] : kNames)
    if (is(group, name)) return caption;
  return std::nullopt;
}

// A field no page shows in a form of its own: codes as the four hex digits the
// view pages show, texts without the listing's quotes.
QString plainForm(const ImageField& field) {
  if (field.info.kind == FieldKind::Code) return HexWord(*std::get<Word*>(field.value));
  if (field.info.kind == FieldKind::Name) return fromCp1251(std::get<NameSlot*>(field.value)->bytes());
  if (field.info.kind == FieldKind::DeviceText) {
    const auto bytes = std::get<std::span<std::uint8_t>>(field.value);
    ModemText text{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), text.size()), text.begin());
    const QString edit = DeviceTextToEdit(text);
    if (EditToDeviceText(edit) == text) return edit;
  }
  return fieldText(field);
}

}  // namespace

// Lays the fields of one image out on its kind's pages.
class FieldLayoutBuilder {
 public:
  FieldLayoutBuilder(FieldLayout& layout, const SettingsImage& image) : layout_(layout), image_(image) {
    if (!isValidDeviceKind(image_.deviceKind)) image_.deviceKind = toWord(DeviceKind::Expandable);
    const std::vector<ImageField> fields = imageFields(image_);
    layout_.slots_.reserve(fields.size());
    index_.assign(sizeof(SettingsImage), -1);
    for (std::size_t i = 0; i < fields.size(); ++i) {
      layout_.slots_.push_back({fields[i].info, {}, std::nullopt});
      index_[static_cast<std::size_t>(offsetOf(fields[i].address()))] = static_cast<int>(i);
    }
    placeViewTables();
    placeModemTexts();
    placeTheRest();
  }

 private:
  std::ptrdiff_t offsetOf(const void* value) const {
    return value ? static_cast<const char*>(value) - reinterpret_cast<const char*>(&image_) : -1;
  }
  FieldLayout::Slot* slotOf(const void* value) {
    const std::ptrdiff_t offset = offsetOf(value);
    if (offset < 0 || offset >= static_cast<std::ptrdiff_t>(index_.size())) return nullptr;
    const int i = index_[static_cast<std::size_t>(offset)];
    return i < 0 ? nullptr : &layout_.slots_[static_cast<std::size_t>(i)];
  }

  void placeViewTables() {
    for (const ViewTable& table : buildAllViewTables(image_)) {
      const std::optional<TableGroup> group = groupOf(table.objectName);
      if (!group) continue;
      const bool points = table.objectName == QLatin1String("tableFunctionTable");
      for (int row = 0; row < table.fieldRows(); ++row) {
        const QString& rowCaption = table.rowCaptions[static_cast<std::size_t>(row)];
        const QString caption = points ? QStringLiteral("Точка ") + rowCaption : rowCaption;
        for (int column = 0; column < table.objects(); ++column) {
          const ViewCell& cell = table.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
          const FieldLayout::Cell shape{static_cast<int>(cell.form), offsetOf(cell.word), offsetOf(cell.word2),
                                        offsetOf(cell.flag), offsetOf(cell.real)};
          for (const void* value : {static_cast<const void*>(cell.word), static_cast<const void*>(cell.word2),
                                    static_cast<const void*>(cell.real)}) {
            FieldLayout::Slot* slot = slotOf(value);
            if (!slot) continue;
            slot->place = {group->page, group->family, group->objectWord ? column : -1,
                           objectText(group->objectWord, column), caption, {}, false};
            slot->cell = shape;
          }
        }
      }
    }
  }

  void placeModemTexts() {
    for (const ModemField& modem : buildModemFields(image_))
      if (FieldLayout::Slot* slot = slotOf(modem.bytes->data()))
        slot->place = {ComparePage::System, 2, -1, {}, modem.caption, {}, false};
  }

  // Names, the desktop, the clock and the marks the program keeps, and the
  // setup control of every placed field.
  void placeTheRest() {
    const KindProfile& kind = kindProfile(image_.deviceKind);
    for (FieldLayout::Slot& slot : layout_.slots_) {
      const FieldName& n = slot.info.name;
      FieldPlace& p = slot.place;
      if (is(n.group, "DeviceKind")) {
        p = {ComparePage::Kind, 0, -1, {}, QStringLiteral("Тип прибора"), {}, false};
      } else if (const std::optional<NameCaption> name = nameCaptionOf(n.group)) {
        p = {ComparePage::Names, name->family, n.index, objectText(name->objectWord, n.index),
             QString::fromUtf8(name->caption), {}, false};
      } else if (is(n.group, "DesktopParams") && kind.hasDesktop) {
        p = {ComparePage::Desktop, 0, n.index, objectText("параметр", n.index), QStringLiteral("Тип параметра:"), {},
             false};
      } else if (is(n.group, "SystemBlock")) {
        placeSystemWord(n.member, p);
      } else if (is(n.group, "Sensors") && is(n.member, "RtdStandard") && slot.info.usedBy(kind.kind)) {
        p = {ComparePage::Sensors, 0, n.index, objectText("датчик", n.index), QStringLiteral("характеристика"), {},
             false};
      }
      p.setup = setupPlaceOf(slot.info, p, kind);
    }
  }

  static void placeSystemWord(const char* member, FieldPlace& p) {
    if (is(member, "TimeHHMM")) {
      p = {ComparePage::Clock, 0, -1, {}, QStringLiteral("Время ОРВИК:"), {}, true};
    } else if (is(member, "DateDDMM") || is(member, "DateYear")) {
      p = {ComparePage::Clock, 0, -1, {}, QStringLiteral("Дата ОРВИК:"), {}, true};
    } else if (is(member, "PrivilegedMark") || is(member, "CheckErrorsMark")) {
      p.clock = true;  // marks the program leaves, not settings
    }
  }

  FieldLayout& layout_;
  SettingsImage image_;  // a copy: the view tables refer to the image they describe
  std::vector<int> index_;  // the field whose value starts at each byte offset of the image, or -1
};

QString comparePageCaption(ComparePage page) {
  switch (page) {
    case ComparePage::Kind: return QStringLiteral("Прибор");
    case ComparePage::Sensors: return QStringLiteral("Датчики");
    case ComparePage::Pipelines: return QStringLiteral("Трубопроводы");
    case ComparePage::Archives: return QStringLiteral("Архивы");
    case ComparePage::System: return QStringLiteral("Системные параметры");
    case ComparePage::Regulators: return QStringLiteral("Регуляторы");
    case ComparePage::Desktop: return QStringLiteral("Рабочий стол");
    case ComparePage::Names: return QStringLiteral("Имена");
    case ComparePage::Clock: return QStringLiteral("Время");
    case ComparePage::Unshown: return QStringLiteral("Поля без страницы");
  }
  return {};
}

std::vector<ComparePage> comparePages() {
  return {ComparePage::Kind,   ComparePage::Sensors,    ComparePage::Pipelines, ComparePage::Archives,
          ComparePage::System, ComparePage::Regulators, ComparePage::Desktop,   ComparePage::Names,
          ComparePage::Clock,  ComparePage::Unshown};
}

FieldLayout::FieldLayout(const SettingsImage& image) { FieldLayoutBuilder(*this, image); }

QString FieldLayout::shown(const SettingsImage& image, const ImageField& field, std::size_t i, QChar separator) const {
  const Slot& slot = slots_[i];
  if (slot.place.page == ComparePage::Kind)
    return isValidDeviceKind(image.deviceKind) ? kindName(image.deviceKind) : QString::number(image.deviceKind);
  QString text;
  if (slot.cell) {
    // The same cell over `image`: the offsets are those of the fields in any image.
    auto* base = reinterpret_cast<char*>(const_cast<SettingsImage*>(&image));
    const auto at = [base](std::ptrdiff_t offset) { return offset < 0 ? nullptr : base + offset; };
    ViewCell cell;
    cell.form = static_cast<CellForm>(slot.cell->form);
    cell.word = reinterpret_cast<Word*>(at(slot.cell->word));
    cell.word2 = reinterpret_cast<Word*>(at(slot.cell->word2));
    cell.flag = reinterpret_cast<const Word*>(at(slot.cell->flag));
    cell.real = reinterpret_cast<double*>(at(slot.cell->real));
    text = cellText(cell, separator);
  } else {
    text = plainForm(field);
  }
  return decodedText(image, slot.info, text);
}

}  // namespace nastrum
