// Small input controls of the pipeline page that filter keys as the editor's
// conventions ask: a list that takes no typing, real fields that turn "," and
// "." into the decimal separator, a name field under the name rule, and an
// object-number box that takes digits only.
#pragma once

#include <QLineEdit>
#include <QSpinBox>

#include "widgets/choice_box.h"
#include "editor/pages/pipelines/pipeline_view.h"

namespace nastrum {

// The shared list box (keys and wheel as on every page), filled from a
// list view of the pipeline page.
class PipelineChoiceBox : public ChoiceBox {
  Q_OBJECT
 public:
  explicit PipelineChoiceBox(const QString& objectName, QWidget* parent = nullptr);
  // Fills the items and the selection of a list view (signals blocked).
  void fill(const ListView& view);
  // The code of the selected item, `fallback` when none is selected.
  int code(int fallback = -1) const;
  // Chooses the item with this text as the user would (tests, keyboard macros).
  void choose(const QString& text);

 signals:
  // The user picked an item other than the one shown: the item shown picked
  // again is no choice, so it writes nothing.
  void picked();

 private:
  QStringList texts() const;
  ChoiceList choices_;
  int shownIndex_ = -1;
};

// A real field: digits, the separator (typed as "," or "."), and "-" where signed.
class RealEdit : public QLineEdit {
  Q_OBJECT
 public:
  RealEdit(const QString& objectName, bool signedReal, QChar separator, QWidget* parent = nullptr);
  // Shows a text without it counting as typing.
  void showText(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool signed_;
  QChar separator_;
};

// A name field: "|" and characters the device cannot show are refused, and
// the maximum length follows the "ы"/"Ы" in the name.
class NameEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit NameEdit(const QString& objectName, QWidget* parent = nullptr);
  void showName(const QString& name);  // signals blocked
  void updateMaxLength();
};

// An object-number box: buttons step without limit, typing takes digits only;
// the page wraps the number it is given.
class NumberBox : public QSpinBox {
  Q_OBJECT
 public:
  explicit NumberBox(const QString& objectName, QWidget* parent = nullptr);
  void showNumber(int n);  // signals blocked

 protected:
  QValidator::State validate(QString& text, int& pos) const override;
};

}  // namespace nastrum
