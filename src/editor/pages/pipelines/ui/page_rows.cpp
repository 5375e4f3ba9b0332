#include "editor/pages/pipelines/ui/page_rows.h"

namespace nastrum {

void ListRow::fill(const ListView& view) {
  box->fill(view);
  label->setVisible(view.visible);
  box->setVisible(view.visible);
  error->setVisible(view.visible && view.error);
}

void ListRow::fill(const ListView& view, const QString& caption) {
  label->setText(caption);
  fill(view);
}

void RealRow::fill(const PipelineView& view) {
  const RealView& r = view.real(field);
  label->setVisible(r.visible);
  edit->setVisible(r.visible);
  if (r.visible) edit->showText(r.text);
}

FormRows::FormRows(QWidget* parent) : parent_(parent), grid_(new QGridLayout(parent)) {
  grid_->setColumnStretch(4, 1);
}

ListRow FormRows::addList(const QString& caption, const QString& objectName) {
  const int row = grid_->rowCount();
  ListRow r;
  r.label = new QLabel(caption, parent_);
  r.box = new PipelineChoiceBox(objectName, parent_);
  r.error = new QLabel(errorText(), parent_);
  r.error->setObjectName(objectName + QStringLiteral("Error"));
  r.error->setStyleSheet(QStringLiteral("color: red"));
  r.error->hide();
  r.label->setBuddy(r.box);
  grid_->addWidget(r.label, row, 0);
  grid_->addWidget(r.box, row, 1);
  grid_->addWidget(r.error, row, 2);
  return r;
}

RealRow FormRows::addReal(const QString& caption, const QString& objectName, PipelineReal field, QChar separator) {
  const int row = grid_->rowCount();
  RealRow r;
  r.label = new QLabel(caption, parent_);
  r.edit = new RealEdit(objectName, realIsSigned(field), separator, parent_);
  r.field = field;
  r.label->setBuddy(r.edit);
  grid_->addWidget(r.label, row, 0);
  grid_->addWidget(r.edit, row, 1);
  return r;
}

void FormRows::addBeside(QWidget* control) { grid_->addWidget(control, grid_->rowCount() - 1, 3); }

}  // namespace nastrum
