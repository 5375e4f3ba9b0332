#include "help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/help/help_topics.h"

namespace nastrum {

HelpWindow::HelpWindow(const QString& helpDir, QWidget* parent)
    : QWidget(parent, Qt::Window), helpDir_(helpDir) {
  setObjectName(QStringLiteral("helpWindow"));
  setWindowTitle(QStringLiteral("Справка по программе Наструм ОРВИК"));
  resize(760, 620);

  contents_ = new QPushButton(QStringLiteral("&Содержание"), this);
  contents_->setObjectName(QStringLiteral("helpContentsButton"));
  back_ = new QPushButton(QStringLiteral("&Назад"), this);
  back_->setObjectName(QStringLiteral("helpBackButton"));
  forward_ = new QPushButton(QStringLiteral("&Вперёд"), this);
  forward_->setObjectName(QStringLiteral("helpForwardButton"));
  back_->setEnabled(false);
  forward_->setEnabled(false);

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  browser_->setAccessibleName(QStringLiteral("Текст справки"));
  browser_->setSearchPaths({helpDir_});
  browser_->setOpenExternalLinks(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents_);
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_, 1);
  setTabOrder(contents_, back_);
  setTabOrder(back_, forward_);
  setTabOrder(forward_, browser_);

  connect(contents_, &QPushButton::clicked, this, [this] { showPage(kHelpContentsPage); });
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Справка по программе Наструм ОРВИК")
                                   : QStringLiteral("Справка по программе Наструм ОРВИК - ") + title);
  });
}

QString HelpWindow::showPage(const QString& page) {
  const QDir dir(helpDir_);
  const QString shown = QFileInfo(dir.filePath(page)).isFile() ? page : kHelpContentsPage;
  browser_->setSource(QUrl::fromLocalFile(dir.filePath(shown)));
  show();
  raise();
  activateWindow();
  browser_->setFocus();
  return shown;
}

}  // namespace nastrum
