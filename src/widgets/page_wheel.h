// The wheel over an entry control scrolls the page the control sits on, as
// over any other part of it: turning it while scrolling never changes a
// stored value. Lists and number boxes change by their own arrows, keys and
// open list only.
#pragma once

class QAbstractSpinBox;
class QWheelEvent;
class QWidget;

namespace nastrum {

// Hands `event`, received by `control`, to the scroll area around it (or
// lets it go on to the parents when there is none).
void sendWheelToPage(QWidget* control, QWheelEvent* event);

// A number box that would step its value on the wheel passes it on instead.
void letWheelScrollPage(QAbstractSpinBox* box);

}  // namespace nastrum
