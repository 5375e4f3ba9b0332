#include "editor/pages/pipelines/ui/pipeline_sub_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScopedValueRollback>

#include "model/real_text.h"

namespace nastrum {

PipelineSubPage::PipelineSubPage(std::shared_ptr<PipelinePageRules> page, const QString& suffix, QWidget* parent)
    : QWidget(parent),
      page_(std::move(page)),
      separator_(systemDecimalSeparator()),
      header_(new QWidget(this)),
      headerLayout_(new QHBoxLayout(header_)),
      number_(new NumberBox(QStringLiteral("pipeNumber") + suffix, header_)),
      medium_(new PipelineChoiceBox(QStringLiteral("pipeMedium") + suffix, header_)),
      mediumError_(new QLabel(errorText(), header_)),
      name_(new NameEdit(QStringLiteral("pipeName") + suffix, header_)) {
  header_->setObjectName(QStringLiteral("pipeHeader") + suffix);
  auto* numberLabel = new QLabel(QStringLiteral("№ трубопровода"), header_);
  auto* mediumLabel = new QLabel(QStringLiteral("тип"), header_);
  auto* nameLabel = new QLabel(QStringLiteral("Имя трубопровода:"), header_);
  numberLabel->setBuddy(number_);
  mediumLabel->setBuddy(medium_);
  nameLabel->setBuddy(name_);
  mediumError_->setObjectName(QStringLiteral("pipeMediumError") + suffix);
  mediumError_->setStyleSheet(QStringLiteral("color: red"));
  mediumError_->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{numberLabel, number_, mediumLabel, medium_, mediumError_,
                                                    nameLabel, name_})
    headerLayout_->addWidget(w);
  headerLayout_->addStretch();

  connect(number_, &QSpinBox::valueChanged, this, [this](int n) { page_->showPipeline(n); });
  connect(number_, &QAbstractSpinBox::editingFinished, this, [this] {
    if (number_->text().isEmpty()) {
      page_->showNumberText(number_->text());
      showCurrent();
    }
  });
  connect(medium_, &PipelineChoiceBox::picked, this, [this] { chosen(page_->chooseMedium(medium_->code())); });
  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    typed([this, text] {
      page_->setName(text);
      return true;
    });
  });
  connect(page_.get(), &PipelinePageRules::changed, this, &PipelineSubPage::onPageChanged);
}

PipelineSubPage::~PipelineSubPage() {
  // Losing the focus while the window is torn down finishes the number
  // field's editing; this page is gone by then.
  number_->disconnect(this);
}

void PipelineSubPage::showCurrent() {
  const PipelineView view = page_->prepareView();
  number_->showNumber(view.number);
  medium_->fill(view.medium);
  mediumError_->setVisible(view.medium.error);
  name_->showName(view.name);
  fillBody(view);
}

void PipelineSubPage::onPageChanged() {
  if (!typing_) showCurrent();
}

void PipelineSubPage::typed(const std::function<bool()>& change, const std::function<void()>& refused) {
  bool accepted = false;
  {
    const QScopedValueRollback guard(typing_, true);
    accepted = change();
  }
  if (!accepted && refused) refused();
  if (page_->takeChange()) emit imageEdited();
}

void PipelineSubPage::chosen(bool accepted) {
  const bool changed = page_->takeChange();
  if (!accepted)
    showCurrent();
  else if (changed)
    emit imageEdited();
}

}  // namespace nastrum
