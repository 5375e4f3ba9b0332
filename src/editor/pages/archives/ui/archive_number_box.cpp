#include "editor/pages/archives/ui/archive_number_box.h"

#include <QLineEdit>
#include <QSignalBlocker>

namespace nastrum {

ArchiveNumberBox::ArchiveNumberBox(const QString& objectName, QWidget* parent) : WrapSpinBox(objectName, parent) {
  connect(this, &QSpinBox::valueChanged, this, [this](int value) { emit numberEntered(QString::number(value)); });
  // An emptied box shows no archive; a number typed back after it may equal
  // the old value, which valueChanged would not report.
  connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
    emptied_ = text.isEmpty();
    if (text.isEmpty() || text.toInt() == value()) emit numberEntered(text);
  });
  // Leaving an emptied box puts its number back: show that archive again.
  connect(this, &QAbstractSpinBox::editingFinished, this, [this] {
    if (!emptied_) return;
    emptied_ = false;
    emit numberEntered(text());
  });
}

void ArchiveNumberBox::showNumber(int highest, std::optional<int> number) {
  const QSignalBlocker block(this);
  setRange(-1, highest + 1);
  if (number) {
    setValue(*number);
  }
}

}  // namespace nastrum
