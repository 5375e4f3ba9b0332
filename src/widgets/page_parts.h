// Small builders the page windows share: a caption that names its field, a
// list box already filled, named containers that tests find by name, and the
// scroll area a tall page lives in.
#pragma once

#include <QString>

class QGroupBox;
class QLabel;
class QScrollArea;
class QWidget;

namespace nastrum {

class ChoiceBox;
class ChoiceList;

// A caption that names its field for the keyboard and the screen reader.
QLabel* captionFor(const QString& text, QWidget* field, QWidget* parent);

// A list box named `objectName` that offers `choices`.
ChoiceBox* choiceBox(const QString& objectName, const ChoiceList& choices, QWidget* parent);

QGroupBox* namedGroup(const QString& objectName, const QString& title, QWidget* parent);
QWidget* namedPart(const QString& objectName, QWidget* parent);

// A borderless scroll area for a whole page: it asks for room for the page
// as the page would have it, and scrolls, never squeezing a control below its
// natural size, where the window is smaller. Set the page with setWidget().
QScrollArea* wholePageScrollArea(QWidget* parent);

// Fills `page` with a borderless scroll area and gives the widget inside it,
// on which the page lays out its controls.
QWidget* scrolledContent(QWidget* page);

}  // namespace nastrum
