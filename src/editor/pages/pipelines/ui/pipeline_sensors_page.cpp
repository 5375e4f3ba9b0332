#include "editor/pages/pipelines/ui/pipeline_sensors_page.h"

#include <QVBoxLayout>

#include "descriptors/descriptor_digits.h"

namespace nastrum {

namespace {

struct RoleCaption {
  PipelineRole role;
  const char16_t* caption;
  const char* objectName;
};

// Captions in the order of kSensorPageRoles.
constexpr RoleCaption kRoleCaptions[] = {
    {PipelineRole::TempMeasure, u"№ датч. температуры в точке измерения\nрасхода / перепада давления", "tempMeasure"},
    {PipelineRole::TempInlet, u"№ датч. на входе в зону учета потребителя\n(выходе из зоны учета для обрат. труб.)",
     "tempInlet"},
    {PipelineRole::PressureMedium, u"№ датч. давления измер. среды", "pressureMedium"},
    {PipelineRole::PressureAtm, u"№ датч. атмосферного давления", "pressureAtm"},
    {PipelineRole::Density, u"№ датчика плотности", "densitySensor"},
    {PipelineRole::Calorific, u"№ датчика калорийности", "calorificSensor"},
    {PipelineRole::Humidity, u"Датчик влажности:", "humiditySensor"},
    {PipelineRole::CO2, u"доля СО2", "co2Sensor"},
    {PipelineRole::N2, u"доля N2", "n2Sensor"},
    {PipelineRole::ColdSource, u"Датчик температуры холодного источника:", "coldSource"},
    {PipelineRole::ReturnPressure, u"Датчик давления в обратном трубопроводе:", "returnPressure"},
};
static_assert(std::size(kRoleCaptions) == kSensorPageRoles.size());

}  // namespace

PipelineSensorsPage::PipelineSensorsPage(const PipelineDescriptionPage& description, QWidget* parent)
    : PipelineSubPage(description.pipelinePage(), QStringLiteral("2"), parent), body_(new QWidget(this)) {
  setObjectName(QStringLiteral("pagePipelineSensors"));
  auto* rolesBox = new QWidget(body_);
  FormRows rows(rolesBox);
  for (std::size_t i = 0; i < kSensorPageRoles.size(); ++i) {
    const RoleCaption& c = kRoleCaptions[i];
    Q_ASSERT(c.role == kSensorPageRoles[i]);
    if (c.role == PipelineRole::TempMeasure)
      temperatureSource_ = rows.addList(QStringLiteral("Температура"), QStringLiteral("temperatureSource"));
    if (c.role == PipelineRole::PressureMedium)
      pressureSource_ = rows.addList(QStringLiteral("Давление"), QStringLiteral("pressureSource"));
    RoleRow& row = roles_[i];
    const QString name = QString::fromLatin1(c.objectName);
    row.sensors = rows.addList(QString::fromUtf16(c.caption), name);
    const PipelineRole role = c.role;
    connect(row.sensors.box, &PipelineChoiceBox::picked, this, [this, i, role] {
      page().chooseRoleByte(role, roles_[i].sensors.box->code(kNoReference));
      edited();
    });
    if (role == PipelineRole::TempMeasure || role == PipelineRole::PressureMedium ||
        role == PipelineRole::ColdSource || role == PipelineRole::ReturnPressure) {
      row.constants = new PipelineChoiceBox(name + QStringLiteral("Constants"), rolesBox);
      row.constants->setAccessibleName(QStringLiteral("Константы"));
      rows.addBeside(row.constants);
      connect(row.constants, &PipelineChoiceBox::picked, this, [this, i, role] {
        page().chooseRoleByte(role, roles_[i].constants->code(kNoReference));
        edited();
      });
    }
  }
  overflow_ = rows.addList(QStringLiteral("Переход на расход\nиз другого\nтрубопровода:"), QStringLiteral("overflow"));

  connect(temperatureSource_.box, &PipelineChoiceBox::picked, this,
          [this] { chosen(page().setTemperatureComputed(temperatureSource_.box->code(0) == 1)); });
  connect(pressureSource_.box, &PipelineChoiceBox::picked, this,
          [this] { chosen(page().setPressureComputed(pressureSource_.box->code(0) == 1)); });
  connect(overflow_.box, &PipelineChoiceBox::picked, this, [this] {
    const int code = overflow_.box->code(kNoReference);
    page().chooseOverflow(code == kNoReference ? std::nullopt : std::optional(code));
    edited();
  });

  constantsBox_ = new QGroupBox(QStringLiteral("Константы:"), body_);
  constantsBox_->setObjectName(QStringLiteral("pipeConstants"));
  FormRows constants(constantsBox_);
  constants_[0] = constants.addReal(QStringLiteral("Константа 1:"), QStringLiteral("pipeConstant1"),
                                    PipelineReal::Constant1, separator());
  constants_[1] = constants.addReal(QStringLiteral("Константа 2:"), QStringLiteral("pipeConstant2"),
                                    PipelineReal::Constant2, separator());
  for (RealRow& r : constants_) {
    const PipelineReal field = r.field;
    RealEdit* edit = r.edit;
    connect(edit, &QLineEdit::textEdited, this, [this, field, edit](const QString& text) {
      typed([this, field, text] { return page().enterReal(field, text); },
            [this, field, edit] { edit->showText(page().view().real(field).text); });
    });
  }

  auto* bodyLayout = new QVBoxLayout(body_);
  bodyLayout->addWidget(rolesBox);
  bodyLayout->addWidget(constantsBox_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(header());
  layout->addWidget(body_);
  layout->addStretch();
  showCurrent();
}

void PipelineSensorsPage::fillBody(const PipelineView& v) {
  body_->setVisible(v.active);
  if (!v.active) return;
  temperatureSource_.fill(v.temperatureSource);
  pressureSource_.fill(v.pressureSource);
  for (std::size_t i = 0; i < roles_.size(); ++i) {
    const RoleView& view = v.roles[i];
    roles_[i].sensors.fill(view.sensors);
    if (PipelineChoiceBox* constants = roles_[i].constants) {
      constants->fill(view.constants);
      const bool shown = view.sensors.visible && view.constants.visible;
      constants->setVisible(shown);
      // A constant stands in for a sensor only while no sensor is chosen.
      constants->setEnabled(view.sensors.selectedCode(-1) == kNoReference);
    }
  }
  overflow_.fill(v.overflow);
  for (RealRow& r : constants_) r.fill(v);
  constantsBox_->setVisible(v.real(PipelineReal::Constant1).visible);
}

}  // namespace nastrum
