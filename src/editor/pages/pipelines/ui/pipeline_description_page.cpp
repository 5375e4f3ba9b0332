#include "editor/pages/pipelines/ui/pipeline_description_page.h"

#include <QAction>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_roles.h"
#include "model/real_text.h"

namespace nastrum {

namespace {

std::optional<int> itemOf(int code) { return code == kNoReference || code < 0 ? std::nullopt : std::optional(code); }

}  // namespace

PipelineDescriptionPage::PipelineDescriptionPage(Workspace& workspace, MessagePresenter& presenter, QWidget* parent)
    : PipelineSubPage(std::make_shared<PipelinePageRules>(workspace, presenter, systemDecimalSeparator()), QString(),
                      parent),
      body_(new QWidget(this)) {
  setObjectName(QStringLiteral("pagePipelineDescription"));

  copyAction_ = new QAction(QStringLiteral("Копировать"), header());
  copyAction_->setObjectName(QStringLiteral("pipeCopy"));
  copyAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+C")));
  pasteAction_ = new QAction(QStringLiteral("Вставить"), header());
  pasteAction_->setObjectName(QStringLiteral("pipePaste"));
  pasteAction_->setShortcut(QKeySequence(QStringLiteral("Ctrl+V")));
  for (QAction* a : {copyAction_, pasteAction_}) {
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    header()->addAction(a);
  }
  header()->setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(copyAction_, &QAction::triggered, this, [this] {
    page().copy();
    pasteAction_->setEnabled(page().canPaste());
  });
  connect(pasteAction_, &QAction::triggered, this, [this] { chosen(page().paste()); });

  // The flow takes the left column; the gas data (shown only for gas, which
  // has no links) heads the right one, so that every medium fits a 1280x800
  // screen without scrolling.
  auto* flow = new QVBoxLayout;
  flow->addWidget(buildFlow());
  flow->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(buildGas());
  right->addWidget(buildPayment());
  right->addWidget(buildCutoff());
  right->addWidget(buildLinks());
  right->addStretch();
  auto* columns = new QHBoxLayout;
  columns->addLayout(flow);
  columns->addLayout(right);
  // The heat options have long items: they take the whole width.
  auto* bodyLayout = new QVBoxLayout(body_);
  bodyLayout->addLayout(columns);
  bodyLayout->addWidget(buildHeat());

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header());
  layout->addWidget(body_);
  layout->addStretch();
  for (RealRow& r : reals_) bindReal(r);
  showCurrent();
}

RealRow* PipelineDescriptionPage::realRow(PipelineReal field) {
  for (RealRow& r : reals_)
    if (r.field == field) return &r;
  return nullptr;
}

void PipelineDescriptionPage::bindReal(RealRow& row) {
  const PipelineReal field = row.field;
  RealEdit* edit = row.edit;
  connect(edit, &QLineEdit::textEdited, this, [this, field, edit](const QString& text) {
    typed([this, field, text] { return page().enterReal(field, text); },
          [this, field, edit] { edit->showText(page().view().real(field).text); });
  });
}

QWidget* PipelineDescriptionPage::buildFlow() {
  auto* box = new QWidget(body_);
  FormRows rows(box);
  flowRole_ = rows.addList(QStringLiteral("Датчик расход/перепад давления:"), QStringLiteral("flowRole"));
  flowList_ = rows.addList(QStringLiteral("№ датчика расхода"), QStringLiteral("flowList"));
  diffSub_ = rows.addList(QStringLiteral("№ датчика поддиапазона"), QStringLiteral("diffSubList"));
  const std::pair<PipelineReal, const char16_t*> reals[] = {
      {PipelineReal::PipeDiameter, u"Диаметр трубопровода"},
      {PipelineReal::OrificeDiameter, u"Диаметр сужающего устройства"},
      {PipelineReal::PipeExpansion, u"Коэффициент линейного расширения трубы"},
      {PipelineReal::OrificeExpansion, u"Коэффициент линейного расширения СУ"},
      {PipelineReal::Roughness, u"Эквивалентная\nшероховатость стенок\nтрубопровода, мм:"},
  };
  const char* names[] = {"pipeDiameter", "orificeDiameter", "pipeExpansion", "orificeExpansion", "roughness"};
  for (std::size_t i = 0; i < std::size(reals); ++i)
    reals_.push_back(rows.addReal(QString::fromUtf16(reals[i].second), QString::fromLatin1(names[i]), reals[i].first,
                                  separator()));
  calibration_ = rows.addList(QStringLiteral("Межповерочный интервал СУ:"), QStringLiteral("calibration"));
  correction_ = rows.addList(QStringLiteral("Коррекция расхода по заменам:"), QStringLiteral("correction"));

  connect(flowRole_.box, &PipelineChoiceBox::picked, this,
          [this] { chosen(page().chooseFlowRole(static_cast<FlowRole>(flowRole_.box->code()))); });
  connect(flowList_.box, &PipelineChoiceBox::picked, this, [this] {
    page().chooseFlowItem(itemOf(flowList_.box->code()));
    edited();
  });
  connect(diffSub_.box, &PipelineChoiceBox::picked, this, [this] {
    page().chooseRoleByte(PipelineRole::DiffSub, diffSub_.box->code(kNoReference));
    edited();
  });
  connect(calibration_.box, &PipelineChoiceBox::picked, this, [this] {
    page().setCalibration(calibration_.box->code(0));
    edited();
  });
  connect(correction_.box, &PipelineChoiceBox::picked, this, [this] {
    page().setCorrection(correction_.box->code(0) == 1);
    edited();
  });
  return box;
}

QWidget* PipelineDescriptionPage::buildHeat() {
  auto* box = new QWidget(body_);
  FormRows rows(box);
  heatReference_ = rows.addList(QStringLiteral("Расчет количества тепла относительно:"), QStringLiteral("heatReference"));
  flowUnit_ = rows.addList(QStringLiteral("Расход вычисляется:"), QStringLiteral("flowUnit"));
  heatUnit_ = rows.addList(QStringLiteral("Тепло вычисляется:"), QStringLiteral("heatUnit"));
  const std::pair<ListRow*, int> bits[] = {{&heatReference_, 2}, {&flowUnit_, 0}, {&heatUnit_, 1}};
  for (auto [row, bit] : bits) {
    PipelineChoiceBox* b = row->box;
    connect(b, &PipelineChoiceBox::picked, this, [this, b, bit = bit] {
      page().setHeatOption(bit, b->code(0) != 0);
      edited();
    });
  }
  reals_.push_back(rows.addReal(QStringLiteral("Коэффициент пересчета трубопровода"), QStringLiteral("monthFactor"),
                                PipelineReal::MonthFactor, separator()));
  return box;
}

QWidget* PipelineDescriptionPage::buildGas() {
  auto* box = new QWidget(body_);
  auto* layout = new QVBoxLayout(box);
  auto* top = new QWidget(box);
  FormRows rows(top);
  reals_.push_back(rows.addReal(QStringLiteral("Калорийность газа в НУ:"), QStringLiteral("gasCalorific"),
                                PipelineReal::GasCalorific, separator()));
  gasUnit_ = rows.addList(QStringLiteral("Ед. измерения:"), QStringLiteral("gasUnit"));
  reals_.push_back(rows.addReal(QStringLiteral("Плотность газа в НУ, кг/м3:"), QStringLiteral("gasDensity"),
                                PipelineReal::GasDensity, separator()));
  reals_.push_back(rows.addReal(QStringLiteral("Стандартная влажность:"), QStringLiteral("humidity"),
                                PipelineReal::Humidity, separator()));
  reals_.push_back(rows.addReal(QStringLiteral("Коэффициент сжимаемости"), QStringLiteral("compressibility"),
                                PipelineReal::Compressibility, separator()));
  reals_.push_back(rows.addReal(QStringLiteral("Динамическая вязкость"), QStringLiteral("viscosity"),
                                PipelineReal::Viscosity, separator()));
  reals_.push_back(rows.addReal(QStringLiteral("Показатель адиабаты"), QStringLiteral("adiabatic"),
                                PipelineReal::Adiabatic, separator()));
  fractionsBox_ = new QGroupBox(QStringLiteral("Объемная мольная доля"), box);
  fractionsBox_->setObjectName(QStringLiteral("gasFractions"));
  FormRows fractions(fractionsBox_);
  reals_.push_back(fractions.addReal(QStringLiteral("CO2 в газе, %"), QStringLiteral("co2Fraction"), PipelineReal::CO2,
                                     separator()));
  reals_.push_back(fractions.addReal(QStringLiteral("N2 в газе, %"), QStringLiteral("n2Fraction"), PipelineReal::N2,
                                     separator()));
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(top);
  layout->addWidget(fractionsBox_);
  connect(gasUnit_.box, &PipelineChoiceBox::picked, this, [this] {
    page().setGasUnit(gasUnit_.box->code(7));
    edited();
  });
  return box;
}

QWidget* PipelineDescriptionPage::buildPayment() {
  auto* box = new QWidget(body_);
  FormRows rows(box);
  payment_ = rows.addList(QStringLiteral("Оплата:"), QStringLiteral("payment"));
  paymentType_ = rows.addList(QStringLiteral("Тип:"), QStringLiteral("paymentType"));
  tariff_ = rows.addList(QStringLiteral("Тариф:"), QStringLiteral("tariff"));
  reals_.push_back(rows.addReal(QStringLiteral("Основной тариф оплаты"), QStringLiteral("mainTariff"),
                                PipelineReal::MainTariff, separator()));
  reals_.push_back(rows.addReal(QStringLiteral("Ночной тариф оплаты"), QStringLiteral("nightTariff"),
                                PipelineReal::NightTariff, separator()));
  dayHour_ = rows.addList(QStringLiteral("час начала\nдневного и ночного тарифа"), QStringLiteral("dayTariffHour"));
  dayHour_.box->setAccessibleName(QStringLiteral("час начала дневного тарифа"));
  // The night hour sits beside the day hour under the same caption.
  auto* night = new QWidget(box);
  auto* nightLayout = new QHBoxLayout(night);
  nightLayout->setContentsMargins(0, 0, 0, 0);
  nightHour_.label = dayHour_.label;
  nightHour_.box = new PipelineChoiceBox(QStringLiteral("nightTariffHour"), night);
  nightHour_.box->setAccessibleName(QStringLiteral("час начала ночного тарифа"));
  nightHour_.error = new QLabel(errorText(), night);
  nightHour_.error->setObjectName(QStringLiteral("nightTariffHourError"));
  nightHour_.error->setStyleSheet(QStringLiteral("color: red"));
  nightLayout->addWidget(nightHour_.box);
  nightLayout->addWidget(nightHour_.error);
  rows.addBeside(night);

  for (PipelineChoiceBox* b : {payment_.box, paymentType_.box, tariff_.box})
    connect(b, &PipelineChoiceBox::picked, this, &PipelineDescriptionPage::choosePayment);
  for (auto [b, isNight] : {std::pair{dayHour_.box, false}, std::pair{nightHour_.box, true}}) {
    connect(b, &PipelineChoiceBox::picked, this, [this, b = b, isNight = isNight] {
      if (const auto hour = decodeTariffHour(b->code(kNoTariffHour))) {
        page().setTariffHour(isNight, *hour);
        edited();
      }
    });
  }
  return box;
}

void PipelineDescriptionPage::choosePayment() {
  Payment p;
  p.paid = payment_.box->code(0) == 1;
  p.type = paymentType_.box->code(1);
  p.doubleTariff = tariff_.box->code(0) == 1;
  page().setPayment(p);
  edited();
}

QWidget* PipelineDescriptionPage::buildCutoff() {
  auto* box = new QWidget(body_);
  FormRows rows(box);
  cutoff_ = rows.addList(QStringLiteral("Условие отключения трубопров.:"), QStringLiteral("cutoff"));
  cutoffModule_ = rows.addList(QStringLiteral("Клеммник"), QStringLiteral("cutoffModule"));
  cutoffPair_ = rows.addList(QStringLiteral("Клемма"), QStringLiteral("cutoffPair"));
  connect(cutoff_.box, &PipelineChoiceBox::picked, this, [this] {
    page().setCutoffPresent(cutoff_.box->code(0) == 1);
    edited();
  });
  for (PipelineChoiceBox* b : {cutoffModule_.box, cutoffPair_.box}) {
    connect(b, &PipelineChoiceBox::picked, this, [this] {
      page().chooseCutoffPlace(cutoffModule_.box->currentText(), cutoffPair_.box->currentText());
      edited();
    });
  }
  return box;
}

QWidget* PipelineDescriptionPage::buildLinks() {
  linksBox_ = new QGroupBox(QStringLiteral("Отказы с других трубопроводов:"), body_);
  linksBox_->setObjectName(QStringLiteral("pipeLinks"));
  auto* grid = new QGridLayout(linksBox_);
  for (int q = 0; q < static_cast<int>(links_.size()); ++q) {
    auto* box = new QCheckBox(q == 0 ? QStringLiteral("№0") : QString::number(q), linksBox_);
    box->setObjectName(QStringLiteral("pipeLink%1").arg(q));
    grid->addWidget(box, q / 8, q % 8);
    connect(box, &QCheckBox::clicked, this, [this, q](bool checked) { chosen(page().setLink(q, checked)); });
    links_[static_cast<std::size_t>(q)] = box;
  }
  linkedCaption_ = new QLabel(QStringLiteral("Данный трубопровод условно связан."), linksBox_);
  linkedCaption_->setObjectName(QStringLiteral("pipeLinkedCaption"));
  grid->addWidget(linkedCaption_, 2, 0, 1, 8);
  return linksBox_;
}

void PipelineDescriptionPage::fillBody(const PipelineView& v) {
  pasteAction_->setEnabled(page().canPaste());
  body_->setVisible(v.active);
  if (!v.active) return;
  flowRole_.fill(v.flowRole);
  flowList_.fill(v.flowList, v.flowListCaption);
  diffSub_.fill(v.diffSubList);
  calibration_.fill(v.calibration);
  correction_.fill(v.correction);
  heatReference_.fill(v.heatReference);
  flowUnit_.fill(v.flowUnit);
  heatUnit_.fill(v.heatUnit);
  gasUnit_.fill(v.gasUnit);
  payment_.fill(v.payment);
  paymentType_.fill(v.paymentType);
  tariff_.fill(v.tariff);
  dayHour_.fill(v.dayHour);
  nightHour_.box->fill(v.nightHour);
  nightHour_.box->setVisible(v.nightHour.visible);
  nightHour_.error->setVisible(v.nightHour.visible && v.nightHour.error);
  cutoff_.fill(v.cutoff);
  cutoffModule_.fill(v.cutoffModule);
  cutoffPair_.fill(v.cutoffPair);
  for (RealRow& r : reals_) r.fill(v);
  realRow(PipelineReal::PipeDiameter)->label->setText(v.diameterCaption);
  realRow(PipelineReal::MonthFactor)->label->setText(v.monthFactorCaption);
  fractionsBox_->setVisible(v.real(PipelineReal::CO2).visible);
  linksBox_->setVisible(v.linksVisible);
  linkedCaption_->setVisible(v.linkedByAnother);
  for (std::size_t q = 0; q < links_.size(); ++q) {
    QCheckBox* box = links_[q];
    const bool shown = q < v.links.size();
    box->setVisible(shown);
    if (!shown) continue;
    const QSignalBlocker block(box);
    box->setChecked(v.links[q].checked);
    box->setEnabled(v.links[q].enabled);
  }
}

}  // namespace nastrum
