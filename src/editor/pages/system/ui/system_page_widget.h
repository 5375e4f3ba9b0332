// The "Системные параметры" tab: binds its controls to SystemPage. Every
// handler takes the choice, calls the page's rule and shows the page again.
#pragma once

#include <array>

#include <QWidget>

#include "editor/pages/system/system_page.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace nastrum {

class ChoiceBox;
class WrapSpinBox;

class SystemPageWidget : public QWidget {
  Q_OBJECT
 public:
  SystemPageWidget(Workspace& workspace, MessagePresenter& presenter, QChar separator, QWidget* parent = nullptr);

  SystemPage& page() { return page_; }

  // Fills every control from the image; writes nothing.
  void showCurrent();
  // When setup opens: the main channel and generator 0 are shown (showing a
  // generator may put "Генератор тока" in step: imageEdited follows).
  void fillKindChoices(Word kind);

 signals:
  void imageEdited();

 private:
  void build();
  void buildTimeGroups(class QGridLayout* grid);
  void buildChannelGroup(class QGridLayout* grid);
  void buildGeneratorGroup(class QGridLayout* grid);
  void buildFunctionGroups(class QGridLayout* grid);
  void connectControls();
  void showChannel();
  void showGenerator();
  void showBattery();
  // After a user edit: the page again and the main window told.
  void edited();
  // The main window told when the last operations changed the image.
  void reportChange();
  // Generator n shown; the main window told when that put its flag in step.
  void showGeneratorNumber(int n);

  Workspace& workspace_;
  SystemPage page_;

  QSpinBox* hourlyCorrection_ = nullptr;
  QSpinBox* dailyCorrection_ = nullptr;
  ChoiceBox* interval_ = nullptr;
  QSpinBox* settlementHour_ = nullptr;
  QSpinBox* settlementDate_ = nullptr;
  ChoiceBox* summer_ = nullptr;
  QLabel* springLabel_ = nullptr;
  ChoiceBox* spring_ = nullptr;
  ChoiceBox* autumn_ = nullptr;
  ChoiceBox* dailyMode_ = nullptr;
  ChoiceBox* monthlyMode_ = nullptr;
  std::array<QLineEdit*, 4> defaults_{};
  QLineEdit* password_ = nullptr;

  QGroupBox* channelGroup_ = nullptr;
  ChoiceBox* channel_ = nullptr;
  QLabel* linkTypeLabel_ = nullptr;
  ChoiceBox* linkType_ = nullptr;
  QLabel* fixedLink_ = nullptr;
  ChoiceBox* protocol_ = nullptr;
  QCheckBox* network_ = nullptr;
  QLabel* networkNumberLabel_ = nullptr;
  QSpinBox* networkNumber_ = nullptr;
  ChoiceBox* speed_ = nullptr;
  QLabel* crcLabel_ = nullptr;
  ChoiceBox* crc_ = nullptr;
  QLabel* lineLabel_ = nullptr;
  ChoiceBox* line_ = nullptr;
  QLabel* ringsLabel_ = nullptr;
  QSpinBox* rings_ = nullptr;
  QGroupBox* modemGroup_ = nullptr;
  QPlainTextEdit* modem_ = nullptr;

  QGroupBox* generatorGroup_ = nullptr;
  WrapSpinBox* generatorNumber_ = nullptr;
  QCheckBox* generatorPresent_ = nullptr;
  ChoiceBox* generatorTarget_ = nullptr;
  ChoiceBox* generatorRange_ = nullptr;
  QLabel* generatorParameterLabel_ = nullptr;
  QLineEdit* generatorParameter_ = nullptr;
  QLineEdit* scaleEnd_ = nullptr;
  QLineEdit* scaleStart_ = nullptr;

  QGroupBox* functionsGroup_ = nullptr;
  std::array<QCheckBox*, kSpecialFunctionCount> functions_{};
  QGroupBox* batteryGroup_ = nullptr;
  ChoiceBox* batterySensor_ = nullptr;
  ChoiceBox* batteryModule_ = nullptr;
  ChoiceBox* batteryContact_ = nullptr;
  QLabel* batteryChannel_ = nullptr;
};

}  // namespace nastrum
