// "Описание трубопровода": medium, heat and flow options, diameters, gas data,
// payment, cutoff, conditional links; the header's popup copies and pastes
// whole pipelines.
#pragma once

#include <array>

#include <QCheckBox>
#include <QGroupBox>

#include "editor/pages/pipelines/ui/page_rows.h"
#include "editor/pages/pipelines/ui/pipeline_sub_page.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

class QAction;

namespace nastrum {

class PipelineDescriptionPage : public PipelineSubPage {
  Q_OBJECT
 public:
  // Makes the PipelinePageRules the "Подключенные датчики" sub-page shares.
  PipelineDescriptionPage(Workspace& workspace, MessagePresenter& presenter, QWidget* parent = nullptr);

  // The rules both sub-pages follow (for PipelineSensorsPage).
  std::shared_ptr<PipelinePageRules> pipelinePage() const { return sharedPage(); }

 protected:
  void fillBody(const PipelineView& view) override;

 private:
  QWidget* buildFlow();
  QWidget* buildHeat();
  QWidget* buildGas();
  QWidget* buildPayment();
  QWidget* buildCutoff();
  QWidget* buildLinks();
  void bindReal(RealRow& row);
  void choosePayment();

  QWidget* body_;
  QGroupBox* linksBox_ = nullptr;
  QGroupBox* fractionsBox_ = nullptr;
  QAction* copyAction_;
  QAction* pasteAction_;

  RealRow* realRow(PipelineReal field);

  ListRow flowRole_, flowList_, diffSub_, calibration_, correction_;
  ListRow heatReference_, flowUnit_, heatUnit_, gasUnit_;
  ListRow payment_, paymentType_, tariff_, dayHour_, nightHour_;
  ListRow cutoff_, cutoffModule_, cutoffPair_;
  std::vector<RealRow> reals_;
  QLabel* linkedCaption_;
  std::array<QCheckBox*, 16> links_{};
};

}  // namespace nastrum
