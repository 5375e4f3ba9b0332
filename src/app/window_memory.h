// Keeps the size and place of the program's windows between starts: a window
// named here gets back, at its first showing, where it was when it was last
// hidden. The windows themselves know nothing of it.
#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>

class QSettings;
class QWidget;

namespace nastrum {

class WindowMemory : public QObject {
  Q_OBJECT

 public:
  // Nothing is remembered without `settings`; it must outlive this object.
  WindowMemory(QSettings* settings, QStringList windowNames, QObject* parent = nullptr);
  ~WindowMemory() override;

  // Puts `window` where it was last; false when nothing was stored for it.
  bool restore(QWidget& window);
  void save(const QWidget& window);
  // Every named window still shown (the program is ending).
  void saveShown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool named(const QObject* object) const;

  QSettings* settings_;
  QStringList names_;
  QSet<const QObject*> placed_;  // restored once each; a window shown again stays where the user left it
};

}  // namespace nastrum
