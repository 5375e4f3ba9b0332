// The formula of the large model's summation sensors: code and operand
// reals both ways, the corrections of the constant fields and the formula text.
#include <gtest/gtest.h>

#include <cmath>

#include "arith/arith_formula.h"
#include "support/fresh_image.h"

namespace nastrum {
namespace {

const QChar kComma(u',');

ArithTermState term(int operation, int operand, const QString& constant) { return {operation, operand, constant}; }

ArithState oneTerm(int operation, int operand, const QString& constant) {
  ArithState st;
  st.terms[0] = term(operation, operand, constant);
  return st;
}

TEST(ArithFormula, FormulaTextsAndStoredReals) {
  struct Case {
    ArithState state;
    QString formula;
    double const1;
  } cases[] = {
      {oneTerm(OpTimes, 5, "0,25"), "(X * 0,25)", 5.25},
      {oneTerm(OpTimes, 5, "-0,25"), "(X * (-0,25))", -5.25},
      {oneTerm(OpPlus, 5, "0"), "(X + 1)", 5},
      {oneTerm(OpPlus, 5, ""), "(X + 1)", 5},
      {oneTerm(OpConstOnly, kNoOperand, "12,5"), "12,5", 12.5},
      {oneTerm(OpConstOnly, kNoOperand, "-3"), "(-3)", -3},
      {oneTerm(OpNone, 9, "0"), " X ", 9},
      {oneTerm(OpConstMinus, 2, "-0,5"), "(-0,5 - X)", -2.5},
      {oneTerm(OpConstDivided, 2, "-0,5"), "( (-0,5) / X)", -2.5},
      {oneTerm(OpDivided, kNoOperand, "0,5"), "(X / 0,5)", 0.5},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(arithFormula(c.state, kComma), c.formula);
    SensorRecord s;
    storeArithState(s, c.state, kComma);
    EXPECT_DOUBLE_EQ(s.const1, c.const1) << c.formula.toStdString();
  }
}

TEST(ArithFormula, CombiningStepsAndTheirOrder) {
  ArithState st;
  st.terms[0] = term(OpPlus, 5, "0,5");
  st.terms[1] = term(OpTimes, 7, "0,1");
  st.terms[2] = term(OpConstMinus, 3, "-0,2");
  st.combine12 = CombinePlus;
  st.absolute = true;
  EXPECT_EQ(arithFormula(st, kComma), "| ((X + 0,5) + (Y * 0,1)) |");
  EXPECT_EQ(arithCode(st), 0xC981);

  st.absolute = false;
  st.combine12 = CombineSecondByFirst;
  st.combine43 = CombineSecondMinusFirst;
  EXPECT_EQ(arithFormula(st, kComma), "(((-0,2) - Z) - ((Y * 0,1) / (X + 0,5)))");

  // A term without operand is not in use unless it is the constant alone.
  st.terms[1] = term(OpTimes, kNoOperand, "0,1");
  EXPECT_EQ(arithFormula(st, kComma), "(X + 0,5)");
  st.terms[1] = term(OpConstOnly, kNoOperand, "7");
  st.combine12 = CombineTimes;
  st.combine43 = CombineEnd;
  EXPECT_EQ(arithFormula(st, kComma), "((X + 0,5) * 7)");
}

TEST(ArithFormula, SensorRoundTripsThroughTheWindow) {
  ArithState st;
  st.absolute = true;
  st.terms[0] = term(OpTimes, 5, "-0,25");
  st.terms[1] = term(OpConstOnly, kNoOperand, "7");
  st.terms[2] = term(OpDivided, 12, "0,125");
  st.combine12 = CombineTimes;
  st.combine43 = CombineSecondByFirst;
  SensorRecord s;
  s.mainDescriptor = 0x8000;
  storeArithState(s, st, kComma);
  EXPECT_EQ(s.auxDescriptor, (1 << 15) | (6 << 12) | (6 << 9) | (2 << 6) | (3 << 3) | 7);
  EXPECT_EQ(arithStateOf(s, kComma), st);

  // Every operation and combining code survives the trip.
  for (int op = 0; op < 8; ++op)
    for (int comb : {0, 1, 3, 4, 5, 6, 7}) {
      ArithState each;
      for (auto& t : each.terms) t = term(op, op == OpConstOnly ? kNoOperand : 3, op == OpConstOnly ? "2,5" : "0,5");
      each.combine12 = comb;
      each.combine43 = comb;
      SensorRecord r;
      storeArithState(r, each, kComma);
      EXPECT_EQ(arithStateOf(r, kComma), each) << op << " " << comb;
    }
}

TEST(ArithFormula, FillingReadsTheStoredReals) {
  SensorRecord s;
  s.auxDescriptor = 0x0400;  // unused combining code 010 in (1?2), all operations "нет"
  s.const1 = -0.0;
  s.const2 = 63;
  s.const3 = 1.5e-7;  // operand 0 with a tiny constant
  const ArithState st = arithStateOf(s, kComma);
  EXPECT_EQ(st.combine12, CombineEnd);
  EXPECT_EQ(st.terms[0], term(OpNone, 0, "-0"));
  EXPECT_EQ(st.terms[1], term(OpNone, 63, "0"));
  EXPECT_EQ(st.terms[2].operand, 0);
  SensorRecord back;
  storeArithState(back, st, kComma);
  EXPECT_TRUE(std::signbit(back.const1));
  EXPECT_EQ(back.const2, 63);
  EXPECT_DOUBLE_EQ(back.const3, 1.5e-7);
}

TEST(ArithFormula, AnOperandZeroTheListsDoNotOfferReadsAsNone) {
  // "нет" stores 0 as sensor or pipeline 0 does: the lists tell them apart.
  struct Case {
    const char* what;
    int sensor;        // the summation sensor being filled
    Word main;         // its MainDescriptor (source)
    double const1;
    bool zeroDescribed;  // sensor 0 / pipeline 0 exists
    int operand;
  } cases[] = {
      {"a new formula, no sensor 0", 4, 0x8000, 0.0, false, kNoOperand},
      {"sensor 0 editing itself", 0, 0x8000, 0.0, true, kNoOperand},
      {"sensor 0 offered", 4, 0x8000, 0.0, true, 0},
      {"a constant beside no operand", 4, 0x8000, -0.25, false, kNoOperand},
      {"no pipeline 0", 4, 0x8010, 0.0, false, kNoOperand},
      {"pipeline 0 offered", 4, 0x8010, 0.0, true, 0},
      {"another operand", 4, 0x8000, 6.0, false, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SettingsImage im = testing::freshImage(3);
    SensorRecord& s = im.sensors[static_cast<std::size_t>(c.sensor)];
    s.mainDescriptor = c.main;
    s.auxDescriptor = 0;
    s.const1 = c.const1;
    if (c.zeroDescribed && c.sensor != 0) {
      im.sensors[0].mainDescriptor = 0x9101;
      im.pipelines[0].mainDescriptor = 0x1200;
    }
    const ArithState st = arithStateOf(im, c.sensor, kComma);
    EXPECT_EQ(st.terms[0].operand, c.operand);
    // Either way the words stored back are the words read.
    SensorRecord back = s;
    storeArithState(back, st, kComma);
    EXPECT_EQ(back.const1, s.const1);
    EXPECT_EQ(std::signbit(back.const1), std::signbit(s.const1));
    EXPECT_EQ(back.auxDescriptor, s.auxDescriptor);
  }
}

TEST(ArithFormula, ConstantFieldCorrections) {
  ArithState st;
  st.terms[0] = term(OpTimes, 5, "3");    // one or more beside an operand: taken as one
  st.terms[1] = term(OpConstOnly, kNoOperand, "3");  // the constant alone may be anything
  st.terms[2] = term(OpPlus, 1, "-");     // not a real
  normaliseArithConstants(st, kComma);
  EXPECT_EQ(st.terms[0].constant, "0");
  EXPECT_EQ(st.terms[1].constant, "3");
  EXPECT_EQ(st.terms[2].constant, "0");
  EXPECT_EQ(arithFormula(st, kComma), "(X * 1)");
}

TEST(ArithFormula, OperandListsAndSummary) {
  SettingsImage im = testing::freshImage(3);
  im.sensors[1].mainDescriptor = 0x9101;
  im.sensors[4].mainDescriptor = 0x8000;  // the sensor being edited
  im.sensors[6].mainDescriptor = 0xF101;  // absent
  im.sensors[9].mainDescriptor = 0xC350;
  im.pipelines[2].mainDescriptor = 0x1200;
  EXPECT_EQ(arithOperandNumbers(im, 4, false), (std::vector<int>{1, 9}));
  EXPECT_EQ(arithOperandNumbers(im, 4, true), (std::vector<int>{2}));

  ArithState st = oneTerm(OpPlus, 9, "0,5");
  EXPECT_EQ(arithSummaryLines(st, false, kComma),
            (QStringList{"ИТОГ:  R = (X + 0,5)", "X - датчик № 9", "Y - не используется", "Z - не используется"}));
  EXPECT_EQ(arithSummaryLines(st, true, kComma)[1], "X - трубопровод № 9");
  EXPECT_EQ(arithOperationChoices(2).textOf(OpPlus), "Z+ C");
  EXPECT_EQ(arithCombiningChoices(1).textOf(CombineSecondByFirst), "3 / 4");
}

}  // namespace
}  // namespace nastrum
