#include "editor/workflow/flow_fixture.h"
#include "editor/workflow/window_title.h"

using namespace nastrum;

TEST_F(FlowTest, NewImageOfEachKindIsUnnamedCheckedAndTitled) {
  const char* titles[] = {"Наструм - ОРВИК минимальный: adjustment_0", "Наструм - ОРВИК расширяемый: adjustment_0",
                          "Наструм - ОРВИК 9: adjustment_0"};
  for (Word kind : {1, 2, 3}) {
    window.checks.clear();
    window.checkedFileNames.clear();
    ws.image.sensors[4].mainDescriptor = 0x2340;  // left over from before
    newImage(kind);
    EXPECT_EQ(ws.image.deviceKind, kind);
    EXPECT_TRUE(ws.file.isOpen());
    EXPECT_TRUE(ws.file.isUnnamedNew());
    EXPECT_FALSE(ws.file.isModified());
    EXPECT_EQ(ws.image.sensors[4].mainDescriptor, 0) << "a hand-made image starts from the defaults";
    EXPECT_EQ(ws.file.fileName(), QStringLiteral("adjustment_0.bfm"));
    EXPECT_EQ(flows.state().title, QString::fromUtf8(titles[kind - 1]));
    EXPECT_EQ(window.checks, std::vector<bool>{false}) << "checked without a report";
    EXPECT_EQ(window.checkedFileNames, std::vector<QString>{QStringLiteral("adjustment_0.bfm")})
        << "the check's window names the new settings, not the ones before";
    EXPECT_FALSE(flows.state().choosingKind);
    EXPECT_FALSE(flows.layout().saveEnabled);
  }
  EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(FlowTest, DefaultNameSkipsNamesTakenInTheCurrentDirectory) {
  ASSERT_TRUE(dir.write(QStringLiteral("adjustment_0.bfm"), "x"));
  newImage(2);
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("adjustment_1.bfm"));

  for (int n = 1; n <= 9; ++n) ASSERT_TRUE(dir.write(QStringLiteral("adjustment_%1.bfm").arg(n), "x"));
  newImage(2);
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("adjustment_10.bfm"));
  EXPECT_EQ(flows.state().title, QStringLiteral("Наструм - ОРВИК расширяемый: adjustment_10"));
}

TEST_F(FlowTest, KindChooserStartsOnExpandableAndCancelKeepsTheLoadedImage) {
  newImage(3);
  const QString title = flows.state().title;
  flows.NewImage();
  EXPECT_TRUE(flows.state().choosingKind);
  EXPECT_EQ(flows.state().kindChoice, 2);
  flows.ChooseNewKind(1);
  flows.CancelNewKind();
  EXPECT_FALSE(flows.state().choosingKind);
  EXPECT_EQ(ws.image.deviceKind, 3) << "a radio button alone must not change the loaded image";
  EXPECT_TRUE(ws.file.isOpen());
  EXPECT_EQ(flows.state().title, title);
  EXPECT_TRUE(flows.layout().paramsMenuVisible);
}

TEST_F(FlowTest, CancelWithoutImageRestoresTheNoImageLayout) {
  flows.NewImage();
  EXPECT_FALSE(flows.layout().fileMenuVisible);
  flows.CancelNewKind();
  const MainLayout l = flows.layout();
  EXPECT_TRUE(l.fileMenuVisible && l.helpMenuVisible && l.toolBarVisible);
  EXPECT_FALSE(l.paramsMenuVisible || l.kindGroupVisible);
  EXPECT_EQ(flows.state().title, programTitle());
}

TEST_F(FlowTest, AccessLevelLastsOverOpenAndCloseUntilTheNextNewImage) {
  namedImage(2, QStringLiteral("plant"));
  ws.editor.accessLevel = 1;
  flows.CloseImage();
  window.openAnswers.push_back(dir.path(QStringLiteral("plant.bfm")));
  flows.OpenImage();
  ASSERT_TRUE(ws.file.isOpen());
  EXPECT_EQ(ws.editor.accessLevel, 1);
  newImage(2);
  EXPECT_EQ(ws.editor.accessLevel, 0);
}

TEST_F(FlowTest, DeviceReadIsTakenOverUnderTheFactoryNumber) {
  newImage(2);
  ws.run.exchangeMode = 1;
  ws.run.factoryNumber = 0x1A2B;
  ws.image.deviceKind = 1;  // the read set the kind of the connected device
  ws.image.sensors[0].mainDescriptor = 0x2340;
  ws.image.pipelines[0].mainDescriptor = 0x4123;  // gas pipeline of the small model
  ws.image.pipelines[0].impurityTariff = 0x1234;
  ws.image.pipelines[1].mainDescriptor = 0x1000;
  ws.image.pipelines[1].impurityTariff = 0x1234;
  ws.image.sys(sys::PrivilegedMark) = 1;
  ASSERT_TRUE(dir.write(QStringLiteral("1A2B_0.bfm"), "x"));
  window.checks.clear();

  flows.TakeOverDeviceRead();

  EXPECT_EQ(ws.image.deviceKind, 1);
  EXPECT_EQ(ws.image.sensors[0].mainDescriptor, 0x2340) << "the read image is not reset";
  EXPECT_EQ(ws.image.pipelines[0].impurityTariff, 0x4040);
  EXPECT_EQ(ws.image.pipelines[1].impurityTariff, 0x1234);
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("1A2B_1.bfm"));
  EXPECT_EQ(flows.state().title, QStringLiteral("Наструм - ОРВИК : считанные настройки с ОРВИК минимальный - 1A2B_1"));
  EXPECT_TRUE(window.checks.empty()) << "a privileged read is not checked here";
  EXPECT_TRUE(ws.file.isUnnamedNew());
  EXPECT_FALSE(ws.file.isModified());
  EXPECT_TRUE(flows.layout().saveEnabled) << "saving is offered for a fresh read";

  window.saveAnswers.push_back(QStringLiteral("site"));
  ASSERT_TRUE(flows.SaveImage());
  EXPECT_EQ(flows.state().title, QStringLiteral("Наструм - ОРВИК минимальный: site"));
  EXPECT_FALSE(flows.layout().saveEnabled);
}

// The takeover knows it takes over a read; it does not learn it from the
// exchange mode, which another run may have set since.
TEST_F(FlowTest, DeviceReadIsNamedAfterTheDeviceWhateverTheExchangeModeSays) {
  newImage(2);
  ws.run.exchangeMode = 0;
  ws.run.factoryNumber = 0x00C7;
  flows.TakeOverDeviceRead();
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("00C7_0.bfm"));
  EXPECT_TRUE(flows.layout().saveEnabled);

  ws.run.exchangeMode = 1;
  flows.NewImage();
  ws.run.exchangeMode = 1;  // left over from a read
  flows.ConfirmNewKind();
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("adjustment_0.bfm"));
}

TEST_F(FlowTest, UnsavedChangesAreOfferedForSavingBeforeADeviceRead) {
  EXPECT_TRUE(flows.AskSaveBeforeDeviceRead()) << "nothing to lose, no question";
  namedImage(2, QStringLiteral("plant"));
  flows.markModified();
  boxes.then(AnswerCancel).then(AnswerNo).then(AnswerYes);
  EXPECT_FALSE(flows.AskSaveBeforeDeviceRead());
  EXPECT_TRUE(flows.AskSaveBeforeDeviceRead());
  EXPECT_TRUE(flows.AskSaveBeforeDeviceRead());
  EXPECT_FALSE(ws.file.isModified());
  EXPECT_EQ(boxes.codes(), (std::vector<int>{6, 6, 6}));
}

TEST_F(FlowTest, FinishedDeviceReadActsOnlyOnSuccess) {
  namedImage(2, QStringLiteral("plant"));
  ws.run.exchangeMode = 1;
  ws.run.runDone = false;
  flows.FinishDeviceRead(true);
  EXPECT_EQ(ws.run.exchangeMode, 0);
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("plant.bfm")) << "a failed read changes nothing";

  ws.run.runDone = true;
  flows.FinishDeviceRead(false);  // names and desktop: the editor opens on the image
  EXPECT_EQ(flows.state().pages, PageSet::Editor);

  ws.run.exchangeMode = 1;
  ws.run.factoryNumber = 0x00C7;
  window.checks.clear();
  flows.FinishDeviceRead(true);
  EXPECT_EQ(ws.image.sys(sys::PrivilegedMark), 1);
  EXPECT_EQ(ws.file.fileName(), QStringLiteral("00C7_0.bfm"));
  EXPECT_TRUE(ws.file.isUnnamedNew());
  EXPECT_EQ(flows.state().pages, PageSet::None);
  EXPECT_TRUE(window.checks.empty());
}
