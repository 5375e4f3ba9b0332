// The rules of the "Трубопроводы" tab: which pipeline is shown, what every
// choice of its two sub-pages writes into the image, the questions a change
// must ask first, and copy and paste of whole pipelines. Both sub-page
// widgets share one PipelinePageRules and follow it through `changed`.
#pragma once

#include <optional>

#include <QChar>
#include <QObject>
#include <QString>

#include "descriptors/pipeline_codes.h"
#include "descriptors/pipeline_roles.h"
#include "descriptors/reference.h"
#include "editor/pages/pipelines/pipeline_reals.h"
#include "editor/pages/pipelines/pipeline_view.h"
#include "model/image_changes.h"
#include "model/message_presenter.h"
#include "model/workspace.h"

namespace nastrum {

class PipelinePageRules : public QObject {
  Q_OBJECT
 public:
  PipelinePageRules(Workspace& workspace, MessagePresenter& presenter, QChar separator, QObject* parent = nullptr);

  // Navigation. Numbers wrap: below 0 to the last pipeline, above it to 0.
  int current() const { return current_; }
  int lastNumber() const;
  void showPipeline(int n);
  // The number field's text: anything but digits shows message 15 and keeps the pipeline.
  bool showNumberText(const QString& text);

  // What the sub-pages show for the current pipeline, after the repairs made
  // when a pipeline is shown (those never mark the image modified).
  PipelineView prepareView();
  PipelineView view() const;

  // Edits of the current pipeline. Each one that is accepted writes the image
  // and emits `changed`; a refused or cancelled one changes nothing and
  // returns false.
  bool chooseMedium(int medium);
  void setName(const QString& text);
  void setHeatOption(int bit, bool set);
  void setGasUnit(int d2);
  void setCorrection(bool on);
  void setCalibration(int code);
  void setPayment(const Payment& payment);
  void setTariffHour(bool night, int hour);
  bool chooseFlowRole(FlowRole role);
  // The main flow list: a sensor (flow or differential pressure) or a source
  // pipeline, by the current flow role; nullopt is "нет".
  void chooseFlowItem(std::optional<int> item);
  // A sensor list or "Константы" choice: a sensor number, kNoReference or a pipeline constant.
  void chooseRoleByte(PipelineRole role, int byte);
  void chooseOverflow(std::optional<int> pipeline);
  // "Условие отключения трубопров.:": "Есть" starts at the kind's first terminals.
  void setCutoffPresent(bool present);
  void chooseCutoffPlace(const QString& module, const QString& pair);
  bool setTemperatureComputed(bool computed);
  // Back to "измеряется" the medium-pressure list shows again with the choice
  // it held before "вычисл. по температуре" hid it, and that choice is stored.
  bool setPressureComputed(bool computed);
  bool setLink(int q, bool linked);
  // A real field's text as typed. Returns false when the entry was refused
  // with a message; the field then holds (and should show) what was stored.
  bool enterReal(PipelineReal field, const QString& text);

  // Copy and paste of whole pipelines.
  void copy();
  // Only a copy made on the same device kind.
  bool canPaste() const;
  bool paste();

  // Whether the edits since the last call changed the image.
  bool takeChange() { return changes_.take(); }

 signals:
  // The current pipeline or the image changed; the sub-pages show it again.
  void changed();

 private:
  PipelineRecord& record();
  const PipelineRecord& record() const;
  int medium() const;  // of the current pipeline, PipeOff for an invalid digit
  FlowRole flowRole() const;
  bool switchOff();    // asks the reference questions; false when declined
  bool askReferences(const ReferenceList& refs);
  void edited();  // emits `changed`

  Workspace& workspace_;
  MessagePresenter& presenter_;
  QChar separator_;
  int current_ = 0;
  PipelineRecord clipboard_{};  // MainDescriptor 0: nothing copied
  Word copiedKind_ = 0;         // codes mean other things on another kind
  int copiedFrom_ = -1;
  std::optional<FlowRole> chosenFlowRole_;  // of the current pipeline, until it changes
  // The medium-pressure byte hidden by a computed pressure of the current pipeline.
  std::optional<int> hiddenMediumPressure_;
  ImageChanges changes_{workspace_.image};
};

}  // namespace nastrum
