#include "model/reset_image.h"

namespace nastrum {

namespace {

constexpr std::array<Word, sys::Count> kSystemDefaults = {
    1, 2010, 0, 0, 0, 0x3A05, 1, 0, 0x0960, 0x0148, 0x0960, 0, 0xFFFF, 0, 0, 0, 0, 0, 0};

void resetModemText(ModemText& text) {
  text.fill(0);
  text[0] = 13;
}

}  // namespace

void ResetImage(SettingsImage& image, EditorState& editor) {
  editor.checkFailed = false;

  image.systemBlock = kSystemDefaults;

  for (auto& table : image.tableFunctions) table.fill(0.0);
  image.reservedPairs.fill(0);
  image.defaultValues = DefaultValueSet{};
  resetModemText(image.modemInitMain);
  resetModemText(image.modemInitAux);
  image.currentGenerators.fill(CurrentGenRecord{});

  NamesRegion& names = image.names;
  for (int i = 0; i < 64; ++i) {
    const auto n = static_cast<std::size_t>(i);
    names.sensorNames[n].clear();
    names.dayArcNames[n].clear();
    names.monthArcNames[n].clear();
    if (i < 16) {
      names.pipelineNames[n].clear();
      names.desktopNames[n].clear();
      names.desktopParams[n] = 1;
    }
    if (i < 32) {
      names.hourArcNames[n].clear();
      image.hourArcDesc[n] = image.hourArcPos[n] = image.hourArcNeg[n] = 0;
    }
    if (i < 13) names.intervalArcNames[n].clear();
    image.dayArcDesc[n] = image.dayArcPos[n] = image.dayArcNeg[n] = 0;
    if (i < 63) image.monthArcDesc[n] = image.monthArcPos[n] = image.monthArcNeg[n] = 0;
    image.eventType[n] = image.eventType[n + 64] = 0;
    image.eventParam[n] = image.eventParam[n + 64] = 0;
    image.sensors[n] = SensorRecord{};
    image.sensors[n].number = i + 1;
  }

  for (int i = 0; i < kPipelineCount; ++i) {
    const auto n = static_cast<std::size_t>(i);
    image.pipelines[n] = PipelineRecord{};
    image.pipelines[n].number = i + 1;
    if (i < 13) image.intervalArcDesc[n] = image.intervalArcPos[n] = image.intervalArcNeg[n] = 0;
  }

  image.eventPrefixWord = 0xFF00;

  for (std::size_t n = 0; n < 255; ++n)
    image.logicLaw[n] = image.logicParam[n] = image.logicK1[n] = image.logicK2[n] = 0;
  image.logicT1.fill(0);
  image.logicT2.fill(0);
}

}  // namespace nastrum
