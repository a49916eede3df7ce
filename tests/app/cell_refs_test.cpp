// Cell references in formulas and range lists when rows move.
#include "app/spreadsheet/cell_refs.h"

#include <gtest/gtest.h>

namespace orvanta::xlsx {
namespace {

const RowEdit kInsertAt3{RowEdit::kInsert, 3, 1};
const RowEdit kDelete3{RowEdit::kDelete, 3, 1};

TEST(CellRefs, AddressesAndColumnNames) {
  EXPECT_EQ(CellName(28, 1), "A28");
  EXPECT_EQ(ColumnName(26), "Z");
  EXPECT_EQ(ColumnName(27), "AA");
  EXPECT_EQ(ColumnName(16384), "XFD");
  auto a = ParseCellAddress("$AB$12");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->row, 12);
  EXPECT_EQ(a->column, 28);
  EXPECT_FALSE(ParseCellAddress("A0"));
  EXPECT_FALSE(ParseCellAddress("XFE1"));
  EXPECT_FALSE(ParseCellAddress("A1048577"));
  EXPECT_FALSE(ParseCellAddress("A1B"));
  EXPECT_FALSE(ParseCellAddress(""));
}

TEST(CellRefs, InsertMovesReferencesAtAndBelowTheRowAbsoluteOrNot) {
  EXPECT_EQ(AdjustFormula("A2+A3+$B$4+B$3+$C3", kInsertAt3, "S", true), "A2+A4+$B$5+B$4+$C4");
  // A range across the insertion grows; one above it stays.
  EXPECT_EQ(AdjustFormula("SUM(A1:A5)+SUM(B1:B2)+SUM(C3:C4)", kInsertAt3, "S", true),
            "SUM(A1:A6)+SUM(B1:B2)+SUM(C4:C5)");
  // Whole rows move, whole columns do not.
  EXPECT_EQ(AdjustFormula("SUM(3:5)+SUM(A:C)", kInsertAt3, "S", true), "SUM(4:6)+SUM(A:C)");
}

TEST(CellRefs, OnlyNamesFunctionsAndTextsAreLeftAlone) {
  EXPECT_EQ(AdjustFormula("LOG10(A3)+ATAN2(1,2)", kInsertAt3, "S", true), "LOG10(A4)+ATAN2(1,2)");
  EXPECT_EQ(AdjustFormula("\"A3\"&A3", kInsertAt3, "S", true), "\"A3\"&A4");
  EXPECT_EQ(AdjustFormula("\"say \"\"A3\"\"\"&A3", kInsertAt3, "S", true), "\"say \"\"A3\"\"\"&A4");
  EXPECT_EQ(AdjustFormula("Rate2*A3+TRUE+1.5E+3", kInsertAt3, "S", true), "Rate2*A4+TRUE+1.5E+3");
  EXPECT_EQ(AdjustFormula("MyName_A3+A3", kInsertAt3, "S", true), "MyName_A3+A4");
}

TEST(CellRefs, SheetQualifiersDecideWhichReferencesMove) {
  // On the edited sheet: unqualified and self-qualified move, others stay.
  EXPECT_EQ(AdjustFormula("A3+Other!A3+S!A3+'S'!A3", kInsertAt3, "S", true), "A4+Other!A3+S!A4+'S'!A4");
  // On another sheet: only references naming the edited sheet move.
  EXPECT_EQ(AdjustFormula("A3+S!A3+'My Sheet'!B5", kInsertAt3, "My Sheet", false), "A3+S!A3+'My Sheet'!B6");
  EXPECT_EQ(AdjustFormula("'It''s'!A3", kInsertAt3, "It's", false), "'It''s'!A4");
  EXPECT_EQ(AdjustFormula("s!A3", kInsertAt3, "S", false), "s!A4");  // names compare without case
}

TEST(CellRefs, DeleteGivesRefErrorsAndShrinksRanges) {
  EXPECT_EQ(AdjustFormula("A2+A3+A4", kDelete3, "S", true), "A2+#REF!+A3");
  EXPECT_EQ(AdjustFormula("SUM(A1:A5)+SUM(A3:A3)+SUM(A3:A4)+SUM(A1:A3)", kDelete3, "S", true),
            "SUM(A1:A4)+SUM(#REF!)+SUM(A3:A3)+SUM(A1:A2)");
  EXPECT_EQ(AdjustFormula("Other!A3+S!A3", kDelete3, "S", false), "Other!A3+S!#REF!");
  const RowEdit two{RowEdit::kDelete, 2, 2};
  EXPECT_EQ(AdjustFormula("SUM(A1:A4)+A5", two, "S", true), "SUM(A1:A2)+A3");
}

TEST(CellRefs, TranslateMovesOnlyRelativeParts) {
  EXPECT_EQ(TranslateFormula("A2*B2+$C$2+D$2+$E2", 3, 0), "A5*B5+$C$2+D$2+$E5");
  EXPECT_EQ(TranslateFormula("SUM(A$2:B2)", 1, 1), "SUM(B$2:C3)");
  EXPECT_EQ(TranslateFormula("Other!A1+1", 2, 0), "Other!A3+1");
  EXPECT_EQ(TranslateFormula("A2+B5", -3, 0), "#REF!+B2");
  EXPECT_EQ(TranslateFormula("XFD1", 0, 1), "#REF!");
}

TEST(CellRefs, RangeListsMoveAndLoseEmptiedRanges) {
  EXPECT_EQ(AdjustRangeList("A1:B2 A3:C3 D5", kInsertAt3), "A1:B2 A4:C4 D6");
  EXPECT_EQ(AdjustRangeList("A1:B2 A3:C3 D5", kDelete3), "A1:B2 D4");
  EXPECT_EQ(AdjustRangeList("A3", kDelete3), "");
  EXPECT_EQ(AdjustRangeList("A2:A4", kDelete3), "A2:A3");
}

}  // namespace
}  // namespace orvanta::xlsx
