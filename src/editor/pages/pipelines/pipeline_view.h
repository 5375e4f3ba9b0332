// What the two pipeline sub-pages show for one pipeline: every list with its
// choices and selection, every real as text, which groups are visible. Built
// from the image alone, so showing never writes anything.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QChar>
#include <QString>
#include <QStringList>

#include "descriptors/choice_list.h"
#include "descriptors/pipeline_roles.h"
#include "editor/pages/pipelines/pipeline_reals.h"
#include "model/settings_image.h"

namespace nastrum {

// A list control: its choices, the selected item (-1: none) and whether
// "ОШИБКА" stands beside it because the stored code is not among the choices.
struct ListView {
  bool visible = false;
  ChoiceList choices;
  int index = -1;
  bool error = false;

  int selectedCode(int fallback) const { return index >= 0 ? choices.at(index).code : fallback; }
};

struct RealView {
  bool visible = false;
  QString text;
};

// A sensor role: the qualified sensors and, where the role has them, its
// "Константы" choice (default value, constant 1, constant 2).
struct RoleView {
  ListView sensors;
  ListView constants;
};

// The roles shown on "Подключенные датчики", in page order.
constexpr std::array<PipelineRole, 11> kSensorPageRoles = {
    PipelineRole::TempMeasure, PipelineRole::TempInlet,  PipelineRole::PressureMedium, PipelineRole::PressureAtm,
    PipelineRole::Density,     PipelineRole::Calorific,  PipelineRole::Humidity,       PipelineRole::CO2,
    PipelineRole::N2,          PipelineRole::ColdSource, PipelineRole::ReturnPressure};

struct LinkBox {
  QString text;  // "№0", "1" .. "15"
  bool checked = false;
  bool enabled = true;
};

struct PipelineView {
  // Header (both sub-pages).
  int number = 0;
  int lastNumber = 0;
  QString name;
  int nameMaxLength = 16;
  ListView medium;  // error: the medium digit is invalid, nothing else is shown
  bool active = false;

  // "Описание трубопровода".
  ListView heatReference, flowUnit, heatUnit;  // water and steam
  ListView gasUnit;                            // natural gas
  ListView correction, calibration;
  ListView flowRole;
  QString flowListCaption;
  ListView flowList;     // flow or main differential-pressure sensor, or the source pipeline
  ListView diffSubList;  // "№ датчика поддиапазона"
  QString diameterCaption;
  ListView payment, paymentType, tariff, dayHour, nightHour;
  ListView cutoff, cutoffModule, cutoffPair;  // cutoffModule.error: an unreadable cutoff code
  bool linksVisible = false;
  bool linkedByAnother = false;  // "Данный трубопровод условно связан.": own links, and linked by another
  std::vector<LinkBox> links;
  QString monthFactorCaption;

  // "Подключенные датчики".
  ListView temperatureSource, pressureSource;  // saturated steam
  std::array<RoleView, kSensorPageRoles.size()> roles{};
  ListView overflow;

  // Every real field of both sub-pages.
  std::array<RealView, static_cast<std::size_t>(PipelineReal::NightTariff) + 1> reals{};

  const RoleView& role(PipelineRole r) const;
  const RealView& real(PipelineReal f) const { return reals[static_cast<std::size_t>(f)]; }
  RealView& real(PipelineReal f) { return reals[static_cast<std::size_t>(f)]; }
};

// The flow role pipeline `n` shows. The codes tell it, except right after
// "Датчик перепада давления" was chosen: until a sensor is chosen the flow
// word is 4040, as for "Датчик расхода", so the page passes its choice.
FlowRole shownFlowRole(const SettingsImage& image, int n, std::optional<FlowRole> chosen);

// The view of pipeline `n` of the image.
PipelineView pipelineView(const SettingsImage& image, int n, QChar separator,
                          std::optional<FlowRole> chosenFlowRole = std::nullopt);

}  // namespace nastrum
