// The offscreen platform given one 1280×800 screen, and the checks that an
// editor page has the room it asks for on it.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>

#include "editor/ui/base_form.h"
#include "support/widget_application.h"

namespace nastrum::testing {

// Made before the executable's one QApplication: the offscreen platform
// reads its screens from this file.
inline QApplication& applicationOn1280x800() {
  static QTemporaryDir dir;
  static const bool configured = [] {
    QFile config(dir.filePath(QStringLiteral("screen.json")));
    if (!config.open(QIODevice::WriteOnly)) return false;
    config.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1280, "height": 800,
                                  "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
    return true;
  }();
  EXPECT_TRUE(configured);
  return widgetApplication();
}

// Lets the layouts settle after the shown object changed.
inline void settleLayouts() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Every list, field, button and caption shown on `tab` has at least its
// natural height, and a caption on one line its natural width (nothing cut).
inline void expectNothingSqueezed(QWidget* tab, const std::string& where = {}) {
  settleLayouts();
  const std::string page = where.empty() ? tab->objectName().toStdString() : where;
  for (auto* field : tab->findChildren<QWidget*>()) {
    if (!field->isVisible()) continue;
    // The line edit inside a spin or combo box is sized by its box.
    if (qobject_cast<QAbstractSpinBox*>(field->parentWidget()) || qobject_cast<QComboBox*>(field->parentWidget()))
      continue;
    const std::string name = page + " " + field->objectName().toStdString();
    if (qobject_cast<QComboBox*>(field) || qobject_cast<QLineEdit*>(field) || qobject_cast<QAbstractSpinBox*>(field) ||
        qobject_cast<QAbstractButton*>(field)) {
      EXPECT_GE(field->height(), field->minimumSizeHint().height()) << name;
    }
    if (qobject_cast<QComboBox*>(field)) {
      EXPECT_GE(field->height(), field->sizeHint().height()) << name;
    }
    if (qobject_cast<QListWidget*>(field)) {
      EXPECT_GE(field->height(), field->minimumSizeHint().height()) << name;
    }
    if (auto* label = qobject_cast<QLabel*>(field); label && !label->text().isEmpty()) {
      EXPECT_GE(label->height(), label->minimumSizeHint().height()) << name << " " << label->text().toStdString();
      if (!label->wordWrap()) {
        EXPECT_GE(label->width(), label->minimumSizeHint().width()) << name << " " << label->text().toStdString();
      }
    }
  }
}

// The page on `tab` is shown whole: no scroll area on it needs more room
// than its viewport has, so none shows a scroll bar (the sizes decide; the
// bars themselves follow a layout pass later).
inline void expectShownWhole(QWidget* tab, const std::string& where = {}) {
  settleLayouts();
  const std::string page = where.empty() ? tab->objectName().toStdString() : where;
  for (QScrollArea* area : tab->findChildren<QScrollArea*>()) {
    if (!area->isVisible() || !area->widget()) continue;
    const QSize wanted = area->widget()->sizeHint();
    const QSize room = area->viewport()->size();
    EXPECT_TRUE(wanted.width() <= room.width() && wanted.height() <= room.height())
        << page << " wants " << wanted.width() << "x" << wanted.height() << ", has " << room.width() << "x"
        << room.height();
  }
}

// Every editor page in turn, the pipeline tab's two pages among them.
template <typename Check>
void forEachEditorPage(Tbase_form& form, Check check) {
  QTabWidget* tabs = form.editorPages();
  for (int i = 0; i < tabs->count(); ++i) {
    if (!tabs->isTabVisible(i)) continue;
    tabs->setCurrentIndex(i);
    if (!tabs->widget(i)->isAncestorOf(form.pipelinePages())) {
      check(tabs->widget(i));
      continue;
    }
    for (int j = 0; j < form.pipelinePages()->count(); ++j) {
      form.pipelinePages()->setCurrentIndex(j);
      check(form.pipelinePages()->widget(j));
    }
  }
}

}  // namespace nastrum::testing
