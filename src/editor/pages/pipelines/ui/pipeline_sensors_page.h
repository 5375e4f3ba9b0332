// "Подключенные датчики": the sensors and constants of every role of the
// current pipeline, the saturated-steam computed quantities, the overflow
// pipeline and the pipeline constants.
#pragma once

#include <array>

#include <QGroupBox>

#include "editor/pages/pipelines/ui/page_rows.h"
#include "editor/pages/pipelines/ui/pipeline_description_page.h"

namespace nastrum {

class PipelineSensorsPage : public PipelineSubPage {
  Q_OBJECT
 public:
  // Shares the pipeline, the number and the copy buffer of `description`.
  explicit PipelineSensorsPage(const PipelineDescriptionPage& description, QWidget* parent = nullptr);

 protected:
  void fillBody(const PipelineView& view) override;

 private:
  struct RoleRow {
    ListRow sensors;
    PipelineChoiceBox* constants = nullptr;  // the role's "Константы" choice, where it has one
  };

  QWidget* body_;
  ListRow temperatureSource_, pressureSource_, overflow_;
  std::array<RoleRow, kSensorPageRoles.size()> roles_{};
  QGroupBox* constantsBox_;
  std::array<RealRow, 2> constants_{};
};

}  // namespace nastrum
