// What both sub-pages of the "Трубопроводы" tab share: the header with the
// pipeline number, type and name, the one PipelinePageRules they both follow, and
// the editing pattern (fill with signals blocked, every user change written
// at once, `imageEdited` after it).
#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "editor/pages/pipelines/pipeline_page.h"
#include "editor/pages/pipelines/ui/field_edits.h"

class QHBoxLayout;
class QLabel;

namespace nastrum {

class PipelineSubPage : public QWidget {
  Q_OBJECT
 public:
  // Fills the controls from the image for the current pipeline; never marks
  // the image modified.
  void showCurrent();
  PipelinePageRules& page() const { return *page_; }
  ~PipelineSubPage() override;

 signals:
  // The user changed the image (Modified is already set).
  void imageEdited();

 protected:
  // `suffix` tells the header controls of the two sub-pages apart.
  PipelineSubPage(std::shared_ptr<PipelinePageRules> page, const QString& suffix, QWidget* parent);
  std::shared_ptr<PipelinePageRules> sharedPage() const { return page_; }

  virtual void fillBody(const PipelineView& view) = 0;

  // A typed change: this page keeps its texts as typed while the other follows.
  void typed(const std::function<bool()>& change, const std::function<void()>& refused = {});
  // A choice: accepted ones were written (every page refreshes through the
  // PipelinePageRules); refused ones restore this page's controls.
  void chosen(bool accepted);
  void edited() { chosen(true); }

  QWidget* header() const { return header_; }
  QHBoxLayout* headerLayout() const { return headerLayout_; }
  QChar separator() const { return separator_; }

 private:
  void onPageChanged();

  std::shared_ptr<PipelinePageRules> page_;
  QChar separator_;
  QWidget* header_;
  QHBoxLayout* headerLayout_;
  NumberBox* number_;
  PipelineChoiceBox* medium_;
  QLabel* mediumError_;
  NameEdit* name_;
  bool typing_ = false;
};

}  // namespace nastrum
