#include "descriptors/sensor_references.h"
#include "model/kind_profile.h"

#include "descriptors/archive_words.h"
#include "descriptors/descriptor_digits.h"
#include "descriptors/pipeline_codes.h"
#include "descriptors/sensor_codes.h"
#include "descriptors/sensor_view.h"

namespace nastrum {

void removeReferences(SettingsImage& image, const ReferenceList& refs) {
  for (const auto& r : refs)
    if (r.remove) r.remove(image);
}

namespace {

constexpr int kPipelineQuestion = 29;
constexpr int kThermocoupleQuestion = 46;

PipelineRecord& pipeAt(SettingsImage& im, int p) { return im.pipelines[static_cast<std::size_t>(p)]; }

// Builds the list one rule at a time: each rule looks at every pipeline in
// number order and adds one reference per pipeline it matches.
class Collector {
 public:
  Collector(const SettingsImage& image, int sensor) : image_(image), n_(sensor) {}

  // `match` tells whether pipeline p holds the reference; `fix` removes it.
  template <typename Match, typename Fix>
  void pipelines(Match match, Fix fix) {
    const int count = kindProfile(image_.deviceKind).pipelines;
    for (int p = 0; p < count; ++p) {
      const PipelineRecord& rec = image_.pipelines[static_cast<std::size_t>(p)];
      const auto medium = pipelineMedium(rec.mainDescriptor);
      if (!medium || *medium == PipeOff) continue;  // active pipelines only
      if (!match(rec, *medium)) continue;
      refs_.push_back({kPipelineQuestion, p, [p, fix](SettingsImage& im) { fix(pipeAt(im, p)); }});
    }
  }

  void thermocouples() {
    const int count = kindProfile(image_.deviceKind).sensors;
    for (int t = 0; t < count; ++t) {
      if (t == n_) continue;
      const SensorRecord& s = image_.sensors[static_cast<std::size_t>(t)];
      const Word m = s.mainDescriptor;
      const bool thermocouple = sensorFamily(m, image_.deviceKind) == SensorFamily::Analog &&
                                digitOf(m, 2) == Temperature && digitOf(m, 3) >= 4 && digitOf(m, 3) <= 6;
      if (thermocouple && s.const2 == n_)
        refs_.push_back({kThermocoupleQuestion, t, [t](SettingsImage& im) {
                           im.sensors[static_cast<std::size_t>(t)].const2 = 64.0;
                         }});
    }
  }

  void archives() {
    auto more = archiveReferencesToSensor(image_, n_);
    refs_.insert(refs_.end(), more.begin(), more.end());
  }

  int n() const { return n_; }
  ReferenceList take() { return std::move(refs_); }

 private:
  const SettingsImage& image_;
  int n_;
  ReferenceList refs_;
};

bool either(Word w, int n) { return highByte(w) == n || lowByte(w) == n; }

enum class FlowFix {
  Clear,           // FlowSensors = 0
  SubRangeUp,      // the old low byte moves up, 4040 becomes 0000
  LowByteUp,       // the old low byte moves up
};

void flowSensorRule(Collector& c, FlowFix how) {
  const int n = c.n();
  c.pipelines([n](const PipelineRecord& p, int) { return highByte(p.flowSensors) == n; },
              [how](PipelineRecord& p) {
                if (how == FlowFix::Clear) {
                  p.flowSensors = 0;
                  return;
                }
                p.flowSensors = makeWord(lowByte(p.flowSensors), kNoReference);
                if (how == FlowFix::SubRangeUp && p.flowSensors == 0x4040) p.flowSensors = 0;
              });
}

void diffPressureRules(Collector& c) {
  flowSensorRule(c, FlowFix::SubRangeUp);
  // A sub-range sensor that stops being a differential-pressure sensor is
  // dropped from the pipeline as well.
  const int n = c.n();
  c.pipelines([n](const PipelineRecord& p, int) {
                return digitOf(p.flowSensors, 1) != 0x8 && highByte(p.flowSensors) != n &&
                       lowByte(p.flowSensors) == n;
              },
              [](PipelineRecord& p) { p.flowSensors = withLowByte(p.flowSensors, kNoReference); });
}

void temperaturePipelineRules(Collector& c) {
  const int n = c.n();
  c.pipelines([n](const PipelineRecord& p, int) { return either(p.tempSensors, n); },
              [](PipelineRecord& p) { p.tempSensors = 0x4040; });
  c.pipelines([n](const PipelineRecord& p, int m) { return isWaterOrSteam(m) && lowByte(p.bigPipeRef) == n; },
              [](PipelineRecord& p) { p.bigPipeRef = withLowByte(p.bigPipeRef, kNoReference); });
}

void pressureRules(Collector& c) {
  const int n = c.n();
  c.pipelines([n](const PipelineRecord& p, int) { return either(p.pressureSensors, n); },
              [](PipelineRecord& p) { p.pressureSensors = 0x4040; });
  c.pipelines([n](const PipelineRecord& p, int m) {
                return isWaterOrSteam(m) && (digitOf(p.mainDescriptor, 2) & 4) != 0 &&
                       lowByte(p.cutoffSource) == n;
              },
              [](PipelineRecord& p) { p.cutoffSource = withLowByte(p.cutoffSource, kNoReference); });
}

void gasImpurityRule(Collector& c) {
  const int n = c.n();
  c.pipelines([n](const PipelineRecord& p, int m) { return isGas(m) && either(p.impurityTariff, n); },
              [](PipelineRecord& p) { p.impurityTariff = 0x4040; });
}

void atmosphericRule(Collector& c) {
  const int n = c.n();
  c.pipelines([n](const PipelineRecord& p, int) { return lowByte(p.pressureSensors) == n; },
              [](PipelineRecord& p) { p.pressureSensors = withLowByte(p.pressureSensors, kNoReference); });
}

void gasDensityAndCutoffRule(Collector& c) {
  const int n = c.n();
  c.pipelines(
      [n](const PipelineRecord& p, int m) {
        return isGas(m) && (either(p.densityCalorLink, n) || lowByte(p.cutoffSource) == n);
      },
      [n](PipelineRecord& p) {
        if (either(p.densityCalorLink, n)) p.densityCalorLink = 0x4040;
        if (lowByte(p.cutoffSource) == n) p.cutoffSource = withLowByte(p.cutoffSource, kNoReference);
      });
}

void linearRules(Collector& c, bool familyChange, int newQuantity) {
  if (familyChange) gasImpurityRule(c);
  atmosphericRule(c);
  gasDensityAndCutoffRule(c);
  // The CO2 and N2 bytes name the same kind of sensor; a quantity change
  // protects them too, after the others.
  if (!familyChange) gasImpurityRule(c);
  // The temperature roles take linear-scale sensors as well; a temperature
  // sensor still fits them.
  if (familyChange || newQuantity != Temperature) {
    const int n = c.n();
    c.pipelines([n](const PipelineRecord& p, int) { return either(p.tempSensors, n); },
                [](PipelineRecord& p) { p.tempSensors = 0x4040; });
  }
}

void oldQuantityRules(Collector& c, int oldQuantity, bool familyChange, int newQuantity = -1) {
  switch (oldQuantity) {
    case DiffPressure: diffPressureRules(c); break;
    case Flow: flowSensorRule(c, FlowFix::Clear); break;
    case Temperature:
      if (familyChange) {
        c.thermocouples();
        temperaturePipelineRules(c);
      } else {
        temperaturePipelineRules(c);
        c.thermocouples();
      }
      break;
    case Pressure: pressureRules(c); break;
    case OtherLinear: linearRules(c, familyChange, newQuantity); break;
    default: break;
  }
}

// A serial-input sensor stops being one.
void serialInputRules(Collector& c, bool familyChange) {
  const int n = c.n();
  if (familyChange) {
    c.pipelines([n](const PipelineRecord& p, int) { return lowByte(p.cutoffSource) == n; },
                [](PipelineRecord& p) { p.cutoffSource = withLowByte(p.cutoffSource, kNoReference); });
    atmosphericRule(c);
    c.pipelines(
        [n](const PipelineRecord& p, int m) {
          return isGas(m) && (either(p.densityCalorLink, n) || either(p.impurityTariff, n));
        },
        [n](PipelineRecord& p) {
          if (either(p.densityCalorLink, n)) p.densityCalorLink = 0x4040;
          if (either(p.impurityTariff, n)) p.impurityTariff = 0x4040;
        });
    return;
  }
  c.pipelines(
      [n](const PipelineRecord& p, int m) {
        return isGas(m) && (either(p.densityCalorLink, n) || either(p.impurityTariff, n) ||
                            lowByte(p.cutoffSource) == n);
      },
      [n](PipelineRecord& p) {
        if (either(p.densityCalorLink, n)) p.densityCalorLink = 0x4040;
        if (either(p.impurityTariff, n)) p.impurityTariff = 0x4040;
        if (lowByte(p.cutoffSource) == n) p.cutoffSource = withLowByte(p.cutoffSource, kNoReference);
      });
  // The atmospheric-pressure role takes serial-input sensors too.
  atmosphericRule(c);
}

}  // namespace

ReferenceList archiveReferencesToSensor(const SettingsImage& image, int n) {
  ReferenceList refs;
  const struct {
    ArchiveFamily family;
    int message;
  } order[] = {{ArchiveFamily::Hourly, 33},
               {ArchiveFamily::Interval, 41},
               {ArchiveFamily::Daily, 34},
               {ArchiveFamily::Monthly, 36}};
  for (const auto& o : order) {
    const int count = archiveCount(o.family, image.deviceKind);
    for (int a = 0; a < count; ++a) {
      if (!archiveRefersToSensor(o.family, archiveWords(image, o.family, a), n)) continue;
      const ArchiveFamily f = o.family;
      refs.push_back({o.message, a, [f, a](SettingsImage& im) { deleteArchive(im, f, a); }});
    }
  }
  return refs;
}

ReferenceList sensorChangeReferences(const SettingsImage& image, int n, const SensorChange& change) {
  Collector c(image, n);
  const int kind = image.deviceKind;
  const SensorRecord& s = image.sensors[static_cast<std::size_t>(n)];
  const Word m = s.mainDescriptor;
  const SensorFamily old = sensorFamily(m, kind);
  const int d2 = digitOf(m, 2), d3 = digitOf(m, 3);
  const bool serialInput = old == SensorFamily::Conditional && d3 == SerialInput;

  switch (change.kind) {
    case SensorChangeKind::Family: {
      const int to = change.value;
      if (to == ChooseAbsent) c.archives();
      if (serialInput && to != ChooseConditional) serialInputRules(c, true);
      const bool staysCounting = to == ChoosePulse || to == ChooseFrequency;
      if (isCountingFamily(old) && !staysCounting) flowSensorRule(c, FlowFix::Clear);
      // A conditional sensor serves as a flow sensor too; an analog or empty
      // sensor put in its place would leave the pipeline's flow to nothing.
      if (old == SensorFamily::Conditional && to != ChooseConditional && !staysCounting)
        flowSensorRule(c, FlowFix::Clear);
      if (old == SensorFamily::Analog && to != ChooseAnalog) oldQuantityRules(c, d2, true);
      break;
    }
    case SensorChangeKind::Quantity:
      if (old == SensorFamily::Analog && change.value != d2) oldQuantityRules(c, d2, false, change.value);
      break;
    case SensorChangeKind::Conversion:
      if (serialInput && change.value != SerialInput) serialInputRules(c, false);
      break;
    case SensorChangeKind::PressureKind:
      if (old == SensorFamily::Analog && d2 == Pressure && change.value == 0 && (d3 & 1) != 0)
        atmosphericRule(c);
      break;
    case SensorChangeKind::FlowKind: {
      // The flow kind the page shows: a digit shown as "ОШИБКА" is no m3 kind to protect.
      const auto oldFlow = decodeSensor(s, kind).flowKind;
      const bool fromM3 = oldFlow == FlowLiquidM3 || oldFlow == FlowGasM3;
      if (fromM3 && change.value != *oldFlow) flowSensorRule(c, FlowFix::LowByteUp);
      break;
    }
  }
  return c.take();
}

}  // namespace nastrum
