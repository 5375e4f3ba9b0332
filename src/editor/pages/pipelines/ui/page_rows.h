// Rows of caption, control and "ОШИБКА" marker in a grid, as both pipeline
// sub-pages lay them out; a row shows or hides as a whole with its view.
#pragma once

#include <QGridLayout>
#include <QLabel>

#include "editor/pages/pipelines/pipeline_view.h"
#include "editor/pages/pipelines/ui/field_edits.h"

namespace nastrum {

struct ListRow {
  QLabel* label = nullptr;
  PipelineChoiceBox* box = nullptr;
  QLabel* error = nullptr;  // "ОШИБКА" beside the list
  void fill(const ListView& view);
  void fill(const ListView& view, const QString& caption);
};

struct RealRow {
  QLabel* label = nullptr;
  RealEdit* edit = nullptr;
  PipelineReal field{};
  void fill(const PipelineView& view);
};

// A grid of rows: caption | control | error marker | an optional second control.
class FormRows {
 public:
  explicit FormRows(QWidget* parent);
  ListRow addList(const QString& caption, const QString& objectName);
  RealRow addReal(const QString& caption, const QString& objectName, PipelineReal field, QChar separator);
  // A control placed to the right of the last row (shown and hidden by its owner).
  void addBeside(QWidget* control);
  QGridLayout* grid() const { return grid_; }
  QWidget* widget() const { return parent_; }

 private:
  QWidget* parent_;
  QGridLayout* grid_;
};

}  // namespace nastrum
