// The ".moh" file through the document: save and open, the older layout,
// the decimal separator, and damaged files that must leave the document as
// it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ductcalc/duct_document.h"
#include "ductcalc/moh_file.h"
#include "ductcalc/moh_test_support.h"
#include "project/project_test_support.h"

namespace orvanta {
namespace {

using testing_support::Concat;
using testing_support::FileBytes;
using testing_support::LegacyRecordBytes;
using testing_support::LegacyTexts;
using testing_support::SampleFitting;
using testing_support::ScratchDir;
using testing_support::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

Bytes RecordBytes(const FittingRecord& r) {
  const auto a = EncodeFittingRecord(r);
  return Bytes(a.begin(), a.end());
}

DuctDocument ThreeFittings() {
  DuctDocument d;
  for (int kind : {1, 2, 13}) EXPECT_TRUE(d.Append(SampleFitting(kind)).ok());
  return d;
}

void ExpectSameDocument(const DuctDocument& a, const DuctDocument& b) {
  ASSERT_EQ(a.Count(), b.Count());
  for (int i = 0; i <= kMaxFittings; ++i) ASSERT_EQ(a.Record(i), b.Record(i)) << "record " << i;
}

TEST(MohFile, EmptyDocumentSavesAnEmptyFileAndOpensEmpty) {
  ScratchDir dir;
  DuctDocument d;
  ASSERT_TRUE(d.Save(dir.File("empty.moh")).ok());
  EXPECT_EQ(std::filesystem::file_size(dir.File("empty.moh")), 0u);
  DuctDocument other = ThreeFittings();
  ASSERT_TRUE(other.Open(dir.File("empty.moh"), ',').ok());
  EXPECT_EQ(other.Count(), 0);
}

TEST(MohFile, TwoRecordsOpenAsTwoFittingsAndEighteenEmptyRows) {
  ScratchDir dir;
  FittingRecord a = SampleFitting(1), b = SampleFitting(10);
  b.Text(FittingField::Lp) = "1";
  WriteBytes(dir.File("two.moh"), Concat({RecordBytes(a), RecordBytes(b)}));
  EXPECT_EQ(std::filesystem::file_size(dir.File("two.moh")), 2 * 844u);
  DuctDocument d;
  const MohFileResult r = d.Open(dir.File("two.moh"), ',');
  ASSERT_TRUE(r.ok()) << r.Message();
  EXPECT_EQ(r.layout, MohFileLayout::Current);
  EXPECT_EQ(d.Count(), 2);
  EXPECT_EQ(d.Record(0), a);
  EXPECT_EQ(d.Record(1), b);
  const auto rows = SheetRows(d, 0);
  EXPECT_EQ(rows[0][0], "0");
  EXPECT_EQ(rows[1][0], "1");
  EXPECT_EQ(rows[1][1], "KOLANO_OKRĄGŁE");
  for (int k = 2; k < kSheetRows; ++k)
    for (const std::string& cell : rows[k]) EXPECT_EQ(cell, "") << "row " << k;
}

TEST(MohFile, SaveWritesTheFittingsOnlyAndReopensIdentically) {
  ScratchDir dir;
  DuctDocument d = ThreeFittings();
  ASSERT_TRUE(d.Save(dir.File("run.moh")).ok());
  const Bytes bytes = FileBytes(dir.File("run.moh"));
  ASSERT_EQ(bytes.size(), 3 * 844u);
  EXPECT_EQ(Bytes(bytes.begin() + 844, bytes.begin() + 2 * 844), RecordBytes(d.Record(1)));
  DuctDocument back;
  ASSERT_TRUE(back.Open(dir.File("run.moh"), ',').ok());
  EXPECT_EQ(back.Count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(back.Record(i), d.Record(i));
  ASSERT_TRUE(back.Save(dir.File("again.moh")).ok());
  EXPECT_EQ(FileBytes(dir.File("again.moh")), bytes);
}

TEST(MohFile, OlderRecordsAreImportedWithTheirDefaults) {
  ScratchDir dir;
  LegacyTexts t0, t1, t2;
  t1.lp = "1";
  t1.kind = "11";
  t1.dpc = "2,25";
  t2.lp = "2";
  t2.kind = "24";
  t2.dpc = "1.5";
  WriteBytes(dir.File("old.moh"), Concat({LegacyRecordBytes(t0), LegacyRecordBytes(t1), LegacyRecordBytes(t2)}));
  DuctDocument d;
  const MohFileResult r = d.Open(dir.File("old.moh"), ',');
  ASSERT_TRUE(r.ok()) << r.Message();
  EXPECT_EQ(r.layout, MohFileLayout::Legacy);
  ASSERT_EQ(d.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(d.Record(i).Text(FittingField::WallThickness), "0,63");
    EXPECT_EQ(d.Record(i).Text(FittingField::WallDensity), "7350");
    EXPECT_EQ(d.Record(i).Text(FittingField::InsulationDensity), "37");
    EXPECT_EQ(d.Record(i).Text(FittingField::Material), "Stal ocynk");
  }
  EXPECT_EQ(d.Record(1).Text(FittingField::Kind), "11");
  EXPECT_DOUBLE_EQ(d.Totals().total_loss, 3.5 + 2.25 + 1.5);
  // Saving writes the current layout.
  ASSERT_TRUE(d.Save(dir.File("new.moh")).ok());
  EXPECT_EQ(std::filesystem::file_size(dir.File("new.moh")), 3 * 844u);
}

// 93 records of 844 bytes are exactly 211 of 372: the content decides.
TEST(MohFile, ALengthOfBothLayoutsIsReadAsTheOneItHolds) {
  ScratchDir dir;
  std::vector<Bytes> current, legacy;
  for (int i = 0; i < 93; ++i) current.push_back(RecordBytes(SampleFitting(1 + i % 24)));
  for (int i = 0; i < 211; ++i) {
    LegacyTexts t;
    t.kind = std::to_string(1 + i % 24);
    legacy.push_back(LegacyRecordBytes(t));
  }
  WriteBytes(dir.File("current.moh"), Concat(current));
  WriteBytes(dir.File("legacy.moh"), Concat(legacy));
  ASSERT_EQ(std::filesystem::file_size(dir.File("current.moh")), std::filesystem::file_size(dir.File("legacy.moh")));
  DuctDocument d;
  MohFileResult r = d.Open(dir.File("current.moh"), ',');
  ASSERT_TRUE(r.ok()) << r.Message();
  EXPECT_EQ(r.layout, MohFileLayout::Current);
  EXPECT_EQ(d.Count(), 93);
  r = d.Open(dir.File("legacy.moh"), ',');
  ASSERT_TRUE(r.ok()) << r.Message();
  EXPECT_EQ(r.layout, MohFileLayout::Legacy);
  EXPECT_EQ(d.Count(), 211);
}

// A file written where "." separates decimals opens where "," does, and
// the other way round: texts stay as written, totals read both.
TEST(MohFile, DecimalSeparatorOfTheWritingMachineDoesNotMatter) {
  ScratchDir dir;
  DuctDocument dotted;
  ASSERT_TRUE(dotted.Append(SampleFitting(1, '.', "12,5", "3,25")).ok());
  ASSERT_TRUE(dotted.Append(SampleFitting(10, '.', "0,75", "1,5")).ok());
  ASSERT_TRUE(dotted.Save(dir.File("dot.moh")).ok());

  DuctDocument comma_machine;
  ASSERT_TRUE(comma_machine.Open(dir.File("dot.moh"), ',').ok());
  EXPECT_EQ(comma_machine.Record(0).Text(FittingField::TotalLoss), "12.5");
  const TotalsTexts t = FormatTotals(comma_machine.Totals(), 0.01, ',');
  EXPECT_EQ(t.total_loss, "13,25");
  EXPECT_EQ(t.mass, "4,75");
  EXPECT_EQ(t.bands[0], "20");

  // Written back on the "," machine after adding a fitting with ",".
  ASSERT_TRUE(comma_machine.Append(SampleFitting(2, ',', "1,05", "0,5")).ok());
  ASSERT_TRUE(comma_machine.Save(dir.File("mixed.moh")).ok());
  DuctDocument dot_machine;
  ASSERT_TRUE(dot_machine.Open(dir.File("mixed.moh"), '.').ok());
  EXPECT_EQ(dot_machine.Record(2).Text(FittingField::TotalLoss), "1,05");
  EXPECT_EQ(FormatTotals(dot_machine.Totals(), 0.01, '.').total_loss, "14.3");
  EXPECT_EQ(FormatTotals(dot_machine.Totals(), 0.01, '.').mass, "5.25");
}

struct Damage {
  const char* what;
  Bytes bytes;
  MohFileError error;
  const char* message_part;
};

std::vector<Damage> DamagedFiles() {
  const Bytes good = RecordBytes(SampleFitting(4));
  auto with = [&](std::size_t offset, std::vector<std::uint8_t> patch) {
    Bytes b = Concat({good, good});
    for (std::size_t k = 0; k < patch.size(); ++k) b[844 + offset + k] = patch[k];
    return b;
  };
  auto with_text = [&](FittingField f, const std::string& text) {
    FittingRecord r = SampleFitting(4);
    r.Text(f) = text;
    return Concat({good, RecordBytes(r)});
  };
  std::vector<Damage> d = {
      {"one byte short", Bytes(good.begin(), good.end() - 1), MohFileError::WrongSize, "844"},
      {"one byte too many", Concat({good, Bytes(1, 0)}), MohFileError::WrongSize, "372"},
      {"kind 25", with_text(FittingField::Kind, "25"), MohFileError::Damaged, "fitting 1"},
      {"kind 0", with_text(FittingField::Kind, "0"), MohFileError::Damaged, "kind"},
      {"no kind", with_text(FittingField::Kind, ""), MohFileError::Damaged, "kind"},
      {"kind x", with_text(FittingField::Kind, "x"), MohFileError::Damaged, "kind"},
      {"name longer than 40", with(4, {41}), MohFileError::Damaged, "fitting name"},
      {"kind longer than 2", with(276, {3}), MohFileError::Damaged, "kind"},
      {"mass not a number", with_text(FittingField::Mass, "abc"), MohFileError::Damaged, "mass"},
      {"length not a number", with_text(FittingField::Length, "12a"), MohFileError::Damaged, "\"L\""},
      {"band not a number", with_text(BandField(0, 3), "--"), MohFileError::Damaged, "octave"},
  };
  return d;
}

TEST(MohFile, DamagedFilesAreRefusedAndTheDocumentStaysAsItWas) {
  ScratchDir dir;
  for (const Damage& damage : DamagedFiles()) {
    SCOPED_TRACE(damage.what);
    WriteBytes(dir.File("bad.moh"), damage.bytes);
    DuctDocument d = ThreeFittings();
    const DuctDocument before = d;
    const MohFileResult r = d.Open(dir.File("bad.moh"), ',');
    EXPECT_EQ(r.error, damage.error);
    EXPECT_NE(r.Message().find(damage.message_part), std::string::npos) << r.Message();
    ExpectSameDocument(d, before);
  }
}

TEST(MohFile, DamagedOlderRecordsAreRefusedToo) {
  ScratchDir dir;
  LegacyTexts bad;
  bad.kind = "77";
  WriteBytes(dir.File("old.moh"), Concat({LegacyRecordBytes({}), LegacyRecordBytes(bad)}));
  DuctDocument d = ThreeFittings();
  const DuctDocument before = d;
  const MohFileResult r = d.Open(dir.File("old.moh"), ',');
  EXPECT_EQ(r.error, MohFileError::Damaged);
  EXPECT_EQ(r.layout, MohFileLayout::Legacy);
  EXPECT_NE(r.Message().find("fitting 1"), std::string::npos) << r.Message();
  ExpectSameDocument(d, before);
}

TEST(MohFile, MoreThanFiveHundredFittingsAreRefused) {
  ScratchDir dir;
  std::vector<Bytes> records(501, RecordBytes(SampleFitting(1)));
  WriteBytes(dir.File("big.moh"), Concat(records));
  DuctDocument d = ThreeFittings();
  const DuctDocument before = d;
  const MohFileResult r = d.Open(dir.File("big.moh"), ',');
  EXPECT_EQ(r.error, MohFileError::TooManyFittings);
  EXPECT_NE(r.Message().find("500"), std::string::npos);
  ExpectSameDocument(d, before);

  records.pop_back();  // exactly 500 open
  WriteBytes(dir.File("full.moh"), Concat(records));
  ASSERT_TRUE(d.Open(dir.File("full.moh"), ',').ok());
  EXPECT_EQ(d.Count(), 500);
  EXPECT_EQ(d.Append(SampleFitting(1)).error, DocumentError::Full);
}

TEST(MohFile, MissingFileIsReportedAndChangesNothing) {
  ScratchDir dir;
  DuctDocument d = ThreeFittings();
  const DuctDocument before = d;
  const MohFileResult r = d.Open(dir.File("none.moh"), ',');
  EXPECT_EQ(r.error, MohFileError::NotFound);
  EXPECT_FALSE(r.Message().empty());
  ExpectSameDocument(d, before);
}

TEST(MohFile, AFailedSaveKeepsTheOldFile) {
  ScratchDir dir;
  const std::string path = dir.File("keep.moh");
  ASSERT_TRUE(ThreeFittings().Save(path).ok());
  const Bytes old_bytes = FileBytes(path);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  DuctDocument other;
  ASSERT_TRUE(other.Append(SampleFitting(5)).ok());
  const MohFileResult r = other.Save(path);
  EXPECT_EQ(r.error, MohFileError::CannotWrite);
  EXPECT_NE(r.Message().find("unchanged"), std::string::npos);
  EXPECT_EQ(FileBytes(path), old_bytes);
  EXPECT_EQ(other.Save(dir.File("no/such/folder/x.moh")).error, MohFileError::CannotWrite);
  EXPECT_EQ(dir.Entries().size(), 1u);  // no temporary file left behind
}

TEST(MohFile, ImageDecoderRefusesWhatTheFileReaderRefuses) {
  const Bytes good = RecordBytes(SampleFitting(7));
  EXPECT_TRUE(DecodeMohImage(good, ',').status.ok());
  const MohImage bad = DecodeMohImage(Bytes(good.begin(), good.begin() + 100), ',');
  EXPECT_EQ(bad.status.error, MohFileError::WrongSize);
  EXPECT_TRUE(bad.fittings.empty());
  // Texts and numbers of a fitting from a file.
  EXPECT_EQ(FittingDamage(SampleFitting(24)), "");
  FittingRecord r = SampleFitting(3);
  r.Text(FittingField::VelocityMain).clear();  // results may be empty (not yet calculated)
  r.Text(FittingField::Mass).clear();
  EXPECT_EQ(FittingDamage(r), "");
  r.Text(FittingField::OffsetE) = "1,2,3";
  EXPECT_NE(FittingDamage(r).find("\"e\""), std::string::npos);
}

}  // namespace
}  // namespace orvanta
