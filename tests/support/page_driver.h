// One page widget over a workspace of its own, as the main window holds it:
// the page's edits reach a settings document, which keeps the modified flag.
// A page test's fixture derives from it and adds what its page needs:
//
//   struct Page : testing::PageDriver<SensorPageWidget> {
//     Page() { open(std::make_unique<SensorPageWidget>(ws, boxes, QChar(u','), nullptr)); }
//   };
#pragma once

#include <memory>

#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include "editor/workflow/settings_document.h"
#include "model/workspace.h"
#include "support/scripted_presenter.h"
#include "support/widget_application.h"
#include "widgets/choice_box.h"

namespace nastrum::testing {

template <typename Widget>
class PageDriver {
 private:
  Workspace own_;

 public:
  PageDriver() : ws(own_) {}
  // Over a workspace the test holds.
  explicit PageDriver(Workspace& workspace) : ws(workspace) {}

  QApplication& app = widgetApplication();  // before any widget
  Workspace& ws;
  ScriptedPresenter boxes;
  SettingsDocument document{ws};
  std::unique_ptr<Widget> widget;

  // Takes the page, made over `ws` and `boxes`; its edits mark the document.
  Widget& open(std::unique_ptr<Widget> page) {
    widget = std::move(page);
    QObject::connect(widget.get(), &Widget::imageEdited, &document, &SettingsDocument::markModified);
    return *widget;
  }

  bool modified() const { return document.isModified(); }

  template <typename T = QWidget>
  T* find(const QString& name) const {
    T* found = widget->template findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
  }
  bool visible(const QString& name) const { return !find<QWidget>(name)->isHidden(); }
  // Chooses a list item by its text, as the user does.
  bool choose(const QString& name, const QString& text) const {
    ChoiceBox* box = find<ChoiceBox>(name);
    const bool found = box && box->chooseText(text);
    EXPECT_TRUE(found) << name.toStdString() << ": " << text.toStdString();
    return found;
  }
  // Types into a field key by key, through the field's filter (any alphabet:
  // QTest knows Latin keys only).
  void typeKeys(const QString& name, const QString& text) const { typeKeysInto(find<QWidget>(name), text); }
  static void typeKeysInto(QWidget* field, const QString& text) {
    for (QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(field, &press);
    }
  }
};

}  // namespace nastrum::testing
