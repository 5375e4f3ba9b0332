// The controls of the system page and their layout.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "descriptors/system_codes.h"
#include "widgets/choice_box.h"
#include "widgets/input_filters.h"
#include "widgets/page_parts.h"
#include "widgets/page_wheel.h"
#include "widgets/wrap_spin_box.h"
#include "editor/pages/system/ui/system_page_widget.h"

namespace nastrum {

namespace {

QSpinBox* SpinBox(const QString& name, int low, int high, const QString& hint, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(name);
  box->setRange(low, high);
  box->setToolTip(hint);
  box->setAccessibleDescription(hint);
  letWheelScrollPage(box);  // scrolling past a box changes no word
  return box;
}

// The order of the boxes in "Дополнительные функции:".
constexpr std::array<SpecialFunction, kSpecialFunctionCount> kFunctionOrder{
    SpecialFunction::Telesignalling, SpecialFunction::CurrentGenerator, SpecialFunction::Regulators,
    SpecialFunction::SlaveOrFaults,  SpecialFunction::EventArchive,     SpecialFunction::IntervalArchive,
    SpecialFunction::AlgorithmTest,  SpecialFunction::Verification,     SpecialFunction::BatteryControl};

}  // namespace

void SystemPageWidget::build() {
  auto* grid = new QGridLayout(this);
  buildTimeGroups(grid);
  buildChannelGroup(grid);
  buildGeneratorGroup(grid);
  buildFunctionGroups(grid);
  grid->setRowStretch(4, 1);
  grid->setColumnStretch(3, 1);
}

void SystemPageWidget::buildTimeGroups(QGridLayout* grid) {
  auto* clock = new QGroupBox(QStringLiteral("Коррекция хода часов, с :"), this);
  hourlyCorrection_ = SpinBox(QStringLiteral("hourlyCorrection"), -15, 15, QStringLiteral("часовая, с"), clock);
  dailyCorrection_ = SpinBox(QStringLiteral("dailyCorrection"), -15, 15, QStringLiteral("суточная, с"), clock);
  auto* clockRow = new QHBoxLayout(clock);
  clockRow->addWidget(hourlyCorrection_);
  clockRow->addWidget(dailyCorrection_);

  auto* timing = new QGroupBox(this);
  auto* t = new QGridLayout(timing);
  interval_ = choiceBox(QStringLiteral("measuringInterval"), system_codes::intervals(), timing);
  t->addWidget(captionFor(QStringLiteral("Длительность измерительного\nинтервала интегрирования:"), interval_, timing), 0, 0);
  t->addWidget(interval_, 0, 1);
  t->addWidget(new QLabel(QStringLiteral(", мин."), timing), 0, 2);
  settlementHour_ = SpinBox(QStringLiteral("settlementHour"), -1, 24,
                            QStringLiteral("расчетный час, в момент начала которого заканчиваются предыдущие "
                                           "расчетные сутки"),
                            timing);
  settlementDate_ = SpinBox(QStringLiteral("settlementDate"), 0, 32,
                            QStringLiteral("расчетная дата, в момент начала расчетного часа которой завершается "
                                           "предыдущий месяц"),
                            timing);
  t->addWidget(captionFor(QStringLiteral("Расчетный час и дата:"), settlementHour_, timing), 1, 0);
  t->addWidget(settlementHour_, 1, 1);
  t->addWidget(settlementDate_, 1, 2);

  auto* summer = new QGroupBox(QStringLiteral("Переход на летнее/зимнее время:"), this);
  auto* s = new QGridLayout(summer);
  summer_ = choiceBox(QStringLiteral("summerTime"), system_codes::summerTime(), summer);
  spring_ = choiceBox(QStringLiteral("springMonth"), system_codes::springMonths(), summer);
  autumn_ = choiceBox(QStringLiteral("autumnMonth"), system_codes::autumnMonths(), summer);
  springLabel_ = captionFor(QStringLiteral("На летнее:"), spring_, summer);
  s->addWidget(summer_, 0, 0);
  s->addWidget(springLabel_, 0, 1);
  s->addWidget(spring_, 0, 2);
  s->addWidget(autumn_, 0, 3);

  auto* daily = new QGroupBox(QStringLiteral("Способ записи в суточные архивы:"), this);
  auto* d = new QVBoxLayout(daily);
  dailyMode_ = choiceBox(QStringLiteral("dailyArchiveMode"), system_codes::dailyArchiveModes(), daily);
  d->addWidget(captionFor(QStringLiteral("В момент наступления расчетного часа\nзапись в суточные архивы производится"),
                     dailyMode_, daily));
  d->addWidget(dailyMode_);
  auto* monthly = new QGroupBox(QStringLiteral("Способ пополнения месячного архива:"), this);
  auto* m = new QVBoxLayout(monthly);
  monthlyMode_ = choiceBox(QStringLiteral("monthlyArchiveMode"), system_codes::monthlyArchiveModes(), monthly);
  m->addWidget(captionFor(QStringLiteral("До наступления расчетных суток\nсуточные значения добавляются"), monthlyMode_,
                     monthly));
  m->addWidget(monthlyMode_);

  auto* defaults = new QGroupBox(QStringLiteral("Значения по умолчанию:"), this);
  auto* v = new QGridLayout(defaults);
  const std::array<QString, 4> captions{QStringLiteral("Температура холодного\nисточника,°C:"),
                                        QStringLiteral("Темпер. энергоносителя,\n°C:"),
                                        QStringLiteral("Давление энергоносителя,\nМПа:"),
                                        QStringLiteral("Атмосферное давление,\nмм рт. ст.:")};
  const std::array<QString, 4> names{QStringLiteral("coldSourceTemp"), QStringLiteral("carrierTemp"),
                                     QStringLiteral("carrierPressure"), QStringLiteral("atmPressure")};
  for (std::size_t i = 0; i < defaults_.size(); ++i) {
    // The two pressures take no sign.
    defaults_[i] = realEdit(names[i], i < 2, page_.separator(), defaults);
    v->addWidget(captionFor(captions[i], defaults_[i], defaults), static_cast<int>(i), 0);
    v->addWidget(defaults_[i], static_cast<int>(i), 1);
  }
  password_ = hexEdit(QStringLiteral("devicePassword"), 4, this);
  password_->setEchoMode(QLineEdit::Password);
  auto* passwordBox = new QWidget(this);
  auto* p = new QHBoxLayout(passwordBox);
  p->setContentsMargins(0, 0, 0, 0);
  p->addWidget(captionFor(QStringLiteral("Пароль\nОРВИК:"), password_, passwordBox));
  p->addWidget(password_);

  auto* column = new QVBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{clock, timing, summer, daily, monthly, defaults, passwordBox})
    column->addWidget(w);
  column->addStretch(1);
  grid->addLayout(column, 0, 0, 5, 1);
}

void SystemPageWidget::buildChannelGroup(QGridLayout* grid) {
  channelGroup_ = new QGroupBox(this);
  auto* c = new QGridLayout(channelGroup_);
  channel_ = new ChoiceBox(QStringLiteral("channelChoice"), channelGroup_);
  linkType_ = new ChoiceBox(QStringLiteral("linkType"), channelGroup_);
  fixedLink_ = new QLabel(QStringLiteral("ИРПС (2х, 4х - пр.)"), channelGroup_);
  fixedLink_->setObjectName(QStringLiteral("fixedLink"));
  protocol_ = new ChoiceBox(QStringLiteral("protocol"), channelGroup_);
  network_ = new QCheckBox(QStringLiteral("Сеть:"), channelGroup_);
  network_->setObjectName(QStringLiteral("networkBox"));
  network_->setToolTip(QStringLiteral("Сеть: есть/нет"));
  networkNumber_ = SpinBox(QStringLiteral("networkNumber"), -1, 255, QStringLiteral("Сетевой номер"), channelGroup_);
  networkNumberLabel_ = captionFor(QStringLiteral("Сетевой №"), networkNumber_, channelGroup_);
  speed_ = new ChoiceBox(QStringLiteral("speed"), channelGroup_);
  speed_->setToolTip(QStringLiteral("Скорость обмена, бод"));
  crc_ = choiceBox(QStringLiteral("crc"), channel_word::crcModes(), channelGroup_);
  crc_->setToolTip(QStringLiteral("контрольная сумма"));
  crcLabel_ = captionFor(QStringLiteral("CRC:"), crc_, channelGroup_);
  line_ = choiceBox(QStringLiteral("lineKind"), channel_word::lineKinds(), channelGroup_);
  lineLabel_ = captionFor(QStringLiteral("Линия связи:"), line_, channelGroup_);
  rings_ = SpinBox(QStringLiteral("rings"), 0, 16,
                   QStringLiteral("Количество гудков, после которых ОРВИК отвечает на вызов"), channelGroup_);
  ringsLabel_ = captionFor(QStringLiteral("Количество\nгудков:"), rings_, channelGroup_);
  linkTypeLabel_ = captionFor(QStringLiteral("Вид связи:"), linkType_, channelGroup_);

  int row = 0;
  c->addWidget(captionFor(QStringLiteral("Канал обмена:"), channel_, channelGroup_), row, 0);
  c->addWidget(channel_, row++, 1);
  c->addWidget(linkTypeLabel_, row, 0);
  c->addWidget(linkType_, row, 1);
  c->addWidget(fixedLink_, row++, 2);
  c->addWidget(captionFor(QStringLiteral("Протокол обмена:"), protocol_, channelGroup_), row, 0);
  c->addWidget(protocol_, row++, 1);
  c->addWidget(network_, row, 0);
  c->addWidget(networkNumberLabel_, row, 1);
  c->addWidget(networkNumber_, row++, 2);
  c->addWidget(captionFor(QStringLiteral("Скорость обмена:"), speed_, channelGroup_), row, 0);
  c->addWidget(speed_, row++, 1);
  c->addWidget(crcLabel_, row, 0);
  c->addWidget(crc_, row++, 1);
  c->addWidget(lineLabel_, row, 0);
  c->addWidget(line_, row, 1);
  c->addWidget(ringsLabel_, row, 2);
  c->addWidget(rings_, row++, 3);

  modemGroup_ = new QGroupBox(QStringLiteral("Строка инициализации модема:"), channelGroup_);
  auto* mg = new QVBoxLayout(modemGroup_);
  modem_ = new QPlainTextEdit(modemGroup_);
  modem_->setObjectName(QStringLiteral("modemText"));
  modem_->setTabChangesFocus(true);
  modem_->setAccessibleName(QStringLiteral("Строка инициализации модема"));
  mg->addWidget(modem_);
  c->addWidget(modemGroup_, row, 0, 1, 4);
  grid->addWidget(channelGroup_, 0, 1);
}

void SystemPageWidget::buildGeneratorGroup(QGridLayout* grid) {
  generatorGroup_ = new QGroupBox(QStringLiteral("Генератор тока:"), this);
  auto* g = new QGridLayout(generatorGroup_);
  // Digits only; one step past either end of 0..7 reaches the other end.
  generatorNumber_ = new WrapSpinBox(QStringLiteral("generatorNumber"), generatorGroup_);
  generatorNumber_->setToolTip(QStringLiteral("№"));
  generatorNumber_->setAccessibleDescription(generatorNumber_->toolTip());
  generatorNumber_->showValue(0, kGeneratorCount - 1, 0);
  generatorPresent_ = new QCheckBox(generatorGroup_);
  generatorPresent_->setObjectName(QStringLiteral("generatorPresent"));
  generatorPresent_->setToolTip(QStringLiteral("генератор тока включен/отключен"));
  generatorPresent_->setAccessibleName(generatorPresent_->toolTip());
  generatorTarget_ = choiceBox(QStringLiteral("generatorTarget"), system_codes::generatorTargets(), generatorGroup_);
  generatorRange_ = choiceBox(QStringLiteral("generatorRange"), system_codes::generatorRanges(), generatorGroup_);
  generatorParameter_ = hexEdit(QStringLiteral("generatorParameter"), 4, generatorGroup_);
  generatorParameterLabel_ = captionFor(QStringLiteral("№ параметра:"), generatorParameter_, generatorGroup_);
  scaleEnd_ = realEdit(QStringLiteral("scaleEnd"), true, page_.separator(), generatorGroup_);
  scaleEnd_->setToolTip(QStringLiteral("значение параметра соответствует максимальному значению тока."));
  scaleStart_ = realEdit(QStringLiteral("scaleStart"), true, page_.separator(), generatorGroup_);
  scaleStart_->setToolTip(QStringLiteral("значение параметра соответствует минимальному значению тока."));

  g->addWidget(captionFor(QStringLiteral("№"), generatorNumber_, generatorGroup_), 0, 0);
  g->addWidget(generatorNumber_, 0, 1);
  g->addWidget(generatorPresent_, 0, 2);
  g->addWidget(captionFor(QStringLiteral("Что описывает:"), generatorTarget_, generatorGroup_), 1, 0);
  g->addWidget(generatorTarget_, 1, 1, 1, 2);
  g->addWidget(generatorRange_, 2, 1, 1, 2);
  g->addWidget(generatorParameterLabel_, 3, 0);
  g->addWidget(generatorParameter_, 3, 1, 1, 2);
  g->addWidget(captionFor(QStringLiteral("Конец шкалы"), scaleEnd_, generatorGroup_), 4, 0);
  g->addWidget(scaleEnd_, 4, 1, 1, 2);
  g->addWidget(captionFor(QStringLiteral("Начало шкалы"), scaleStart_, generatorGroup_), 5, 0);
  g->addWidget(scaleStart_, 5, 1, 1, 2);
  grid->addWidget(generatorGroup_, 1, 1);
}

void SystemPageWidget::buildFunctionGroups(QGridLayout* grid) {
  functionsGroup_ = new QGroupBox(QStringLiteral("Дополнительные функции:"), this);
  auto* f = new QVBoxLayout(functionsGroup_);
  for (SpecialFunction fn : kFunctionOrder) {
    auto* box = new QCheckBox(functionsGroup_);
    box->setObjectName(QStringLiteral("function%1").arg(static_cast<int>(fn)));
    functions_[static_cast<std::size_t>(fn)] = box;
    f->addWidget(box);
  }
  grid->addWidget(functionsGroup_, 0, 2);

  batteryGroup_ = new QGroupBox(QStringLiteral("Контроль\nаккумулятора: "), this);
  auto* b = new QGridLayout(batteryGroup_);
  batterySensor_ = new ChoiceBox(QStringLiteral("batterySensor"), batteryGroup_);
  batteryModule_ = new ChoiceBox(QStringLiteral("batteryModule"), batteryGroup_);
  batteryContact_ = new ChoiceBox(QStringLiteral("batteryContact"), batteryGroup_);
  batteryChannel_ = new QLabel(batteryGroup_);
  batteryChannel_->setObjectName(QStringLiteral("batteryChannel"));
  b->addWidget(captionFor(QStringLiteral("Датчик:"), batterySensor_, batteryGroup_), 0, 0);
  b->addWidget(batterySensor_, 0, 1);
  b->addWidget(captionFor(QStringLiteral("№ управляющего\nдискретн. выхода:"), batteryModule_, batteryGroup_), 1, 0);
  b->addWidget(batteryModule_, 1, 1);
  b->addWidget(captionFor(QStringLiteral("Клемм.\n+  -"), batteryContact_, batteryGroup_), 2, 0);
  b->addWidget(batteryContact_, 2, 1);
  b->addWidget(batteryChannel_, 3, 0, 1, 2);
  grid->addWidget(batteryGroup_, 1, 2);
}

}  // namespace nastrum
