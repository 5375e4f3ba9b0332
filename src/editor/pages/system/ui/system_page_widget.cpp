#include "editor/pages/system/ui/system_page_widget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextCursor>

#include "descriptors/system_codes.h"
#include "widgets/choice_box.h"
#include "widgets/wrap_spin_box.h"
#include "model/kind_profile.h"

namespace nastrum {

namespace {

// The items of `texts` with the codes `source` gives them.
ChoiceList Offered(const QStringList& texts, const ChoiceList& source) {
  ChoiceList list;
  for (const QString& text : texts) list.add(source.codeOfText(text).value_or(-1), text);
  return list;
}

// Items numbered from 0 in the order shown, each with its hint where given.
ChoiceList Numbered(const QStringList& texts, const QStringList& hints = {}) {
  ChoiceList list;
  for (int i = 0; i < texts.size(); ++i) list.add(i, texts[i], hints.value(i));
  return list;
}

void SetValue(QSpinBox* box, int value) {
  const QSignalBlocker blocker(box);
  box->setValue(value);
}

}  // namespace

SystemPageWidget::SystemPageWidget(Workspace& workspace, MessagePresenter& presenter, QChar separator,
                                   QWidget* parent)
    : QWidget(parent), workspace_(workspace), page_(workspace, presenter, separator) {
  setObjectName(QStringLiteral("pageSystem"));
  build();
  connectControls();
}

void SystemPageWidget::fillKindChoices(Word /*kind*/) {
  page_.showChannel(0);
  showGeneratorNumber(0);
}

void SystemPageWidget::showGeneratorNumber(int n) {
  if (page_.showGenerator(n))
    edited();
  else
    showCurrent();
}

void SystemPageWidget::edited() {
  showCurrent();
  reportChange();
}

void SystemPageWidget::reportChange() {
  if (page_.takeChange()) emit imageEdited();
}

void SystemPageWidget::showCurrent() {
  SetValue(hourlyCorrection_, page_.hourlyCorrection());
  SetValue(dailyCorrection_, page_.dailyCorrection());
  // A code outside the list leaves the list as it was.
  if (const std::optional<int> i = page_.intervalIndex()) interval_->showCode(system_codes::intervals().at(*i).code);
  SetValue(settlementHour_, page_.settlementHour());
  SetValue(settlementDate_, page_.settlementDate());
  const bool summer = page_.summerTime();
  summer_->showCode(summer ? 1 : 0);
  spring_->showCode(page_.aprilSwitch() ? 4 : 3);
  autumn_->showCode(page_.septemberSwitch() ? 9 : 0xA);
  springLabel_->setVisible(summer);
  spring_->setVisible(summer);
  autumn_->setVisible(summer);
  dailyMode_->showCode(page_.dailyArchiveMode());
  monthlyMode_->showCode(page_.monthlyArchiveMode());
  for (std::size_t i = 0; i < defaults_.size(); ++i) defaults_[i]->setText(page_.defaultValueText(static_cast<int>(i)));
  password_->setText(page_.passwordText());

  const KindProfile& profile = kindProfile(page_.kind());
  generatorGroup_->setVisible(profile.generators > 0);
  functionsGroup_->setVisible(profile.hasAuxChannel);
  modemGroup_->setTitle(profile.hasAuxModemText ? QStringLiteral("Строка инициализации Hayes - модема (основной канал):")
                                                : QStringLiteral("Строка инициализации модема:"));
  showChannel();
  if (profile.generators > 0) showGenerator();
  for (int f = 0; f < kSpecialFunctionCount; ++f) {
    const auto fn = static_cast<SpecialFunction>(f);
    QCheckBox* box = functions_[static_cast<std::size_t>(f)];
    box->setText(page_.functionCaption(fn));
    box->setVisible(page_.functionOffered(fn));
    box->setChecked(page_.function(fn));
  }
  showBattery();
}

void SystemPageWidget::showChannel() {
  channel_->setChoices(Numbered(page_.channels()));
  channel_->showCode(page_.channel());
  const ChannelView v = page_.channelView();
  linkTypeLabel_->setVisible(true);
  linkType_->setVisible(v.linkTypeShown);
  fixedLink_->setVisible(!v.linkTypeShown);
  linkType_->setChoices(Offered(v.linkTypes, channel_word::linkTypes()));
  linkType_->showCode(v.linkType);
  protocol_->setChoices(Offered(v.protocols, channel_word::protocols()));
  protocol_->showCode(v.protocol);
  network_->setVisible(v.networkShown);
  network_->setEnabled(v.networkEnabled);
  network_->setChecked(v.networkOn);
  networkNumberLabel_->setVisible(v.networkShown && v.networkOn);
  networkNumber_->setVisible(v.networkShown && v.networkOn);
  SetValue(networkNumber_, v.networkNumber);
  speed_->setChoices(Offered(v.speeds, system_codes::speeds()));
  speed_->showCode(v.speedIndex >= 0 ? std::optional<int>(system_codes::speeds().at(v.speedIndex).code) : std::nullopt);
  crcLabel_->setVisible(v.crcShown);
  crc_->setVisible(v.crcShown);
  crc_->showCode(v.crc);
  lineLabel_->setVisible(v.lineShown);
  line_->setVisible(v.lineShown);
  line_->showCode(v.switched ? 1 : 0);
  ringsLabel_->setVisible(v.lineShown && v.switched);
  rings_->setVisible(v.lineShown && v.switched);
  SetValue(rings_, v.rings);
  modemGroup_->setVisible(v.modemShown);
  if (v.modemShown && modem_->toPlainText() != v.modemText) {
    const QSignalBlocker blocker(modem_);
    modem_->setPlainText(v.modemText);
  }
}

void SystemPageWidget::showGenerator() {
  const GeneratorView g = page_.generatorView();
  generatorNumber_->showValue(0, kGeneratorCount - 1, page_.generator());
  generatorPresent_->setChecked(g.present);
  for (QWidget* w : std::initializer_list<QWidget*>{generatorTarget_, generatorRange_, generatorParameter_, scaleEnd_,
                                                    scaleStart_})
    w->setEnabled(g.present);
  generatorTarget_->showCode(g.describesAddress ? 0x11 : 0x00);
  generatorRange_->showCode(g.fourToTwenty ? 0x10 : 0x01);
  generatorParameterLabel_->setText(g.describesAddress ? QStringLiteral("Адрес памяти:") : QStringLiteral("№ параметра:"));
  generatorParameter_->setText(g.parameter);
  scaleEnd_->setText(g.scaleEnd);
  scaleStart_->setText(g.scaleStart);
}

void SystemPageWidget::showBattery() {
  const BatteryView b = page_.batteryView();
  batteryGroup_->setVisible(b.shown);
  if (!b.shown) return;
  batterySensor_->setChoices(Numbered(b.sensors, b.sensorHints));
  batterySensor_->showCode(b.sensorIndex >= 0 ? std::optional<int>(b.sensorIndex) : std::nullopt);
  batteryModule_->setChoices(Numbered(page_.batteryModules()));
  batteryModule_->showCode(b.module);
  batteryContact_->setChoices(Numbered(page_.batteryContacts()));
  batteryContact_->showCode(b.contact);
  batteryChannel_->setText(b.channelText);
}

void SystemPageWidget::connectControls() {
  connect(hourlyCorrection_, &QSpinBox::valueChanged, this, [this](int v) {
    page_.setHourlyCorrection(v);
    edited();
  });
  connect(dailyCorrection_, &QSpinBox::valueChanged, this, [this](int v) {
    page_.setDailyCorrection(v);
    edited();
  });
  connect(interval_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.setInterval(system_codes::intervals().indexOfCode(code).value_or(-1));
    edited();
  });
  connect(settlementHour_, &QSpinBox::valueChanged, this, [this](int v) {
    page_.setSettlementHour(v);
    edited();
  });
  connect(settlementDate_, &QSpinBox::valueChanged, this, [this](int v) {
    page_.setSettlementDate(v);
    edited();
  });
  connect(summer_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.setSummerTime(code == 1);
    edited();
  });
  connect(spring_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.setAprilSwitch(code == 4);
    edited();
  });
  connect(autumn_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.setSeptemberSwitch(code == 9);
    edited();
  });
  connect(dailyMode_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.setDailyArchiveMode(code);
    edited();
  });
  connect(monthlyMode_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.setMonthlyArchiveMode(code);
    edited();
  });
  for (std::size_t i = 0; i < defaults_.size(); ++i)
    connect(defaults_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
      page_.setDefaultValue(static_cast<int>(i), text);
      reportChange();  // the fields keep what is being typed
    });
  connect(password_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setPassword(text);
    reportChange();
  });

  connect(channel_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.showChannel(code);
    showCurrent();
  });
  connect(protocol_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseProtocol(static_cast<channel_word::Protocol>(code));
    edited();
  });
  connect(linkType_, &ChoiceBox::codeChosen, this, [this](int code) {
    if (page_.chooseLinkType(static_cast<channel_word::LinkType>(code)))
      edited();
    else
      showCurrent();  // the list returns to the type the word says
  });
  connect(network_, &QCheckBox::clicked, this, [this](bool on) {
    page_.setNetwork(on);
    edited();
  });
  connect(networkNumber_, &QSpinBox::valueChanged, this, [this](int v) {
    page_.setNetworkNumber(QString::number(v));
    edited();
  });
  connect(speed_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseSpeed(system_codes::speeds().indexOfCode(code).value_or(-1));
    edited();
  });
  connect(crc_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.chooseCrc(static_cast<channel_word::Crc>(code));
    edited();
  });
  connect(line_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.setSwitchedLine(code == 1);
    edited();
  });
  connect(rings_, &QSpinBox::valueChanged, this, [this](int v) {
    page_.setRings(QString::number(v));
    edited();
  });
  connect(modem_, &QPlainTextEdit::textChanged, this, [this] {
    const QString typed = modem_->toPlainText();
    const QString kept = SystemPage::modemFieldText(typed);
    if (kept != typed) {
      // Refused characters go, small letters become capitals.
      const int position = std::min(static_cast<int>(kept.size()), modem_->textCursor().position());
      const QSignalBlocker blocker(modem_);
      modem_->setPlainText(kept);
      QTextCursor cursor = modem_->textCursor();
      cursor.setPosition(position);
      modem_->setTextCursor(cursor);
    }
    page_.setModemText(kept);
    reportChange();
  });

  connect(generatorNumber_, &WrapSpinBox::valueEntered, this, &SystemPageWidget::showGeneratorNumber);
  connect(generatorPresent_, &QCheckBox::clicked, this, [this](bool on) {
    page_.setGeneratorPresent(on);
    edited();
  });
  connect(generatorTarget_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.setGeneratorDescribesAddress(code == 0x11);
    edited();
  });
  connect(generatorRange_, &ChoiceBox::codeChosen, this, [this](int code) {
    page_.setGeneratorRange(code == 0x10);
    edited();
  });
  connect(generatorParameter_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setGeneratorParameter(text);
    reportChange();
  });
  // The scales store every key at once, so a save started from the tool bar
  // or a shortcut never misses one; leaving the field shows what was stored.
  connect(scaleEnd_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setGeneratorScaleEnd(text);
    reportChange();
  });
  connect(scaleStart_, &QLineEdit::textEdited, this, [this](const QString& text) {
    page_.setGeneratorScaleStart(text);
    reportChange();
  });
  for (QLineEdit* scale : {scaleEnd_, scaleStart_})
    connect(scale, &QLineEdit::editingFinished, this, [this, scale] {
      const QSignalBlocker blocker(scale);
      scale->setText(scale == scaleEnd_ ? page_.generatorView().scaleEnd : page_.generatorView().scaleStart);
    });

  for (int f = 0; f < kSpecialFunctionCount; ++f)
    connect(functions_[static_cast<std::size_t>(f)], &QCheckBox::clicked, this, [this, f](bool on) {
      page_.setFunction(static_cast<SpecialFunction>(f), on);
      edited();  // a refused change shows the box as it was
    });
  connect(batterySensor_, &ChoiceBox::codeChosen, this, [this](int index) {
    page_.chooseBatterySensor(index);
    edited();
  });
  connect(batteryModule_, &ChoiceBox::codeChosen, this, [this](int module) {
    page_.chooseBatteryModule(module);
    edited();
  });
  connect(batteryContact_, &ChoiceBox::codeChosen, this, [this](int contact) {
    page_.chooseBatteryContact(contact);
    edited();
  });
}

}  // namespace nastrum
