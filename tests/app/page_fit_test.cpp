// At the first start on a 1280×800 screen every editor page, whatever object
// it shows, fits the main window whole: no scroll bar, no control below its
// natural height, no caption cut.
#include <functional>

#include <QSpinBox>

#include "app_rig.h"
#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_codes.h"
#include "model/editor_state.h"
#include "model/reset_image.h"
#include "widgets/choice_box.h"
#include "screen_1280x800.h"

namespace nastrum::testing {
namespace {

// Sensors of every family and analog quantity, each showing its tallest
// groups; numbers past a kind's count are left out.
constexpr Word kSensorVariety[] = {
    0x9183,  // excess pressure (the liquid column is chosen below)
    0x9200,  // differential pressure
    0x9300,  // analog flow
    0x9400,  // resistance thermometer
    0x9440,  // thermocouple
    0x9471,  // normalising converter
    0x9500,  // other, linear scale
    0x9000,  // battery voltage
    0xA350,  // pulse
    0xB358,  // pulse, count per unit
    0xC350,  // frequency
    0x8000,  // arithmetic
    0x8010,  // arithmetic over pipelines
    0x8040,  // table function
    0x8050,  // copying
    0x8080,  // serial input
    0x8070,  // no such conversion: the error panel
};

constexpr int kDiffPressureSensor = 1;
constexpr int kFlowSensor = 8;

// Pipelines of every medium, paid on two tariffs where the medium pays, with
// a cutoff, the water and gas ones measured by a differential pressure.
SettingsImage varietyImage(Word kind) {
  SettingsImage image;
  EditorState editor;
  ResetImage(image, editor);
  image.deviceKind = kind;
  const std::size_t sensors = kind == 1 ? 16 : std::size(kSensorVariety);
  for (std::size_t n = 0; n < sensors && n < std::size(kSensorVariety); ++n) {
    SensorRecord& s = image.sensors[n];
    s.mainDescriptor = kSensorVariety[n];
    s.auxDescriptor = 0x0000;
    s.monthFactor = 1.0;
  }
  const int media[] = {Water, Water, SuperheatedSteam, SaturatedSteam, NaturalGas, NaturalGas,
                       TechnicalGas, TechnicalLiquid, OtherCarrier};
  for (std::size_t p = 0; p < std::size(media); ++p) {
    PipelineRecord& pipe = image.pipelines[p];
    const int medium = media[p];
    const Word main = newPipelineDescriptor(medium);
    pipe.mainDescriptor = withDigit(main, 4, encodePayment({true, 2, true}, medium, kind));
    pipe.flowSensors = ((p % 2 == 0 ? kDiffPressureSensor : kFlowSensor) << 8) | 0x40;
    pipe.tempSensors = 0x4040;
    pipe.pressureSensors = 0x4040;
    pipe.densityCalorLink = 0x0000;
    pipe.bigPipeRef = 0x0040;
    pipe.cutoffSource = 0x0040;  // a cutoff on the first terminal
    pipe.impurityTariff = medium == NaturalGas ? 0x4040 : 0x0817;
    pipe.mainTariff = 1.5;
    pipe.nightTariff = 0.5;
    pipe.monthFactor = 1.0;
  }
  return image;
}

struct FirstStart {
  QApplication& app = applicationOn1280x800();
  AppRig rig;
  QSize roomy;  // the size a first start gives where the screen has room

  explicit FirstStart(Word kind) {
    rig.program.show();  // nothing remembered
    roomy = rig.form.roomySize();
    rig.action("newAction")->trigger();
    rig.form.flows().ChooseNewKind(kind);
    rig.form.flows().ConfirmNewKind();
    rig.form.refresh();
    rig.ws.image = varietyImage(kind);
    rig.action("nastroiki")->trigger();
  }

  template <typename T>
  T* find(const char* name) {
    return rig.form.findChild<T*>(QString::fromLatin1(name));
  }
};

// Shows every object the page's number box offers, checking each.
void forEachNumber(QSpinBox* number, int count, const std::function<void(int)>& check) {
  for (int n = 0; n < count; ++n) {
    number->setValue(n);
    check(n);
  }
}

std::string where(const QWidget* page, Word kind, int object = -1) {
  std::string text = page->objectName().toStdString() + ", kind " + std::to_string(kind);
  if (object >= 0) text += ", object " + std::to_string(object);
  return text;
}

// Shows every object of every editor page, checking each whole and unsqueezed.
void expectEveryPageWhole(Tbase_form& form, Word kind, const std::string& window) {
  forEachEditorPage(form, [&](QWidget* page) {
    auto check = [&](int object) {
      const std::string at = window + ", " + where(page, kind, object);
      expectShownWhole(page, at);
      expectNothingSqueezed(page, at);
    };
    auto* sensorNumber = page->findChild<QSpinBox*>(QStringLiteral("sensorNumber"));
    auto* pipeNumber = page->findChild<QSpinBox*>(QStringLiteral("pipeNumber"));
    if (!pipeNumber) pipeNumber = page->findChild<QSpinBox*>(QStringLiteral("pipeNumber2"));
    if (sensorNumber) {
      forEachNumber(sensorNumber, static_cast<int>(std::size(kSensorVariety)), [&](int n) {
        check(n);
        auto* tubes = page->findChild<ChoiceBox*>(QStringLiteral("tubeFillBox"));
        if (tubes && tubes->isVisible() && tubes->chooseText(QStringLiteral("жидкостью"))) check(n);
      });
    } else if (pipeNumber) {
      forEachNumber(pipeNumber, 9, check);
    } else {
      check(-1);
    }
  });
}

// As placed on 1280x800, and at the size a first start gives where the
// screen has room for it (a taller screen).
TEST(PageFit, EveryPageOfEveryKindFitsTheFirstStartWindow) {
  for (const Word kind : {1, 2, 3}) {
    FirstStart start(kind);
    Tbase_form& form = start.rig.form;
    expectEveryPageWhole(form, kind, "on 1280x800");
    form.showNormal();
    form.resize(start.roomy);
    expectEveryPageWhole(form, kind, "at the roomy size");
  }
}

}  // namespace
}  // namespace nastrum::testing
