#include "app/window_memory.h"

#include <QApplication>
#include <QEvent>
#include <QSettings>
#include <QWidget>

namespace nastrum {

namespace {

QString key(const QWidget& window) { return QStringLiteral("windows/") + window.objectName(); }

}  // namespace

WindowMemory::WindowMemory(QSettings* settings, QStringList windowNames, QObject* parent)
    : QObject(parent), settings_(settings), names_(std::move(windowNames)) {
  if (settings_) qApp->installEventFilter(this);
}

WindowMemory::~WindowMemory() {
  if (settings_) qApp->removeEventFilter(this);
}

bool WindowMemory::restore(QWidget& window) {
  placed_.insert(&window);
  connect(&window, &QObject::destroyed, this, [this, w = &window] { placed_.remove(w); });
  if (!settings_) return false;
  const QByteArray geometry = settings_->value(key(window)).toByteArray();
  return !geometry.isEmpty() && window.restoreGeometry(geometry);
}

void WindowMemory::save(const QWidget& window) {
  if (settings_) settings_->setValue(key(window), window.saveGeometry());
}

void WindowMemory::saveShown() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (named(window) && window->isVisible()) save(*window);
}

bool WindowMemory::named(const QObject* object) const {
  return object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow() &&
         names_.contains(object->objectName());
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if ((type == QEvent::Show || type == QEvent::Hide) && named(watched)) {
    auto* window = static_cast<QWidget*>(watched);
    if (type == QEvent::Hide) save(*window);
    else if (!placed_.contains(window)) restore(*window);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace nastrum
