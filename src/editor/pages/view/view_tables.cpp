#include "editor/pages/view/view_tables.h"

#include <QHash>

#include "descriptors/kind_codes.h"
#include "model/image_fields.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

// The image's fields by name, from the one field description.
class FieldLookup {
 public:
  explicit FieldLookup(SettingsImage& image) {
    const std::vector<ImageField> all = imageFields(image);
    fields_.reserve(static_cast<qsizetype>(all.size()));
    for (const ImageField& field : all) fields_.insert(field.path(), field);
  }

  const ImageField& field(const char* group, int index, int index2, const char* member) const {
    const auto found = fields_.constFind(FieldName{group, index, index2, member}.path());
    Q_ASSERT(found != fields_.constEnd());
    return *found;
  }
  Word* word(const char* group, int index, const char* member = nullptr) const {
    return std::get<Word*>(field(group, index, -1, member).value);
  }

  // A cell in the form the description gives: words as hex, reals as reals.
  ViewCell cell(const char* group, int index, int index2, const char* member) const {
    const ImageField& f = field(group, index, index2, member);
    ViewCell c;
    if (f.info.type() == FieldType::Real) {
      c.form = CellForm::Real;
      c.real = std::get<double*>(f.value);
    } else {
      c.form = CellForm::Hex;
      c.word = std::get<Word*>(f.value);
    }
    return c;
  }

 private:
  QHash<QString, ImageField> fields_;
};

struct Row {
  QString caption;
  const char* member;  // the record member, or the array for arrays of words
};

// A table with one column per record of `group` and one row per member.
ViewTable recordTable(const FieldLookup& fields, const char* group, int objects, const std::vector<Row>& rows) {
  ViewTable table;
  for (const Row& row : rows) {
    table.rowCaptions.push_back(row.caption);
    std::vector<ViewCell> cells;
    for (int i = 0; i < objects; ++i) cells.push_back(fields.cell(group, i, -1, row.member));
    table.cells.push_back(std::move(cells));
  }
  return table;
}

// A table with one column per slot and one row per word array.
ViewTable arrayTable(const FieldLookup& fields, int objects, const std::vector<Row>& rows) {
  ViewTable table;
  for (const Row& row : rows) {
    table.rowCaptions.push_back(row.caption);
    std::vector<ViewCell> cells;
    for (int i = 0; i < objects; ++i) cells.push_back(fields.cell(row.member, i, -1, nullptr));
    table.cells.push_back(std::move(cells));
  }
  return table;
}

ViewTable named(ViewTable table, const QString& objectName, const QString& header, int captionWidth = 0) {
  table.objectName = objectName;
  table.header = header;
  table.captionWidth = captionWidth;
  return table;
}

std::vector<ViewTable> sensorTables(const FieldLookup& fields, const KindProfile& kind) {
  ViewTable sensors = recordTable(fields, "Sensors", kind.sensors,
                                  {{QStringLiteral("Описатель датчика основной"), "MainDescriptor"},
                                   {QStringLiteral("Описатель датчика дополнительный"), "AuxDescriptor"},
                                   {QStringLiteral("Константа 1"), "Const1"},
                                   {QStringLiteral("Константа 2"), "Const2"},
                                   {QStringLiteral("Константа 3"), "Const3"},
                                   {QStringLiteral("Максимальное значение"), "MaxValue"},
                                   {QStringLiteral("Минимальное значение"), "MinValue"},
                                   {QStringLiteral("Замена при выходе за максимум"), "SubstAboveMax"},
                                   {QStringLiteral("Замена при выходе за минимум"), "SubstBelowMin"},
                                   {QStringLiteral("Замена при выходе или перезапуске"), "SubstOnFault"},
                                   {QStringLiteral("Месячный коэффициент пересчета"), "MonthFactor"}});
  for (ViewCell& cell : sensors.cells.front()) cell.form = CellForm::SensorMain;

  // Points 1..16 of each table; the seventeenth real is a setting of the table.
  constexpr int kShownPoints = 16;
  ViewTable tables;
  for (int point = 0; point < kShownPoints; ++point) {
    tables.rowCaptions.push_back(QString::number(point + 1));
    std::vector<ViewCell> cells;
    for (int t = 0; t < kind.tables; ++t) cells.push_back(fields.cell("TableFunctions", t, point, nullptr));
    tables.cells.push_back(std::move(cells));
  }
  tables.title = QStringLiteral("Табличные функции:");
  return {named(std::move(sensors), QStringLiteral("sensorTable"), QStringLiteral("№ датчика:"), 200),
          named(std::move(tables), QStringLiteral("tableFunctionTable"), QStringLiteral("№ таблицы:"), 65)};
}

std::vector<ViewTable> pipelineTables(const FieldLookup& fields, const KindProfile& kind) {
  // Some rows hold other constants where the kind reads the codes otherwise.
  const KindCodes& codes = kindCodes(kind.kind);
  const auto pick = [](bool other, const char* usual, const char* otherText) {
    return QString::fromUtf8(other ? otherText : usual);
  };
  const bool noHumidity = !codes.gasHumidity;
  const bool gasProperties = codes.technicalGasProperties;
  ViewTable table = recordTable(
      fields, "Pipelines", kind.pipelines,
      {{QStringLiteral("Основной описатель трубопровода"), "MainDescriptor"},
       {QStringLiteral("Датчики расхода/перепада давления"), "FlowSensors"},
       {QStringLiteral("Датчик температуры"), "TempSensors"},
       {QStringLiteral("Датчики давления"), "PressureSensors"},
       {QStringLiteral("Датч. плотности и калор./Связь трубопров."), "DensityCalorLink"},
       {QStringLiteral("Ссылка на \"большую\" трубу/Ссылка, датч. темпер."), "BigPipeRef"},
       {pick(noHumidity, "Отключ. сигнал, датч. влажности/давл. источника", "Отключ. сигнал/давл. источника "), "CutoffSource"},
       {QStringLiteral("Указатель примесей CO2,N2/Момент смены тарифов"), "ImpurityTariff"},
       {QStringLiteral("Диаметр трубопровода"), "PipeDiameter"},
       {QStringLiteral("Диаметр сужающего устройства"), "OrificeDiameter"},
       {QStringLiteral("Коэфф. линейного расширения материала трубопр."), "PipeExpansion"},
       {QStringLiteral("Коэфф. линейного расширения материала СУ"), "OrificeExpansion"},
       {QStringLiteral("Эквивалентная шероховатость"), "Roughness"},
       {pick(gasProperties, "Объемная доля СО2 в газе", "Объемная доля СО2(газ)/Коэффициент сжимаемости"), "CO2Fraction"},
       {pick(gasProperties, "Объемная доля N2 в газе", "Объемная доля N2(газ)/Динамическая вязкость"), "N2Fraction"},
       {pick(gasProperties, "Калорийность газа/Константа 1", "Калорийность газа/Константа 1/Показатель адиабаты"), "GasCalorific"},
       {QStringLiteral("Плотность газа/Константа 2"), "GasDensity"},
       {QStringLiteral("Месячный коэффициент пересчета трубопровода"), "MonthFactor"},
       {QStringLiteral("Основной тариф"), "MainTariff"},
       {pick(codes.electricityCarrier, "Влажность газа/Ночной тариф", "Ночной тариф (электроэнергия)"), "NightTariff"}});
  return {named(std::move(table), QStringLiteral("pipelineTable"), QStringLiteral("№ трубопровода:"), 286)};
}

std::vector<ViewTable> archiveTables(const FieldLookup& fields, const KindProfile& kind) {
  const auto archive = [&](const char* desc, const char* pos, const char* neg, int objects) {
    return arrayTable(fields, objects,
                      {{QStringLiteral("Основной описатель архива"), desc},
                       {QStringLiteral("Положительная составляющая"), pos},
                       {QStringLiteral("Отрицательная составляющая"), neg}});
  };
  std::vector<ViewTable> tables;
  tables.push_back(named(archive("HourArcDesc", "HourArcPos", "HourArcNeg", kind.hourArchives),
                         QStringLiteral("hourArchiveTable"), QStringLiteral("№ часового архива")));
  tables.push_back(named(archive("DayArcDesc", "DayArcPos", "DayArcNeg", kind.dayArchives),
                         QStringLiteral("dayArchiveTable"), QStringLiteral("№ суточного архива")));
  if (kind.intervalArchives > 0)
    tables.push_back(named(archive("IntervalArcDesc", "IntervalArcPos", "IntervalArcNeg", kind.intervalArchives),
                           QStringLiteral("intervalArchiveTable"), QStringLiteral("№ расширенн. арх. интервалов")));
  tables.push_back(named(archive("MonthArcDesc", "MonthArcPos", "MonthArcNeg", kind.monthArchives),
                         QStringLiteral("monthArchiveTable"), QStringLiteral("№ месячного архива")));
  if (kind.events > 0)
    tables.push_back(named(arrayTable(fields, kind.events,
                                      {{QStringLiteral("Описатель типа события"), "EventType"},
                                       {QStringLiteral("Параметр/адрес события"), "EventParam"}}),
                           QStringLiteral("eventTable"), QStringLiteral("№ регистрируемого события")));
  return tables;
}

ViewTable systemTable(const FieldLookup& fields, const KindProfile& kind) {
  ViewTable table;
  table.objectName = QStringLiteral("systemTable");
  table.header = QStringLiteral("Системные параметры");  // no header row: names the table for a screen reader
  table.captionWidth = 270;
  table.headerRow = false;
  table.keys = CellKeys::System;
  const auto add = [&](const QString& caption, ViewCell cell) {
    table.rowCaptions.push_back(caption);
    table.cells.push_back({std::move(cell)});
  };
  const auto system = [&](int index) { return fields.cell("SystemBlock", -1, -1, systemWordName(index)); };
  const auto hexSystem = [&](int index) {  // every system word is shown in hex, numbers included
    ViewCell cell = system(index);
    cell.form = CellForm::Hex;
    return cell;
  };
  // The additional channel, battery control and special functions exist only where the kind has them.
  const auto auxiliary = [&](const QString& caption, int index) {
    if (kind.hasAuxChannel) add(caption, hexSystem(index));
    else add(QStringLiteral(" "), ViewCell::fixed(QStringLiteral(" ")));
  };

  add(QStringLiteral("Коррекция хода часов"), hexSystem(sys::ClockCorrection));
  add(QStringLiteral("Способ записи в архивы"), hexSystem(sys::ArchiveWriteMode));
  add(QStringLiteral("Летнее время, длительность интервала"), hexSystem(sys::SummerTimeInterval));
  ViewCell settlement = system(sys::SettlementHourDate);
  settlement.form = CellForm::SettlementDate;
  add(QStringLiteral("Расчетный час и дата"), settlement);
  add(QStringLiteral("Настройка основного канала связи"), hexSystem(sys::MainChannelSetup));
  add(QStringLiteral("Базовая скорость обмена по основ. каналу"), hexSystem(sys::MainChannelBaud));
  auxiliary(QStringLiteral("Настройка дополнительного канала связи"), sys::AuxChannelSetup);
  auxiliary(QStringLiteral("Базовая скорость обмена по дополн. каналу"), sys::AuxChannelBaud);
  auxiliary(QStringLiteral("Контроль аккумулятора"), sys::BatteryControl);
  auxiliary(QStringLiteral("Регистр специальных функций"), sys::SpecialFunctions);
  add(QStringLiteral("Температура холодного источника"), fields.cell("DefaultValues", -1, -1, "ColdSourceTemp"));
  add(QStringLiteral("Температура энергоносителя"), fields.cell("DefaultValues", -1, -1, "CarrierTemp"));
  add(QStringLiteral("Давление энергоносителя"), fields.cell("DefaultValues", -1, -1, "CarrierPressure"));
  add(QStringLiteral("Атмосферное давление"), fields.cell("DefaultValues", -1, -1, "AtmPressure"));
  ViewCell password = system(sys::DevicePassword);
  password.form = CellForm::Password;
  password.flag = fields.cell("SystemBlock", -1, -1, systemWordName(sys::PasswordPresent)).word;
  add(QStringLiteral("Пароль доступа"), password);
  return table;
}

std::vector<ViewTable> systemTables(const FieldLookup& fields, const KindProfile& kind) {
  std::vector<ViewTable> tables{systemTable(fields, kind)};
  if (kind.generators > 0)
    tables.push_back(named(recordTable(fields, "CurrentGenerators", kind.generators,
                                       {{QStringLiteral("Описатель параметра"), "ParamDescriptor"},
                                        {QStringLiteral("Описатель закона"), "LawDescriptor"},
                                        {QStringLiteral("Конец шкалы"), "ScaleEnd"},
                                        {QStringLiteral("Начало шкалы"), "ScaleStart"}}),
                           QStringLiteral("generatorTable"), QStringLiteral("№ генератора тока:"), 124));
  return tables;
}

// Logic parameters 4015..4017 take a count as K1, which is shown in decimal.
bool countsInK1(Word logicParam) { return logicParam >= 0x4015 && logicParam <= 0x4017; }

ViewTable logicFlagTable(const FieldLookup& fields, const KindProfile& kind) {
  ViewTable table = arrayTable(fields, kind.logicFlags,
                               {{QStringLiteral("Закон и выход"), "LogicLaw"},
                                {QStringLiteral("Параметр/адрес"), "LogicParam"},
                                {QStringLiteral("Константа переключения (K1)"), "LogicK1"},
                                {QStringLiteral("Логический эталон (К2)"), "LogicK2"}});
  for (int i = 0; i < kind.logicFlags; ++i)
    if (countsInK1(*table.cells[1][static_cast<std::size_t>(i)].word))
      table.cells[2][static_cast<std::size_t>(i)].form = CellForm::Decimal4;
  // Only the first flags have delays; the others show "нет".
  for (const auto& [caption, array] : {std::pair{QStringLiteral("Задержка срабатывания (Т1)"), "LogicT1"},
                                       std::pair{QStringLiteral("Задержка отпускания (Т2)"), "LogicT2"}}) {
    table.rowCaptions.push_back(caption);
    std::vector<ViewCell> cells;
    for (int i = 0; i < kind.logicFlags; ++i) {
      if (i < kind.logicTimes) {
        ViewCell cell = fields.cell(array, i, -1, nullptr);
        cell.form = CellForm::Decimal4;
        cells.push_back(cell);
      } else {
        cells.push_back(ViewCell::fixed(QStringLiteral("нет")));
      }
    }
    table.cells.push_back(std::move(cells));
  }
  return named(std::move(table), QStringLiteral("logicFlagTable"), QStringLiteral("№ логического признака"));
}

ViewTable regulatorTable(const FieldLookup& fields, const KindProfile& kind) {
  ViewTable table = arrayTable(fields, kind.regulators,
                               {{QStringLiteral("Описатель закона"), "LogicLaw"},
                                {QStringLiteral("Описатель параметра"), "LogicParam"}});
  // The regulator's constant is a device real in the bytes of LogicT1 and LogicT2.
  table.rowCaptions.push_back(QStringLiteral("Константа регулятора"));
  std::vector<ViewCell> constants;
  for (int i = 0; i < kind.regulators; ++i) {
    ViewCell cell;
    cell.form = CellForm::RegulatorConstant;
    cell.word = fields.word("LogicT1", i);
    cell.word2 = fields.word("LogicT2", i);
    constants.push_back(cell);
  }
  table.cells.push_back(std::move(constants));
  table.keys = CellKeys::RegulatorConstant;
  return named(std::move(table), QStringLiteral("regulatorTable"), QStringLiteral("№ логического признака"));
}

std::vector<ViewTable> regulatorTables(const FieldLookup& fields, const KindProfile& kind) {
  if (kind.hasLogicFlags) return {logicFlagTable(fields, kind)};
  if (kind.regulators > 0) return {regulatorTable(fields, kind)};
  return {};
}

}  // namespace

const ViewCell* ViewTable::cellAt(int row, int column) const {
  const int fieldRow = row - (headerRow ? 1 : 0);
  const int object = column - 1;
  if (fieldRow < 0 || fieldRow >= fieldRows() || object < 0 || object >= objects()) return nullptr;
  return &cells[static_cast<std::size_t>(fieldRow)][static_cast<std::size_t>(object)];
}

QString ViewTable::gridText(int row, int column, QChar separator) const {
  if (headerRow && row == 0) return column == 0 ? header : QString::number(column - 1);
  if (column == 0) {
    const int fieldRow = row - (headerRow ? 1 : 0);
    return fieldRow >= 0 && fieldRow < fieldRows() ? rowCaptions[static_cast<std::size_t>(fieldRow)] : QString();
  }
  const ViewCell* cell = cellAt(row, column);
  return cell ? cellText(*cell, separator) : QString();
}

namespace {

std::vector<ViewTable> sheetTables(ViewSheet sheet, const FieldLookup& fields, const KindProfile& kind) {
  switch (sheet) {
    case ViewSheet::Sensors: return sensorTables(fields, kind);
    case ViewSheet::Pipelines: return pipelineTables(fields, kind);
    case ViewSheet::Archives: return archiveTables(fields, kind);
    case ViewSheet::System: return systemTables(fields, kind);
    case ViewSheet::Regulators: return regulatorTables(fields, kind);
  }
  return {};
}

}  // namespace

std::vector<ViewTable> buildViewTables(ViewSheet sheet, SettingsImage& image) {
  return sheetTables(sheet, FieldLookup(image), kindProfile(image.deviceKind));
}

std::vector<ViewTable> buildAllViewTables(SettingsImage& image) {
  const FieldLookup fields(image);
  const KindProfile& kind = kindProfile(image.deviceKind);
  std::vector<ViewTable> tables;
  for (ViewSheet sheet : {ViewSheet::Sensors, ViewSheet::Pipelines, ViewSheet::Archives, ViewSheet::System,
                          ViewSheet::Regulators})
    for (ViewTable& table : sheetTables(sheet, fields, kind)) tables.push_back(std::move(table));
  return tables;
}

std::vector<ModemField> buildModemFields(SettingsImage& image) {
  const KindProfile& kind = kindProfile(image.deviceKind);
  if (!kind.hasAuxModemText)
    return {{QStringLiteral("modemMainField"), QStringLiteral("Строка инициализации Hayes - модема:"), &image.modemInitMain}};
  return {{QStringLiteral("modemMainField"), QStringLiteral("Строка инициализации Hayes - модема (основной канал):"),
           &image.modemInitMain},
          {QStringLiteral("modemAuxField"), QStringLiteral("Строка инициализации Hayes - модема (дополнительный канал):"),
           &image.modemInitAux}};
}

}  // namespace nastrum
