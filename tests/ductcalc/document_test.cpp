// The document's commands, the sheet's rows and selection, and the totals.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "ductcalc/duct_document.h"
#include "ductcalc/moh_test_support.h"

namespace orvanta {
namespace {

using testing_support::SampleFitting;

DuctDocument WithFittings(int n) {
  DuctDocument d;
  for (int i = 0; i < n; ++i) {
    FittingRecord r = SampleFitting(1 + i % 24, ',', std::to_string(i + 1) + ",5", "1,25");
    r.Text(FittingField::Name) = "F" + std::to_string(i);
    EXPECT_TRUE(d.Append(r).ok());
  }
  return d;
}

int ColumnOf(const char* list_box) {
  for (int c = 0; c < kSheetColumns; ++c)
    if (std::string(kSheetColumnLayout[c].list_box) == list_box) return c;
  return -1;
}

TEST(Document, AppendNumbersEachFittingAndRefusesTheFiveHundredFirst) {
  DuctDocument d;
  FittingRecord r = SampleFitting(3);
  r.Text(FittingField::Lp) = "77";
  ASSERT_TRUE(d.Append(r).ok());
  ASSERT_TRUE(d.Append(r).ok());
  EXPECT_EQ(d.Record(0).Text(FittingField::Lp), "0");
  EXPECT_EQ(d.Record(1).Text(FittingField::Lp), "1");
  EXPECT_EQ(d.Count(), 2);

  d = WithFittings(kMaxFittings);
  ASSERT_EQ(d.Count(), 500);
  EXPECT_EQ(d.Record(499).Text(FittingField::Lp), "499");
  const DocumentResult full = d.Append(SampleFitting(1));
  EXPECT_EQ(full.error, DocumentError::Full);
  EXPECT_NE(full.Message().find("500"), std::string::npos);
  EXPECT_EQ(d.Count(), 500);
  EXPECT_EQ(d.Record(500), FittingRecord{});  // the terminator stays empty
}

TEST(Document, ReplaceOverwritesInPlaceAndOnlyExistingFittings) {
  DuctDocument d = WithFittings(3);
  FittingRecord r = SampleFitting(13);
  r.Text(FittingField::Name) = "changed";
  ASSERT_TRUE(d.Replace(1, r).ok());
  EXPECT_EQ(d.Record(1).Text(FittingField::Name), "changed");
  EXPECT_EQ(d.Record(1).Text(FittingField::Lp), "1");
  EXPECT_EQ(d.Record(0).Text(FittingField::Name), "F0");
  EXPECT_EQ(d.Replace(3, r).error, DocumentError::NoSuchFitting);
  EXPECT_EQ(d.Replace(-1, r).error, DocumentError::NoSuchFitting);
  EXPECT_EQ(d.Count(), 3);
}

TEST(Document, DeletingTheFirstOfThreeRenumbersAndRecomputesTheTotal) {
  DuctDocument d = WithFittings(3);  // dpc 1,5  2,5  3,5
  ASSERT_TRUE(d.Delete(0));
  ASSERT_EQ(d.Count(), 2);
  EXPECT_EQ(d.Record(0).Text(FittingField::Name), "F1");
  EXPECT_EQ(d.Record(0).Text(FittingField::Lp), "0");
  EXPECT_EQ(d.Record(1).Text(FittingField::Name), "F2");
  EXPECT_EQ(d.Record(1).Text(FittingField::Lp), "1");
  EXPECT_EQ(FormatTotals(d.Totals(), 0.01, ',').total_loss, "6");
  EXPECT_EQ(FormatTotals(d.Totals(), 0.01, ',').mass, "2,5");
  // The rows after the last fitting are empty.
  for (int i : {2, 3})
    for (const std::string& cell : SheetRowTexts(d, i)) EXPECT_EQ(cell, "") << i;
}

TEST(Document, DeletingInTheMiddleAndAtTheEnd) {
  DuctDocument d = WithFittings(4);
  ASSERT_TRUE(d.Delete(2));
  EXPECT_EQ(d.Record(2).Text(FittingField::Name), "F3");
  EXPECT_EQ(d.Record(2).Text(FittingField::Lp), "2");
  ASSERT_TRUE(d.Delete(2));
  EXPECT_EQ(d.Count(), 2);
  EXPECT_EQ(d.Record(1).Text(FittingField::Name), "F1");
  EXPECT_EQ(d.Record(2).Text(FittingField::Name), "");
  ASSERT_TRUE(d.Delete(0));
  ASSERT_TRUE(d.Delete(0));
  EXPECT_TRUE(d.IsEmpty());
  EXPECT_FALSE(d.Delete(0));  // nothing left: nothing happens
}

TEST(Document, DeletingAnythingButAFittingChangesNothing) {
  DuctDocument d = WithFittings(3);
  const DuctDocument before = d;
  for (int index : {-1, 3, 4, 500, 10000}) {
    EXPECT_FALSE(d.Delete(index)) << index;
    EXPECT_EQ(d.Count(), 3);
  }
  for (int i = 0; i < 5; ++i) EXPECT_EQ(d.Record(i), before.Record(i));
}

TEST(Document, DeletingFromAFullDocumentStaysInsideTheStorage) {
  DuctDocument d = WithFittings(kMaxFittings);
  ASSERT_TRUE(d.Delete(0));
  EXPECT_EQ(d.Count(), 499);
  EXPECT_EQ(d.Record(498).Text(FittingField::Name), "F499");
  EXPECT_EQ(d.Record(498).Text(FittingField::Lp), "498");
  EXPECT_EQ(d.Record(499).Text(FittingField::Name), "");
  EXPECT_EQ(d.Record(500).Text(FittingField::Name), "");
  EXPECT_TRUE(d.Append(SampleFitting(1)).ok());
}

TEST(Document, NewEmptiesTheRunAndLeavesZerosInMassAndBandColumns) {
  DuctDocument d = WithFittings(3);
  d.New();
  EXPECT_EQ(d.Count(), 0);
  EXPECT_TRUE(d.Fittings().empty());
  const int mass = ColumnOf("ListBox18"), band63 = ColumnOf("ListBox19"), name = ColumnOf("ListBox2");
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(d.Record(i), NewResetRecord());
    const SheetRow row = SheetRowTexts(d, i);
    EXPECT_EQ(row[mass], "0");
    EXPECT_EQ(row[band63], "0");
    EXPECT_EQ(row[name], "");
  }
  EXPECT_EQ(d.Record(3), FittingRecord{});
  const DocumentTotals t = d.Totals();
  EXPECT_EQ(t.total_loss, 0);
  EXPECT_EQ(t.mass, 0);
}

TEST(Sheet, ColumnsAreTheTwentySixListBoxesWithTheirFields) {
  std::set<std::string> names;
  for (const SheetColumn& c : kSheetColumnLayout) names.insert(c.list_box);
  EXPECT_EQ(names.size(), 26u);
  for (int k = 1; k <= 26; ++k) EXPECT_EQ(names.count("ListBox" + std::to_string(k)), 1u) << k;

  const FittingRecord r = SampleFitting(13);
  DuctDocument d;
  ASSERT_TRUE(d.Append(r).ok());
  const SheetRow row = SheetRowTexts(d, 0);
  EXPECT_EQ(row, (SheetRow{"0",   "KOLANO_OKRĄGŁE", "1200", "6,791", "2000", "250", "160", "300", "200",
                           "125", "100",            "90",   "0,33",  "4,12", "7,88", "1,5", "12,5", "3,25",
                           "10",  "11",             "12",   "13",    "14",   "15",   "16",  "17"}));
}

TEST(Sheet, ScrollPositionFiveShowsAndSelectsRecordFive) {
  const DuctDocument d = WithFittings(30);
  const auto rows = SheetRows(d, 5);
  EXPECT_EQ(rows[0][0], "5");
  EXPECT_EQ(rows[0][1], "F5");
  EXPECT_EQ(rows[19][1], "F24");
  EXPECT_EQ(SelectedFitting(d, 5, 0), 5);
  EXPECT_EQ(SelectedFitting(d, 5, 19), 24);
  EXPECT_EQ(SelectedFitting(d, 0, 0), 0);

  DuctDocument edited = d;
  ASSERT_TRUE(edited.Delete(*SelectedFitting(edited, 5, 0)));
  EXPECT_EQ(edited.Record(5).Text(FittingField::Name), "F6");
  EXPECT_EQ(edited.Record(4).Text(FittingField::Name), "F4");
}

TEST(Sheet, NoSelectionOrAnEmptyRowSelectsNothing) {
  const DuctDocument d = WithFittings(3);
  EXPECT_EQ(SelectedFitting(d, 0, -1), std::nullopt);
  EXPECT_EQ(SelectedFitting(d, 0, 3), std::nullopt);   // the row after the last fitting
  EXPECT_EQ(SelectedFitting(d, 2, 1), std::nullopt);   // scrolled: record 3
  EXPECT_EQ(SelectedFitting(d, 0, 20), std::nullopt);  // not a row of the sheet
  EXPECT_EQ(SelectedFitting(DuctDocument{}, 0, 0), std::nullopt);
}

TEST(Sheet, RowsBeyondTheStorageAreEmpty) {
  const DuctDocument d = WithFittings(kMaxFittings);
  const auto rows = SheetRows(d, 500);
  for (const SheetRow& row : rows)
    for (const std::string& cell : row) EXPECT_EQ(cell, "");
  EXPECT_EQ(SheetRows(d, 490)[9][1], "F499");
}

TEST(Totals, SumStoredTextsSkippingWhatIsNoNumber) {
  DuctDocument d;
  FittingRecord a = SampleFitting(1, ',', "10,005", "1,004");
  FittingRecord b = SampleFitting(1, '.', "0,002", "2,003");
  FittingRecord c = SampleFitting(1);
  c.Text(FittingField::TotalLoss).clear();  // not calculated yet
  c.Text(FittingField::Mass).clear();
  c.Text(BandField(0, 0)) = "";
  for (auto& r : {a, b, c}) ASSERT_TRUE(d.Append(r).ok());
  const DocumentTotals t = d.Totals();
  EXPECT_DOUBLE_EQ(t.total_loss, 10.007);
  EXPECT_DOUBLE_EQ(t.mass, 3.007);
  EXPECT_DOUBLE_EQ(t.bands[0], 20);
  EXPECT_DOUBLE_EQ(t.bands[7], 3 * 17);

  const TotalsTexts at_open = FormatTotals(t, 0.01, ',');
  EXPECT_EQ(at_open.total_loss, "10,01");
  EXPECT_EQ(at_open.mass, "3,01");
  DocumentTotals bands;
  bands.bands = {0.24, 0.35, 1.04, 0, 0, 0, 0, 0};
  EXPECT_EQ(FormatTotals(bands, 0.1, '.').bands[0], "0.2");
  EXPECT_EQ(FormatTotals(bands, 0.1, '.').bands[2], "1");
  EXPECT_EQ(FormatTotals(bands, 0.01, '.').bands[2], "1.04");
}

}  // namespace
}  // namespace orvanta
