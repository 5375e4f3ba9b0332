#include "editor/pages/archives/archive_view.h"

#include "descriptors/descriptor_digits.h"
#include "descriptors/name_rule.h"
#include "descriptors/sensor_hint.h"
#include "model/hex_text.h"

namespace nastrum {

namespace {

// X1 / X2 are stored as 00 followed by the sensor number, 0040 for none;
// the lists read the low byte alone.
std::optional<int> differenceIndex(const ChoiceList& sensors, Word component) {
  if (lowByte(component) == kNoReference) return sensors.indexOfCode(kNoReference);
  const auto sensor = differenceOperand(component);
  if (!sensor) return std::nullopt;
  return sensors.indexOfCode(*sensor);
}

void viewHead(const SettingsImage& image, const ArchiveWords& w, ArchiveView& v) {
  v.item = decodeArchiveItem(w.desc);
  if (!v.item) return;
  v.panel = operandPanelOf(*v.item);
  switch (v.panel) {
    case OperandPanel::Sensor:
      v.operandChoices = withSensorHints(image, archiveSensorChoices(image));
      v.operandIndex = v.operandChoices.indexOfCode(archiveSensorOperand(w.desc));
      break;
    case OperandPanel::Pipeline: {
      v.operandChoices = archivePipelineChoices(image);
      // "нет" is the whole byte 40; a pipeline number is read from D4.
      const int operand = lowByte(w.desc) == kNoReference ? kNoReference : archivePipelineOperand(w.desc);
      v.operandIndex = v.operandChoices.indexOfCode(operand);
      break;
    }
    case OperandPanel::Difference:
      v.sensorChoices = withSensorHints(image, archiveSensorChoices(image));
      v.x1Index = differenceIndex(v.sensorChoices, w.pos);
      v.x2Index = differenceIndex(v.sensorChoices, w.neg);
      break;
    case OperandPanel::Sum:
      v.positiveMask = w.pos & 0xFFFF;
      v.negativeMask = w.neg & 0xFFFF;
      break;
    case OperandPanel::Parameter:
      v.parameterText = HexWord(w.pos & 0xFFFF);
      break;
    case OperandPanel::None:
      break;
  }
  if (v.family == ArchiveFamily::Hourly && isInExtensionRange(image.deviceKind, v.number)) {
    v.extensionShown = true;
    v.extended = digitOf(w.desc, 1) == 8;
  }
}

void viewContinuation(const SettingsImage& image, const ArchiveWords& w, ArchiveView& v) {
  v.headChoices = headChoices(image, v.family, v.number);
  const int operand = lowByte(w.desc);
  v.headIndex = v.headChoices.indexOfCode(operand);
  if (v.family == ArchiveFamily::Daily) return;
  v.chainShown = true;
  const auto cells = chainCells(image, v.family, v.number);
  v.chainCells[0] = QStringLiteral("-");
  for (std::size_t k = 0; k < cells.size(); ++k)
    if (cells[k]) v.chainCells[k] = QString::number(*cells[k]);
}

}  // namespace

OperandPanel operandPanelOf(int item) {
  if (isSingleSensorItem(item)) return OperandPanel::Sensor;
  if (isSinglePipelineItem(item)) return OperandPanel::Pipeline;
  if (isSumItem(item)) return OperandPanel::Sum;
  if (item == ItemSensorDiff) return OperandPanel::Difference;
  if (item == ItemParameter) return OperandPanel::Parameter;
  return OperandPanel::None;
}

ArchiveView viewArchive(const SettingsImage& image, ArchiveFamily family, int number) {
  ArchiveView v;
  v.family = family;
  v.number = number;
  v.name = nameText(archiveName(image, family, number));
  const ArchiveWords w = archiveWords(image, family, number);
  v.state = archiveState(family, w.desc);
  if (v.state == ArchiveState::Head) viewHead(image, w, v);
  if (v.state == ArchiveState::Continuation) viewContinuation(image, w, v);
  return v;
}

}  // namespace nastrum
