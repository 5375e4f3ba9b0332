#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <functional>
#include <string>

#include "editor/ui/base_form.h"
#include "editor/ui/scripted_file_dialogs.h"
#include "model/settings_record.h"
#include "support/scripted_presenter.h"
#include "support/temp_current_dir.h"
#include "support/widget_application.h"

using namespace nastrum;

namespace {

class BaseFormTest : public ::testing::Test {
 protected:
  // As the write action does once it is wired in.
  BaseFormTest() { form.setWriteAvailable(true); }

  template <typename T = QWidget>
  T* find(const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QAction* action(const char* name) { return find<QAction>(name); }
  QAction* menu(const char* name) { return find<QMenu>(name)->menuAction(); }
  bool shown(const char* name) { return find(name)->isVisibleTo(&form); }
  bool enabled(const char* name) { return action(name)->isEnabled(); }
  // A tool bar lays its buttons out only once shown; its action tells the visibility.
  bool buttonShown(const char* name) { return action((std::string(name) + "_action").c_str())->isVisible(); }

  void newImage(Word kind) {
    action("newAction")->trigger();
    const char* radios[] = {"radioMinimal", "radioExpandable", "radioLarge"};
    find<QRadioButton>(radios[kind - 1])->click();
    find<QPushButton>("typeOk")->click();
  }

  QApplication& app = widgetApplication();
  TempCurrentDir dir;
  Workspace ws;
  ScriptedPresenter boxes;
  ScriptedFileDialogs files;
  Tbase_form form{ws, boxes, files};
};

}  // namespace

TEST_F(BaseFormTest, StartShowsOnlyTheFileOperationsThatNeedNoImage) {
  EXPECT_EQ(form.objectName(), QStringLiteral("Tbase_form"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Наструм - ОРВИК"));
  EXPECT_TRUE(menu("fileMenu")->isVisible());
  EXPECT_TRUE(menu("helpMenu")->isVisible());
  EXPECT_FALSE(menu("paramsMenu")->isVisible());
  EXPECT_FALSE(menu("mapsMenu")->isVisible());
  for (const char* name : {"newAction", "openAction", "linkParamsAction", "readAction", "exitAction"})
    EXPECT_TRUE(enabled(name) && action(name)->isVisible()) << name;
  for (const char* name : {"saveAction", "saveAsAction", "writeAction"}) EXPECT_FALSE(enabled(name)) << name;
  EXPECT_FALSE(action("closeAction")->isVisible());
  EXPECT_TRUE(shown("ToolBar1"));
  EXPECT_FALSE(find("save_b")->isEnabled());
  EXPECT_FALSE(find("zapis_b")->isEnabled());
  for (const char* name : {"tool_b", "prosmotr_b", "logik_b"}) EXPECT_FALSE(buttonShown(name)) << name;
  for (const char* name : {"typeGroup", "editorPages", "viewPages", "diagEdit1", "diagEdit2", "diagMemo"})
    EXPECT_FALSE(shown(name)) << name;
}

TEST_F(BaseFormTest, ToolButtonsCarryTheirHintsForFifteenSeconds) {
  const std::pair<const char*, const char*> buttons[] = {
      {"new_b", "Новый файл"},        {"open_b", "Открыть файл"},
      {"save_b", "Сохранить файл"},   {"nastr_b", "Параметры обмена"},
      {"read_b", "Чтение с ОРВИК"},   {"zapis_b", "Запись в ОРВИК"},
      {"tool_b", "Настройки"},        {"prosmotr_b", "Просмотреть настройки"},
      {"logik_b", "Проверка настроек"},
  };
  for (const auto& [name, hint] : buttons) {
    auto* button = find<QToolButton>(name);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint)) << name;
    EXPECT_EQ(button->toolTipDuration(), 15000) << name;
  }
  EXPECT_EQ(action("newAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
  EXPECT_EQ(action("openAction")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(action("saveAction")->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_EQ(action("exitAction")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
  EXPECT_EQ(action("proverka")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
}

TEST_F(BaseFormTest, NewImageOfEachKindThroughTheKindGroup) {
  struct Case {
    Word kind;
    const char* title;
    bool regulators, regulatorsDesktop, map10, map11;
  };
  const Case cases[] = {
      {1, "Наструм - ОРВИК минимальный: adjustment_0", false, false, false, false},
      {2, "Наструм - ОРВИК расширяемый: adjustment_0", true, false, true, false},
      {3, "Наструм - ОРВИК 9: adjustment_0", false, true, false, true},
  };
  for (const Case& c : cases) {
    action("newAction")->trigger();
    EXPECT_TRUE(shown("typeGroup"));
    EXPECT_FALSE(menu("fileMenu")->isVisible());
    EXPECT_FALSE(menu("helpMenu")->isVisible());
    EXPECT_FALSE(shown("ToolBar1"));
    EXPECT_TRUE(find<QRadioButton>("radioExpandable")->isChecked());
    find<QPushButton>("typeCancel")->click();

    newImage(c.kind);
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(ws.image.deviceKind, c.kind);
    EXPECT_FALSE(shown("typeGroup"));
    EXPECT_TRUE(menu("paramsMenu")->isVisible());
    EXPECT_TRUE(buttonShown("tool_b") && buttonShown("prosmotr_b") && buttonShown("logik_b"));
    EXPECT_TRUE(enabled("saveAsAction") && enabled("writeAction"));
    EXPECT_FALSE(enabled("saveAction"));
    EXPECT_FALSE(shown("editorPages") || shown("viewPages"));
    EXPECT_EQ(form.editorPages()->isTabVisible(static_cast<int>(EditorPage::Regulators)), c.regulators);
    EXPECT_EQ(form.editorPages()->isTabVisible(static_cast<int>(EditorPage::RegulatorsDesktop)), c.regulatorsDesktop);
    EXPECT_EQ(action("mapAction7")->isVisible(), c.kind != 1);
    EXPECT_EQ(action("mapAction10")->isVisible(), c.map10);
    EXPECT_EQ(action("mapAction11")->isVisible(), c.map11);
  }
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(BaseFormTest, SaveOpenCloseRoundTrip) {
  ASSERT_TRUE(dir.write(QStringLiteral("adjustment_0.bfm"), "taken"));
  newImage(2);
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Наструм - ОРВИК расширяемый: adjustment_1"));

  files.saveAnswers.push_back(QStringLiteral("plant"));
  action("saveAsAction")->trigger();
  EXPECT_EQ(files.proposed, std::vector<QString>{QStringLiteral("adjustment_1.bfm")});
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Наструм - ОРВИК расширяемый: plant"));

  ws.image.sensors[7].mainDescriptor = 0x2340;
  form.imageModified();
  EXPECT_TRUE(enabled("saveAction"));
  EXPECT_TRUE(find("save_b")->isEnabled());
  find<QToolButton>("save_b")->click();
  EXPECT_FALSE(enabled("saveAction"));
  SettingsImage onDisk;
  decodeSettingsRecord(dir.read(QStringLiteral("plant.bfm")), onDisk);
  EXPECT_EQ(onDisk.sensors[7].mainDescriptor, 0x2340);

  // F10 reaches "Закрыть файл" although the item is hidden.
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  QTest::keyClick(&form, Qt::Key_F10);
  EXPECT_FALSE(ws.file.isOpen());
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Наструм - ОРВИК"));
  EXPECT_FALSE(menu("paramsMenu")->isVisible());

  files.openAnswers.push_back(dir.path(QStringLiteral("plant.bfm")));
  action("openAction")->trigger();
  EXPECT_TRUE(ws.file.isOpen());
  EXPECT_EQ(ws.image.sensors[7].mainDescriptor, 0x2340);
  EXPECT_TRUE(form.windowTitle().startsWith(QStringLiteral("Наструм - ОРВИК расширяемый: ")));
  EXPECT_TRUE(form.windowTitle().endsWith(QStringLiteral("plant")));
  EXPECT_TRUE(boxes.shown().empty());
  form.hide();
}

TEST_F(BaseFormTest, SaveAsKeepsTheTypedExtensionAndAsksBeforeOverwriting) {
  newImage(3);
  files.saveAnswers.push_back(QStringLiteral("plant.BfM"));
  action("saveAsAction")->trigger();
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("plant.BfM"));
  EXPECT_EQ(dir.read(QStringLiteral("plant.nam")).size(), kNamesRecordSize);

  files.saveAnswers.push_back(QStringLiteral("plant.BfM"));
  boxes.then(AnswerNo);
  action("saveAsAction")->trigger();
  EXPECT_EQ(boxes.codes(), std::vector<int>{3});
  EXPECT_EQ(boxes.last().text, QStringLiteral("Файл с таким именем уже есть, продолжить?"));
}

TEST_F(BaseFormTest, BadFileShowsMessage2) {
  ASSERT_TRUE(dir.write(QStringLiteral("short.bfm"), QByteArray(kSettingsRecordSize - 1, '\0')));
  files.openAnswers.push_back(dir.path(QStringLiteral("short.bfm")));
  boxes.then(AnswerOk);
  action("openAction")->trigger();
  ASSERT_EQ(boxes.codes(), std::vector<int>{2});
  EXPECT_EQ(boxes.last().caption, QStringLiteral("Ошибка открытия файла данных"));
  EXPECT_FALSE(ws.file.isOpen());
  EXPECT_FALSE(menu("paramsMenu")->isVisible());
}

TEST_F(BaseFormTest, PromptsBeforeLosingChanges) {
  newImage(2);
  form.imageModified();

  boxes.then(AnswerCancel);  // message 4 on "Новый"
  action("newAction")->trigger();
  EXPECT_FALSE(shown("typeGroup"));

  boxes.then(AnswerCancel);  // message 11 on closing the window
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(ws.file.isOpen() && ws.file.isModified());

  boxes.then(AnswerNo);
  EXPECT_TRUE(form.close());
  EXPECT_EQ(boxes.codes(), (std::vector<int>{4, 11, 11}));
}

TEST_F(BaseFormTest, ExitWithoutChangesAsksMessage16) {
  boxes.then(AnswerNo).then(AnswerYes);
  action("exitAction")->trigger();
  EXPECT_EQ(boxes.codes(), std::vector<int>{16});
  EXPECT_TRUE(form.close());
  EXPECT_EQ(boxes.codes(), (std::vector<int>{16, 16}));
}

TEST_F(BaseFormTest, ModeButtonsShowOnePageSetAtATime) {
  int checksRun = 0;
  QObject::connect(&form, &Tbase_form::checkWanted, [&](bool withReport) { checksRun += withReport ? 1 : 0; });
  newImage(3);
  find<QToolButton>("tool_b")->click();
  EXPECT_TRUE(shown("editorPages"));
  EXPECT_FALSE(shown("viewPages"));
  form.editorPages()->setCurrentIndex(static_cast<int>(EditorPage::RegulatorsDesktop));

  find<QToolButton>("prosmotr_b")->click();
  EXPECT_TRUE(shown("viewPages"));
  EXPECT_FALSE(shown("editorPages"));
  EXPECT_EQ(form.viewPages()->currentIndex(), static_cast<int>(ViewPage::Regulators));

  find<QToolButton>("logik_b")->click();
  EXPECT_EQ(checksRun, 1);
  EXPECT_FALSE(shown("editorPages") || shown("viewPages"));
}

TEST_F(BaseFormTest, DeviceReadStartsOnlyOnceUnsavedChangesAreDealtWith) {
  int reads = 0;
  QObject::connect(&form, &Tbase_form::readRequested, [&reads] { ++reads; });
  action("readAction")->trigger();
  EXPECT_EQ(reads, 1);

  newImage(2);
  form.imageModified();
  boxes.then(AnswerCancel).then(AnswerNo);
  action("readAction")->trigger();
  EXPECT_EQ(reads, 1);
  action("readAction")->trigger();
  EXPECT_EQ(reads, 2);
  EXPECT_EQ(boxes.codes(), (std::vector<int>{6, 6}));
}

TEST_F(BaseFormTest, KeyboardShortcutsReachTheirFlows) {
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

  QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(shown("typeGroup"));
  find<QPushButton>("typeOk")->click();
  EXPECT_TRUE(ws.file.isOpen());

  files.saveAnswers.push_back(QStringLiteral("plant"));
  form.imageModified();
  QTest::keyClick(&form, Qt::Key_F2);
  EXPECT_FALSE(ws.file.isModified());
  EXPECT_TRUE(QFile::exists(dir.path(QStringLiteral("plant.bfm"))));

  files.openAnswers.push_back(std::nullopt);
  QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(files.openAnswers.empty());

  boxes.then(AnswerNo);
  QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
  EXPECT_EQ(boxes.codes(), std::vector<int>{16});
  EXPECT_TRUE(form.isVisible());
  form.hide();
}

TEST_F(BaseFormTest, MapsMenuListsThePipelineMapBeforeTheSensorMap) {
  std::vector<int> numbers;
  for (QAction* item : find<QMenu>("mapsMenu")->actions()) numbers.push_back(item->data().toInt());
  EXPECT_EQ(numbers, (std::vector<int>{1, 3, 2, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(action("mapAction3")->text(), QStringLiteral("Описание трубопроводов"));
  EXPECT_EQ(action("mapAction2")->text(), QStringLiteral("Описание датчиков"));
}

TEST_F(BaseFormTest, TheCheckItemShowsItsHint) {
  EXPECT_EQ(action("proverka")->toolTip(), QStringLiteral("проверка на логические ошибки"));
  EXPECT_TRUE(find<QMenu>("paramsMenu")->toolTipsVisible());
}

TEST_F(BaseFormTest, WriteStaysDisabledAndSaysSoUntilAnActionTakesIt) {
  form.setWriteAvailable(false);
  newImage(2);
  EXPECT_FALSE(enabled("writeAction"));
  EXPECT_FALSE(find("zapis_b")->isEnabled());
  EXPECT_NE(find("zapis_b")->toolTip(), QStringLiteral("Запись в ОРВИК"));
  EXPECT_TRUE(find("zapis_b")->toolTip().startsWith(QStringLiteral("Запись в ОРВИК")));

  form.setWriteAvailable(true);
  EXPECT_TRUE(enabled("writeAction"));
  EXPECT_TRUE(find("zapis_b")->isEnabled());
  EXPECT_EQ(find("zapis_b")->toolTip(), QStringLiteral("Запись в ОРВИК"));
}

// A save or write chosen on the tool bar or by a shortcut leaves the keyboard
// focus in the field being typed in: that field commits what it holds first,
// as leaving it would, and keeps the focus.
TEST_F(BaseFormTest, SaveAndWriteCommitTheFieldBeingTyped) {
  auto* page = new QWidget;
  auto* field = new QLineEdit(page);
  // Like a field that stores once it is left (a table cell, a number box).
  QObject::connect(field, &QLineEdit::editingFinished,
                   [this, field] { ws.image.sensors[7].mainDescriptor = field->text().toUShort(nullptr, 16); });
  ASSERT_TRUE(form.installPage(EditorPage::Sensors, page));
  Word atWrite = 0;
  QObject::connect(&form, &Tbase_form::writeRequested, [this, &atWrite] { atWrite = ws.image.sensors[7].mainDescriptor; });
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  newImage(2);
  find<QToolButton>("tool_b")->click();
  files.saveAnswers.push_back(QStringLiteral("plant"));  // the first save asks for a name

  struct Case {
    const char* how;
    std::function<void()> start;
    bool save;
  };
  const Case cases[] = {
      {"F2", [field] { QTest::keyClick(field, Qt::Key_F2); }, true},
      {"save_b", [this] { find<QToolButton>("save_b")->click(); }, true},
      {"zapis_b", [this] { find<QToolButton>("zapis_b")->click(); }, false},
  };
  Word typed = 0x2340;
  for (const Case& c : cases) {
    form.imageModified();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString::number(++typed, 16));
    ASSERT_TRUE(field->hasFocus()) << c.how;
    c.start();
    if (c.save) {
      SettingsImage onDisk;
      decodeSettingsRecord(dir.read(QStringLiteral("plant.bfm")), onDisk);
      EXPECT_EQ(onDisk.sensors[7].mainDescriptor, typed) << c.how;
    } else {
      EXPECT_EQ(atWrite, typed) << c.how;
    }
    EXPECT_TRUE(field->hasFocus()) << c.how;
  }
  EXPECT_TRUE(boxes.shown().empty());
  form.hide();
}
