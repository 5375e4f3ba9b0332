#include "check/ui/correction_prompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace nastrum {

QString CorrectionPrompt::promptText() {
  return QStringLiteral(
      "      Программа обнаружила в настройках вашего прибора недопустимые\r\n"
      "значения некоторых параметров (в отчете помечены красным цветом)\r\n"
      "при которых работать с программой в диалоговом режиме невозможно.\r\n"
      "      Возможность просмотра всех параметров в этом случае будет\r\n"
      "только в режиме \"Просмотр\" (шестнадцатеричные коды).\r\n"
      "Изменение значений в этом режиме невозможно.\r\n"
      "\r\n"
      "      Если вы выберите \"Исправить автоматически\", то вы получите \r\n"
      "возможность работать в диалоговом режиме.");
}

CorrectionPrompt::CorrectionPrompt(QWidget* parent)
    : QDialog(parent),
      repair_(new QPushButton(QStringLiteral("Исправить автоматически"), this)),
      decline_(new QPushButton(QStringLiteral("Не исправлять"), this)) {
  setObjectName(QStringLiteral("vUnit"));
  setWindowTitle(QStringLiteral("Проверка настроек"));
  repair_->setObjectName(QStringLiteral("repairButton"));
  decline_->setObjectName(QStringLiteral("declineButton"));

  auto* text = new QLabel(QString(promptText()).remove(QLatin1Char('\r')), this);
  text->setObjectName(QStringLiteral("promptText"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(repair_);
  buttons->addWidget(decline_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(repair_, &QPushButton::clicked, this, &CorrectionPrompt::repairRequested);
  connect(decline_, &QPushButton::clicked, this, &CorrectionPrompt::declined);
}

}  // namespace nastrum
