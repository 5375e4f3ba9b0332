#include "editor/pages/view/ui/cell_key_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace nastrum {

bool CellKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  // Control keys (backspace, arrows, Enter) and shortcuts are not typed characters.
  if (text.size() != 1 || !text[0].isPrint() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
    return false;
  const std::optional<QChar> mapped = rule_(text[0]);
  if (!mapped) {
    QApplication::beep();
    return true;
  }
  if (*mapped == text[0]) return false;
  if (auto* edit = qobject_cast<QLineEdit*>(watched)) edit->insert(QString(*mapped));
  return true;
}

}  // namespace nastrum
