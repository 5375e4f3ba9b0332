#include "help_desk.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTabWidget>

#include "app/help/help_location.h"
#include "app/help/help_topics.h"
#include "app/help/help_window.h"
#include "editor/ui/base_form.h"
#include "model/message_catalogue.h"
#include "model/message_presenter.h"

namespace nastrum {

namespace {

// The page of a window: its own, or that of the nearest window it belongs to.
QString pageOfWindow(const QWidget* window) {
  for (const QWidget* w = window; w; w = w->parentWidget()) {
    const QString page = helpPageForName(w->objectName());
    if (!page.isEmpty()) return page;
  }
  return {};
}

}  // namespace

HelpDesk::HelpDesk(Tbase_form& mainWindow, MessagePresenter& messages, QStringList helpDirs)
    : main_(mainWindow), messages_(messages), helpDirs_(std::move(helpDirs)) {
  connect(&main_, &Tbase_form::helpRequested, this, &HelpDesk::showCurrentPage);
  connect(&main_, &Tbase_form::helpContentsRequested, this, &HelpDesk::showContents);
  // F1 in any window of the program, modal ones included.
  qApp->installEventFilter(this);
}

HelpDesk::~HelpDesk() {
  qApp->removeEventFilter(this);
  delete window_.data();
}

bool HelpDesk::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
      static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier && watched->isWidgetType()) {
    const QWidget* target = static_cast<QWidget*>(watched)->window();
    if (target != window_.data()) {
      showCurrentPage();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

QString HelpDesk::mainWindowPage() const {
  // The tab shown: of the editor pages (the pipeline tab by its inner tab)
  // or of the view pages; without an image, the main window's own page.
  const QTabWidget* tabs = nullptr;
  if (main_.editorPages()->isVisibleTo(&main_)) tabs = main_.editorPages();
  else if (main_.viewPages()->isVisibleTo(&main_)) tabs = main_.viewPages();
  if (!tabs || !tabs->currentWidget()) return kHelpMainWindowPage;
  QString name = tabs->currentWidget()->objectName();
  if (tabs == main_.editorPages() && tabs->currentWidget()->isAncestorOf(main_.pipelinePages()) &&
      main_.pipelinePages()->currentWidget())
    name = main_.pipelinePages()->currentWidget()->objectName();
  const QString page = helpPageForName(name);
  return page.isEmpty() ? kHelpMainWindowPage : page;
}

QString HelpDesk::currentPage() const {
  const QWidget* active = QApplication::activeModalWidget();
  if (!active) active = QApplication::activeWindow();
  if (active && active != &main_ && active != window_.data()) {
    const QString page = pageOfWindow(active);
    if (!page.isEmpty() && page != kHelpMainWindowPage) return page;
  }
  return mainWindowPage();
}

void HelpDesk::showCurrentPage() { show(currentPage()); }

void HelpDesk::showContents() { show(kHelpContentsPage); }

HelpWindow* HelpDesk::window() const { return window_.data(); }

void HelpDesk::show(const QString& page) {
  const QString dir = findHelpDir(helpDirs_);
  if (dir.isEmpty()) {
    QStringList searched;
    for (const QString& d : helpDirs_) searched << QDir::toNativeSeparators(d);
    messages_.present(programMessage(
        QStringLiteral("Справка не найдена. Она искалась в папках:\n") + searched.join(QLatin1Char('\n')),
        MessageIcon::Warning));
    return;
  }
  if (!window_) window_ = new HelpWindow(dir);
  // Over a modal window the help is its child, so it still takes the keyboard and the mouse.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal && window_->parentWidget() != modal && modal != window_.data()) window_->setParent(modal, Qt::Window);
  else if (!modal && window_->parentWidget()) window_->setParent(nullptr, Qt::Window);
  window_->showPage(page);
}

}  // namespace nastrum
