#include "compare/field_places.h"

#include <cstring>
#include <unordered_map>

#include "compare/setup_controls.h"
#include "compare/shown_values.h"
#include "editor/pages/view/view_tables.h"
#include "editor/workflow/window_title.h"
#include "model/field_walk.h"
#include "model/hex_text.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

bool is(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

// The fields of one image by the address of their value, so a view cell (which
// points into the image) finds its field.
class FieldIndex {
 public:
  explicit FieldIndex(std::vector<ImageField>& fields) {
    index_.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
      std::visit([&](auto value) { index_.emplace(address(value), i); }, fields[i].value);
  }
  std::optional<std::size_t> of(const void* value) const {
    const auto found = index_.find(value);
    if (found == index_.end()) return std::nullopt;
    return found->second;
  }

 private:
  template <class T>
  static const void* address(T* value) { return value; }
  static const void* address(std::span<std::uint8_t> bytes) { return bytes.data(); }
  std::unordered_map<const void*, std::size_t> index_;
};

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

// A field no page shows in a form of its own: codes as the four hex digits the
// view pages show, texts without the listing's quotes.
QString plainForm(const Field& f) {
  switch (f.kind) {
    case FieldKind::Code: return HexWord(f.word);
    case FieldKind::Name:
    case FieldKind::DeviceText: return f.plainText;
    default: return f.text;
  }
}

class Placer {
 public:
  Placer(const SettingsImage& image, QChar separator) : image_(image), separator_(separator) {
    if (!isValidDeviceKind(image_.deviceKind)) image_.deviceKind = 2;
    kind_ = image_.deviceKind;
    std::vector<ImageField> bound = imageFields(image_);
    const std::vector<Field> walked = walkFields(image_);
    fields_.reserve(bound.size());
    for (std::size_t i = 0; i < bound.size(); ++i) {
      fields_.push_back({bound[i].info, {}, plainForm(walked[i]), walked[i].text});
    }
    const FieldIndex index(bound);
    placeViewTables(index);
    placeModemTexts(index);
    placeTheRest();
  }

  std::vector<PlacedField> take() { return std::move(fields_); }

 private:
  void placeViewTables(const FieldIndex& index) {
    for (ViewSheet sheet : {ViewSheet::Sensors, ViewSheet::Pipelines, ViewSheet::Archives, ViewSheet::System,
                            ViewSheet::Regulators}) {
      for (const ViewTable& table : buildViewTables(sheet, image_)) {
        const std::optional<TableGroup> group = groupOf(table.objectName);
        if (!group) continue;
        for (int row = 0; row < table.fieldRows(); ++row) {
          for (int column = 0; column < table.objects(); ++column) {
            const ViewCell& cell = table.cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            QString caption = table.rowCaptions[static_cast<std::size_t>(row)];
            if (table.objectName == QLatin1String("tableFunctionTable")) caption = QStringLiteral("Точка ") + caption;
            const int object = group->objectWord ? column : -1;
            for (const void* value : {static_cast<const void*>(cell.word), static_cast<const void*>(cell.word2),
                                      static_cast<const void*>(cell.real)}) {
              const std::optional<std::size_t> i = value ? index.of(value) : std::nullopt;
              if (!i) continue;
              PlacedField& f = fields_[*i];
              f.place = {group->page, group->family, object, objectText(group->objectWord, column), caption, {}, false};
              f.shown = cellText(cell, separator_);
            }
          }
        }
      }
    }
  }

  void placeModemTexts(const FieldIndex& index) {
    for (const ModemField& modem : buildModemFields(image_)) {
      const std::optional<std::size_t> i = index.of(modem.bytes->data());
      if (!i) continue;
      fields_[*i].place = {ComparePage::System, 2, -1, {}, modem.caption, {}, false};
    }
  }

  // Names, the desktop, the clock and the marks the program keeps; the
  // decoded descriptor words; the setup control of every placed field.
  void placeTheRest() {
    const KindProfile& kind = kindProfile(kind_);
    for (PlacedField& f : fields_) {
      const FieldName& n = f.info.name;
      if (is(n.group, "DeviceKind")) {
        f.place = {ComparePage::Kind, 0, -1, {}, QStringLiteral("Тип прибора"), {}, false};
        f.shown = kindName(image_.deviceKind);
      } else if (const std::optional<NameCaption> name = nameCaptionOf(n.group)) {
        f.place = {ComparePage::Names, name->family, n.index, objectText(name->objectWord, n.index), name->caption, {},
                   false};
      } else if (is(n.group, "DesktopParams") && kind.hasDesktop) {
        f.place = {ComparePage::Desktop, 0, n.index, objectText("параметр", n.index), QStringLiteral("Тип параметра:"),
                   {}, false};
      } else if (is(n.group, "SystemBlock")) {
        placeSystemWord(f);
      } else if (is(n.group, "Sensors") && is(n.member, "RtdStandard") && f.info.usedBy(kind_)) {
        f.place = {ComparePage::Sensors, 0, n.index, objectText("датчик", n.index), QStringLiteral("характеристика"),
                   {}, false};
      }
      f.shown = decodedText(image_, f.info, f.shown);
      f.place.setup = setupPlaceOf(f.info, f.place, kind);
    }
  }

  void placeSystemWord(PlacedField& f) {
    const char* member = f.info.name.member;
    if (is(member, "TimeHHMM")) {
      f.place = {ComparePage::Clock, 0, -1, {}, QStringLiteral("Время ОРВИК:"), {}, true};
    } else if (is(member, "DateDDMM") || is(member, "DateYear")) {
      f.place = {ComparePage::Clock, 0, -1, {}, QStringLiteral("Дата ОРВИК:"), {}, true};
    } else if (is(member, "PrivilegedMark") || is(member, "CheckErrorsMark")) {
      f.place.clock = true;  // marks the program leaves, not settings
    }
  }

  struct NameCaption {
    int family;
    const char* objectWord;
    QString caption;
  };
  static std::optional<NameCaption> nameCaptionOf(const char* group) {
    if (is(group, "SensorNames")) return NameCaption{0, "датчик", QStringLiteral("Имя датчика:")};
    if (is(group, "PipelineNames")) return NameCaption{1, "трубопровод", QStringLiteral("Имя трубопровода:")};
    if (is(group, "HourArcNames")) return NameCaption{2, "часовой архив", QStringLiteral("Имя часового архива:")};
    if (is(group, "DayArcNames")) return NameCaption{3, "суточный архив", QStringLiteral("Имя суточного архива:")};
    if (is(group, "MonthArcNames")) return NameCaption{4, "месячный архив", QStringLiteral("Имя месячного архива:")};
    if (is(group, "IntervalArcNames"))
      return NameCaption{5, "архив интервалов", QStringLiteral("Имя архива интервалов:")};
    if (is(group, "DesktopNames")) return NameCaption{6, "параметр", QStringLiteral("Имя параметра:")};
    return std::nullopt;
  }

  SettingsImage image_;  // a copy: the view tables refer to the image they describe
  Word kind_ = 2;
  QChar separator_;
  std::vector<PlacedField> fields_;
};

}  // namespace

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
  return {ComparePage::Kind,       ComparePage::Sensors, ComparePage::Pipelines, ComparePage::Archives,
          ComparePage::System,     ComparePage::Regulators, ComparePage::Desktop, ComparePage::Names,
          ComparePage::Clock,      ComparePage::Unshown};
}

std::vector<PlacedField> placeFields(const SettingsImage& image, QChar separator) {
  return Placer(image, separator).take();
}

}  // namespace nastrum
