// The help window: the pages of the user guide in a QTextBrowser, with
// "Содержание", "Назад" and "Вперёд". One window, raised again for each page.
#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace nastrum {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // `helpDir` holds the pages; links between them are relative to it.
  explicit HelpWindow(const QString& helpDir, QWidget* parent = nullptr);

  // Shows a page of the help folder ("page_sensors.html"); a name the folder
  // lacks shows the contents instead. Returns the page shown.
  QString showPage(const QString& page);
  QTextBrowser* browser() const { return browser_; }

 private:
  QString helpDir_;
  QTextBrowser* browser_ = nullptr;
  QPushButton* contents_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* forward_ = nullptr;
};

}  // namespace nastrum
