// The help of the program: answers "Справка по программе Наструм ОРВИК" and
// F1 with the page of the current tab or window, "Содержание..." with the
// contents, in one HelpWindow. When no help folder is found, a message says
// where the pages were looked for.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QWidget;

namespace nastrum {

class HelpWindow;
class MessagePresenter;
class Tbase_form;

class HelpDesk : public QObject {
  Q_OBJECT

 public:
  HelpDesk(Tbase_form& mainWindow, MessagePresenter& messages, QStringList helpDirs);
  ~HelpDesk() override;

  // The page of the active window, or of the main window's current tab.
  QString currentPage() const;
  void showCurrentPage();
  void showContents();
  // Made at the first page shown; null until then.
  HelpWindow* window() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void show(const QString& page);
  QString mainWindowPage() const;

  Tbase_form& main_;
  MessagePresenter& messages_;
  QStringList helpDirs_;
  // Parentless, or a child of the modal window it was opened over (which may
  // take it along when it goes).
  QPointer<HelpWindow> window_;
};

}  // namespace nastrum
