// Qt's own windows speak Russian: the program's start installs Qt's Russian
// translations, so a file window's buttons and a date read as a Russian user
// expects. Started as under a Russian desktop (LANG=ru_RU.UTF-8).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLocale>
#include <QPushButton>

#include "app/russian_language.h"
#include "check/check_report.h"
#include "support/widget_application.h"

namespace nastrum::testing {
namespace {

QApplication& russianApplication() {
  static const bool started = [] {
    qputenv("LANG", "ru_RU.UTF-8");
    return installRussian(widgetApplication());
  }();
  EXPECT_TRUE(started) << "Qt's Russian translations (qt6-translations-l10n) are not installed";
  return widgetApplication();
}

TEST(RussianDialogs, TheFileWindowsButtonsAreInRussian) {
  russianApplication();
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QStringList texts;
  for (QAbstractButton* b : buttons->buttons()) texts << b->text().remove(QLatin1Char('&'));
  EXPECT_TRUE(texts.contains(QStringLiteral("Открыть"))) << texts.join(u'|').toStdString();
  EXPECT_TRUE(texts.contains(QStringLiteral("Отмена"))) << texts.join(u'|').toStdString();
}

TEST(RussianDialogs, DatesAreRussian) {
  russianApplication();
  EXPECT_EQ(QLocale().toString(QDate(2026, 12, 10), QStringLiteral("dddd, d MMMM yyyy")),
            QStringLiteral("четверг, 10 декабря 2026"));
  // The check report's date line, whatever the system's language.
  EXPECT_EQ(reportDateTime(QDateTime(QDate(2026, 12, 10), QTime(14, 5))),
            QStringLiteral("четверг, 10 декабря 2026 14:05"));
}

}  // namespace
}  // namespace nastrum::testing
