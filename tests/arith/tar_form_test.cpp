// The arithmetic actions window driven through its controls: what it stores
// on closing, its formula line, its corrections and its operand lists.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "arith/ui/tar_form.h"
#include "widgets/choice_box.h"
#include "support/fresh_image.h"
#include "support/widget_application.h"

namespace nastrum {
namespace {

struct Window {
  Window() {
    widgetApplication();
    ws.image = testing::freshImage(3);
    ws.image.sensors[0].mainDescriptor = 0x8000;  // the summation sensor being edited
    ws.image.sensors[5].mainDescriptor = 0x9101;
    ws.image.sensors[7].mainDescriptor = 0xC350;
    form = std::make_unique<TarForm>(ws, QChar(u','));
  }
  template <typename T>
  T* find(const char* name) {
    T* w = form->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void choose(const char* name, const QString& text) { EXPECT_TRUE(find<ChoiceBox>(name)->chooseText(text)) << name; }
  void type(const char* name, const QString& text) {
    QLineEdit* edit = find<QLineEdit>(name);
    edit->clear();
    for (QChar ch : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
      QApplication::sendEvent(edit, &press);
    }
  }
  QString formula() { return find<QLabel>("formulaLine")->text(); }

  Workspace ws;
  std::unique_ptr<TarForm> form;
};

TEST(TarForm, ControlsBecomeTheSensorsWordsOnClosing) {
  Window w;
  w.form->fill(0);
  w.form->prepareToOpen();
  w.choose("operandX", "5");
  w.type("constantA", "0.5");
  w.choose("operation1", "X + A");
  w.choose("operandY", "7");
  w.type("constantB", "0,1");
  w.choose("operation2", "Y * B");
  w.choose("combine12", "1 + 2");
  w.find<QRadioButton>("signAbsolute")->click();
  EXPECT_EQ(w.formula(), "R = | ((X + 0,5) + (Y * 0,1)) |");
  w.form->done(QDialog::Accepted);
  const SensorRecord& s = w.ws.image.sensors[0];
  EXPECT_EQ(s.auxDescriptor, 0xC980);
  EXPECT_DOUBLE_EQ(s.const1, 5.5);
  EXPECT_DOUBLE_EQ(s.const2, 7.1);

  // Filled again, the window shows what was entered.
  w.form->fill(0);
  EXPECT_EQ(w.find<ChoiceBox>("operandX")->currentText(), "5");
  EXPECT_EQ(w.find<QLineEdit>("constantA")->text(), "0,5");
  EXPECT_EQ(w.find<ChoiceBox>("operation2")->currentText(), "Y * B");
  EXPECT_TRUE(w.find<QRadioButton>("signAbsolute")->isChecked());
}

TEST(TarForm, ConstantFieldsAreCorrectedAsTyped) {
  Window w;
  w.form->fill(0);
  w.form->prepareToOpen();
  w.choose("operation1", "X * A");
  w.type("constantA", "3");
  EXPECT_EQ(w.find<QLineEdit>("constantA")->text(), "0");
  EXPECT_EQ(w.formula(), "R = (X * 1)");
  w.type("constantA", "-");
  EXPECT_EQ(w.find<QLineEdit>("constantA")->text(), "0");
  w.type("constantA", "x0,25");  // letters never enter
  QLineEdit* a = w.find<QLineEdit>("constantA");
  a->setCursorPosition(0);  // a sign goes in front of a number
  QKeyEvent minus(QEvent::KeyPress, Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"));
  QApplication::sendEvent(a, &minus);
  EXPECT_EQ(a->text(), "-0,25");
  EXPECT_EQ(w.formula(), "R = (X * (-0,25))");
}

TEST(TarForm, OperandListsAndCaptionsFollowTheSource) {
  Window w;
  w.ws.image.sensors[0].auxDescriptor = 0x4000;  // "X + A"
  w.ws.image.sensors[0].const1 = 9.5;            // sensor 9 has gone since
  w.form->fill(0);
  w.form->prepareToOpen();
  QStringList items;
  auto* x = w.find<ChoiceBox>("operandX");
  for (int i = 0; i < x->count(); ++i) items << x->itemText(i);
  EXPECT_EQ(items, (QStringList{"нет", "5", "7", "9"}));
  EXPECT_EQ(x->currentText(), "9");
  EXPECT_EQ(w.form->windowTitle(), "Арифметические действия над значениями датчиков");

  w.ws.image.sensors[0].mainDescriptor = 0x8010;  // pipeline flows
  w.ws.image.pipelines[3].mainDescriptor = 0x1200;
  w.form->fill(0);
  w.form->prepareToOpen();
  EXPECT_EQ(w.form->windowTitle(), "Арифметические действия над значениями труб-в");
  EXPECT_EQ(w.find<ChoiceBox>("operandY")->itemText(1), "3");
  w.form->show();
  w.form->close();  // the close box stores as well
  EXPECT_EQ(w.ws.image.sensors[0].const1, 9.5);
  EXPECT_EQ(w.ws.image.sensors[0].auxDescriptor, 0x4000);
}

TEST(TarForm, TheSensorItselfIsNeverAnOperandOnOffer) {
  Window w;
  auto& self = w.ws.image.sensors[5];
  self.mainDescriptor = 0x8000;
  self.auxDescriptor = 0x4000;  // "X + A"
  self.const1 = 5.5;            // X names the sensor itself
  w.form->fill(5);
  w.form->prepareToOpen();
  auto* x = w.find<ChoiceBox>("operandX");
  for (int i = 0; i < x->count(); ++i) EXPECT_NE(x->itemText(i), "5");
  EXPECT_EQ(x->currentText(), "ОШИБКА");
  w.type("constantA", "0,25");  // an edit elsewhere keeps the stored operand
  w.form->done(QDialog::Accepted);
  EXPECT_EQ(self.const1, 5.25);

  w.form->fill(5);
  w.form->prepareToOpen();
  w.choose("operandX", "7");
  w.form->done(QDialog::Accepted);
  EXPECT_EQ(self.const1, 7.25);
}

}  // namespace
}  // namespace nastrum
