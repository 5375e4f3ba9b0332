// Settings images of random words and reals, including the ones no editor
// writes, for the tests that run the check and the correction on anything.
#pragma once

#include <cmath>
#include <limits>
#include <random>

#include "model/settings_image.h"
#include "support/fresh_image.h"

namespace nastrum::testing {

// Words and reals of every kind, including the ones no editor writes.
inline Word anyWord(std::mt19937& random) {
  switch (random() % 5) {
    case 0: return static_cast<Word>(random() & 0xFFFF);
    case 1: return static_cast<Word>(random());           // stray high bits, negative
    case 2: return static_cast<Word>(random() % 0x100);   // small numbers
    case 3: return static_cast<Word>(((random() % 16) << 12) | ((random() % 16) << 8) | (random() % 0x50));
    default: return 0;
  }
}
inline double anyReal(std::mt19937& random) {
  switch (random() % 6) {
    case 0: return std::numeric_limits<double>::quiet_NaN();
    case 1: return -static_cast<double>(random() % 1000) / 7;
    case 2: return std::numeric_limits<double>::infinity();
    case 3: return 1e300;
    case 4: return static_cast<double>(random() % 80);
    default: return 64;
  }
}

inline SettingsImage randomImage(std::mt19937& random) {
  // Mostly the three kinds; now and then a kind no file would carry.
  SettingsImage image = freshImage(random() % 8 == 0 ? static_cast<Word>(random()) : static_cast<Word>(1 + random() % 3));
  for (SensorRecord& s : image.sensors) {
    s.mainDescriptor = anyWord(random);
    s.auxDescriptor = anyWord(random);
    s.const1 = anyReal(random);
    s.const2 = anyReal(random);
    s.const3 = anyReal(random);
    s.monthFactor = anyReal(random);
  }
  for (PipelineRecord& p : image.pipelines) {
    for (Word* w : {&p.mainDescriptor, &p.flowSensors, &p.tempSensors, &p.pressureSensors, &p.densityCalorLink,
                    &p.bigPipeRef, &p.cutoffSource, &p.impurityTariff})
      *w = anyWord(random);
    for (double* r : {&p.co2Fraction, &p.n2Fraction, &p.pipeDiameter, &p.monthFactor, &p.nightTariff}) *r = anyReal(random);
  }
  auto fill = [&random](auto& words) {
    for (Word& w : words) w = anyWord(random);
  };
  fill(image.hourArcDesc), fill(image.hourArcPos), fill(image.hourArcNeg);
  fill(image.dayArcDesc), fill(image.dayArcPos), fill(image.dayArcNeg);
  fill(image.monthArcDesc), fill(image.monthArcPos), fill(image.monthArcNeg);
  fill(image.intervalArcDesc), fill(image.intervalArcPos), fill(image.intervalArcNeg);
  fill(image.eventType), fill(image.systemBlock), fill(image.logicLaw);
  for (CurrentGenRecord& g : image.currentGenerators) {
    g.lawDescriptor = anyWord(random);
    g.scaleStart = anyReal(random);
    g.scaleEnd = anyReal(random);
  }
  return image;
}

}  // namespace nastrum::testing
