// A titled group of radio buttons addressed by item index, like the radio
// groups of the program's windows. `itemClicked` comes only from the user.
#pragma once

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace nastrum {

class RadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  RadioGroup(const QString& objectName, const QString& title, const QStringList& items, QWidget* parent = nullptr);

  int itemIndex() const { return buttons_.checkedId(); }
  void setItemIndex(int index);  // programmatic: no itemClicked
  int count() const { return static_cast<int>(buttons_.buttons().size()); }
  QString itemText(int index) const;
  // Clicks the item as the user would (tests, and callers that run the click action).
  void clickItem(int index);

 signals:
  void itemClicked(int index);

 private:
  QButtonGroup buttons_;
};

}  // namespace nastrum
