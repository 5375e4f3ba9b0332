#include "editor/ui/about_box.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace nastrum {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("About1"));
  setWindowTitle(QStringLiteral("О программе"));
  setModal(true);

  auto* image = new QLabel(this);
  image->setObjectName(QStringLiteral("ProgramIcon"));
  image->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
  auto* product = new QLabel(QStringLiteral("Наструм - ОРВИК"), this);
  product->setObjectName(QStringLiteral("ProductName"));
  auto* description = new QLabel(
      QStringLiteral("Программа настройки тепловычислителей ОРВИК-5 (минимальный, расширяемый) и ОРВИК-9"), this);
  description->setObjectName(QStringLiteral("Comments"));
  description->setWordWrap(true);
  auto* version = new QLabel(QStringLiteral("Версия 2.91\nДата последнего изменения 09.07.2003 г."), this);
  version->setObjectName(QStringLiteral("Version"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setObjectName(QStringLiteral("OKButton"));
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(image, 0, Qt::AlignHCenter);
  layout->addWidget(product);
  layout->addWidget(description);
  layout->addWidget(version);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

}  // namespace nastrum
