// The view tables' rules: how special fields are shown and read back, what a
// privileged edit stores and what it refuses, the key filters, the modem bytes.
#include <gtest/gtest.h>

#include "editor/pages/view/modem_bytes.h"
#include "editor/pages/view/view_keys.h"
#include "editor/pages/view/view_sheet.h"
#include "model/device_text.h"
#include "model/real_text.h"
#include "support/fresh_image.h"
#include "support/scripted_presenter.h"

namespace nastrum {
namespace {

const QChar kComma(u',');

struct Sheet {
  Sheet(ViewSheet sheet, Word kind, int access = 1) : model(sheet, ws) {
    ws.image = testing::freshImage(kind);
    ws.editor.accessLevel = access;
  }
  // Grid coordinates of a field row and an object of table `table`.
  QString text(int table, int fieldRow, int object) {
    model.rebuild();
    const ViewTable& t = model.tables()[static_cast<std::size_t>(table)];
    return t.gridText(fieldRow + (t.headerRow ? 1 : 0), object + 1, kComma);
  }
  StoreOutcome store(int table, int fieldRow, int object, const QString& typed) {
    model.rebuild();
    const ViewTable& t = model.tables()[static_cast<std::size_t>(table)];
    return model.storeCell(table, fieldRow + (t.headerRow ? 1 : 0), object + 1, typed, kComma, boxes);
  }

  Workspace ws;
  ViewSheetModel model;
  ScriptedPresenter boxes;
};

TEST(ViewCells, SensorCodeWith47IsShownWith50AndStoredOnlyWhenTyped) {
  Sheet s(ViewSheet::Sensors, 2);
  s.ws.image.sensors[5].mainDescriptor = 0x9472;
  s.ws.image.sensors[6].mainDescriptor = 0xA471;
  s.ws.image.sensors[7].mainDescriptor = 0x8472;
  EXPECT_EQ(s.text(0, 0, 5), "9502");
  EXPECT_EQ(s.text(0, 0, 6), "A501");
  EXPECT_EQ(s.text(0, 0, 7), "8472");

  EXPECT_EQ(s.store(0, 0, 5, "9502"), StoreOutcome::Unchanged);  // merely leaving the cell
  EXPECT_EQ(s.ws.image.sensors[5].mainDescriptor, 0x9472);
  EXPECT_FALSE(s.model.takeChange());

  EXPECT_EQ(s.store(0, 0, 5, "2340"), StoreOutcome::Stored);
  EXPECT_EQ(s.ws.image.sensors[5].mainDescriptor, 0x2340);
  EXPECT_TRUE(s.model.takeChange());
}

TEST(ViewCells, RealsAreNotRoundedByLeavingACellAndBadTextKeepsTheValue) {
  Sheet s(ViewSheet::Sensors, 3);
  s.ws.image.sensors[0].const1 = 1.0 / 3.0;
  EXPECT_EQ(s.text(0, 2, 0), FormatReal8(1.0 / 3.0, kComma));
  EXPECT_EQ(s.store(0, 2, 0, s.text(0, 2, 0)), StoreOutcome::Unchanged);
  EXPECT_EQ(s.ws.image.sensors[0].const1, 1.0 / 3.0);

  EXPECT_EQ(s.store(0, 2, 0, "-2,5"), StoreOutcome::Stored);
  EXPECT_EQ(s.ws.image.sensors[0].const1, -2.5);

  s.model.takeChange();
  s.boxes.then(AnswerOk);
  EXPECT_EQ(s.store(0, 2, 0, "1,2,3"), StoreOutcome::Rejected);
  EXPECT_EQ(s.boxes.codes(), std::vector<int>{7});
  EXPECT_EQ(s.ws.image.sensors[0].const1, -2.5);
  EXPECT_FALSE(s.model.takeChange());

  EXPECT_EQ(s.store(0, 2, 0, "  "), StoreOutcome::Unchanged);  // an emptied cell stores nothing
  EXPECT_EQ(s.ws.image.sensors[0].const1, -2.5);
}

TEST(ViewCells, NothingIsStoredWithoutThePrivilege) {
  Sheet s(ViewSheet::Pipelines, 2, /*access=*/0);
  const PipelineRecord before = s.ws.image.pipelines[1];
  EXPECT_EQ(s.store(0, 0, 1, "1234"), StoreOutcome::Unchanged);
  EXPECT_EQ(s.store(0, 8, 1, "12"), StoreOutcome::Unchanged);
  EXPECT_EQ(s.ws.image.pipelines[1].mainDescriptor, before.mainDescriptor);
  EXPECT_EQ(s.ws.image.pipelines[1].pipeDiameter, before.pipeDiameter);
  EXPECT_FALSE(s.model.takeChange());
}

TEST(ViewCells, BadHexIsRefused) {
  Sheet s(ViewSheet::Archives, 2);
  s.ws.image.hourArcDesc[3] = 0x1234;
  s.boxes.then(AnswerOk);
  EXPECT_EQ(s.store(0, 0, 3, "12-4"), StoreOutcome::Rejected);
  EXPECT_EQ(s.ws.image.hourArcDesc[3], 0x1234);
  EXPECT_EQ(s.store(0, 0, 3, "BEEF"), StoreOutcome::Stored);
  EXPECT_EQ(s.ws.image.hourArcDesc[3], 0xBEEF);
  // Every word is a 16-bit code: more digits, or a negative number in a
  // decimal row, would leave bits above it that the device never receives.
  s.boxes.acknowledgeOkBoxes();
  EXPECT_EQ(s.store(0, 0, 3, "12345"), StoreOutcome::Rejected);
  EXPECT_EQ(s.ws.image.hourArcDesc[3], 0xBEEF);
  Sheet logic(ViewSheet::Regulators, 2);
  logic.ws.image.logicT1[5] = 17;
  logic.boxes.acknowledgeOkBoxes();
  for (const char* typed : {"-5", "70000"}) {
    EXPECT_EQ(logic.store(0, 4, 5, QString::fromLatin1(typed)), StoreOutcome::Rejected) << typed;
    EXPECT_EQ(logic.ws.image.logicT1[5], 17u) << typed;
  }
  EXPECT_EQ(logic.boxes.codes(), (std::vector<int>{7, 7}));
}

TEST(ViewCells, LogicFlagConstantsAndDelaysOfTheExpandableModel) {
  Sheet s(ViewSheet::Regulators, 2);
  auto& image = s.ws.image;
  image.logicParam[7] = 0x4016;
  image.logicK1[7] = 100;
  image.logicParam[8] = 0x4018;
  image.logicK1[8] = 100;
  image.logicT1[63] = 42;
  EXPECT_EQ(s.text(0, 2, 7), "0100");
  EXPECT_EQ(s.text(0, 2, 8), "0064");
  EXPECT_EQ(s.text(0, 4, 63), "0042");
  EXPECT_EQ(s.text(0, 4, 64), "нет");
  EXPECT_EQ(s.text(0, 5, 254), "нет");

  EXPECT_EQ(s.store(0, 2, 7, "0100"), StoreOutcome::Unchanged);
  EXPECT_EQ(s.store(0, 2, 7, "0250"), StoreOutcome::Stored);
  EXPECT_EQ(image.logicK1[7], 250);
  EXPECT_EQ(s.store(0, 4, 63, "17"), StoreOutcome::Stored);
  EXPECT_EQ(image.logicT1[63], 17);
  EXPECT_EQ(s.store(0, 4, 64, "17"), StoreOutcome::Unchanged);  // "нет" is no field

  // Changing the parameter changes how K1 is shown.
  EXPECT_EQ(s.store(0, 1, 8, "4015"), StoreOutcome::Stored);
  EXPECT_EQ(s.text(0, 2, 8), "0100");
}

TEST(ViewCells, RegulatorConstantOfTheLargeModelLivesInTheBytesOfT1AndT2) {
  Sheet s(ViewSheet::Regulators, 3);
  ASSERT_EQ(s.store(0, 2, 10, "12,5"), StoreOutcome::Stored);
  EXPECT_EQ(s.ws.image.logicT1[10] & ~0xFFFF, 0);
  EXPECT_EQ(s.ws.image.logicT2[10] & ~0xFFFF, 0);
  EXPECT_EQ(s.text(0, 2, 10), FormatReal8(12.5, kComma).left(8));
  EXPECT_EQ(s.ws.image.logicT1[11], 0);
}

TEST(ViewCells, SystemTableSpecialRows) {
  Sheet s(ViewSheet::System, 2);
  auto& image = s.ws.image;
  image.sys(sys::SettlementHourDate) = 815;
  image.sys(sys::PasswordPresent) = 0;
  image.sys(sys::DevicePassword) = 0x1357;
  EXPECT_EQ(s.text(0, 3, 0), "0815");
  EXPECT_EQ(s.text(0, 14, 0), "****");
  image.sys(sys::SettlementHourDate) = 0xFF12;
  EXPECT_EQ(s.text(0, 3, 0), "FFFF");
  image.sys(sys::PasswordPresent) = 1;
  EXPECT_EQ(s.text(0, 14, 0), "1357");

  EXPECT_EQ(s.store(0, 3, 0, "1023"), StoreOutcome::Stored);
  EXPECT_EQ(image.sys(sys::SettlementHourDate), 1023);
  EXPECT_EQ(s.store(0, 3, 0, "ffff"), StoreOutcome::Stored);  // the form an unset date shows in
  EXPECT_EQ(image.sys(sys::SettlementHourDate), 0xFFFF);
  s.boxes.then(AnswerOk);
  EXPECT_EQ(s.store(0, 3, 0, "12A4"), StoreOutcome::Rejected);
  EXPECT_EQ(image.sys(sys::SettlementHourDate), 0xFFFF);
  image.sys(sys::PasswordPresent) = 0;
  EXPECT_EQ(s.store(0, 14, 0, "2468"), StoreOutcome::Stored);
  EXPECT_EQ(image.sys(sys::DevicePassword), 0x2468);
}

TEST(ViewCells, KindOneHasBlankAuxiliarySystemRowsAndNoOptionalTables) {
  Sheet s(ViewSheet::System, 1);
  s.model.rebuild();
  ASSERT_EQ(s.model.tables().size(), 1u);  // no generator table
  const ViewTable& system = s.model.tables()[0];
  for (int row = 6; row <= 9; ++row) {
    EXPECT_EQ(system.gridText(row, 0, kComma), " ") << row;
    EXPECT_EQ(system.gridText(row, 1, kComma), " ") << row;
    EXPECT_EQ(system.cellAt(row, 1)->editable(), false) << row;
  }
  EXPECT_EQ(s.model.modemFields().size(), 1u);

  ViewSheetModel archives(ViewSheet::Archives, s.ws);
  archives.rebuild();
  EXPECT_EQ(archives.tables().size(), 3u);  // hourly, daily, monthly
  ViewSheetModel regulators(ViewSheet::Regulators, s.ws);
  regulators.rebuild();
  EXPECT_TRUE(regulators.tables().empty());
}

TEST(ViewCells, KeyFilters) {
  struct Case {
    QChar typed;
    CellKeys keys;
    int access;
    std::optional<QChar> expected;
  };
  const QChar sep(u',');
  const Case cases[] = {
      {u'7', CellKeys::Common, 0, u'7'},
      {u'b', CellKeys::Common, 1, u'b'},
      {u'F', CellKeys::Common, 1, u'F'},
      {u'g', CellKeys::Common, 1, std::nullopt},
      {u'-', CellKeys::Common, 1, u'-'},
      {u'.', CellKeys::Common, 1, sep},
      {u'*', CellKeys::Common, 1, std::nullopt},
      {u'*', CellKeys::System, 1, u'0'},
      {u' ', CellKeys::Common, 1, std::nullopt},
      {u'b', CellKeys::RegulatorConstant, 1, u'B'},
      {u' ', CellKeys::RegulatorConstant, 1, u' '},
      {u'-', CellKeys::RegulatorConstant, 1, std::nullopt},
      {u'5', CellKeys::RegulatorConstant, 0, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(filterCellKey(c.typed, c.keys, sep, c.access), c.expected)
        << QString(c.typed).toStdString() << " keys " << static_cast<int>(c.keys) << " access " << c.access;

  EXPECT_EQ(filterModemKey(u'a', 0), std::nullopt);
  EXPECT_EQ(filterModemKey(u'a', 1), QChar(u'A'));
  EXPECT_EQ(filterModemKey(u' ', 1), QChar(u' '));
  EXPECT_EQ(filterModemKey(u'z', 1), std::nullopt);
}

TEST(ViewCells, ModemBytesRoundTripAndRefuseNonBytes) {
  const ModemText at = EditToDeviceText(QStringLiteral("AT"));
  EXPECT_EQ(modemBytesText(at), "41 54 0D 00 ");
  EXPECT_EQ(readModemBytes(modemBytesText(at)), at);
  EXPECT_EQ(readModemBytes(QStringLiteral("41 5G")), std::nullopt);
  EXPECT_EQ(readModemBytes(QStringLiteral("415")), std::nullopt);

  ModemText full;
  full.fill(0x41);  // no terminating zero: all 128 bytes are shown
  EXPECT_EQ(modemBytesText(full).size(), 128 * 3);
  EXPECT_EQ(readModemBytes(modemBytesText(full) + "41"), std::nullopt);

  Sheet s(ViewSheet::System, 3);
  s.model.rebuild();
  ASSERT_EQ(s.model.modemFields().size(), 2u);
  EXPECT_EQ(s.model.storeModem(1, QStringLiteral("41 54 0D"), s.boxes), StoreOutcome::Stored);
  EXPECT_EQ(s.ws.image.modemInitAux, at);
  EXPECT_TRUE(s.model.takeChange());
}

}  // namespace
}  // namespace nastrum
