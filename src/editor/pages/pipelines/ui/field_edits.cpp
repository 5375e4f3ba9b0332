#include "editor/pages/pipelines/ui/field_edits.h"

#include <QApplication>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QValidator>

#include "descriptors/name_rule.h"
#include "widgets/input_filters.h"

namespace nastrum {

namespace {

bool isPrintable(const QKeyEvent* event) {
  const QString text = event->text();
  return !text.isEmpty() && text.at(0).isPrint() &&
         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

PipelineChoiceBox::PipelineChoiceBox(const QString& objectName, QWidget* parent) : ChoiceBox(objectName, parent) {
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (index == shownIndex_) return;
    shownIndex_ = index;
    emit picked();
  });
}

void PipelineChoiceBox::fill(const ListView& view) {
  const QSignalBlocker block(this);
  choices_ = view.choices;
  if (texts() != view.choices.texts()) {
    clear();
    addItems(view.choices.texts());
  }
  showItemHints(this, view.choices);
  setCurrentIndex(view.index);
  shownIndex_ = view.index;
}

int PipelineChoiceBox::code(int fallback) const {
  const int i = currentIndex();
  return i >= 0 && i < choices_.size() ? choices_.at(i).code : fallback;
}

void PipelineChoiceBox::choose(const QString& text) {
  const int i = findText(text);
  if (i < 0) return;
  setCurrentIndex(i);
  emit activated(i);
}

QStringList PipelineChoiceBox::texts() const {
  QStringList out;
  for (int i = 0; i < count(); ++i) out << itemText(i);
  return out;
}

RealEdit::RealEdit(const QString& objectName, bool signedReal, QChar separator, QWidget* parent)
    : QLineEdit(parent), signed_(signedReal), separator_(separator) {
  setObjectName(objectName);
}

void RealEdit::showText(const QString& text) {
  const QSignalBlocker block(this);
  setText(text);
}

void RealEdit::keyPressEvent(QKeyEvent* event) {
  if (!isPrintable(event)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QChar c = event->text().at(0);
  if (c == u',' || c == u'.') {
    insert(QString(separator_));  // typed like any other key: textEdited follows
    return;
  }
  if (c.isDigit() || (signed_ && c == u'-')) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  QApplication::beep();
}

NameEdit::NameEdit(const QString& objectName, QWidget* parent) : QLineEdit(parent) {
  setObjectName(objectName);
  setValidator(new NameFilter(this));
  connect(this, &QLineEdit::textEdited, this, &NameEdit::updateMaxLength);
}

void NameEdit::showName(const QString& name) {
  const QSignalBlocker block(this);
  setMaxLength(kNamePlaces);
  setText(name);
  updateMaxLength();
}

void NameEdit::updateMaxLength() { setMaxLength(std::max(nameMaxLength(text()), static_cast<int>(text().size()))); }

NumberBox::NumberBox(const QString& objectName, QWidget* parent) : QSpinBox(parent) {
  setObjectName(objectName);
  setRange(-1, 99);  // one step beyond either end, which the page wraps
}

void NumberBox::showNumber(int n) {
  const QSignalBlocker block(this);
  setValue(n);
}

QValidator::State NumberBox::validate(QString& text, int&) const {
  for (QChar c : text)
    if (!c.isDigit()) return QValidator::Invalid;
  return text.isEmpty() ? QValidator::Intermediate : QValidator::Acceptable;
}

}  // namespace nastrum
